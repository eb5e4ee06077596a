#include "app/dump.h"

#include <charconv>
#include <functional>
#include <ostream>
#include <vector>

#include "storage/helpers.h"
#include "util/dates.h"

namespace app {
namespace {

// One CSV row built field by field.
class Row {
 public:
  Row& operator<<(const std::string& text) {
    fields_.push_back(CsvField(text));
    return *this;
  }
  Row& operator<<(const char* text) { return *this << std::string(text); }
  Row& operator<<(std::int64_t v) { return *this << std::to_string(v); }
  Row& operator<<(std::int32_t v) { return *this << static_cast<std::int64_t>(v); }
  Row& operator<<(std::int16_t v) { return *this << static_cast<std::int64_t>(v); }
  Row& operator<<(std::size_t v) { return *this << std::to_string(v); }
  Row& operator<<(float v) { return *this << ShortestDecimal(v); }
  Row& operator<<(double v) { return *this << ShortestDecimal(v); }
  Row& operator<<(bool v) { return *this << std::string(v ? "1" : "0"); }
  void WriteTo(std::ostream& out) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) out << (i ? "," : "") << fields_[i];
    out << "\n";
  }

 private:
  std::vector<std::string> fields_;
};

std::string DateText(double v) { return util::FormatDateTime(v); }

void Header(std::ostream& out, std::initializer_list<const char*> names) {
  bool first = true;
  for (const char* n : names) {
    out << (first ? "" : ",") << n;
    first = false;
  }
  out << "\n";
}

template <class Table, class Used, class Write>
void Rows(const Table& table, std::ostream& out, Used used, Write write) {
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (!used(table[n])) continue;
    Row row;
    row << n;
    write(row, table[n]);
    row.WriteTo(out);
  }
}

void Join(std::string& list, const std::string& item) {
  if (!list.empty()) list += ";";
  list += item;
}

void DumpDrugs(const core::App& app, std::ostream& out) {
  Header(out, {"number", "drugName", "shortCode", "expiryDate", "balance", "normalOut", "supplyStore",
               "therapeuticGroup", "narcoticsSchedule", "storageTemperature", "manualRate",
               "minimumStock", "maximumStock", "tenderPrice", "marketPrice", "endemic",
               "openingBalance", "specialNature", "custodyControlNo", "maternity", "pregnancy",
               "purchaseFeeRate", "unitCode", "ledgerNo"});
  Rows(app.drugs(), out, [](const auto& d) { return !d.IsFree(); },
       [](Row& r, const storage::DrugRecord& d) {
         r << d.drugName() << d.shortCode() << DateText(d.expiryDate()) << d.balance()
           << d.normalOut() << d.supplyStore() << d.therapeuticGroup() << d.narcoticsSchedule()
           << d.storageTemperature() << d.manualRate() << d.minimumStock() << d.maximumStock()
           << d.tenderPrice() << d.marketPrice() << d.endemic() << d.openingBalance()
           << d.specialNature() << d.custodyControlNo() << d.maternity() << d.pregnancy()
           << d.purchaseFeeRate() << d.unitCode() << d.ledgerNo();
       });
}

bool TicketInUse(const storage::TicketRecord& t) {
  if (t.state() != 0 || t.ticketDate() != 0) return true;
  for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
    if (t.drugIndex(line) != 0) return true;
  }
  return false;
}

void DumpTickets(const core::App& app, std::ostream& out) {
  Header(out, {"number", "lines", "ticketDate", "classification", "patientIndex", "userNumber",
               "state", "decisionDays", "decisionStart", "decisionAmount", "decisionNumber",
               "manualVoucherNo", "monthSerial", "yearSerial"});
  Rows(app.tickets(), out, TicketInUse, [](Row& r, const storage::TicketRecord& t) {
    std::string lines;
    for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
      if (t.drugIndex(line) == 0) continue;
      Join(lines, std::to_string(t.drugIndex(line)) + ":" + std::to_string(t.quantity(line)));
    }
    r << lines << DateText(t.ticketDate()) << t.classification() << t.patientIndex()
      << t.userNumber() << t.state() << t.decisionDays() << t.decisionStart()
      << t.decisionAmount() << t.decisionNumber() << t.manualVoucherNo() << t.monthSerial()
      << t.yearSerial();
  });
}

bool ReceiptInUse(const storage::ReceiptRecord& rec) {
  if (rec.receiptState() != 0 || rec.receiptDate() != 0) return true;
  for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
    if (rec.lineDrug(line) != 0) return true;
  }
  return false;
}

void DumpReceipts(const core::App& app, std::ostream& out) {
  Header(out, {"number", "lines", "receiptDate", "supplier", "receiptUser", "receiptState"});
  Rows(app.receipts(), out, ReceiptInUse, [](Row& r, const storage::ReceiptRecord& rec) {
    std::string lines;
    for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
      if (rec.lineDrug(line) == 0) continue;
      Join(lines, std::to_string(rec.lineDrug(line)) + ":" + std::to_string(rec.lineQuantity(line)) +
                      ":" + util::DateToYmdText(rec.lineExpiry(line)));
    }
    r << lines << DateText(rec.receiptDate()) << rec.supplier() << rec.receiptUser()
      << rec.receiptState();
  });
}

void DumpSuppliers(const core::App& app, std::ostream& out) {
  Header(out, {"number", "name"});
  Rows(app.suppliers(), out, [](const auto& s) { return !s.IsFree(); },
       [](Row& r, const storage::SupplierRecord& s) { r << storage::CleanText(s.name()); });
}

void DumpPatients(const core::App& app, std::ostream& out) {
  Header(out, {"number", "name", "decisionNumber", "nationalId", "decisionStart", "classification",
               "decisionAmount", "decisionDays"});
  Rows(app.patients(), out, [](const auto& p) { return !p.IsFree(); },
       [](Row& r, const storage::PatientRecord& p) {
         r << storage::CleanText(p.name()) << p.decisionNumber() << p.nationalId()
           << DateText(p.decisionStart()) << p.classification() << p.decisionAmount()
           << p.decisionDays();
       });
}

void DumpHospitals(const core::App& app, std::ostream& out) {
  Header(out, {"number", "monthlyRequirement"});
  auto requirements = [](const storage::HospitalRecord& h) {
    std::string list;
    for (int d = 1; d <= storage::HospitalRecord::kDrugs; ++d) {
      if (h.monthlyRequirement(d) != 0) {
        Join(list, std::to_string(d) + ":" + std::to_string(h.monthlyRequirement(d)));
      }
    }
    return list;
  };
  Rows(app.hospitals(), out, [&](const auto& h) { return !requirements(h).empty(); },
       [&](Row& r, const storage::HospitalRecord& h) { r << requirements(h); });
}

}  // namespace

std::string ShortestDecimal(double v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string ShortestDecimal(float v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

namespace {
using Dump = void (*)(const core::App&, std::ostream&);
constexpr std::pair<std::string_view, Dump> kDumps[] = {
    {"drugs", DumpDrugs},         {"tickets", DumpTickets},   {"receipts", DumpReceipts},
    {"suppliers", DumpSuppliers}, {"patients", DumpPatients}, {"hospitals", DumpHospitals},
};
}  // namespace

bool IsDumpTable(std::string_view table) {
  for (const auto& entry : kDumps) {
    if (entry.first == table) return true;
  }
  return false;
}

bool DumpTable(const core::App& app, std::string_view table, std::ostream& out) {
  for (const auto& [name, dump] : kDumps) {
    if (name == table) {
      dump(app, out);
      return true;
    }
  }
  return false;
}

void DumpSettingsRecord(const storage::SettingsRecord& s, std::ostream& out) {
  auto row = [&](const std::string& field, const std::string& value) {
    out << field << "," << CsvField(value) << "\n";
  };
  auto number = [](auto v) { return std::to_string(v); };
  row("lastDocumentNo", number(s.lastDocumentNo()));
  row("TicketCount", number(s.ticketCount()));
  row("CurrentUser", number(s.currentUser()));
  for (int user = 1; user <= storage::SettingsRecord::kUsers; ++user) {
    row("userPassword[" + std::to_string(user) + "]", number(s.userPassword(user)));
  }
  row("AnchorDate", util::FormatDateTime(s.anchorDate()));
  row("hospitalName", s.hospitalName());
  row("departmentName", s.departmentName());
  row("ticketMargin", ShortestDecimal(s.ticketMargin()));
  row("ticketLayout", number(s.ticketLayout()));
  row("printerName", s.printerName());
  row("printTop", ShortestDecimal(s.printTop()));
  row("printLeft", ShortestDecimal(s.printLeft()));
  row("ProgramType", number(s.programType()));
  row("governorate", s.governorate());
  row("printPages", number(s.printPages()));
}

}  // namespace app
