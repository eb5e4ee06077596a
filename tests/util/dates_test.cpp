#include "util/dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using util::OleDate;

// 23:59:59.7 as a fraction of a day.
constexpr double kAlmostMidnight = (86400.0 - 0.3) / 86400.0;

struct YmdCase {
  int year;
  int month;
  int day;
  OleDate expected;
};

TEST(MakeDate, CountsDaysFrom30December1899) {
  const YmdCase cases[] = {
      {1899, 12, 30, 0},     {1899, 12, 29, -1},    {1900, 1, 1, 2},      {1900, 3, 1, 61},
      {1954, 10, 3, 20000},  {2000, 1, 1, 36526},   {2023, 3, 15, 45000}, {2024, 2, 29, 45351},
      {2024, 3, 15, 45366},  {2100, 3, 1, 73110},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    EXPECT_EQ(util::MakeDate(c.year, c.month, c.day), c.expected);
  }
}

TEST(MakeDate, RollsOverMonthsAndDaysOutOfRange) {
  struct Case {
    YmdCase given;
    YmdCase same;
  };
  const Case cases[] = {
      {{2023, 13, 1, 0}, {2024, 1, 1, 0}},    // month 13 is January of the next year
      {{2023, 25, 10, 0}, {2025, 1, 10, 0}},
      {{2024, 0, 1, 0}, {2023, 12, 1, 0}},    // month 0 is December of the year before
      {{2024, -1, 5, 0}, {2023, 11, 5, 0}},
      {{2024, -12, 5, 0}, {2022, 12, 5, 0}},
      {{2024, 3, 0, 0}, {2024, 2, 29, 0}},    // day 0 is the last day of the month before
      {{2023, 3, 0, 0}, {2023, 2, 28, 0}},
      {{2024, 1, 0, 0}, {2023, 12, 31, 0}},
      {{2024, 1, -1, 0}, {2023, 12, 30, 0}},
      {{2024, 1, 32, 0}, {2024, 2, 1, 0}},
      {{2023, 2, 29, 0}, {2023, 3, 1, 0}},
      {{2023, 1, 366, 0}, {2024, 1, 1, 0}},
      {{2023, 14, 0, 0}, {2024, 1, 31, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.given.year) + "-" + std::to_string(c.given.month) + "-" +
                 std::to_string(c.given.day));
    const auto valid = util::MakeValidDate(c.same.year, c.same.month, c.same.day);
    ASSERT_TRUE(valid.has_value());
    EXPECT_EQ(util::MakeDate(c.given.year, c.given.month, c.given.day), *valid);
  }
}

TEST(MakeValidDate, AcceptsOnlyRealCalendarDays) {
  struct Case {
    int year;
    int month;
    int day;
    bool valid;
  };
  const Case cases[] = {
      {2024, 2, 29, true},  {2024, 2, 30, false}, {2024, 2, 31, false}, {2023, 2, 29, false},
      {2000, 2, 29, true},  {1900, 2, 29, false}, {2024, 4, 30, true},  {2024, 4, 31, false},
      {2024, 12, 31, true}, {2024, 13, 1, false}, {2024, 0, 1, false},  {2024, 1, 0, false},
      {2024, 1, -1, false}, {2024, -1, 1, false}, {2024, 1, 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    const auto date = util::MakeValidDate(c.year, c.month, c.day);
    ASSERT_EQ(date.has_value(), c.valid);
    if (c.valid) {
      EXPECT_EQ(*date, util::MakeDate(c.year, c.month, c.day));
    }
  }
}

TEST(MakeDateTime, AddsTheTimeOfDayAsAFraction) {
  EXPECT_DOUBLE_EQ(util::MakeDateTime(2023, 3, 15, 18, 0, 0), 45000.75);
  EXPECT_DOUBLE_EQ(util::MakeDateTime(2023, 3, 15, 6, 0, 0), 45000.25);
  EXPECT_DOUBLE_EQ(util::MakeDateTime(2023, 3, 15, 0, 0, 1), 45000.0 + 1.0 / 86400.0);
  // Before the epoch the time counts away from zero, as in every OLE date.
  EXPECT_DOUBLE_EQ(util::MakeDateTime(1899, 12, 29, 6, 0, 0), -1.25);
}

TEST(ToCivil, SplitsADateIntoCalendarDayAndTime) {
  struct Case {
    OleDate date;
    util::CivilDateTime expected;
  };
  const Case cases[] = {
      {0, {1899, 12, 30, 0, 0, 0}},
      {45000.75, {2023, 3, 15, 18, 0, 0}},
      {util::MakeDateTime(2024, 2, 29, 13, 45, 59), {2024, 2, 29, 13, 45, 59}},
      {util::MakeDateTime(2024, 2, 29, 23, 59, 59), {2024, 2, 29, 23, 59, 59}},
      // Rounded to the nearest second.
      {45000 + (10 * 3600 + 0.4) / 86400.0, {2023, 3, 15, 10, 0, 0}},
      {45000 + (10 * 3600 + 0.6) / 86400.0, {2023, 3, 15, 10, 0, 1}},
      {45000 + (10 * 3600 + 59 * 60 + 59.6) / 86400.0, {2023, 3, 15, 11, 0, 0}},
      // The last fraction of a second rounds into the next calendar day.
      {45000 + kAlmostMidnight, {2023, 3, 16, 0, 0, 0}},
      {util::MakeDate(2024, 2, 29) + kAlmostMidnight, {2024, 3, 1, 0, 0, 0}},
      {util::MakeDate(2023, 12, 31) + kAlmostMidnight, {2024, 1, 1, 0, 0, 0}},
      {-1.25, {1899, 12, 29, 6, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    const util::CivilDateTime got = util::ToCivil(c.date);
    EXPECT_EQ(got.year, c.expected.year);
    EXPECT_EQ(got.month, c.expected.month);
    EXPECT_EQ(got.day, c.expected.day);
    EXPECT_EQ(got.hour, c.expected.hour);
    EXPECT_EQ(got.minute, c.expected.minute);
    EXPECT_EQ(got.second, c.expected.second);
  }
}

TEST(DateOnly, CutsTheTimeOfDay) {
  EXPECT_EQ(util::DateOnly(45000.75), 45000);
  EXPECT_EQ(util::DateOnly(45000.0), 45000);
  EXPECT_EQ(util::DateOnly(45000 + kAlmostMidnight), 45000);  // cut, not rounded
  EXPECT_EQ(util::DateOnly(-1.25), -1);
}

TEST(DateSerialNumber, IsTheWholeDayPart) {
  EXPECT_EQ(util::DateSerialNumber(45000.75), 45000);
  EXPECT_EQ(util::DateSerialNumber(45000.999), 45000);
  EXPECT_EQ(util::DateSerialNumber(20000), 20000);
  EXPECT_EQ(util::DateSerialNumber(0.5), 0);
  EXPECT_EQ(util::DateSerialNumber(-1.25), -1);
  EXPECT_EQ(util::DateSerialNumber(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(MonthBounds, FirstAndLastDayOfTheMonth) {
  struct Case {
    OleDate date;
    OleDate first;
    OleDate last;
  };
  const Case cases[] = {
      {util::MakeDateTime(2024, 2, 10, 15, 0, 0), util::MakeDate(2024, 2, 1),
       util::MakeDate(2024, 2, 29)},
      {util::MakeDate(2023, 2, 28), util::MakeDate(2023, 2, 1), util::MakeDate(2023, 2, 28)},
      {util::MakeDate(2023, 12, 31), util::MakeDate(2023, 12, 1), util::MakeDate(2023, 12, 31)},
      {util::MakeDate(2024, 1, 1), util::MakeDate(2024, 1, 1), util::MakeDate(2024, 1, 31)},
      {util::MakeDate(2024, 4, 15), util::MakeDate(2024, 4, 1), util::MakeDate(2024, 4, 30)},
      {util::MakeDate(1900, 2, 15), util::MakeDate(1900, 2, 1), util::MakeDate(1900, 2, 28)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(util::MonthFirstDay(c.date), c.first);
    EXPECT_EQ(util::MonthLastDay(c.date), c.last);
  }
}

TEST(AddMonths, KeepsTheDayOrTakesTheMonthsLastDay) {
  struct Case {
    OleDate date;
    int months;
    OleDate expected;
  };
  const Case cases[] = {
      {util::MakeDate(2023, 3, 31), -1, util::MakeDate(2023, 2, 28)},
      {util::MakeDate(2023, 1, 31), 1, util::MakeDate(2023, 2, 28)},
      {util::MakeDate(2024, 1, 31), 1, util::MakeDate(2024, 2, 29)},
      {util::MakeDate(2024, 3, 31), 1, util::MakeDate(2024, 4, 30)},
      {util::MakeDate(2023, 11, 15), 3, util::MakeDate(2024, 2, 15)},
      {util::MakeDate(2024, 1, 15), -1, util::MakeDate(2023, 12, 15)},
      {util::MakeDate(2024, 2, 29), 12, util::MakeDate(2025, 2, 28)},
      {util::MakeDate(2024, 2, 29), -48, util::MakeDate(2020, 2, 29)},
      {util::MakeDate(2023, 12, 31), -13, util::MakeDate(2022, 11, 30)},
      {util::MakeDate(2023, 5, 20), 0, util::MakeDate(2023, 5, 20)},
      // The time of day stays.
      {45000.75, 1, util::MakeDate(2023, 4, 15) + 0.75},
      {util::MakeDate(2023, 3, 31) + 0.25, -1, util::MakeDate(2023, 2, 28) + 0.25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.date) + " + " + std::to_string(c.months));
    EXPECT_DOUBLE_EQ(util::AddMonths(c.date, c.months), c.expected);
  }
}

TEST(DateToYmdText, WritesTheDayFrom1954On) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {20000, "1954-10-03"},
      {19999, ""},
      {45000.75, "2023-03-15"},
      {45000 + kAlmostMidnight, "2023-03-15"},  // the day part, not rounded
      {45366, "2024-03-15"},
      // The test for an empty text rounds halves to even; the text itself
      // shows the whole-day part.
      {19999.5, "1954-10-02"},
      {19999.49, ""},
      {19998.5, ""},
      {20000.5, "1954-10-03"},
      {0, ""},
      {-5, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(util::DateToYmdText(c.value), c.expected);
  }
}

TEST(DateFormats, WriteEachTextForm) {
  struct Case {
    OleDate date;
    const char* monthYear;
    const char* dayMonthYear;
    const char* ymdHm;
    const char* yearMonth;
    const char* dateTime;
  };
  const Case cases[] = {
      {util::MakeDateTime(2024, 3, 5, 9, 7, 3), "03-2024", "05-03-2024", "2024-03-05  09:07",
       "202403", "2024-03-05 09:07:03"},
      {util::MakeDateTime(2023, 12, 31, 23, 59, 59), "12-2023", "31-12-2023",
       "2023-12-31  23:59", "202312", "2023-12-31 23:59:59"},
      {util::MakeDate(2023, 12, 31) + kAlmostMidnight, "01-2024", "01-01-2024",
       "2024-01-01  00:00", "202401", "2024-01-01 00:00:00"},
      {util::MakeDate(1954, 10, 3), "10-1954", "03-10-1954", "1954-10-03  00:00", "195410",
       "1954-10-03 00:00:00"},
      {0.5, "12-1899", "30-12-1899", "1899-12-30  12:00", "189912", "1899-12-30 12:00:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(util::FormatMonthYear(c.date), c.monthYear);
    EXPECT_EQ(util::FormatDayMonthYear(c.date), c.dayMonthYear);
    EXPECT_EQ(util::FormatYmdHm(c.date), c.ymdHm);
    EXPECT_EQ(util::FormatYearMonth(c.date), c.yearMonth);
    EXPECT_EQ(util::FormatDateTime(c.date), c.dateTime);
  }
}

TEST(DateFormats, DateTimeOfZeroIsEmpty) { EXPECT_EQ(util::FormatDateTime(0), ""); }

TEST(DayName, NamesEveryDayOfTheWeekInArabic) {
  // 30-12-1899 was a Saturday.
  const char* const week[] = {"السبت",    "الأحد",  "الاثنين", "الثلاثاء",
                              "الأربعاء", "الخميس", "الجمعة"};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(util::DayName(i), week[i]);
    EXPECT_EQ(util::DayName(45000 + i + 0.5), week[(45000 + i) % 7]);
  }
  EXPECT_EQ(util::DayName(util::MakeDate(2023, 3, 15)), "الأربعاء");
  EXPECT_EQ(util::DayName(util::MakeDate(2024, 3, 15)), "الجمعة");
  EXPECT_EQ(util::DayName(util::MakeDate(2000, 1, 1)), "السبت");
  EXPECT_EQ(util::DayName(util::MakeDate(1899, 12, 29)), "الجمعة");
}

TEST(MonthTextToDate, GivesTheFifteenthOfTheMonth) {
  struct Case {
    const char* text;
    OleDate expected;
  };
  const Case cases[] = {
      {"03-2024", util::MakeDate(2024, 3, 15)},
      {"01-1999", util::MakeDate(1999, 1, 15)},
      {"12-2023", util::MakeDate(2023, 12, 15)},
      {"02-2024", util::MakeDate(2024, 2, 15)},
      {"13-2024", 0},
      {"00-2024", 0},
      {"3-2024", 0},
      {" 3-2024", 0},
      {"03-24", 0},
      {"03-202", 0},
      {"03-20x4", 0},
      {"ab-2024", 0},
      {"-1-2024", 0},
      {"03--024", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(util::MonthTextToDate(c.text), c.expected);
  }
}

TEST(MonthTextToDate, ReadsBackWhatFormatMonthYearWrites) {
  const OleDate date = util::MakeDateTime(2025, 11, 2, 8, 30, 0);
  EXPECT_EQ(util::MonthTextToDate(util::FormatMonthYear(date)), util::MakeDate(2025, 11, 15));
}

}  // namespace
