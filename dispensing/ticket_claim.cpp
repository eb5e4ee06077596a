#include "dispensing/ticket_claim.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "core/network.h"
#include "core/tables.h"
#include "dispensing/ticket_table.h"
#include "storage/data_files.h"
#include "storage/ticket_record.h"

namespace dispensing {
namespace {

using storage::TicketRecord;

bool IsTicketOfTable(const core::App& app, std::int32_t n) {
  return core::IsTicketNumber(n) && app.tickets().Contains(static_cast<std::size_t>(n));
}

// The first free ticket, as FirstFreeTicket finds it, passing over the
// tickets already tried (one found taken may read free again after a later
// reread of the tickets around it); 0 when none is left.
std::int32_t NextFreeTicket(const core::App& app, const std::vector<std::int32_t>& tried) {
  auto wasTried = [&](std::int32_t n) {
    return std::find(tried.begin(), tried.end(), n) != tried.end();
  };
  const std::int32_t first = FirstFreeTicket(app);
  if (first == 0 || !wasTried(first)) return first;
  const auto last = static_cast<std::int32_t>(
      std::min({static_cast<std::size_t>(std::max(app.settings().ticketCount(), 0)),
                app.tickets().capacity(), storage::kMaxTickets}));
  for (std::int32_t n = first + 1; n <= last; ++n) {
    if (IsEmptyTicket(app, n) && !wasTried(n)) return n;
  }
  return 0;
}

TicketClaim Refused(std::string message) {
  TicketClaim claim;
  claim.message = std::move(message);
  return claim;
}

}  // namespace

TicketClaim ClaimFreshTicket(core::App& app, std::int32_t n) {
  if (!core::NetworkActive(app)) {
    TicketClaim claim;
    claim.ticket = n;
    return claim;
  }
  if (!IsTicketOfTable(app, n)) return TicketClaim{};

  const std::filesystem::path file = app.DataFile(storage::kTicketFile);
  std::vector<std::int32_t> tried;
  std::int32_t candidate = n;
  for (int round = 0; round < kClaimTickets; ++round) {
    const auto index = static_cast<std::size_t>(candidate);
    std::optional<storage::RecordLock> lock = storage::RecordLock::Acquire(
        file, (index - 1) * TicketRecord::kLength, TicketRecord::kLength, kClaimLockAttempts);
    if (!lock) return Refused(std::string(kTicketNotClaimedMessage));
    // Read again through the lock (ticket 1 too: the shown ticket's reread
    // passes over it, this one may not).
    TicketRecord& record = app.tickets()[index];
    if (storage::IoStatus read = lock->Read(record.bytes()); !read) {
      return Refused(read.message());
    }
    if (record.IsEmpty()) {
      // Open in memory only: it reaches the file with the first line.
      record.setState(1);
      TicketClaim claim;
      claim.ticket = candidate;
      claim.moved = candidate != n;
      claim.lock = std::move(lock);
      return claim;
    }
    // Another workstation has given it a line.
    lock.reset();
    tried.push_back(candidate);
    if (core::Result refreshed = RefreshBeforeNewTicket(app); refreshed.failed()) {
      return Refused(refreshed.message());
    }
    candidate = NextFreeTicket(app, tried);
    if (candidate == 0) {
      TicketClaim claim;
      claim.full = true;
      return claim;
    }
  }
  return Refused(std::string(kTicketNotClaimedMessage));
}

std::string TicketMovedMessage(std::int32_t taken, std::int32_t now) {
  return "التذكرة رقم " + std::to_string(taken) +
         " استخدمها جهاز اخر علي الشبكة، لذلك سيضاف الدواء الي التذكرة رقم " + std::to_string(now);
}

}  // namespace dispensing
