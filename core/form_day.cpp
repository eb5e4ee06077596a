#include "core/form_day.h"

#include <optional>

#include "util/dates.h"
#include "util/numbers.h"

namespace core {
namespace {

// The years a date can hold.
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;
// Typed days and months beyond these never name the same day and month after
// the carry; they are refused before any arithmetic.
constexpr int kLargestPart = 100000;

// The whole number a typed part stands for (halves to even), when it is
// small enough to carry.
std::optional<int> Part(double typed) {
  if (!(typed > -kLargestPart && typed < kLargestPart)) return std::nullopt;
  return util::SafeLong(typed);
}

}  // namespace

FFFDay::FFFDay(App& app) : app_(app) { app_.chosenDay = 0; }

bool FFFDay::Ok() {
  const double typedDay = util::LeadingNumber(Text1);
  const double typedMonth = util::LeadingNumber(Text2);
  const auto day = Part(typedDay);
  const auto month = Part(typedMonth);
  const auto year = Part(util::LeadingNumber(Text3));
  bool valid = day && month && year && *year >= kFirstYear && *year <= kLastYear;
  util::OleDate date = 0;
  if (valid) {
    date = util::MakeDate(*year, *month, *day);
    const util::CivilDateTime built = util::ToCivil(date);
    valid = built.day == typedDay && built.month == typedMonth;
  }
  if (!valid) {
    focus_ = Focus::Day;
    return false;
  }
  result_ = date;
  app_.chosenDay = date;
  closed_ = true;
  return true;
}

void FFFDay::Cancel() {
  result_ = 0;
  app_.chosenDay = 0;
  closed_ = true;
}

}  // namespace core
