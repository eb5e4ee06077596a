#include "tests/support/fakes.h"

#include <random>

namespace testing_support {

TempFolder::TempFolder() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("tormo-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::error_code ec;
    if (std::filesystem::create_directory(path_, ec)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

FakePlatform::FakePlatform(std::filesystem::path r)
    : root(std::move(r)), programFolder(root / "program" / "") {
  std::error_code ec;
  std::filesystem::create_directories(programFolder, ec);
  std::filesystem::create_directories(root / "Desktop", ec);
}

bool FakePlatform::OpenFolder(const std::filesystem::path& folder) {
  openedFolders.push_back(folder);
  return true;
}

bool FakePlatform::StartProgram(const std::filesystem::path& program,
                                const std::vector<std::string>& arguments) {
  std::string line = program.string();
  for (const auto& a : arguments) line += " " + a;
  startedPrograms.push_back(line);
  return true;
}

bool FakePlatform::OpenRegionalSettings() {
  if (!hasRegionalSettings) return false;
  ++regionalSettingsOpened;
  return true;
}

void ScriptedInteraction::ShowMessage(std::string_view text, util::MessageIcon icon,
                                      std::string_view title) {
  messages.push_back({std::string(text), icon, std::string(title)});
}

util::Answer ScriptedInteraction::AskYesNo(std::string_view text, util::MessageIcon,
                                           std::string_view) {
  questions.emplace_back(text);
  if (answers.empty()) return util::Answer::Yes;
  auto a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedInteraction::InputBox(std::string_view prompt, std::string_view,
                                                         std::string_view) {
  prompts.emplace_back(prompt);
  if (inputs.empty()) return std::nullopt;
  auto v = inputs.front();
  inputs.pop_front();
  return v;
}

void ScriptedInteraction::RunModal(util::ModalScreen& screen) {
  modalScreens.emplace_back(screen.ScreenName());
  auto it = screens.find(screen.ScreenName());
  if (it != screens.end()) it->second(screen);
}

bool ScriptedInteraction::RunPrintout(util::PrintDevice& device,
                                      const std::function<void()>& printout) {
  ++printouts;
  return util::Interaction::RunPrintout(device, printout);
}

std::vector<std::string> ScriptedInteraction::MessageTexts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace testing_support
