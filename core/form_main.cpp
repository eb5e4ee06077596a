#include "core/form_main.h"

#include "core/form_select_type.h"
#include "core/network.h"
#include "core/settings.h"

namespace core {

ProgramTypeMenus MenusForProgramType(int programType) {
  ProgramTypeMenus m;
  switch (programType) {
    case kStateExpense:
    case kOutpatient:
      m.muPatient = "المرضي";
      m.mnuPatientsedit = "تعديل يبانات المرضي";
      break;
    case kHospitalStore:
      m.muPatient = "الاقسام";
      m.mnuPatientsedit = "تعديل يبانات الاقسام";
      break;
    case kAdministrationStore:
      m.muPatient = "المستشفيات";
      m.mnuPatientsedit = "تعديل يبانات المستشفيات";
      m.mnuMaridHisrory = "سجل مسحوبات ادارة او مستشفي";
      m.mnuHospitalseditEnabled = true;
      break;
    default:
      break;
  }
  return m;
}

bool FormMain::Load() {
  auto& ui = app_.interaction();
  // Errors of the instance check itself are ignored by the platform.
  if (!app_.platform().ClaimSingleInstance()) {
    ui.ShowMessage(kSecondInstance);
    app_.RequestExit();
    return false;
  }
  if (app_.ProgramFolder().string().find("Backup") != std::string::npos) {
    ui.ShowMessage(kBackupFolder);
    app_.RequestExit();
    return false;
  }
  WriteNetworkStamp(app_);
  return true;
}

void FormMain::Activate() {
  if (activating_ || app_.ExitRequested()) return;
  activating_ = true;
  menus_ = MenusForProgramType(app_.settings().programType());
  if (app_.settings().programType() == kNoProgramType) {
    quickPanelVisible_ = false;
    FormSelectType select(app_);
    app_.interaction().RunModal(select);
    menus_ = MenusForProgramType(app_.settings().programType());
    if (app_.settings().programType() == kNoProgramType) {
      app_.interaction().ShowMessage(kWrongType, util::MessageIcon::Error);
      app_.RequestExit();
      activating_ = false;
      return;
    }
  }
  quickPanelVisible_ = true;
  if (dataRepairs_) dataRepairs_();
  activating_ = false;
}

void FormMain::RequestClose() {
  hidden_ = true;
  closingWindowShown_ = true;
}

}  // namespace core
