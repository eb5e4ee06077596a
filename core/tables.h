#pragma once
// Reading and writing the tables of the run: each table's file in the data
// folder, the record numbers each may use, and the user stamp that tickets
// and receipts carry. A number outside its table is refused: nothing is
// written for record 0 or past the table's end.

#include <cstdint>

#include "core/app.h"
#include "storage/record_file.h"
#include "storage/record_lock.h"

namespace core {

storage::IoStatus LoadReceipts(App& app);
storage::IoStatus LoadDrugs(App& app);
storage::IoStatus LoadSuppliers(App& app);
storage::IoStatus LoadPatients(App& app);
storage::IoStatus LoadHospitals(App& app);

// Every change of a drug rewrites the whole drug file.
storage::IoStatus SaveAllDrugs(App& app);
// Stamps the current user into the ticket, then writes its record.
storage::IoStatus SaveTicket(App& app, std::int32_t ticket);
// The same through the lock that holds the ticket's record (a fresh ticket
// claimed in network mode).
storage::IoStatus SaveTicket(App& app, std::int32_t ticket, const storage::RecordLock& held);
// Writes tickets 1..500000 (the store screens' renumbering).
storage::IoStatus SaveAllTickets(App& app);
// Stamps the current user into the receipt, then writes its record.
storage::IoStatus SaveReceipt(App& app, std::int32_t receipt);
storage::IoStatus SaveSuppliers(App& app);
// Deletes the supplier file; errors are ignored.
void DeleteSupplierFile(App& app);
storage::IoStatus SavePatients(App& app);
// Writes one hospital record; nothing for 0.
storage::IoStatus SaveHospital(App& app, std::int32_t hospital);

// Reads tickets first..last again from the file (network mode), within
// 1..500000.
storage::IoStatus RereadTickets(App& app, std::int32_t first, std::int32_t last);

bool IsTicketNumber(std::int32_t n);
bool IsReceiptNumber(std::int32_t n);
bool IsDrugNumber(std::int32_t n);
bool IsPatientNumber(std::int32_t n);
bool IsHospitalNumber(std::int32_t n);

}  // namespace core
