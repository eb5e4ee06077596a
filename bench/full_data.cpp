#include "bench/full_data.h"

#include <random>
#include <string>

#include "storage/data_files.h"
#include "storage/drug_record.h"
#include "storage/hospital_record.h"
#include "storage/name_records.h"
#include "storage/receipt_record.h"
#include "storage/settings_record.h"
#include "storage/ticket_record.h"

namespace bench_data {
namespace {

const char* const kWords[] = {"اموكسيسيللين", "باراسيتامول", "ديكلوفيناك", "سيبروفلوكساسين",
                              "ميتفورمين",   "انسولين",     "اوميبرازول", "سالبوتامول"};
const char* const kForms[] = {"قرص", "كبسولة", "فيال", "امبولة", "شراب"};

}  // namespace

storage::IoStatus WriteFullDataFolder(const std::filesystem::path& programFolder,
                                      const FullDataOptions& options) {
  auto folder = programFolder / "Files" / "DBI";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::mt19937 rng(options.seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const double firstDay = 45292.0;  // 2024-01-01

  storage::SettingsTable settings(1);
  settings[1].setProgramType(1001);
  settings[1].setHospitalName("مستشفي التجربة العام");
  settings[1].setDepartmentName("الصيدلية الخارجية");
  settings[1].setGovernorate("القاهرة");
  if (auto s = settings.SaveRecord(folder / storage::kSettingsFile, 1); !s) return s;

  storage::DrugTable drugs(storage::kMaxDrugs);
  for (std::size_t d = 1; d <= storage::kMaxDrugs; ++d) {
    auto& drug = drugs[d];
    drug.setDrugName(std::string(kWords[d % 8]) + " " + std::to_string(d) + " " + kForms[d % 5]);
    drug.setShortCode(std::to_string(d));
    drug.setOpeningBalance(pick(0, 5000));
    drug.setTenderPrice(static_cast<float>(pick(50, 20000)) / 100.0f);
    drug.setMarketPrice(drug.tenderPrice() * 1.2f);
    drug.setUnitCode(static_cast<std::int16_t>(1 + d % 16));
    drug.setTherapeuticGroup(static_cast<std::int16_t>(1 + d % 82));
    drug.setSupplyStore(static_cast<std::int16_t>(1 + d % 50));
    drug.setStorageTemperature(25);
    drug.setPurchaseFeeRate(pick(0, 10));
    drug.setMinimumStock(static_cast<std::int16_t>(pick(10, 200)));
    drug.setMaximumStock(static_cast<std::int16_t>(pick(200, 3000)));
  }

  storage::ReceiptTable receipts(storage::kMaxReceipts);
  for (std::size_t r = 1; r <= storage::kMaxReceipts; ++r) {
    auto& receipt = receipts[r];
    for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
      receipt.setLineDrug(line, pick(1, 1500));
      receipt.setLineQuantity(line, pick(10, 2000));
      receipt.setLineExpiry(line, firstDay + 730 + pick(0, 24) * 30);
    }
    receipt.setReceiptDate(firstDay + static_cast<double>(r) * 0.2);
    receipt.setSupplier(pick(1, 50));
    receipt.setReceiptUser(static_cast<std::int16_t>(pick(1, 9)));
    receipt.setReceiptState(-1);
  }
  if (auto s = receipts.SaveTable(folder / storage::kReceiptFile); !s) return s;

  storage::PatientTable patients(storage::kMaxPatients);
  for (std::size_t p = 1; p <= storage::kMaxPatients; ++p) {
    auto& patient = patients[p];
    patient.setName("مريض رقم " + std::to_string(p));
    patient.setDecisionNumber(100000 + static_cast<double>(p));
    patient.setNationalId(28000000000000.0 + static_cast<double>(p));
    patient.setDecisionStart(firstDay + pick(0, 300));
    patient.setClassification(p % 10 == 0 ? 66 : 0);
    patient.setDecisionAmount(pick(500, 20000));
    patient.setDecisionDays(pick(30, 365));
  }
  if (auto s = patients.SaveTable(folder / storage::kPatientFile); !s) return s;

  // Tickets dispense what the receipts brought in, so balances stay sane.
  auto ticketCount = std::min(options.tickets, storage::kMaxTickets);
  storage::TicketTable tickets(storage::kMaxTickets);
  for (std::size_t t = 1; t <= ticketCount; ++t) {
    auto& ticket = tickets[t];
    int lines = pick(1, 30);
    for (int line = 1; line <= lines; ++line) {
      ticket.setDrugIndex(line, static_cast<std::int16_t>(pick(1, 1500)));
      ticket.setQuantity(line, pick(1, 20));
    }
    std::size_t patient = static_cast<std::size_t>(pick(1, 30000));
    ticket.setPatientIndex(static_cast<double>(patient));
    ticket.setClassification(static_cast<std::int16_t>(patients[patient].classification()));
    ticket.setDecisionNumber(static_cast<std::int32_t>(patients[patient].decisionNumber()));
    ticket.setDecisionAmount(patients[patient].decisionAmount());
    ticket.setDecisionDays(static_cast<std::int16_t>(patients[patient].decisionDays()));
    ticket.setDecisionStart(static_cast<std::int32_t>(patients[patient].decisionStart()));
    ticket.setTicketDate(firstDay + static_cast<double>(t) * 0.0014);
    ticket.setUserNumber(static_cast<std::int16_t>(pick(1, 9)));
    ticket.setState(-1);
  }
  if (auto s = tickets.SaveTable(folder / storage::kTicketFile); !s) return s;

  // Balances as the recomputation would leave them.
  std::vector<std::int64_t> balance(storage::kMaxDrugs + 1, 0);
  for (std::size_t d = 1; d <= storage::kMaxDrugs; ++d) balance[d] = drugs[d].openingBalance();
  for (std::size_t r = 1; r <= storage::kMaxReceipts; ++r) {
    for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
      balance[static_cast<std::size_t>(receipts[r].lineDrug(line))] += receipts[r].lineQuantity(line);
    }
  }
  for (std::size_t t = 1; t <= ticketCount; ++t) {
    for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
      balance[static_cast<std::size_t>(tickets[t].drugIndex(line))] -= tickets[t].quantity(line);
    }
  }
  for (std::size_t d = 1; d <= storage::kMaxDrugs; ++d) {
    drugs[d].setBalance(static_cast<std::int32_t>(balance[d]));
  }
  if (auto s = drugs.SaveTable(folder / storage::kDrugFile); !s) return s;

  storage::SupplierTable suppliers(storage::kMaxSuppliers);
  for (std::size_t n = 1; n <= storage::kMaxSuppliers; ++n) {
    suppliers[n].setName("شركة توريد الادوية رقم " + std::to_string(n));
  }
  if (auto s = suppliers.SaveTable(folder / storage::kSupplierFile); !s) return s;

  storage::HospitalTable hospitals(storage::kMaxHospitals);
  for (std::size_t h = 1; h <= storage::kMaxHospitals; ++h) {
    for (int d = 1; d <= storage::HospitalRecord::kDrugs; ++d) {
      if (pick(0, 3) == 0) hospitals[h].setMonthlyRequirement(d, pick(1, 500));
    }
  }
  return hospitals.SaveTable(folder / storage::kHospitalFile);
}

}  // namespace bench_data
