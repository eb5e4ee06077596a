#include "app/cli.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <unistd.h>

#include "app/dump.h"
#include "core/app.h"
#include "drugs/balance_recompute.h"
#include "drugs/drug_table.h"
#include "drugs/drug_import.h"
#include "core/startup.h"
#include "core/users.h"
#include "receipts/form_inn.h"
#include "receipts/form_rasid_start.h"
#include "core/tables.h"
#include "dispensing/form_marid.h"
#include "dispensing/ticket_print.h"
#include "storage/data_files.h"
#include "storage/settings_record.h"
#include "util/dates.h"
#include "util/grid.h"
#include "util/interaction.h"
#include "util/numbers.h"
#include "util/platform.h"

namespace app {
namespace {

// Messages go to the error stream; questions are answered No and modal
// screens close untouched, since nobody is there to answer.
class ConsoleInteraction : public util::Interaction {
 public:
  explicit ConsoleInteraction(std::ostream& err) : err_(err) {}
  void ShowMessage(std::string_view text, util::MessageIcon, std::string_view) override {
    err_ << text << "\n";
  }
  util::Answer AskYesNo(std::string_view text, util::MessageIcon, std::string_view) override {
    err_ << text << "\n";
    return util::Answer::No;
  }
  std::optional<std::string> InputBox(std::string_view, std::string_view,
                                      std::string_view) override {
    return std::nullopt;
  }
  void RunModal(util::ModalScreen&) override {}

 private:
  std::ostream& err_;
};

// A file error's message on one line.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

bool Load(core::App& app, std::ostream& err) {
  auto status = core::RunStartupSequence(app);
  if (!status) err << OneLine(status.message()) << "\n";
  return status.ok();
}

// The opening balance of one drug, stored as the opening-balance screen's OK
// stores it for technical support: a new installation is set up from a list
// this way. DRUG is a drug number or a drug's name; QUANTITY is rounded to a
// whole number; the expiry month "MM-YYYY" is stored as its first day, and
// "-" or an empty text stores no expiry date.
int SetOpeningBalance(core::App& app, const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
  const std::string& drugText = args[0];
  const std::string& quantityText = args[1];
  const std::string& monthText = args[2];

  char* end = nullptr;
  const double quantity = std::strtod(quantityText.c_str(), &end);
  if (quantityText.empty() || end != quantityText.c_str() + quantityText.size() ||
      !std::isfinite(quantity) || std::fabs(quantity) > 2e9) {
    err << "not a quantity: " << quantityText << "\n";
    return 2;
  }
  util::OleDate expiry = 0;
  if (!monthText.empty() && monthText != "-") {
    expiry = receipts::ExpiryMonth(monthText);
    if (expiry == 0) {
      err << "not an expiry month (MM-YYYY, or - for none): " << monthText << "\n";
      return 2;
    }
    expiry = util::MonthFirstDay(expiry);
  }
  if (!Load(app, err)) return 1;

  std::int32_t drug = 0;
  const bool number = !drugText.empty() &&
                      drugText.find_first_not_of("0123456789") == std::string::npos;
  if (number) {
    const auto [ptr, ec] =
        std::from_chars(drugText.data(), drugText.data() + drugText.size(), drug);
    if (ec != std::errc() || !core::IsDrugNumber(drug) ||
        app.drugs()[static_cast<std::size_t>(drug)].IsFree()) {
      drug = 0;
    }
  } else {
    drug = drugs::FindDrugByName(app, drugText);
  }
  if (drug == 0) {
    err << "no such drug: " << drugText << "\n";
    return 1;
  }

  app.settings().setCurrentUser(core::kTechnicalSupport);
  auto result =
      receipts::StoreOpeningBalance(app, drug, util::SafeLong(quantity), expiry);
  if (!result) {
    err << OneLine(result.message()) << "\n";
    return 1;
  }
  const storage::DrugRecord& record = app.drugs()[static_cast<std::size_t>(drug)];
  out << "drug: " << drug << "\n";
  out << "name: " << record.drugName() << "\n";
  out << "opening-balance: " << record.openingBalance() << "\n";
  out << "balance: " << record.balance() << "\n";
  out << "expiry: " << (expiry == 0 ? std::string("none") : util::FormatMonthYear(expiry)) << "\n";
  return 0;
}

int Check(core::App& app, std::ostream& out, std::ostream& err) {
  if (!Load(app, err)) return 1;
  out << "program-folder: " << app.ProgramFolder().string() << "\n";
  out << "data-folder: " << app.DataFolder().string() << "\n";
  out << "program-type: " << app.settings().programType() << "\n";
  out << "ticket-count: " << app.settings().ticketCount() << "\n";
  for (const auto& [table, count] : core::LoadedTableCounts(app)) {
    out << table << ": " << count << "\n";
  }
  return 0;
}

int DumpSettings(core::App& app, std::ostream& out, std::ostream& err) {
  storage::SettingsTable table(1);
  auto status = table.Load(app.DataFile(storage::kSettingsFile));
  if (!status) {
    err << OneLine(status.message()) << "\n";
    return 1;
  }
  DumpSettingsRecord(table[1], out);
  return 0;
}

constexpr const char* kUsage =
    "usage: tormo-cli [--program-folder DIR] check | dump TABLE | recompute | import-drugs FILE"
    " | report recipient-history N"
    " | set-opening-balance DRUG QUANTITY MM-YYYY"
    " | print ticket N --layout 4001|4002|4003|4005|4006|30 --pdf FILE"
    " (TABLE: settings drugs tickets receipts suppliers patients hospitals)";

int Dump(core::App& app, const std::string& table, std::ostream& out, std::ostream& err) {
  if (table == "settings") return DumpSettings(app, out, err);
  if (!IsDumpTable(table)) {
    err << "unknown table: " << table << "; " << kUsage << "\n";
    return 2;
  }
  if (!Load(app, err)) return 1;
  DumpTable(app, table, out);
  return 0;
}

// The grid's rows, the caption row first, as CSV lines.
void WriteGridCsv(const util::Grid& grid, std::ostream& out) {
  for (int row = 0; row < grid.Rows(); ++row) {
    for (int col = 0; col < grid.Cols(); ++col) {
      out << (col == 0 ? "" : ",") << CsvField(grid.Text(row, col));
    }
    out << "\n";
  }
}

// report recipient-history N: the ticket grid of the recipient history.
int ReportRecipientHistory(core::App& app, const std::string& number, std::ostream& out,
                           std::ostream& err) {
  std::int32_t patient = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), patient);
  if (ec != std::errc() || end != number.data() + number.size() ||
      !core::IsPatientNumber(patient)) {
    err << "not a recipient number (1..30000): " << number << "\n";
    return 2;
  }
  if (!Load(app, err)) return 1;
  util::Grid grid("Xxx");
  dispensing::FillRecipientHistory(app, patient, grid);
  WriteGridCsv(grid, out);
  return 0;
}

int RunReport(core::App& app, const std::vector<std::string>& args, std::ostream& out,
              std::ostream& err) {
  if (args.size() == 2 && args[0] == "recipient-history") {
    return ReportRecipientHistory(app, args[1], out, err);
  }
  std::string unknown;
  for (const auto& word : args) unknown += (unknown.empty() ? "" : " ") + word;
  err << "unknown report: " << unknown << "; " << kUsage << "\n";
  return 2;
}

int Recompute(core::App& app, std::ostream& out, std::ostream& err) {
  if (!Load(app, err)) return 1;
  auto result = drugs::RecomputeBalances(app, /*force=*/true);
  if (!result.status) {
    err << OneLine(result.status.message()) << "\n";
    return 1;
  }
  out << "balances-changed: " << result.changed << "\n";
  return 0;
}

// The spreadsheet import of the main menu, from the given file: the
// catalogue is replaced by the file's drugs.
int ImportDrugs(core::App& app, const std::string& file, std::ostream& out, std::ostream& err) {
  if (!Load(app, err)) return 1;
  std::int32_t imported = 0;
  auto result = drugs::ImportDrugs(app, file, &imported);
  if (!result) {
    err << OneLine(result.message()) << "\n";
    return 1;
  }
  out << "drugs-imported: " << imported << "\n";
  return 0;
}

// A ticket printout written to a PDF file: the layouts of the ticket screen's
// print menu by their codes ("30" for the 30-item sheet); N is the ticket,
// the first of the ten for 4005. The layout's code is stored as the menu
// entry stores it.
int PrintTicket(core::App& app, const std::vector<std::string>& args,
                const PdfDeviceFactory& pdfDevice, std::ostream& out, std::ostream& err) {
  std::string layout;
  std::string file;
  for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--layout") {
      layout = args[i + 1];
    } else if (args[i] == "--pdf") {
      file = args[i + 1];
    }
  }
  const std::int32_t ticket = args.empty() ? 0 : util::SafeLong(std::string_view(args[0]));
  const bool known = layout == "30" || layout == "4001" || layout == "4002" || layout == "4003" ||
                     layout == "4005" || layout == "4006";
  if (args.size() != 5 || file.empty() || !known || std::to_string(ticket) != args[0]) {
    err << "print ticket needs N --layout CODE --pdf FILE; " << kUsage << "\n";
    return 2;
  }
  if (!pdfDevice) {
    err << "this tormo-cli was built without the PDF writer\n";
    return 1;
  }
  if (!Load(app, err)) return 1;
  std::unique_ptr<util::PrintDevice> device = pdfDevice(file);
  if (layout == "30") {
    dispensing::PrintThirtyItemSheet(app, *device, ticket);
  } else if (layout == "4005") {
    core::Result stored = dispensing::PrintTenTicketSheetFrom(app, *device, ticket);
    if (stored.failed()) err << OneLine(stored.message()) << "\n";
  } else {
    dispensing::PrintTicketLayout(app, *device, util::SafeLong(std::string_view(layout)), ticket);
  }
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    err << "no PDF was written to " << file << "\n";
    return 1;
  }
  out << "printed: " << file << "\n";
  return 0;
}

}  // namespace

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultProgramFolder,
           util::Clock& clock, std::ostream& out, std::ostream& err,
           const PdfDeviceFactory& pdfDevice) {
  std::filesystem::path programFolder = defaultProgramFolder;
  std::vector<std::string> command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--program-folder") {
      if (i + 1 >= args.size()) {
        err << "--program-folder needs a folder\n";
        return 2;
      }
      programFolder = args[++i];
    } else {
      command.push_back(args[i]);
    }
  }
  if (command.empty()) {
    err << kUsage << "\n";
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(programFolder, ec);
  if (!std::filesystem::is_directory(programFolder)) {
    err << "cannot use the program folder " << programFolder.string() << "\n";
    return 1;
  }
  util::DesktopPlatform platform(std::filesystem::absolute(programFolder) / "");
  ConsoleInteraction interaction(err);
  core::App app(clock, platform, interaction);

  if (command[0] == "check" && command.size() == 1) return Check(app, out, err);
  if (command[0] == "dump" && command.size() == 2) return Dump(app, command[1], out, err);
  if (command[0] == "recompute" && command.size() == 1) return Recompute(app, out, err);
  if (command[0] == "set-opening-balance" && command.size() == 4) {
    return SetOpeningBalance(app, std::vector<std::string>(command.begin() + 1, command.end()),
                             out, err);
  }
  if (command[0] == "import-drugs" && command.size() == 2) {
    return ImportDrugs(app, command[1], out, err);
  }
  if (command[0] == "print" && command.size() >= 2 && command[1] == "ticket") {
    return PrintTicket(app, std::vector<std::string>(command.begin() + 2, command.end()),
                       pdfDevice, out, err);
  }
  if (command[0] == "report") {
    return RunReport(app, std::vector<std::string>(command.begin() + 1, command.end()), out, err);
  }
  std::string unknown;
  for (const auto& word : command) unknown += (unknown.empty() ? "" : " ") + word;
  err << "unknown command: " << unknown << "; " << kUsage << "\n";
  return 2;
}

}  // namespace app
