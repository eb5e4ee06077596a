#include "core/tables.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "storage/data_files.h"

namespace core {
namespace {

bool InRange(std::int32_t n, std::size_t max) {
  return n >= 1 && static_cast<std::size_t>(n) <= max;
}

storage::IoStatus OutOfRange(const char* what, std::int32_t n) {
  return storage::IoStatus::Failed(std::string("رقم ") + what + " غير صحيح: " + std::to_string(n));
}

}  // namespace

bool IsTicketNumber(std::int32_t n) { return InRange(n, storage::kMaxTickets); }
bool IsReceiptNumber(std::int32_t n) { return InRange(n, storage::kMaxReceipts); }
bool IsDrugNumber(std::int32_t n) { return InRange(n, storage::kMaxDrugs); }
bool IsPatientNumber(std::int32_t n) { return InRange(n, storage::kMaxPatients); }
bool IsHospitalNumber(std::int32_t n) { return InRange(n, storage::kMaxHospitals); }

storage::IoStatus LoadReceipts(App& app) {
  return app.receipts().Load(app.DataFile(storage::kReceiptFile));
}
storage::IoStatus LoadDrugs(App& app) { return app.drugs().Load(app.DataFile(storage::kDrugFile)); }
storage::IoStatus LoadSuppliers(App& app) {
  return app.suppliers().Load(app.DataFile(storage::kSupplierFile));
}
storage::IoStatus LoadPatients(App& app) {
  return app.patients().Load(app.DataFile(storage::kPatientFile));
}
storage::IoStatus LoadHospitals(App& app) {
  return app.hospitals().Load(app.DataFile(storage::kHospitalFile));
}

storage::IoStatus SaveAllDrugs(App& app) {
  return app.drugs().SaveTable(app.DataFile(storage::kDrugFile));
}

storage::IoStatus SaveTicket(App& app, std::int32_t ticket) {
  if (!IsTicketNumber(ticket)) return OutOfRange("التذكرة", ticket);
  auto n = static_cast<std::size_t>(ticket);
  app.tickets()[n].setUserNumber(app.settings().currentUser());
  return app.tickets().SaveRecord(app.DataFile(storage::kTicketFile), n);
}

storage::IoStatus SaveTicket(App& app, std::int32_t ticket, const storage::RecordLock& held) {
  if (!IsTicketNumber(ticket)) return OutOfRange("التذكرة", ticket);
  storage::TicketRecord& record = app.tickets()[static_cast<std::size_t>(ticket)];
  record.setUserNumber(app.settings().currentUser());
  return held.Write(record.bytes());
}

storage::IoStatus SaveAllTickets(App& app) {
  return app.tickets().SaveTable(app.DataFile(storage::kTicketFile));
}

storage::IoStatus SaveReceipt(App& app, std::int32_t receipt) {
  if (!IsReceiptNumber(receipt)) return OutOfRange("الطلبية", receipt);
  auto n = static_cast<std::size_t>(receipt);
  app.receipts()[n].setReceiptUser(app.settings().currentUser());
  return app.receipts().SaveRecord(app.DataFile(storage::kReceiptFile), n);
}

storage::IoStatus SaveSuppliers(App& app) {
  return app.suppliers().SaveTable(app.DataFile(storage::kSupplierFile));
}

void DeleteSupplierFile(App& app) {
  std::error_code ec;
  std::filesystem::remove(app.DataFile(storage::kSupplierFile), ec);
}

storage::IoStatus SavePatients(App& app) {
  return app.patients().SaveTable(app.DataFile(storage::kPatientFile));
}

storage::IoStatus SaveHospital(App& app, std::int32_t hospital) {
  if (hospital == 0) return storage::IoStatus::Ok();
  if (!IsHospitalNumber(hospital)) return OutOfRange("المستشفي", hospital);
  return app.hospitals().SaveRecord(app.DataFile(storage::kHospitalFile),
                                    static_cast<std::size_t>(hospital));
}

storage::IoStatus RereadTickets(App& app, std::int32_t first, std::int32_t last) {
  first = std::max<std::int32_t>(first, 1);
  last = std::min<std::int32_t>(last, static_cast<std::int32_t>(storage::kMaxTickets));
  if (first > last) return storage::IoStatus::Ok();
  return app.tickets().Load(app.DataFile(storage::kTicketFile), static_cast<std::size_t>(first),
                            static_cast<std::size_t>(last));
}

}  // namespace core
