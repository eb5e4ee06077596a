#pragma once
// The main window's logic: the checks made when it loads, the steps run each
// time it becomes active, the program type applied to its menus, the menu bar
// and the quick panel as plain data with one action per entry and button, the
// rights each action checks, and the close request.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "core/main_services.h"
#include "core/purge.h"
#include "util/numbers.h"

namespace core {

// Captions and states of the menu entries that follow the program type.
struct ProgramTypeMenus {
  std::string muPatient = "مرضي";
  std::string mnuPatientsedit = "تعديل اعدادات المرضي";
  std::string mnuMaridHisrory = "تاريخ مريض";
  bool mnuHospitalseditEnabled = false;
};
ProgramTypeMenus MenusForProgramType(int programType);

// One entry of the menu bar: a menu of the bar, a submenu, a separator line
// or a command. Menus and submenus hold their entries; a command holds its
// action (none for an entry that does nothing when chosen).
struct MenuEntry {
  static constexpr std::string_view kSeparator = "-";

  std::string caption;
  // The control's name where it has one ("mnuPatientsedit").
  std::string name;
  bool enabled = true;
  std::function<void()> action;
  std::vector<MenuEntry> entries;

  bool IsSeparator() const { return caption == kSeparator; }
  bool IsSubmenu() const { return !entries.empty(); }
};

// One button of the quick panel.
struct QuickButton {
  std::string name;  // "BtnLogin"
  std::string caption;
  bool enabled = true;
  std::function<void()> action;
};

// The regional-settings help of the "Language" menu: a Yes / No message on
// setting the system language to Arabic; any answer but No opens the
// platform's language settings, and where it has none a message says so.
void ShowRegionalSettingsHelp(App& app);
inline constexpr std::string_view kRegionalSettingsHelp =
    "Read ant click yes\r\n"
    "for windows 7-8-10 \r\n"
    "Click  'adminstartive'   then  'change system locale'  then  'Arabic Egypt' \r\n"
    "\r\n"
    "for windows xp  click   'advanced'  then select  'Arabic Egypt' \r\n"
    "click yes to show regional option\r\n";
inline constexpr std::string_view kNoRegionalSettings =
    "لا توجد علي هذا الجهاز شاشة لاعدادات اللغة والمنطقة\n"
    "اضبط لغة النظام علي العربية من اعدادات النظام";

class FormMain {
 public:
  static constexpr std::string_view kCaption = "Varavizid  16.0";
  static constexpr util::Colour kBackground = util::Rgb(77, 158, 213);
  static constexpr util::Colour kQuickPanelColour = util::Rgb(64, 64, 64);
  static constexpr std::string_view kSecondInstance = "لا يمكن تشغيل اكثر من نسخة";
  static constexpr std::string_view kBackupFolder =
      "لا يمكن تشغيل برنامجك من مجلد النسخ الاحتياطية قم بنسخه الي اي مكان اخر";
  static constexpr std::string_view kWrongType = "لقد اخترت تصنيف خطا لنسختك";
  static constexpr std::string_view kStartHelpTitle = "كيف تبدأ العمل علي البرنامج";

  FormMain(App& app, MainWindowServices& services) : app_(app), services_(services) {}
  FormMain(const FormMain&) = delete;
  FormMain& operator=(const FormMain&) = delete;

  // The load checks: single instance, a backup folder, the network stamp.
  // False when the program ends.
  bool Load();
  // The activation steps. Re-entrant calls (the window becoming active while
  // a screen opened by the activation closes) do nothing.
  void Activate();
  // The close request: the window hides and the closing window takes over.
  void RequestClose();

  void ImageClicked() { quickPanelVisible_ = true; }
  void HideQuickPanel() { quickPanelVisible_ = false; }

  bool quickPanelVisible() const { return quickPanelVisible_; }
  bool hidden() const { return hidden_; }
  bool closingWindowShown() const { return closingWindowShown_; }
  const ProgramTypeMenus& menus() const { return menus_; }

  // The menu bar in order, right to left: the captions of the program type
  // applied at the last activation, an entry enabled when its screen is part
  // of the program.
  std::vector<MenuEntry> MenuBar();
  // The eight quick buttons, reading from the right: the first row, then the
  // second.
  std::vector<QuickButton> QuickButtons();

  // Told how far the purge has written the empty tickets.
  void SetPurgeProgress(PurgeProgress progress) { purgeProgress_ = std::move(progress); }

  // Quick buttons.
  void LoginButton();
  // Drugs, incoming, monthly, stagnant: nothing on a network path.
  void DrugsButton();
  void IncomingButton();
  // The ticket screen, or the store screen for the administration store.
  void DispensedButton();
  void DailyButton();
  void MonthlyButton();
  void StagnantButton();
  void CancelButton() { HideQuickPanel(); }

  // Menu actions.
  void LanguageHelp();
  void ProgramFolder();
  void OpeningBalance();
  void Purge(PurgeKind kind);
  void Login();
  void ChangePassword();
  void SupportLogin();
  void ShowAnchorDate();
  void SetAnchorDate();
  void ExplainAnchorDate();
  void RecipientEditor();
  void HospitalSubData();
  void Form44();
  void ExpiryDates();
  void ShortageReport();
  void PharmacyInfo();
  void ChangeProgramType();
  void ChoosePrinter();
  void PrinterSettings();
  void StartHelp();
  // An entry without a right of its own: opens the screen.
  void Open(Screen screen);

 private:
  // The login request, then the screen when somebody is logged in.
  void AfterLogin(Screen screen);
  // Only a check: the screen when somebody is logged in.
  void LoggedIn(Screen screen);
  MenuEntry Command(std::string caption, Screen screen);
  MenuEntry Command(std::string caption, std::function<void()> action);
  Screen DispensingScreen() const;

  App& app_;
  MainWindowServices& services_;
  ProgramTypeMenus menus_;
  PurgeProgress purgeProgress_;
  bool quickPanelVisible_ = false;
  bool hidden_ = false;
  bool closingWindowShown_ = false;
  bool activating_ = false;
};

}  // namespace core
