#include "app/cli.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <unistd.h>

#include "core/app.h"
#include "core/startup.h"
#include "storage/data_files.h"
#include "storage/settings_record.h"
#include "util/dates.h"
#include "util/interaction.h"
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

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string Number(double v) {
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
    return std::to_string(static_cast<long long>(v));
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

int Check(core::App& app, std::ostream& out, std::ostream& err) {
  auto status = core::RunStartupSequence(app);
  if (!status) {
    err << status.message() << "\n";
    return 1;
  }
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
    err << status.message() << "\n";
    return 1;
  }
  const auto& s = table[1];
  auto row = [&](const std::string& field, const std::string& value) {
    out << field << "," << CsvField(value) << "\n";
  };
  row("lastDocumentNo", Number(s.lastDocumentNo()));
  row("TicketCount", Number(s.ticketCount()));
  row("CurrentUser", Number(s.currentUser()));
  for (int user = 1; user <= storage::SettingsRecord::kUsers; ++user) {
    row("userPassword[" + std::to_string(user) + "]", Number(s.userPassword(user)));
  }
  row("AnchorDate", util::FormatDateTime(s.anchorDate()));
  row("hospitalName", s.hospitalName());
  row("departmentName", s.departmentName());
  row("ticketMargin", Number(s.ticketMargin()));
  row("ticketLayout", Number(s.ticketLayout()));
  row("printerName", s.printerName());
  row("printTop", Number(s.printTop()));
  row("printLeft", Number(s.printLeft()));
  row("ProgramType", Number(s.programType()));
  row("governorate", s.governorate());
  row("printPages", Number(s.printPages()));
  return 0;
}

constexpr const char* kUsage =
    "usage: tormo-cli [--program-folder DIR] check | dump settings";

}  // namespace

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultProgramFolder,
           util::Clock& clock, std::ostream& out, std::ostream& err) {
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
  if (command[0] == "dump" && command.size() == 2 && command[1] == "settings") {
    return DumpSettings(app, out, err);
  }
  std::string unknown;
  for (const auto& word : command) unknown += (unknown.empty() ? "" : " ") + word;
  err << "unknown command: " << unknown << "; " << kUsage << "\n";
  return 2;
}

}  // namespace app
