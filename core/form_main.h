#pragma once
// The main window's logic: the checks made when it loads, the steps run each
// time it becomes active, the program type applied to its menus, the quick
// panel and the close request.

#include <functional>
#include <string>
#include <string_view>

#include "core/app.h"
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

class FormMain {
 public:
  static constexpr std::string_view kCaption = "Varavizid  16.0";
  static constexpr util::Colour kBackground = util::Rgb(77, 158, 213);
  static constexpr std::string_view kSecondInstance = "لا يمكن تشغيل اكثر من نسخة";
  static constexpr std::string_view kBackupFolder =
      "لا يمكن تشغيل برنامجك من مجلد النسخ الاحتياطية قم بنسخه الي اي مكان اخر";
  static constexpr std::string_view kWrongType = "لقد اخترت تصنيف خطا لنسختك";

  // dataRepairs runs the activation's repairs of the tables (future dates,
  // balance recomputation); the program supplies it.
  explicit FormMain(App& app, std::function<void()> dataRepairs = {})
      : app_(app), dataRepairs_(std::move(dataRepairs)) {}

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

 private:
  App& app_;
  std::function<void()> dataRepairs_;
  ProgramTypeMenus menus_;
  bool quickPanelVisible_ = false;
  bool hidden_ = false;
  bool closingWindowShown_ = false;
  bool activating_ = false;
};

}  // namespace core
