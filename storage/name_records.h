#pragma once
// Records that start with a variable-length name: the supplier list
// "Mrd99.vlk" (a name and nothing else) and the recipient table
// "nfqpatient.vlk" (a name followed by the decision data, packed right after
// it). Both use the default record length of 128 bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/record_table.h"

namespace storage {

class SupplierRecord : public FixedRecord<128> {
 public:
  // The longest name the record can hold, in code page 1256 bytes.
  static constexpr std::size_t kMaxNameBytes = kLength - 2;

  // The name as stored (readers compare it after CleanText).
  std::string name() const;
  // Stores the name as typed; false (and nothing changes) when it does not
  // fit the record.
  bool setName(std::string_view utf8);
  bool IsFree() const;
};

class PatientRecord : public FixedRecord<128> {
 public:
  // The fields after the name take 48 bytes, leaving 78 for the name.
  static constexpr std::size_t kFieldBytes = 48;
  static constexpr std::size_t kMaxNameBytes = kLength - 2 - kFieldBytes;

  std::string name() const;
  // Stores the name and moves the fields after it; false (and nothing
  // changes) when the name is longer than 78 bytes in code page 1256.
  bool setName(std::string_view utf8);
  bool IsFree() const;

  double decisionNumber() const { return Double(FieldsAt() + 0); }
  void setDecisionNumber(double v) { SetDouble(FieldsAt() + 0, v); }
  double nationalId() const { return Double(FieldsAt() + 8); }
  void setNationalId(double v) { SetDouble(FieldsAt() + 8, v); }
  double decisionStart() const { return Double(FieldsAt() + 18); }
  void setDecisionStart(double v) { SetDouble(FieldsAt() + 18, v); }
  std::int32_t classification() const { return Long(FieldsAt() + 26); }
  void setClassification(std::int32_t v) { SetLong(FieldsAt() + 26, v); }
  std::int32_t decisionAmount() const { return Long(FieldsAt() + 30); }
  void setDecisionAmount(std::int32_t v) { SetLong(FieldsAt() + 30, v); }
  std::int32_t decisionDays() const { return Long(FieldsAt() + 34); }
  void setDecisionDays(std::int32_t v) { SetLong(FieldsAt() + 34, v); }

 private:
  // Offset of the first field after the name (2 + the name's length).
  std::size_t FieldsAt() const;
};

using SupplierTable = RecordTable<SupplierRecord>;
using PatientTable = RecordTable<PatientRecord>;

}  // namespace storage
