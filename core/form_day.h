#pragma once
// The date dialog: day, month and year boxes, "موافق" and "الغاء". OK takes
// the date only when it is a real calendar day; Cancel answers 0. Enter moves
// from the day to the month, to the year, then to OK.

#include <string>
#include <string_view>

#include "core/app.h"
#include "util/clock.h"
#include "util/interaction.h"

namespace core {

class FFFDay : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFDay";
  static constexpr std::string_view kDayLabel = "يوم";
  static constexpr std::string_view kMonthLabel = "شهر";
  static constexpr std::string_view kYearLabel = "سنة";
  static constexpr std::string_view kActionLabel = "اجراء";
  static constexpr std::string_view kOkLabel = "موافق";
  static constexpr std::string_view kCancelLabel = "الغاء";

  // Where the input focus belongs; the view follows it after each action.
  enum class Focus { Day, Month, Year, Ok };

  // Opening: the boxes empty, the focus in the day box, the run's chosen
  // day 0 until OK takes a date.
  explicit FFFDay(App& app);
  std::string_view ScreenName() const override { return kName; }

  // Enter in each box.
  void EnterInDay() { focus_ = Focus::Month; }
  void EnterInMonth() { focus_ = Focus::Year; }
  void EnterInYear() { focus_ = Focus::Ok; }

  // OK: the date of the typed year, month and day, built with the calendar
  // carry. When the day or month of that date is not the one typed (31-02
  // becomes 02-03) the date is refused without a message: the focus goes
  // back to the day box and the dialog stays. Otherwise the date becomes the
  // result and the dialog closes. True when it closed.
  bool Ok();
  // Cancel, also the window closed any other way: the result is 0.
  void Cancel();

  Focus focus() const { return focus_; }
  bool closed() const { return closed_; }
  // The chosen date; 0 when cancelled or not closed yet.
  util::OleDate result() const { return result_; }

  // The controls: day, month and year boxes.
  std::string Text1;
  std::string Text2;
  std::string Text3;

 private:
  App& app_;
  Focus focus_ = Focus::Day;
  bool closed_ = false;
  util::OleDate result_ = 0;
};

}  // namespace core
