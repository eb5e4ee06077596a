// The date dialog: real calendar days only, Enter from box to box, Cancel.

#include <gtest/gtest.h>

#include <string>

#include "core/form_day.h"
#include "tests/core/core_fixture.h"
#include "util/dates.h"

namespace {

using DateDialog = core_test::AppFixture;
using Focus = core::FFFDay::Focus;

TEST_F(DateDialog, OkTakesOnlyDaysTheCalendarHas) {
  struct Case {
    const char* day;
    const char* month;
    const char* year;
    util::OleDate date;  // 0: refused
  };
  const Case cases[] = {
      {"29", "02", "2024", util::MakeDate(2024, 2, 29)},
      {"31", "02", "2024", 0},  // rolls over to 02-03-2024
      {"29", "2", "2023", 0},
      {"31", "04", "2024", 0},
      {"31", "12", "2024", util::MakeDate(2024, 12, 31)},
      {"1", "1", "2025", util::MakeDate(2025, 1, 1)},
      {"07x", " 3", "2024", util::MakeDate(2024, 3, 7)},
      {"0", "3", "2024", 0},
      {"1", "13", "2024", 0},
      {"1", "0", "2024", 0},
      {"1.5", "3", "2024", 0},
      {"", "", "", 0},
      {"5", "5", "24", 0},  // not a year a date can hold
      {"5", "5", "99999999999", 0},
      {"99999999999", "5", "2024", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.day) + "-" + c.month + "-" + c.year);
    app.chosenDay = 99;
    core::FFFDay dialog(app);
    EXPECT_EQ(app.chosenDay, 0);
    dialog.Text1 = c.day;
    dialog.Text2 = c.month;
    dialog.Text3 = c.year;
    dialog.EnterInDay();

    EXPECT_EQ(dialog.Ok(), c.date != 0);

    EXPECT_EQ(dialog.closed(), c.date != 0);
    EXPECT_EQ(dialog.result(), c.date);
    EXPECT_EQ(app.chosenDay, c.date);
    if (c.date == 0) {
      EXPECT_EQ(dialog.focus(), Focus::Day);
    }
  }
  EXPECT_TRUE(ui.messages.empty());  // refusals are silent
}

TEST_F(DateDialog, EnterMovesFromDayToMonthToYearToOk) {
  core::FFFDay dialog(app);
  EXPECT_EQ(dialog.focus(), Focus::Day);
  dialog.EnterInDay();
  EXPECT_EQ(dialog.focus(), Focus::Month);
  dialog.EnterInMonth();
  EXPECT_EQ(dialog.focus(), Focus::Year);
  dialog.EnterInYear();
  EXPECT_EQ(dialog.focus(), Focus::Ok);
  EXPECT_FALSE(dialog.closed());
}

TEST_F(DateDialog, CancelAnswersZero) {
  core::FFFDay dialog(app);
  dialog.Text1 = "1";
  dialog.Text2 = "1";
  dialog.Text3 = "2024";
  dialog.Cancel();
  EXPECT_TRUE(dialog.closed());
  EXPECT_EQ(dialog.result(), 0);
  EXPECT_EQ(app.chosenDay, 0);
}

}  // namespace
