#pragma once
// Operations on the receipt table (incoming orders, "In99.vlk"): free
// numbers, line lookups, sending and taking back, line removal and the repair
// of future dates.
//
// Receipt numbers run 1..5000; a number outside that range finds nothing,
// and an operation that would write refuses it, with a message, without
// touching any table or file. Every operation that writes returns a
// core::Result: done, refused (nothing changed) or failed with the file's
// message, so a failed write always reaches the caller with a message the
// screen can show. No exceptions.

#include <cstdint>

#include "core/app.h"
#include "core/result.h"

namespace receipts {

// The first receipt 1..5000 whose lines 1 and 2 are both empty; 0 when none.
std::int32_t FirstFreeReceipt(const core::App& app);
// The number of lines 1..30 whose drug is above 0.
std::int32_t ReceiptLineCount(const core::App& app, std::int32_t receipt);
// The first line 1..30 whose drug is 0; 0 when all 30 are used.
std::int32_t FirstEmptyReceiptLine(const core::App& app, std::int32_t receipt);
// The last line 1..30 holding the drug; 0 when none.
std::int32_t ReceiptLineOfDrug(const core::App& app, std::int32_t drug, std::int32_t receipt);

// Sends an open receipt (state 1: its quantities are added to the drug
// balances) or takes back a sent one (state -1: they are subtracted); every
// line also sets its drug's expiry date to the line's. A never-used receipt
// (state 0) moves nothing but is still written. The receipt is written
// (stamped with the current user), then the whole drug file.
//
// Lines naming no drug of 1..1500 (empty, or damaged) move nothing. The
// anchor date is the caller's check. When the receipt cannot be written,
// nothing changes in memory; when the drug file cannot be written after the
// receipt was, the moved balances stay in memory (the receipt on disk already
// says so) and the failure is returned (Failed).
core::Result ToggleSent(core::App& app, std::int32_t receipt);

// Deletes one line of an open receipt: the lines after it move up, line 30
// becomes empty, and the receipt is written. Refused silently (no message)
// for a sent receipt, for a receipt with fewer than 2 lines (the last line
// stays) and for a line number outside 1..30; Failed, with nothing changed in
// memory, when the receipt cannot be written.
core::Result RemoveReceiptLine(core::App& app, std::int32_t receipt, std::int32_t line);

// Every receipt dated later than now takes the date of the receipt before it
// (receipt 1 takes no date) and is written with the current user. A receipt
// that cannot be written keeps its old date in memory, so the next repair
// tries again; the scan goes on as if it had been repaired, and the first
// failure is returned (Failed).
core::Result FixFutureReceiptDates(core::App& app);

}  // namespace receipts
