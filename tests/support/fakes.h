#pragma once
// Test doubles of the seams and a temporary program folder.

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "util/clock.h"
#include "util/interaction.h"
#include "util/platform.h"

namespace testing_support {

// A program folder in a fresh temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

class FakeClock : public util::Clock {
 public:
  explicit FakeClock(util::OleDate now = 46000.5) : now_(now) {}
  util::OleDate Now() const override { return now_; }
  void Set(util::OleDate now) { now_ = now; }
  void Advance(double days) { now_ += days; }

 private:
  util::OleDate now_;
};

// Every place lies under one temporary root: root/program is the program
// folder, root/Desktop the desktop, root/pimdata the settings store, root the
// drive root.
class FakePlatform : public util::Platform {
 public:
  explicit FakePlatform(std::filesystem::path root);

  std::filesystem::path ProgramFolder() const override { return programFolder; }
  std::filesystem::path DesktopFolder() const override { return root / "Desktop" / ""; }
  std::filesystem::path SettingsStoreFolder() const override { return root / "pimdata" / ""; }
  std::filesystem::path ProgramDriveRoot() const override { return root / ""; }
  bool RunningFromNetwork() const override { return network; }
  bool ClaimSingleInstance() override { return !anotherInstance; }
  std::vector<util::Drive> Drives() const override { return drives; }
  bool OpenFolder(const std::filesystem::path& folder) override;
  bool StartProgram(const std::filesystem::path& program,
                    const std::vector<std::string>& arguments) override;
  bool OpenRegionalSettings() override;
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  void SwitchKeyboardToArabic() override { ++keyboardSwitches; }
  void SetBusyCursor(bool busy) override { busyCursor = busy; }
  void Yield() override { ++yields; }

  std::filesystem::path root;
  std::filesystem::path programFolder;
  bool network = false;
  bool anotherInstance = false;
  bool hasRegionalSettings = true;
  std::vector<util::Drive> drives;
  std::vector<std::filesystem::path> openedFolders;
  std::vector<std::string> startedPrograms;
  int regionalSettingsOpened = 0;
  std::string clipboard;
  int keyboardSwitches = 0;
  bool busyCursor = false;
  int yields = 0;
};

// Records every message and question; answers from scripts (Yes by default
// for questions, nothing for input boxes). Modal screens are handled by the
// script registered for their name; an unscripted screen closes untouched.
class ScriptedInteraction : public util::Interaction {
 public:
  struct Shown {
    std::string text;
    util::MessageIcon icon;
    std::string title;
  };

  void ShowMessage(std::string_view text, util::MessageIcon icon, std::string_view title) override;
  util::Answer AskYesNo(std::string_view text, util::MessageIcon icon,
                        std::string_view title) override;
  std::optional<std::string> InputBox(std::string_view prompt, std::string_view title,
                                      std::string_view initial) override;
  void RunModal(util::ModalScreen& screen) override;
  // Counts the printouts and draws them on the device.
  bool RunPrintout(util::PrintDevice& device, const std::function<void()>& printout) override;

  // Scripts.
  std::deque<util::Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::map<std::string, std::function<void(util::ModalScreen&)>, std::less<>> screens;

  // Records.
  std::vector<Shown> messages;
  std::vector<std::string> questions;
  std::vector<std::string> prompts;
  std::vector<std::string> modalScreens;
  int printouts = 0;

  std::vector<std::string> MessageTexts() const;
};

}  // namespace testing_support
