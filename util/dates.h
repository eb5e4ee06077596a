#pragma once
// OLE dates (days since 1899-12-30, the fraction is the time of day) and the
// text forms the screens, files and printouts use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "util/clock.h"

namespace util {

struct CivilDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The date of a calendar day; months and days out of range roll over as in
// a date serial (month 13 of 2023 is January 2024, day 0 is the last day of
// the month before).
OleDate MakeDate(int year, int month, int day);
OleDate MakeDateTime(int year, int month, int day, int hour, int minute, int second);
// The date of a real calendar day only: nothing for 31-02-2024 or month 13.
std::optional<OleDate> MakeValidDate(int year, int month, int day);
// The calendar day and the time of day (rounded to the nearest second).
CivilDateTime ToCivil(OleDate d);

// The whole-day part of d (time cut off).
OleDate DateOnly(OleDate d);
// The whole-day part of v as a day count.
std::int32_t DateSerialNumber(double v);
OleDate MonthFirstDay(OleDate d);
OleDate MonthLastDay(OleDate d);
// d moved by n calendar months; a day missing in the target month becomes
// that month's last day. The time of day is kept.
OleDate AddMonths(OleDate d, int n);

// "YYYY-MM-DD" of the whole-day part; empty when v rounded to a whole number
// is 19999 or less (before 1954-10-03).
std::string DateToYmdText(double v);
// "MM-YYYY"
std::string FormatMonthYear(OleDate d);
// "DD-MM-YYYY"
std::string FormatDayMonthYear(OleDate d);
// "YYYY-MM-DD  hh:mm" (two spaces)
std::string FormatYmdHm(OleDate d);
// "YYYYMM"
std::string FormatYearMonth(OleDate d);
// "YYYY-MM-DD hh:mm:ss"; empty for 0.
std::string FormatDateTime(OleDate d);
// "DDD": the day's name in Arabic (السبت .. الجمعة).
std::string DayName(OleDate d);

// "MM-YYYY" -> the 15th day of that month: the month is characters 1-2, the
// year characters 4-7. 0 when the text is not such a month (month 01..12, a
// four-digit year).
OleDate MonthTextToDate(std::string_view s);

}  // namespace util
