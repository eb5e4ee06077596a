#pragma once
// Operations on the ticket table: free numbers, the lines of a ticket, saving
// and unsaving (which moves the drug balances), the per-day serial, the open
// tickets report, the dispensed quantities of a day or a period, the repair of
// future dates and the rereads of network mode.
//
// Ticket numbers are 1..500000: any other number is refused (nothing is read
// or written; queries answer 0, false or empty). Drug numbers on lines are
// 1..1500 (0 = empty line); a line whose drug lies outside the drug table, as
// in a damaged file, never indexes a table: balance moves and totals skip it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/result.h"
#include "util/clock.h"

namespace dispensing {

using core::Result;

// The line break of the texts built here (message boxes, clipboard).
inline constexpr std::string_view kLineBreak = "\r\n";

inline constexpr std::string_view kAnchorDateMessage =
    "تاريخ التذكرة الحالية يقع قبل تاريخ الارتكاز ولا يسمح هذا الاجراء";
inline constexpr std::string_view kUnsavedCountTitle = "عدد التذاكر الغير محفوظة هو";
inline constexpr std::string_view kUnsavedNumbersTitle = " وارقامها هي";
inline constexpr std::string_view kNoUnsavedTickets = "لا يوجد تذاكر غير محفوظة قبل هذا التاريخ";

// The lowest ticket in 1..TicketCount (of the settings, limited to 500000)
// whose lines 1 and 2 are both empty; 0 when every one is used.
std::int32_t FirstFreeTicket(const core::App& app);

// True when lines 1 and 2 hold no drug (drugIndex[1] + drugIndex[2] < 1);
// false for a number outside 1..500000.
bool IsEmptyTicket(const core::App& app, std::int32_t ticket);

// Number of lines 1..30 whose drug is above 0.
int LineCount(const core::App& app, std::int32_t ticket);

// First line 1..30 whose drug is 0; 0 when all 30 are used.
int FirstEmptyLine(const core::App& app, std::int32_t ticket);

// The last line 1..30 holding the drug; 0 when none. Note the order: drug,
// then ticket.
int LineOfDrug(const core::App& app, std::int32_t drug, std::int32_t ticket);

// The first line holding the drug; 0 when none, or when the ticket or the
// drug is 0. Note the order: ticket, then drug.
int FirstLineOfDrug(const core::App& app, std::int32_t ticket, std::int32_t drug);

// Saves an open ticket (its quantities come off the drug balances, state -1)
// or unsaves a saved one (the quantities go back, state 1), then writes the
// ticket (stamped with the current user) and the whole drug file.
// Refused, with kAnchorDateMessage shown, when the ticket's day is not later
// than the anchor date; refused silently when the ticket has no line. No
// balance check: a balance may go below 0.
// When the ticket cannot be written, the table and the balances are left as
// they were. When the drug file cannot be written after the ticket was, the
// ticket stays toggled and the balances moved in memory (the next drug write
// or balance recomputation brings the file in step); the failure is returned.
Result ToggleSaved(core::App& app, std::int32_t ticket);

// Deletes one line of an open ticket of at least 2 lines: the lines after it
// move up and line 30 empties; then the ticket is written. Refused silently
// for a saved ticket, a ticket of 0 or 1 line, or a line outside 1..30.
Result RemoveLine(core::App& app, std::int32_t ticket, int line);

// The ticket's number within its day: how many of the records
// max(1, ticket - 2000)..ticket carry a date of the same day.
std::int32_t DailySerial(const core::App& app, std::int32_t ticket);

struct UnsavedTickets {
  std::int32_t count = 0;
  std::string text;
};

// The open tickets with at least one line dated not later than 00:00 of the
// day, among 1..TicketCount: their count and the text for the user. The busy
// pointer shows during the scan.
UnsavedTickets UnsavedTicketsReport(const core::App& app, util::OleDate day);

// For every ticket of the day and each of its lines holding the drug: three
// spaces, the quantity, ":" and the ticket's recipient. The result is the
// drug's name, a line break, those entries and a line break; empty when the
// drug was not dispensed that day (or is not a drug number).
std::string DrugDayList(const core::App& app, util::OleDate day, std::int32_t drug);

// Adds to totals[drug] every line quantity of the non-empty tickets dated
// from..to (both included, date and time), saved or open. Lines whose drug
// has no element in totals, or is not a drug number, are skipped.
void AddDispensedInPeriod(const core::App& app, util::OleDate from, util::OleDate to,
                          std::span<std::int64_t> totals);

// The day of the lowest-numbered non-empty ticket holding the drug on any
// line, passing over tickets without a date; 0 when none.
util::OleDate FirstDispensingDate(const core::App& app, std::int32_t drug);

// The recipient's average use of the drug per 30 days, from the drug's first
// dispensing (at most 365 days back) to yesterday, as a whole number.
float MonthlyAverageUse(const core::App& app, std::int32_t recipient, std::int32_t drug);

// Gives every ticket dated later than now the date of the record before it
// (ticket 1 gets no date) and writes it. Goes on after a failed write; the
// first failure is returned.
Result FixFutureDates(core::App& app);

// Network mode, before a new ticket number is chosen: reads tickets
// max(1, f - 20)..f + 100 again from the file, f being FirstFreeTicket.
// Does nothing outside network mode.
Result RefreshBeforeNewTicket(core::App& app);

// Network mode, before ticket n is shown or given a line: reads it again from
// the file when n is above 1. Does nothing outside network mode.
Result RefreshTicket(core::App& app, std::int32_t ticket);

}  // namespace dispensing
