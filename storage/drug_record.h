#pragma once
// The drug catalogue "DrugOP.vlk" (and the catalogue templates in the same
// format): records of 143 bytes, drugs 1..1500.

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/record_table.h"

namespace storage {

class DrugRecord : public FixedRecord<143> {
 public:
  std::string drugName() const { return Text(0, 30); }
  void setDrugName(std::string_view v) { SetText(0, 30, v); }
  std::string shortCode() const { return Text(30, 5); }
  void setShortCode(std::string_view v) { SetText(30, 5, v); }
  double expiryDate() const { return Double(35); }
  void setExpiryDate(double v) { SetDouble(35, v); }
  std::int32_t balance() const { return Long(43); }
  void setBalance(std::int32_t v) { SetLong(43, v); }
  std::int16_t normalOut() const { return Integer(47); }
  void setNormalOut(std::int16_t v) { SetInteger(47, v); }
  std::int16_t supplyStore() const { return Integer(49); }
  void setSupplyStore(std::int16_t v) { SetInteger(49, v); }
  std::int16_t therapeuticGroup() const { return Integer(51); }
  void setTherapeuticGroup(std::int16_t v) { SetInteger(51, v); }
  std::int16_t narcoticsSchedule() const { return Integer(53); }
  void setNarcoticsSchedule(std::int16_t v) { SetInteger(53, v); }
  std::int16_t storageTemperature() const { return Integer(55); }
  void setStorageTemperature(std::int16_t v) { SetInteger(55, v); }
  std::int16_t manualRate() const { return Integer(57); }
  void setManualRate(std::int16_t v) { SetInteger(57, v); }
  std::int16_t minimumStock() const { return Integer(59); }
  void setMinimumStock(std::int16_t v) { SetInteger(59, v); }
  std::int16_t maximumStock() const { return Integer(61); }
  void setMaximumStock(std::int16_t v) { SetInteger(61, v); }
  float tenderPrice() const { return Single(63); }
  void setTenderPrice(float v) { SetSingle(63, v); }
  float marketPrice() const { return Single(67); }
  void setMarketPrice(float v) { SetSingle(67, v); }
  bool endemic() const { return Boolean(71); }
  void setEndemic(bool v) { SetBoolean(71, v); }
  std::int32_t openingBalance() const { return Long(73); }
  void setOpeningBalance(std::int32_t v) { SetLong(73, v); }
  bool specialNature() const { return Boolean(77); }
  void setSpecialNature(bool v) { SetBoolean(77, v); }
  float custodyControlNo() const { return Single(91); }
  void setCustodyControlNo(float v) { SetSingle(91, v); }
  bool maternity() const { return Boolean(95); }
  void setMaternity(bool v) { SetBoolean(95, v); }
  bool pregnancy() const { return Boolean(97); }
  void setPregnancy(bool v) { SetBoolean(97, v); }
  std::int32_t purchaseFeeRate() const { return Long(111); }
  void setPurchaseFeeRate(std::int32_t v) { SetLong(111, v); }
  std::int16_t unitCode() const { return Integer(133); }
  void setUnitCode(std::int16_t v) { SetInteger(133, v); }
  std::int16_t ledgerNo() const { return Integer(141); }
  void setLedgerNo(std::int16_t v) { SetInteger(141, v); }

  // A drug whose name cleans to empty is a free number.
  bool IsFree() const { return drugName().empty(); }
};

using DrugTable = RecordTable<DrugRecord>;

}  // namespace storage
