#include "drugs/balance_recompute.h"

#include <array>
#include <cstring>
#include <limits>
#include <vector>

#include "core/network.h"
#include "core/tables.h"
#include "storage/data_files.h"
#include "util/platform.h"

namespace drugs {
namespace {

constexpr double kHour = 1.0 / 24.0;
constexpr double kQuarterHour = 0.25 / 24.0;

using Sums = std::vector<std::int64_t>;  // per drug 0..1500

bool IsDrugIndex(std::int64_t d) { return d >= 0 && d <= static_cast<std::int64_t>(storage::kMaxDrugs); }


struct Tally {
  Sums received = Sums(storage::kMaxDrugs + 1, 0);
  Sums dispensed = Sums(storage::kMaxDrugs + 1, 0);
  std::vector<std::int32_t> openTickets;
  std::vector<std::int32_t> openReceipts;
};

// Reads a little-endian field of a record image.
template <class T>
T Field(const std::uint8_t* record, std::size_t offset) {
  T v;
  std::memcpy(&v, record + offset, sizeof v);
  return v;
}

// Sums every line of every ticket and receipt; when `clean` is set the
// out-of-range quantities are first replaced in memory. This is the hot loop
// of the recomputation: it reads the record images directly.
template <bool clean>
Tally Count(core::App& app) {
  Tally t;
  std::int64_t* dispensed = t.dispensed.data();
  std::int64_t* received = t.received.data();
  constexpr std::size_t kTicketQuantities = 60;  // after 30 drug numbers of 2 bytes
  auto& tickets = app.tickets();
  for (std::size_t n = 1; n <= tickets.capacity(); ++n) {
    std::uint8_t* rec = tickets[n].bytes().data();
    bool hasLine = false;
    for (std::size_t i = 0; i < storage::TicketRecord::kLines; ++i) {
      auto q = Field<std::int32_t>(rec, kTicketQuantities + 4 * i);
      if constexpr (clean) {
        if (q < 0 || q > kLargestLineQuantity) {
          q = 1;
          std::memcpy(rec + kTicketQuantities + 4 * i, &q, sizeof q);
        }
      }
      auto d = Field<std::int16_t>(rec, 2 * i);
      hasLine |= d > 0;
      if (IsDrugIndex(d)) dispensed[d] += q;
    }
    if (hasLine && tickets[n].state() == 1) t.openTickets.push_back(static_cast<std::int32_t>(n));
  }
  constexpr std::size_t kReceiptDrugs = 4, kReceiptQuantities = 128;  // line 1 of each array
  auto& receipts = app.receipts();
  for (std::size_t n = 1; n <= receipts.capacity(); ++n) {
    std::uint8_t* rec = receipts[n].bytes().data();
    bool hasLine = false;
    for (std::size_t i = 0; i < storage::ReceiptRecord::kLines; ++i) {
      auto q = Field<std::int32_t>(rec, kReceiptQuantities + 4 * i);
      // A negative receipt quantity is a return and counts as it stands.
      if constexpr (clean) {
        if (q > kLargestLineQuantity) {
          q = 1;
          std::memcpy(rec + kReceiptQuantities + 4 * i, &q, sizeof q);
        }
      }
      auto d = Field<std::int32_t>(rec, kReceiptDrugs + 4 * i);
      hasLine |= d > 0;
      if (IsDrugIndex(d)) received[d] += q;
    }
    if (hasLine && receipts[n].receiptState() == 1) {
      t.openReceipts.push_back(static_cast<std::int32_t>(n));
    }
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


}  // namespace

RecomputeResult RecomputeBalances(core::App& app, bool force) {
  RecomputeResult result;
  util::OleDate now = app.Now();
  if (!force && now - app.lastBalanceRecompute < kHour) {
    result.skipped = true;
    return result;
  }
  app.lastBalanceRecompute = now;

  util::BusyPointer busy(app.platform());
  Tally tally = Count<true>(app);
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

  util::BusyPointer busy(app.platform());
  Tally tally = Count<false>(app);
  ApplyBalances(app, tally);
  for (std::int32_t r : tally.openReceipts) app.receipts()[static_cast<std::size_t>(r)].setReceiptState(-1);
  for (std::int32_t n : tally.openTickets) app.tickets()[static_cast<std::size_t>(n)].setState(-1);
  return true;
}

}  // namespace drugs
