#pragma once
// Rebuilding every drug balance from the opening balance, all receipt lines
// and all ticket lines, at most once an hour; and the lighter in-memory
// refresh of network mode.

#include <cstdint>

#include "core/app.h"
#include "storage/record_file.h"

namespace drugs {

// A line quantity above this (or, on a ticket, below 0) is a typing slip and
// counts as 1.
inline constexpr std::int32_t kLargestLineQuantity = 6000000;

struct RecomputeResult {
  bool skipped = false;  // ran less than an hour before
  int changed = 0;       // drugs whose balance changed
  storage::IoStatus status;
};

// The hourly recomputation. Counts every receipt and ticket whatever its
// state, then marks open receipts sent and open tickets saved (written with
// the current user) and writes the drug file when a balance changed.
// `force` ignores the hourly limit (the command line's recompute).
[[nodiscard]] RecomputeResult RecomputeBalances(core::App& app, bool force = false);

// In network mode, at most every 15 minutes: the same sums into the
// in-memory balances, open documents marked in memory only, nothing written.
// True when it ran.
bool NetworkRecomputeBalances(core::App& app);

}  // namespace drugs
