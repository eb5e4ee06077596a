#include "receipts/receipt_table.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

#include "core/tables.h"
#include "storage/receipt_record.h"

namespace receipts {
namespace {

using storage::ReceiptRecord;

constexpr int kLines = ReceiptRecord::kLines;

std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

core::Result NotAReceipt(std::int32_t receipt) {
  return core::Result::Refused("رقم الطلبية غير صحيح: " + std::to_string(receipt));
}

std::int32_t ClampToLong(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t FirstFreeReceipt(const core::App& app) {
  const auto& table = app.receipts();
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (table[n].IsFree()) return static_cast<std::int32_t>(n);
  }
  return 0;
}

std::int32_t ReceiptLineCount(const core::App& app, std::int32_t receipt) {
  if (!core::IsReceiptNumber(receipt)) return 0;
  const ReceiptRecord& rec = app.receipts()[Index(receipt)];
  std::int32_t count = 0;
  for (int k = 1; k <= kLines; ++k) {
    if (rec.lineDrug(k) > 0) ++count;
  }
  return count;
}

std::int32_t FirstEmptyReceiptLine(const core::App& app, std::int32_t receipt) {
  if (!core::IsReceiptNumber(receipt)) return 0;
  const ReceiptRecord& rec = app.receipts()[Index(receipt)];
  for (int k = 1; k <= kLines; ++k) {
    if (rec.lineDrug(k) == 0) return k;
  }
  return 0;
}

std::int32_t ReceiptLineOfDrug(const core::App& app, std::int32_t drug, std::int32_t receipt) {
  if (!core::IsReceiptNumber(receipt)) return 0;
  const ReceiptRecord& rec = app.receipts()[Index(receipt)];
  std::int32_t found = 0;
  for (int k = 1; k <= kLines; ++k) {
    if (rec.lineDrug(k) == drug) found = k;
  }
  return found;
}

core::Result ToggleSent(core::App& app, std::int32_t receipt) {
  if (!core::IsReceiptNumber(receipt)) return NotAReceipt(receipt);
  ReceiptRecord& rec = app.receipts()[Index(receipt)];
  const ReceiptRecord before = rec;
  const int state = rec.receiptState();

  // The receipt goes first: when it cannot be written, no balance has moved.
  rec.setReceiptState(static_cast<std::int16_t>(-state));
  if (auto status = core::SaveReceipt(app, receipt); !status) {
    rec = before;
    return core::Result::From(status);
  }

  auto& drugTable = app.drugs();
  for (int k = 1; k <= kLines; ++k) {
    std::int32_t drug = before.lineDrug(k);
    if (!core::IsDrugNumber(drug)) continue;
    storage::DrugRecord& d = drugTable[Index(drug)];
    std::int64_t moved = std::int64_t{before.lineQuantity(k)} * state;
    d.setBalance(ClampToLong(d.balance() + moved));
    d.setExpiryDate(before.lineExpiry(k));
  }
  return core::Result::From(core::SaveAllDrugs(app));
}

core::Result RemoveReceiptLine(core::App& app, std::int32_t receipt, std::int32_t line) {
  if (!core::IsReceiptNumber(receipt)) return NotAReceipt(receipt);
  if (line < 1 || line > kLines) return core::Result::Refused();
  ReceiptRecord& rec = app.receipts()[Index(receipt)];
  if (rec.receiptState() == -1 || ReceiptLineCount(app, receipt) < 2) {
    return core::Result::Refused();
  }

  const ReceiptRecord before = rec;
  for (int i = line; i < kLines; ++i) {
    rec.setLineDrug(i, rec.lineDrug(i + 1));
    rec.setLineQuantity(i, rec.lineQuantity(i + 1));
    rec.setLineExpiry(i, rec.lineExpiry(i + 1));
  }
  rec.setLineDrug(kLines, 0);
  rec.setLineQuantity(kLines, 0);
  rec.setLineExpiry(kLines, 0);
  if (auto status = core::SaveReceipt(app, receipt); !status) {
    rec = before;
    return core::Result::From(status);
  }
  return core::Result::Done();
}

core::Result FixFutureReceiptDates(core::App& app) {
  const util::OleDate now = app.Now();
  storage::IoStatus first = storage::IoStatus::Ok();
  auto& table = app.receipts();
  // The date the receipt before holds (or should hold, when its repair could
  // not be written); receipt 1 has no receipt before it.
  double previous = 0;
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    ReceiptRecord& rec = table[n];
    // Written as "not later" so that a damaged date (not a number) is left alone.
    if (!(rec.receiptDate() > now)) {
      previous = rec.receiptDate();
      continue;
    }
    const ReceiptRecord before = rec;
    rec.setReceiptDate(previous);
    if (auto status = core::SaveReceipt(app, static_cast<std::int32_t>(n)); !status) {
      rec = before;
      if (first) first = status;
    }
  }
  return core::Result::From(first);
}

}  // namespace receipts
