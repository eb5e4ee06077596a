#pragma once
// The receipt file "In99.vlk": records of 544 bytes, incoming orders
// 1..5000 of up to 30 lines each.

#include <cstdint>

#include "storage/record_table.h"

namespace storage {

class ReceiptRecord : public FixedRecord<544> {
 public:
  static constexpr int kLines = 30;

  // Lines 1..30 (element 0 of each array is never used); other line numbers
  // read 0 and store nothing.
  std::int32_t lineDrug(int line) const { return Valid(line) ? Long(4 * Slot(line)) : 0; }
  void setLineDrug(int line, std::int32_t v) {
    if (Valid(line)) SetLong(4 * Slot(line), v);
  }
  std::int32_t lineQuantity(int line) const {
    return Valid(line) ? Long(124 + 4 * Slot(line)) : 0;
  }
  void setLineQuantity(int line, std::int32_t v) {
    if (Valid(line)) SetLong(124 + 4 * Slot(line), v);
  }
  double lineExpiry(int line) const { return Valid(line) ? Double(248 + 8 * Slot(line)) : 0; }
  void setLineExpiry(int line, double v) {
    if (Valid(line)) SetDouble(248 + 8 * Slot(line), v);
  }

  double receiptDate() const { return Double(500); }
  void setReceiptDate(double v) { SetDouble(500, v); }
  double supplier() const { return Double(510); }
  void setSupplier(double v) { SetDouble(510, v); }
  std::int16_t receiptUser() const { return Integer(520); }
  void setReceiptUser(std::int16_t v) { SetInteger(520, v); }
  std::int16_t receiptState() const { return Integer(526); }
  void setReceiptState(std::int16_t v) { SetInteger(526, v); }

  // Lines fill from line 1, so a receipt is free when lines 1 and 2 are empty.
  bool IsFree() const { return lineDrug(1) == 0 && lineDrug(2) == 0; }

 private:
  static bool Valid(int line) { return line >= 1 && line <= kLines; }
  static std::size_t Slot(int line) { return static_cast<std::size_t>(line); }
};

using ReceiptTable = RecordTable<ReceiptRecord>;

}  // namespace storage
