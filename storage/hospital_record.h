#pragma once
// The hospital sub-data "hospitals.vlk": records of 6148 bytes, one per
// hospital or health unit 1..500, holding the expected monthly requirement
// of each drug.

#include <cstdint>

#include "storage/record_table.h"

namespace storage {

class HospitalRecord : public FixedRecord<6148> {
 public:
  static constexpr int kDrugs = 1500;

  // Drugs 1..1500; other numbers read 0 and store nothing.
  std::int32_t monthlyRequirement(int drug) const {
    return Valid(drug) ? Long(144 + 4 * static_cast<std::size_t>(drug)) : 0;
  }
  void setMonthlyRequirement(int drug, std::int32_t v) {
    if (Valid(drug)) SetLong(144 + 4 * static_cast<std::size_t>(drug), v);
  }

 private:
  static bool Valid(int drug) { return drug >= 1 && drug <= kDrugs; }
};

using HospitalTable = RecordTable<HospitalRecord>;

}  // namespace storage
