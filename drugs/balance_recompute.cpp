#include "drugs/balance_recompute.h"

#include <array>
#include <limits>
#include <vector>

#include "core/network.h"
#include "core/tables.h"
#include "storage/data_files.h"

namespace drugs {
namespace {

constexpr double kHour = 1.0 / 24.0;
constexpr double kQuarterHour = 0.25 / 24.0;

using Sums = std::vector<std::int64_t>;  // per drug 0..1500

bool IsDrugIndex(std::int64_t d) { return d >= 0 && d <= static_cast<std::int64_t>(storage::kMaxDrugs); }

std::int32_t CleanTicketQuantity(std::int32_t q) { return (q < 0 || q > kLargestLineQuantity) ? 1 : q; }
// A negative receipt quantity is a return and counts as it stands.
std::int32_t CleanReceiptQuantity(std::int32_t q) { return q > kLargestLineQuantity ? 1 : q; }

struct Tally {
  Sums received = Sums(storage::kMaxDrugs + 1, 0);
  Sums dispensed = Sums(storage::kMaxDrugs + 1, 0);
  std::vector<std::int32_t> openTickets;
  std::vector<std::int32_t> openReceipts;
};

// Sums every line of every ticket and receipt; when `clean` is set the
// out-of-range quantities are first replaced in memory.
Tally Count(core::App& app, bool clean) {
  Tally t;
  auto& tickets = app.tickets();
  for (std::size_t n = 1; n <= tickets.capacity(); ++n) {
    auto& ticket = tickets[n];
    bool hasLine = false;
    for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
      std::int32_t q = ticket.quantity(line);
      if (clean) {
        std::int32_t c = CleanTicketQuantity(q);
        if (c != q) ticket.setQuantity(line, q = c);
      }
      std::int16_t d = ticket.drugIndex(line);
      if (d > 0) hasLine = true;
      if (IsDrugIndex(d)) t.dispensed[static_cast<std::size_t>(d)] += q;
    }
    if (hasLine && ticket.state() == 1) t.openTickets.push_back(static_cast<std::int32_t>(n));
  }
  auto& receipts = app.receipts();
  for (std::size_t n = 1; n <= receipts.capacity(); ++n) {
    auto& receipt = receipts[n];
    bool hasLine = false;
    for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
      std::int32_t q = receipt.lineQuantity(line);
      if (clean) {
        std::int32_t c = CleanReceiptQuantity(q);
        if (c != q) receipt.setLineQuantity(line, q = c);
      }
      std::int32_t d = receipt.lineDrug(line);
      if (d > 0) hasLine = true;
      if (IsDrugIndex(d)) t.received[static_cast<std::size_t>(d)] += q;
    }
    if (hasLine && receipt.receiptState() == 1) t.openReceipts.push_back(static_cast<std::int32_t>(n));
  }
  return t;
}

std::int32_t ToBalance(std::int64_t v) {
  constexpr auto lo = std::numeric_limits<std::int32_t>::min();
  constexpr auto hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

// Puts the computed balances into the drug table; returns how many changed.
int ApplyBalances(core::App& app, const Tally& t) {
  int changed = 0;
  auto& drugs = app.drugs();
  for (std::size_t d = 1; d <= drugs.capacity(); ++d) {
    std::int64_t computed = t.received[d] - t.dispensed[d] + drugs[d].openingBalance();
    if (computed != drugs[d].balance()) {
      drugs[d].setBalance(ToBalance(computed));
      ++changed;
    }
  }
  return changed;
}

class BusyPointer {
 public:
  explicit BusyPointer(util::Platform& p) : p_(p) { p_.SetBusyCursor(true); }
  ~BusyPointer() { p_.SetBusyCursor(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  util::Platform& p_;
};

}  // namespace

RecomputeResult RecomputeBalances(core::App& app, bool force) {
  RecomputeResult result;
  util::OleDate now = app.Now();
  if (!force && now - app.lastBalanceRecompute < kHour) {
    result.skipped = true;
    return result;
  }
  app.lastBalanceRecompute = now;

  BusyPointer busy(app.platform());
  Tally tally = Count(app, /*clean=*/true);
  result.changed = ApplyBalances(app, tally);

  for (std::int32_t r : tally.openReceipts) {
    app.receipts()[static_cast<std::size_t>(r)].setReceiptState(-1);
    if (auto s = core::SaveReceipt(app, r); !s && result.status) result.status = s;
  }
  for (std::int32_t n : tally.openTickets) {
    app.tickets()[static_cast<std::size_t>(n)].setState(-1);
    if (auto s = core::SaveTicket(app, n); !s && result.status) result.status = s;
  }
  if (result.changed > 0) {
    if (auto s = core::SaveAllDrugs(app); !s && result.status) result.status = s;
  }
  return result;
}

bool NetworkRecomputeBalances(core::App& app) {
  if (!core::NetworkActive(app)) return false;
  util::OleDate now = app.Now();
  if (now - app.lastNetworkRecompute < kQuarterHour) return false;
  app.lastNetworkRecompute = now;

  BusyPointer busy(app.platform());
  Tally tally = Count(app, /*clean=*/false);
  ApplyBalances(app, tally);
  for (std::int32_t r : tally.openReceipts) app.receipts()[static_cast<std::size_t>(r)].setReceiptState(-1);
  for (std::int32_t n : tally.openTickets) app.tickets()[static_cast<std::size_t>(n)].setState(-1);
  return true;
}

}  // namespace drugs
