#pragma once
// The ticket file "oottormo.vlk": records of 262 bytes, one dispensing ticket
// (a store voucher in store mode) each, numbered 1..500000.

#include <cstdint>
#include <filesystem>
#include <functional>

#include "storage/data_files.h"
#include "storage/record_table.h"

namespace storage {

class TicketRecord : public FixedRecord<262> {
 public:
  static constexpr int kLines = 30;

  // Lines 1..30; other line numbers read 0 and store nothing.
  std::int16_t drugIndex(int line) const { return ValidLine(line) ? Integer(2 * Slot(line)) : 0; }
  void setDrugIndex(int line, std::int16_t v) {
    if (ValidLine(line)) SetInteger(2 * Slot(line), v);
  }
  std::int32_t quantity(int line) const { return ValidLine(line) ? Long(60 + 4 * Slot(line)) : 0; }
  void setQuantity(int line, std::int32_t v) {
    if (ValidLine(line)) SetLong(60 + 4 * Slot(line), v);
  }

  double ticketDate() const { return Double(180); }
  void setTicketDate(double v) { SetDouble(180, v); }
  std::int16_t classification() const { return Integer(188); }
  void setClassification(std::int16_t v) { SetInteger(188, v); }
  double patientIndex() const { return Double(190); }
  void setPatientIndex(double v) { SetDouble(190, v); }
  std::int16_t userNumber() const { return Integer(200); }
  void setUserNumber(std::int16_t v) { SetInteger(200, v); }
  std::int16_t state() const { return Integer(206); }
  void setState(std::int16_t v) { SetInteger(206, v); }
  std::int16_t decisionDays() const { return Integer(208); }
  void setDecisionDays(std::int16_t v) { SetInteger(208, v); }
  std::int32_t decisionStart() const { return Long(214); }
  void setDecisionStart(std::int32_t v) { SetLong(214, v); }
  std::int32_t decisionAmount() const { return Long(218); }
  void setDecisionAmount(std::int32_t v) { SetLong(218, v); }
  std::int32_t decisionNumber() const { return Long(222); }
  void setDecisionNumber(std::int32_t v) { SetLong(222, v); }
  std::int32_t manualVoucherNo() const { return Long(238); }
  void setManualVoucherNo(std::int32_t v) { SetLong(238, v); }
  std::int32_t monthSerial() const { return Long(242); }
  void setMonthSerial(std::int32_t v) { SetLong(242, v); }
  std::int32_t yearSerial() const { return Long(246); }
  void setYearSerial(std::int32_t v) { SetLong(246, v); }

  // Lines fill from line 1 without gaps, so a ticket is free exactly when its
  // first two lines are empty.
  bool IsEmpty() const { return drugIndex(1) + drugIndex(2) < 1; }

 private:
  static bool ValidLine(int line) { return line >= 1 && line <= kLines; }
  static std::size_t Slot(int line) { return static_cast<std::size_t>(line - 1); }
};

using TicketTable = RecordTable<TicketRecord>;

// Probes records 20000, 60000, 120000, 200000, 300000 and 420000 of the file
// (read into the table) and returns the first that is empty; 500000 when all
// hold a ticket.
std::int32_t ProbeTicketCount(const std::filesystem::path& file, TicketTable& table,
                              IoStatus* status = nullptr);

// Reads records 1..count of the ticket file (a count below 100 reads all
// 500000), calling yield between blocks of records.
IoStatus LoadTickets(const std::filesystem::path& file, TicketTable& table, std::int32_t& count,
                     const std::function<void()>& yield);

}  // namespace storage
