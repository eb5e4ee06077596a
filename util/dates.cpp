#include "util/dates.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace util {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kSecondsPerDay = 86400;
constexpr sys_days kEpoch = sys_days{std::chrono::year{1899} / std::chrono::December / 30};

// The day count of a calendar date whose month is already 1..12; the day may
// lie outside the month and rolls over.
std::int64_t DayCount(std::int64_t year, unsigned month, std::int64_t day) {
  const auto first = sys_days{year_month_day{std::chrono::year{static_cast<int>(year)},
                                             std::chrono::month{month}, std::chrono::day{1}}};
  return (first - kEpoch).count() + (day - 1);
}

// Year and month (1..12) of a month counted from year 0, month 0 = January.
void SplitMonths(std::int64_t months, std::int64_t& year, unsigned& month) {
  std::int64_t y = months / 12;
  std::int64_t m = months % 12;
  if (m < 0) {
    m += 12;
    --y;
  }
  year = y;
  month = static_cast<unsigned>(m + 1);
}

year_month_day CivilOf(std::int64_t dayCount) {
  return year_month_day{kEpoch + days{dayCount}};
}

unsigned LastDayOf(std::int64_t year, unsigned month) {
  const auto last = std::chrono::year_month_day_last{
      std::chrono::year{static_cast<int>(year)},
      std::chrono::month_day_last{std::chrono::month{month}}};
  return static_cast<unsigned>(last.day());
}

// An OLE date keeps the time of day as a fraction of its own sign's distance
// from zero: -1.25 is 29-12-1899 06:00, not 28-12-1899 18:00. The helpers
// below split a date into its calendar day and time and join them again.
std::int64_t WholeDays(OleDate d) { return static_cast<std::int64_t>(std::trunc(d)); }

double TimeFraction(OleDate d) { return std::fabs(d - std::trunc(d)); }

OleDate Join(std::int64_t dayCount, double timeFraction) {
  const double whole = static_cast<double>(dayCount);
  return dayCount < 0 ? whole - timeFraction : whole + timeFraction;
}


// The dates this module handles: years 100..9999, with room to spare.
bool InRange(OleDate d) { return std::isfinite(d) && std::fabs(d) < 3.0e6; }

// The calendar day of d once its time is rounded to the nearest second, and
// that time in seconds: 23:59:59.5 and later is the first second of the next
// day.
std::int64_t RoundedDay(OleDate d, std::int64_t& seconds) {
  std::int64_t dayCount = WholeDays(d);
  seconds = std::llround(TimeFraction(d) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    ++dayCount;
    seconds -= kSecondsPerDay;
  }
  return dayCount;
}

}  // namespace

OleDate MakeDate(int year, int month, int day) {
  std::int64_t y = 0;
  unsigned m = 1;
  SplitMonths(static_cast<std::int64_t>(year) * 12 + (static_cast<std::int64_t>(month) - 1), y, m);
  return static_cast<OleDate>(DayCount(y, m, day));
}

OleDate MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const std::int64_t dayCount = static_cast<std::int64_t>(MakeDate(year, month, day));
  const double time =
      (static_cast<double>(hour) * 3600.0 + static_cast<double>(minute) * 60.0 + second) /
      kSecondsPerDay;
  return Join(dayCount, time);
}

std::optional<OleDate> MakeValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) {
    return std::nullopt;
  }
  const year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                           std::chrono::day{static_cast<unsigned>(day)}};
  if (!ymd.ok()) return std::nullopt;
  return static_cast<OleDate>((sys_days{ymd} - kEpoch).count());
}

CivilDateTime ToCivil(OleDate d) {
  if (!InRange(d)) return CivilDateTime{};
  std::int64_t seconds = 0;
  const year_month_day ymd = CivilOf(RoundedDay(d, seconds));
  CivilDateTime c;
  c.year = static_cast<int>(ymd.year());
  c.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  c.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  c.hour = static_cast<int>(seconds / 3600);
  c.minute = static_cast<int>(seconds / 60 % 60);
  c.second = static_cast<int>(seconds % 60);
  return c;
}

OleDate DateOnly(OleDate d) { return std::trunc(d); }

std::int32_t DateSerialNumber(double v) {
  if (!std::isfinite(v)) return 0;
  const double whole = std::trunc(v);
  if (whole < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      whole > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return 0;
  }
  return static_cast<std::int32_t>(whole);
}

OleDate MonthFirstDay(OleDate d) {
  if (!InRange(d)) return 0;
  const year_month_day ymd = CivilOf(WholeDays(d));
  return static_cast<OleDate>(
      DayCount(static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()), 1));
}

OleDate MonthLastDay(OleDate d) {
  if (!InRange(d)) return 0;
  const year_month_day ymd = CivilOf(WholeDays(d));
  const std::int64_t year = static_cast<int>(ymd.year());
  const unsigned month = static_cast<unsigned>(ymd.month());
  return static_cast<OleDate>(DayCount(year, month, LastDayOf(year, month)));
}

OleDate AddMonths(OleDate d, int n) {
  if (!InRange(d)) return d;
  const year_month_day ymd = CivilOf(WholeDays(d));
  std::int64_t year = 0;
  unsigned month = 1;
  SplitMonths(static_cast<std::int64_t>(static_cast<int>(ymd.year())) * 12 +
                  (static_cast<unsigned>(ymd.month()) - 1) + n,
              year, month);
  const unsigned day = std::min(static_cast<unsigned>(ymd.day()), LastDayOf(year, month));
  return Join(DayCount(year, month, day), TimeFraction(d));
}

std::string DateToYmdText(double v) {
  if (!InRange(v) || std::nearbyint(v) <= 19999.0) return {};
  const year_month_day ymd = CivilOf(WholeDays(v));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buffer;
}

std::string FormatMonthYear(OleDate d) {
  const CivilDateTime c = ToCivil(d);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%02d-%04d", c.month, c.year);
  return buffer;
}

std::string FormatDayMonthYear(OleDate d) {
  const CivilDateTime c = ToCivil(d);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", c.day, c.month, c.year);
  return buffer;
}

std::string FormatYmdHm(OleDate d) {
  const CivilDateTime c = ToCivil(d);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d  %02d:%02d", c.year, c.month, c.day, c.hour,
                c.minute);
  return buffer;
}

std::string FormatYearMonth(OleDate d) {
  const CivilDateTime c = ToCivil(d);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d%02d", c.year, c.month);
  return buffer;
}

std::string FormatDateTime(OleDate d) {
  if (d == 0) return {};
  const CivilDateTime c = ToCivil(d);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                c.hour, c.minute, c.second);
  return buffer;
}

std::string DayName(OleDate d) {
  // Indexed by the weekday counted from Sunday.
  static constexpr std::array<const char*, 7> kNames = {
      "الأحد", "الاثنين", "الثلاثاء", "الأربعاء", "الخميس", "الجمعة", "السبت"};
  if (!InRange(d)) d = 0;
  std::int64_t seconds = 0;
  const sys_days day = kEpoch + days{RoundedDay(d, seconds)};
  return kNames[std::chrono::weekday{day}.c_encoding()];
}

OleDate MonthTextToDate(std::string_view s) {
  if (s.size() < 7) return 0;
  auto digits = [&](std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (s[i] < '0' || s[i] > '9') return false;
      value = value * 10 + (s[i] - '0');
    }
    return true;
  };
  int month = 0;
  int year = 0;
  if (!digits(0, 2, month) || !digits(3, 4, year) || month < 1 || month > 12) return 0;
  return MakeDate(year, month, 15);
}

}  // namespace util
