#include "core/form_main.h"

#include "core/form_msg.h"
#include "core/form_pharmacy_info.h"
#include "core/form_print.h"
#include "core/form_select_type.h"
#include "core/network.h"
#include "core/settings.h"
#include "core/users.h"
#include "util/desktop.h"

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

void ShowRegionalSettingsHelp(App& app) {
  if (app.interaction().AskYesNo(kRegionalSettingsHelp) == util::Answer::No) return;
  if (!app.platform().OpenRegionalSettings()) {
    app.interaction().ShowMessage(kNoRegionalSettings, util::MessageIcon::Information);
  }
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
  services_.RunActivationRepairs();
  activating_ = false;
}

void FormMain::RequestClose() {
  hidden_ = true;
  closingWindowShown_ = true;
}

// ---------------------------------------------------------------- actions

Screen FormMain::DispensingScreen() const {
  return app_.settings().programType() == kAdministrationStore ? Screen::Store : Screen::Tickets;
}

void FormMain::Open(Screen screen) { services_.Open(screen); }

void FormMain::AfterLogin(Screen screen) {
  core::LoginRequest(app_);
  if (!RequireLogin(app_)) return;
  services_.Open(screen);
}

void FormMain::LoggedIn(Screen screen) {
  if (!RequireLogin(app_)) return;
  services_.Open(screen);
}

void FormMain::LanguageHelp() { ShowRegionalSettingsHelp(app_); }

void FormMain::LoginButton() { core::LoginButton(app_); }

void FormMain::DrugsButton() {
  if (app_.RunningFromNetwork()) return;
  AfterLogin(Screen::Drugs);
}

void FormMain::IncomingButton() {
  if (app_.RunningFromNetwork()) return;
  AfterLogin(Screen::Receipts);
}

void FormMain::DispensedButton() { AfterLogin(DispensingScreen()); }

void FormMain::DailyButton() { AfterLogin(Screen::DailyReport); }

void FormMain::MonthlyButton() {
  if (app_.RunningFromNetwork()) return;
  AfterLogin(Screen::MonthlyReport);
}

void FormMain::StagnantButton() {
  if (app_.RunningFromNetwork()) return;
  AfterLogin(Screen::StagnantReport);
}

void FormMain::ProgramFolder() {
  util::OpenFolderInExplorer(app_.platform(), app_.ProgramFolder().string());
  app_.RequestExit();
}

void FormMain::OpeningBalance() { LoggedIn(Screen::OpeningBalance); }

void FormMain::Purge(PurgeKind kind) { core::Purge(app_, kind, purgeProgress_); }

void FormMain::Login() { core::LoginRequest(app_); }
void FormMain::ChangePassword() { core::ChangePassword(app_); }
void FormMain::SupportLogin() { core::SupportLogin(app_); }

void FormMain::ShowAnchorDate() { core::ShowAnchorDate(app_); }
void FormMain::SetAnchorDate() {
  core::SetAnchorDate(app_, [this](util::OleDate day) { return services_.OpenTicketsBefore(day); });
}
void FormMain::ExplainAnchorDate() { core::ExplainAnchorDate(app_); }

void FormMain::RecipientEditor() { LoggedIn(Screen::RecipientEditor); }

void FormMain::HospitalSubData() {
  // Only the administration store has hospitals; elsewhere the entry is
  // disabled.
  if (app_.settings().programType() != kAdministrationStore) return;
  if (app_.settings().currentUser() != 1) {
    app_.interaction().ShowMessage(kFirstUserRightOnly);
    return;
  }
  services_.Open(Screen::HospitalSubData);
}

void FormMain::Form44() { LoggedIn(Screen::Form44); }
void FormMain::ExpiryDates() { LoggedIn(Screen::ExpiryDates); }

void FormMain::ShortageReport() {
  if (app_.RunningFromNetwork()) return;
  LoggedIn(Screen::ShortageReport);
}

void FormMain::PharmacyInfo() {
  FormPharmacyInfo info(app_);
  app_.interaction().RunModal(info);
}

void FormMain::ChangeProgramType() {
  HideQuickPanel();
  FormSelectType select(app_);
  app_.interaction().RunModal(select);
  // The next activation applies the type.
}

void FormMain::ChoosePrinter() {
  FFFPrint choice(app_, app_.printer());
  app_.interaction().RunModal(choice);
}

void FormMain::PrinterSettings() { OpenPrinterSettings(app_, app_.printer()); }

void FormMain::StartHelp() {
  ShowTextWindow(app_, std::string(kStartHelpTitle),
                 JoinLines({
                     "ثم قم بادخال رصيد الصيدلية الحالي   كالاتي",
                     "يجب يكون التاريخ هو اخر يوم في الشهر",
                     "من قائمة ملف قم باختيار امر رصيد اول المدة",
                     "ادخال الرصيد يجب ان يكون قبل ادخال اي طلبيات وارد او منصرف علي البرنامج "
                     "لانه سوف يرفض هذا",
                     "",
                     "كيفية ادخال طلبيات الوارد",
                     "من الشاشة الرئيسية للبرنامج نفذ امر   وارد",
                     "",
                     "كيفية ادخال تذكرة منصرف",
                     "من الشاشة الرئيسية للبرنامج نفذ امر   منصرف",
                     "",
                     "لاستخراج المنصرف الشهري المرسل الي مراقبة العهد",
                     "من الشاشة الرئيسية للبرنامج نفذ امر   شهري",
                     "",
                     "لاستخراج المنصرف اليومي وهو تجميعة المنصرف من كل الدواء في هذا اليوم",
                     "من الشاشة الرئيسية للبرنامج نفذ امر   يومي",
                     "",
                     "",
                 }));
}

// ---------------------------------------------------------------- data

MenuEntry FormMain::Command(std::string caption, Screen screen) {
  MenuEntry e;
  e.caption = std::move(caption);
  e.enabled = services_.Has(screen);
  e.action = [this, screen] { Open(screen); };
  return e;
}

MenuEntry FormMain::Command(std::string caption, std::function<void()> action) {
  MenuEntry e;
  e.caption = std::move(caption);
  e.action = std::move(action);
  return e;
}

std::vector<MenuEntry> FormMain::MenuBar() {
  FormMain* self = this;
  auto separator = [] { return MenuEntry{std::string(MenuEntry::kSeparator), {}, true, {}, {}}; };
  auto menu = [](std::string caption, std::vector<MenuEntry> entries, std::string name = {}) {
    MenuEntry m;
    m.caption = std::move(caption);
    m.name = std::move(name);
    m.entries = std::move(entries);
    return m;
  };
  auto withRight = [&](std::string caption, Screen screen, void (FormMain::*method)()) {
    MenuEntry e = Command(std::move(caption), [self, method] { (self->*method)(); });
    e.enabled = services_.Has(screen);
    return e;
  };
  auto call = [&](std::string caption, void (FormMain::*method)()) {
    return Command(std::move(caption), [self, method] { (self->*method)(); });
  };

  MenuEntry recipientEditor =
      withRight(menus_.mnuPatientsedit, Screen::RecipientEditor, &FormMain::RecipientEditor);
  recipientEditor.name = "mnuPatientsedit";
  MenuEntry hospitals = withRight("ضبط البيانات الفرعية للمستشفيات", Screen::HospitalSubData,
                                  &FormMain::HospitalSubData);
  hospitals.name = "mnuHospitalsedit";
  hospitals.enabled = hospitals.enabled && menus_.mnuHospitalseditEnabled;
  MenuEntry history = Command(menus_.mnuMaridHisrory, Screen::RecipientHistory);
  history.name = "mnuMaridHisrory";
  MenuEntry pharmacyName = Command("اسم الصيدلية", std::function<void()>{});

  return {
      menu("Language", {call("Cororrect language", &FormMain::LanguageHelp)}),
      menu("ملف",
           {
               Command("تثبيت البرنامج", Screen::InstallGridComponent),
               call("مجلد البرنامج", &FormMain::ProgramFolder),
               Command("مجلد النسح الاحتياطية", Screen::BackupsFolder),
               Command("نسخ البرنامج", Screen::CopyProgram),
               separator(),
               withRight("الرصيد الافتتاحي", Screen::OpeningBalance, &FormMain::OpeningBalance),
               separator(),
               menu("تصفية قواعد البيانات",
                    {
                        Command("كل قواعد البيانات", [self] { self->Purge(PurgeKind::AllData); }),
                        Command("كل قواعد البيانات ما عدا الادوية",
                                [self] { self->Purge(PurgeKind::KeepDrugs); }),
                    }),
               separator(),
               Command("استيراد الادوية من ملف اكسيل", Screen::SpreadsheetImport),
               separator(),
               menu("استيراد من البرامج القديمة",
                    {
                        Command("Import from    Kelo", Screen::ImportKelo),
                        Command("Import from    Bru", Screen::ImportBru),
                        Command("Import from    Store", Screen::ImportStore),
                    }),
               separator(),
               Command("تنظيف الهاردديسك", Screen::CleanDisk),
               Command("اغلاق استثنائي", Screen::ExceptionalClose),
           }),
      menu("مستخدمين",
           {
               call("تسجيل الدخول", &FormMain::Login),
               call("تغيير كلمة المرور", &FormMain::ChangePassword),
               separator(),
               call("تسجيل الدخول كدعم فني", &FormMain::SupportLogin),
           }),
      menu("حسابات",
           {
               Command("حسابات شهرية", Screen::MonthlyAccounts),
               Command("احصائية تفصيلية", Screen::DetailedStatistics),
           }),
      menu("تحكم",
           {
               menu("تاريخ الارتكاز",
                    {
                        call("رؤية تاريخ الارتكاز", &FormMain::ShowAnchorDate),
                        call("تغيير تاريخ الارتكاز", &FormMain::SetAnchorDate),
                        call("تعريف تاريخ الارتكاز", &FormMain::ExplainAnchorDate),
                    }),
               Command("ضبط الارصدة الحالية ومفقا لتذاكر الطلب والصرف", Screen::BalanceCorrection),
           }),
      menu(menus_.muPatient, {recipientEditor, hospitals}, "muPatient"),
      menu("تقارير",
           {
               menu("تقارير مشتركة",
                    {
                        Command("تقرير صنف محدد", Screen::DrugReport),
                        history,
                        Command("بانوراما الدواء", Screen::DrugPanorama),
                        Command("متوسط استهلاك عن مدة", Screen::AverageUse),
                        withRight("صحة 44", Screen::Form44, &FormMain::Form44),
                        Command("توزيعة المرضي والادوية", Screen::PatientsAndDrugs),
                        withRight("تواريخ الصلاحية", Screen::ExpiryDates, &FormMain::ExpiryDates),
                    }),
               menu("نفقة الدولة",
                    {Command("ادوية مريض عن فترة محددة", Screen::PatientDrugsInPeriod)}),
               menu("مخازن ادارات الصيدلة", {Command("118", Screen::Form118)}),
               Command("تقارير متنوعة", Screen::VariousReports),
           }),
      menu("النواقص", {withRight("تقرير النواقص", Screen::ShortageReport,
                                  &FormMain::ShortageReport)}),
      menu("اعدادات",
           {
               call("تسجيل البيانات الخاصة بك", &FormMain::PharmacyInfo),
               pharmacyName,
               call("تغيير نوع البرنامج", &FormMain::ChangeProgramType),
           }),
      menu("الطابعة",
           {
               call("احتيار الطابعة", &FormMain::ChoosePrinter),
               call("ضبط اعدادات الطابعة في الويندوز", &FormMain::PrinterSettings),
           }),
      menu("مطبوعات",
           {
               Command("الارصدة ومعدلات الصرف", Screen::BalancesAndRates),
               menu("طباعة محضر  تسليم وتسلم",
                    {
                        Command("في شكل عمودين", Screen::HandoverTwoColumns),
                        Command("في شكل عمود واحد", Screen::HandoverOneColumn),
                    }),
           }),
      menu("تحديث", {Command("تحميل التحديث", Screen::DownloadUpdate)}),
      menu("الدعم", {Command("الاتصال عن بعد", Screen::RemoteSupport)}),
      menu("مساعدة",
           {
               call("كيف تبدأ العمل علي البرنامج", &FormMain::StartHelp),
               Command("التعامل مع شاشة الرصيد الافتتاحي", Screen::OpeningBalanceHelp),
           }),
  };
}

std::vector<QuickButton> FormMain::QuickButtons() {
  FormMain* self = this;
  auto button = [self](std::string name, std::string caption, bool enabled,
                       void (FormMain::*method)()) {
    return QuickButton{std::move(name), std::move(caption), enabled,
                       [self, method] { (self->*method)(); }};
  };
  return {
      button("BtnLogin", "تسجيل الدخول", true, &FormMain::LoginButton),
      button("BtnDrugs", "الادوية", services_.Has(Screen::Drugs), &FormMain::DrugsButton),
      button("BtnWarid", "الوارد", services_.Has(Screen::Receipts), &FormMain::IncomingButton),
      button("BtnMonsarif", "المنصرف", services_.Has(DispensingScreen()),
             &FormMain::DispensedButton),
      button("BtnYawmy", "يومي", services_.Has(Screen::DailyReport), &FormMain::DailyButton),
      button("Command9", "شهري", services_.Has(Screen::MonthlyReport), &FormMain::MonthlyButton),
      button("BtnRawakid", "الرواكد", services_.Has(Screen::StagnantReport),
             &FormMain::StagnantButton),
      button("BtnCancel", "الغاء", true, &FormMain::CancelButton),
  };
}

}  // namespace core
