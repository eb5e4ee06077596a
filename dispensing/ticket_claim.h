#pragma once
// Taking a fresh ticket in network mode. Each workstation chooses a new
// ticket as the first free record of its own copy of the table, so two of
// them can choose the same one. The first line of a ticket therefore goes
// in under a lock of the ticket's record in the shared ticket file, after
// the record was read again: a ticket another workstation has given a line
// meanwhile is passed over for the next free one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"
#include "storage/record_lock.h"

namespace dispensing {

// Tries of the lock of one record before the claim gives up (with the
// pause of RecordLock, about a second).
inline constexpr int kClaimLockAttempts = 50;
// Tickets tried in one claim before it gives up.
inline constexpr int kClaimTickets = 100;

inline constexpr std::string_view kTicketNotClaimedMessage =
    "تعذر حجز التذكرة في ملف التذاكر المشترك، حاول اضافة الدواء مرة اخري";

// What a claim of a fresh ticket came to.
struct TicketClaim {
  // The ticket to write the first line to; 0 when the claim is refused.
  std::int32_t ticket = 0;
  // Another workstation took the ticket asked for; `ticket` is the one
  // taken instead.
  bool moved = false;
  // Refused because no free ticket is left.
  bool full = false;
  // Refused for another reason: the text to show (the record stayed locked,
  // or the ticket file could not be read).
  std::string message;
  // Held until the line is written and saved; empty outside network mode
  // and on a refusal.
  std::optional<storage::RecordLock> lock;
};

// Before the first line goes to ticket n, which this workstation took as
// free. Outside network mode: {n}, touching nothing. In network mode the
// record of n is locked in the ticket file and read again into the table;
// while it holds a line, the lock is let go, the tickets around the first
// free one are read again (RefreshBeforeNewTicket) and the next free ticket
// not yet tried is claimed the same way. The ticket claimed holds what the
// file holds, opened in memory (state 1) as New does. Refused (ticket 0,
// nothing locked) for a number outside the ticket table, when every ticket
// is used, when a record stays locked by another workstation or cannot be
// read, and after kClaimTickets tickets.
TicketClaim ClaimFreshTicket(core::App& app, std::int32_t n);

// The user's notice that the line goes to another ticket than the one shown.
std::string TicketMovedMessage(std::int32_t taken, std::int32_t now);

}  // namespace dispensing
