#pragma once
// The settings record "PIOP.vlk": one record of 252 bytes holding the
// pharmacy's identity, the program type, the user passwords, the current
// user, the anchor date, the ticket count and the printing choices.

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/record_table.h"

namespace storage {

class SettingsRecord : public FixedRecord<252> {
 public:
  static constexpr int kUsers = 9;

  std::int32_t lastDocumentNo() const { return Long(0); }
  void setLastDocumentNo(std::int32_t v) { SetLong(0, v); }

  std::int32_t ticketCount() const { return Long(4); }
  void setTicketCount(std::int32_t v) { SetLong(4, v); }

  std::int16_t currentUser() const { return Integer(16); }
  void setCurrentUser(std::int16_t v) { SetInteger(16, v); }

  // Users 1..9; any other number reads 0 and is not stored.
  std::int16_t userPassword(int user) const {
    return (user >= 1 && user <= kUsers) ? Integer(18 + 2 * static_cast<std::size_t>(user - 1)) : 0;
  }
  void setUserPassword(int user, std::int16_t v) {
    if (user >= 1 && user <= kUsers) SetInteger(18 + 2 * static_cast<std::size_t>(user - 1), v);
  }

  double anchorDate() const { return Double(36); }
  void setAnchorDate(double v) { SetDouble(36, v); }

  std::string hospitalName() const { return Text(44, 30); }
  void setHospitalName(std::string_view v) { SetText(44, 30, v); }

  std::string departmentName() const { return Text(74, 30); }
  void setDepartmentName(std::string_view v) { SetText(74, 30, v); }

  float ticketMargin() const { return Single(104); }
  void setTicketMargin(float v) { SetSingle(104, v); }

  std::int16_t ticketLayout() const { return Integer(108); }
  void setTicketLayout(std::int16_t v) { SetInteger(108, v); }

  std::string printerName() const { return Text(110, 100); }
  void setPrinterName(std::string_view v) { SetText(110, 100, v); }

  float printTop() const { return Single(210); }
  void setPrintTop(float v) { SetSingle(210, v); }

  float printLeft() const { return Single(214); }
  void setPrintLeft(float v) { SetSingle(214, v); }

  std::int16_t programType() const { return Integer(218); }
  void setProgramType(std::int16_t v) { SetInteger(218, v); }

  std::string governorate() const { return Text(220, 30); }
  void setGovernorate(std::string_view v) { SetText(220, 30, v); }

  std::int16_t printPages() const { return Integer(250); }
  void setPrintPages(std::int16_t v) { SetInteger(250, v); }
};

// The settings file holds record 1 only.
using SettingsTable = RecordTable<SettingsRecord>;

}  // namespace storage
