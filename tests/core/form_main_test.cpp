#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string_view>

#include "core/form_day.h"
#include "core/form_main.h"
#include "core/form_msg.h"
#include "core/form_select_type.h"
#include "core/network.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/users.h"
#include "tests/core/core_fixture.h"
#include "util/dates.h"
#include "util/files.h"

namespace {

using core::FormMain;
using core::MenuEntry;
using core::Screen;

// Records what the main window asks of the modules above the core. Every
// screen is part of the program unless taken out.
class RecordingServices : public core::MainWindowServices {
 public:
  bool Has(Screen screen) const override { return !missing.contains(screen); }
  void Open(Screen screen) override { opened.push_back(screen); }
  void RunActivationRepairs() override { ++repairs; }
  core::OpenTickets OpenTicketsBefore(util::OleDate day) override {
    asked.push_back(day);
    return openTickets;
  }

  std::set<Screen> missing;
  std::vector<Screen> opened;
  int repairs = 0;
  std::vector<util::OleDate> asked;
  core::OpenTickets openTickets;
};

// The entry at the end of a path of captions from the menu bar; nullptr when
// there is none.
const MenuEntry* Find(const std::vector<MenuEntry>& entries, const std::vector<std::string>& path) {
  const std::vector<MenuEntry>* level = &entries;
  const MenuEntry* found = nullptr;
  for (const auto& caption : path) {
    found = nullptr;
    for (const auto& e : *level) {
      if (e.caption == caption) found = &e;
    }
    if (found == nullptr) return nullptr;
    level = &found->entries;
  }
  return found;
}

// The menu bar as lines: two spaces per level, the caption.
void Outline(const std::vector<MenuEntry>& entries, int depth, std::vector<std::string>& out) {
  for (const auto& e : entries) {
    out.push_back(std::string(2 * static_cast<std::size_t>(depth), ' ') + e.caption);
    Outline(e.entries, depth + 1, out);
  }
}

// The enabled commands (entries without entries of their own).
void EnabledCommands(const std::vector<MenuEntry>& entries, std::vector<std::string>& out) {
  for (const auto& e : entries) {
    if (e.IsSubmenu()) {
      EnabledCommands(e.entries, out);
    } else if (!e.IsSeparator() && e.enabled) {
      out.push_back(e.caption);
    }
  }
}

class MainWindow : public core_test::AppFixture {
 protected:
  MainWindow() {
    EXPECT_TRUE(core::RunStartupSequence(app));
  }
  void ScriptTypeChoice(int button) {
    ui.screens["FormSelectType"] = [button](util::ModalScreen& s) {
      static_cast<core::FormSelectType&>(s).Choose(button);
    };
  }
  // The login window logs the user in (0: it closes without a login).
  void ScriptLogin(std::int16_t user) {
    ui.screens["FormUsers"] = [this, user](util::ModalScreen&) {
      app.settings().setCurrentUser(user);
    };
  }
  void Choose(const std::vector<std::string>& path) {
    auto bar = form.MenuBar();
    const MenuEntry* entry = Find(bar, path);
    ASSERT_NE(entry, nullptr) << path.back();
    ASSERT_TRUE(entry->action) << path.back();
    entry->action();
  }
  void ActivateAs(std::int16_t type) {
    app.settings().setProgramType(type);
    form.Activate();
  }

  RecordingServices services;
  int& repairs = services.repairs;
  FormMain form{app, services};
};

TEST_F(MainWindow, LoadEndsTheProgramForASecondInstance) {
  platform.anotherInstance = true;
  EXPECT_FALSE(form.Load());
  EXPECT_TRUE(app.ExitRequested());
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"لا يمكن تشغيل اكثر من نسخة"});
}

TEST_F(MainWindow, LoadRefusesAProgramFolderInsideBackups) {
  struct Case {
    const char* folder;
    bool refused;
  };
  for (const auto& c : {Case{"Varavizid-Backup/Daily/2024-03/5/", true},
                        Case{"old-backup/", false}, Case{"MyBackups/", true}}) {
    testing_support::ScriptedInteraction messages;
    testing_support::FakePlatform where(folder.path());
    where.programFolder = folder.path() / c.folder;
    core::App run(clock, where, messages);
    RecordingServices none;
    FormMain main(run, none);
    EXPECT_EQ(main.Load(), !c.refused) << c.folder;
    EXPECT_EQ(run.ExitRequested(), c.refused) << c.folder;
    if (c.refused) {
      EXPECT_EQ(messages.MessageTexts(),
                std::vector<std::string>{
                    "لا يمكن تشغيل برنامجك من مجلد النسخ الاحتياطية قم بنسخه الي اي مكان اخر"});
    }
  }
}

TEST_F(MainWindow, LoadWritesTheNetworkStampOnlyFromANetworkPath) {
  ASSERT_TRUE(form.Load());
  EXPECT_FALSE(std::filesystem::exists(DataFolder() / "network.txt"));

  platform.network = true;
  clock.Set(46000.75);
  ASSERT_TRUE(form.Load());
  auto bytes = ReadFile("network.txt");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "46000\r\n");
  EXPECT_TRUE(core::NetworkActive(app));
}

TEST_F(MainWindow, NewInstallationChoosesTheProgramTypeAtFirstActivation) {
  ScriptTypeChoice(3);
  form.Activate();

  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormSelectType"});
  EXPECT_EQ(app.settings().programType(), 1003);
  auto bytes = ReadFile("PIOP.vlk");
  ASSERT_EQ(bytes.size(), 252u);
  std::int16_t stored = 0;
  std::memcpy(&stored, bytes.data() + 218, 2);
  EXPECT_EQ(stored, 1003);
  EXPECT_EQ(form.menus().muPatient, "الاقسام");
  EXPECT_FALSE(form.menus().mnuHospitalseditEnabled);
  EXPECT_TRUE(form.quickPanelVisible());
  EXPECT_EQ(repairs, 1);
  EXPECT_FALSE(app.ExitRequested());

  // Later activations do not ask again.
  form.Activate();
  EXPECT_EQ(ui.modalScreens.size(), 1u);
  EXPECT_EQ(repairs, 2);
}

TEST_F(MainWindow, NoTypeChosenEndsTheProgramWithAnError) {
  form.Activate();  // the window closes without a choice
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "لقد اخترت تصنيف خطا لنسختك");
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_TRUE(app.ExitRequested());
  EXPECT_FALSE(form.quickPanelVisible());
  EXPECT_EQ(repairs, 0);
}

TEST_F(MainWindow, ActivationWhileTheTypeWindowIsOpenDoesNothing) {
  ui.screens["FormSelectType"] = [this](util::ModalScreen& s) {
    form.Activate();  // the main window becomes active under the dialog
    static_cast<core::FormSelectType&>(s).Choose(1);
  };
  form.Activate();
  EXPECT_EQ(ui.modalScreens.size(), 1u);
  EXPECT_EQ(repairs, 1);
}

TEST_F(MainWindow, ChangedTypeTakesEffectAtTheNextActivation) {
  app.settings().setProgramType(1001);
  form.Activate();
  EXPECT_EQ(form.menus().muPatient, "المرضي");
  EXPECT_FALSE(form.menus().mnuHospitalseditEnabled);

  app.settings().setProgramType(1004);
  form.Activate();
  EXPECT_EQ(form.menus().muPatient, "المستشفيات");
  EXPECT_TRUE(form.menus().mnuHospitalseditEnabled);
}

TEST(ProgramTypeMenus, CaptionsFollowTheType) {
  struct Case {
    int type;
    const char* patient;
    const char* edit;
    const char* history;
    bool hospitals;
  };
  const Case cases[] = {
      {0, "مرضي", "تعديل اعدادات المرضي", "تاريخ مريض", false},
      {1001, "المرضي", "تعديل يبانات المرضي", "تاريخ مريض", false},
      {1002, "المرضي", "تعديل يبانات المرضي", "تاريخ مريض", false},
      {1003, "الاقسام", "تعديل يبانات الاقسام", "تاريخ مريض", false},
      {1004, "المستشفيات", "تعديل يبانات المستشفيات", "سجل مسحوبات ادارة او مستشفي", true},
  };
  for (const auto& c : cases) {
    auto m = core::MenusForProgramType(c.type);
    EXPECT_EQ(m.muPatient, c.patient) << c.type;
    EXPECT_EQ(m.mnuPatientsedit, c.edit) << c.type;
    EXPECT_EQ(m.mnuMaridHisrory, c.history) << c.type;
    EXPECT_EQ(m.mnuHospitalseditEnabled, c.hospitals) << c.type;
  }
}

TEST_F(MainWindow, QuickPanelHidesAndShowsAgainOnThePicture) {
  app.settings().setProgramType(1002);
  form.Activate();
  form.HideQuickPanel();
  EXPECT_FALSE(form.quickPanelVisible());
  form.ImageClicked();
  EXPECT_TRUE(form.quickPanelVisible());
}

TEST_F(MainWindow, CloseRequestHidesTheWindowAndShowsTheClosingWindow) {
  form.RequestClose();
  EXPECT_TRUE(form.hidden());
  EXPECT_TRUE(form.closingWindowShown());
}

TEST(SelectType, OnlyTheFourButtonsChooseAType) {
  testing_support::TempFolder folder;
  testing_support::FakeClock clock;
  testing_support::FakePlatform platform(folder.path());
  testing_support::ScriptedInteraction ui;
  core::App app(clock, platform, ui);
  std::filesystem::create_directories(platform.programFolder / "Files" / "DBI");
  core::FormSelectType select(app);
  EXPECT_EQ(select.ButtonCaptions().size(), 4u);
  EXPECT_EQ(select.ButtonCaptions()[0], "صيدلية نفقة الدولة");
  EXPECT_FALSE(select.Choose(0));
  EXPECT_FALSE(select.Choose(5));
  EXPECT_FALSE(select.closed());
  EXPECT_EQ(app.settings().programType(), 0);
  EXPECT_TRUE(select.Choose(4));
  EXPECT_TRUE(select.closed());
  EXPECT_EQ(app.settings().programType(), 1004);
}

std::vector<std::string> ExpectedMenuBar(const core::ProgramTypeMenus& m) {
  return {
      "Language",
      "  Cororrect language",
      "ملف",
      "  تثبيت البرنامج",
      "  مجلد البرنامج",
      "  مجلد النسح الاحتياطية",
      "  نسخ البرنامج",
      "  -",
      "  الرصيد الافتتاحي",
      "  -",
      "  تصفية قواعد البيانات",
      "    كل قواعد البيانات",
      "    كل قواعد البيانات ما عدا الادوية",
      "  -",
      "  استيراد الادوية من ملف اكسيل",
      "  -",
      "  استيراد من البرامج القديمة",
      "    Import from    Kelo",
      "    Import from    Bru",
      "    Import from    Store",
      "  -",
      "  تنظيف الهاردديسك",
      "  اغلاق استثنائي",
      "مستخدمين",
      "  تسجيل الدخول",
      "  تغيير كلمة المرور",
      "  -",
      "  تسجيل الدخول كدعم فني",
      "حسابات",
      "  حسابات شهرية",
      "  احصائية تفصيلية",
      "تحكم",
      "  تاريخ الارتكاز",
      "    رؤية تاريخ الارتكاز",
      "    تغيير تاريخ الارتكاز",
      "    تعريف تاريخ الارتكاز",
      "  ضبط الارصدة الحالية ومفقا لتذاكر الطلب والصرف",
      m.muPatient,
      "  " + m.mnuPatientsedit,
      "  ضبط البيانات الفرعية للمستشفيات",
      "تقارير",
      "  تقارير مشتركة",
      "    تقرير صنف محدد",
      "    " + m.mnuMaridHisrory,
      "    بانوراما الدواء",
      "    متوسط استهلاك عن مدة",
      "    صحة 44",
      "    توزيعة المرضي والادوية",
      "    تواريخ الصلاحية",
      "  نفقة الدولة",
      "    ادوية مريض عن فترة محددة",
      "  مخازن ادارات الصيدلة",
      "    118",
      "  تقارير متنوعة",
      "النواقص",
      "  تقرير النواقص",
      "اعدادات",
      "  تسجيل البيانات الخاصة بك",
      "  اسم الصيدلية",
      "  تغيير نوع البرنامج",
      "الطابعة",
      "  احتيار الطابعة",
      "  ضبط اعدادات الطابعة في الويندوز",
      "مطبوعات",
      "  الارصدة ومعدلات الصرف",
      "  طباعة محضر  تسليم وتسلم",
      "    في شكل عمودين",
      "    في شكل عمود واحد",
      "تحديث",
      "  تحميل التحديث",
      "الدعم",
      "  الاتصال عن بعد",
      "مساعدة",
      "  كيف تبدأ العمل علي البرنامج",
      "  التعامل مع شاشة الرصيد الافتتاحي",
  };
}

TEST_F(MainWindow, MenuBarInOrderWithTheCaptionsOfTheType) {
  for (std::int16_t type : {1001, 1002, 1003, 1004}) {
    ActivateAs(type);
    std::vector<std::string> outline;
    Outline(form.MenuBar(), 0, outline);
    EXPECT_EQ(outline, ExpectedMenuBar(core::MenusForProgramType(type))) << type;

    auto bar = form.MenuBar();
    EXPECT_EQ(Find(bar, {form.menus().muPatient})->name, "muPatient");
    EXPECT_EQ(Find(bar, {form.menus().muPatient, form.menus().mnuPatientsedit})->name,
              "mnuPatientsedit");
    const MenuEntry* hospitals =
        Find(bar, {form.menus().muPatient, "ضبط البيانات الفرعية للمستشفيات"});
    EXPECT_EQ(hospitals->name, "mnuHospitalsedit");
    EXPECT_EQ(hospitals->enabled, type == 1004) << type;
  }
}

TEST_F(MainWindow, EntriesOfScreensNotInTheProgramAreDisabled) {
  for (int s = 0; s <= static_cast<int>(Screen::OpeningBalanceHelp); ++s) {
    services.missing.insert(static_cast<Screen>(s));
  }
  ActivateAs(1004);
  std::vector<std::string> enabled;
  EnabledCommands(form.MenuBar(), enabled);
  EXPECT_EQ(enabled, (std::vector<std::string>{
                         "Cororrect language",
                         "مجلد البرنامج",
                         "كل قواعد البيانات",
                         "كل قواعد البيانات ما عدا الادوية",
                         "تسجيل الدخول",
                         "تغيير كلمة المرور",
                         "تسجيل الدخول كدعم فني",
                         "رؤية تاريخ الارتكاز",
                         "تغيير تاريخ الارتكاز",
                         "تعريف تاريخ الارتكاز",
                         "تسجيل البيانات الخاصة بك",
                         "اسم الصيدلية",
                         "تغيير نوع البرنامج",
                         "احتيار الطابعة",
                         "ضبط اعدادات الطابعة في الويندوز",
                         "كيف تبدأ العمل علي البرنامج",
                     }));
  // The quick buttons of missing screens too; login and cancel stay.
  std::vector<std::string> buttons;
  for (const auto& b : form.QuickButtons()) {
    if (b.enabled) buttons.push_back(b.name);
  }
  EXPECT_EQ(buttons, (std::vector<std::string>{"BtnLogin", "BtnCancel"}));
}

TEST_F(MainWindow, TheEntryOfTheMissingStoreScreenFollowsTheType) {
  services.missing = {Screen::Store};
  ActivateAs(1001);
  EXPECT_TRUE(form.QuickButtons()[3].enabled);
  ActivateAs(1004);
  EXPECT_FALSE(form.QuickButtons()[3].enabled);
}

TEST_F(MainWindow, EntriesWithoutARightOpenTheirScreens) {
  ActivateAs(1004);
  app.settings().setCurrentUser(1);
  struct Case {
    std::vector<std::string> path;
    Screen screen;
  };
  const std::string patients = form.menus().muPatient;
  const Case cases[] = {
      {{"ملف", "تثبيت البرنامج"}, Screen::InstallGridComponent},
      {{"ملف", "مجلد النسح الاحتياطية"}, Screen::BackupsFolder},
      {{"ملف", "نسخ البرنامج"}, Screen::CopyProgram},
      {{"ملف", "الرصيد الافتتاحي"}, Screen::OpeningBalance},
      {{"ملف", "استيراد الادوية من ملف اكسيل"}, Screen::SpreadsheetImport},
      {{"ملف", "استيراد من البرامج القديمة", "Import from    Kelo"}, Screen::ImportKelo},
      {{"ملف", "استيراد من البرامج القديمة", "Import from    Bru"}, Screen::ImportBru},
      {{"ملف", "استيراد من البرامج القديمة", "Import from    Store"}, Screen::ImportStore},
      {{"ملف", "تنظيف الهاردديسك"}, Screen::CleanDisk},
      {{"ملف", "اغلاق استثنائي"}, Screen::ExceptionalClose},
      {{"حسابات", "حسابات شهرية"}, Screen::MonthlyAccounts},
      {{"حسابات", "احصائية تفصيلية"}, Screen::DetailedStatistics},
      {{"تحكم", "ضبط الارصدة الحالية ومفقا لتذاكر الطلب والصرف"}, Screen::BalanceCorrection},
      {{patients, form.menus().mnuPatientsedit}, Screen::RecipientEditor},
      {{patients, "ضبط البيانات الفرعية للمستشفيات"}, Screen::HospitalSubData},
      {{"تقارير", "تقارير مشتركة", "تقرير صنف محدد"}, Screen::DrugReport},
      {{"تقارير", "تقارير مشتركة", form.menus().mnuMaridHisrory}, Screen::RecipientHistory},
      {{"تقارير", "تقارير مشتركة", "بانوراما الدواء"}, Screen::DrugPanorama},
      {{"تقارير", "تقارير مشتركة", "متوسط استهلاك عن مدة"}, Screen::AverageUse},
      {{"تقارير", "تقارير مشتركة", "صحة 44"}, Screen::Form44},
      {{"تقارير", "تقارير مشتركة", "توزيعة المرضي والادوية"}, Screen::PatientsAndDrugs},
      {{"تقارير", "تقارير مشتركة", "تواريخ الصلاحية"}, Screen::ExpiryDates},
      {{"تقارير", "نفقة الدولة", "ادوية مريض عن فترة محددة"}, Screen::PatientDrugsInPeriod},
      {{"تقارير", "مخازن ادارات الصيدلة", "118"}, Screen::Form118},
      {{"تقارير", "تقارير متنوعة"}, Screen::VariousReports},
      {{"النواقص", "تقرير النواقص"}, Screen::ShortageReport},
      {{"مطبوعات", "الارصدة ومعدلات الصرف"}, Screen::BalancesAndRates},
      {{"مطبوعات", "طباعة محضر  تسليم وتسلم", "في شكل عمودين"}, Screen::HandoverTwoColumns},
      {{"مطبوعات", "طباعة محضر  تسليم وتسلم", "في شكل عمود واحد"}, Screen::HandoverOneColumn},
      {{"تحديث", "تحميل التحديث"}, Screen::DownloadUpdate},
      {{"الدعم", "الاتصال عن بعد"}, Screen::RemoteSupport},
      {{"مساعدة", "التعامل مع شاشة الرصيد الافتتاحي"}, Screen::OpeningBalanceHelp},
  };
  for (const auto& c : cases) {
    services.opened.clear();
    Choose(c.path);
    EXPECT_EQ(services.opened, std::vector<Screen>{c.screen}) << c.path.back();
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.modalScreens.empty());
}

TEST_F(MainWindow, PharmacyNameIsPresentAndDoesNothing) {
  ActivateAs(1001);
  auto bar = form.MenuBar();
  const MenuEntry* entry = Find(bar, {"اعدادات", "اسم الصيدلية"});
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->enabled);
  EXPECT_FALSE(entry->action);
}

// The drugs, incoming, monthly and stagnant buttons: the login request, then
// the screen; nothing at all on a network path.
TEST_F(MainWindow, ButtonsThatNeedTheLocalFolderAndALogin) {
  ActivateAs(1001);
  struct Case {
    void (FormMain::*press)();
    Screen screen;
  };
  const Case cases[] = {
      {&FormMain::DrugsButton, Screen::Drugs},
      {&FormMain::IncomingButton, Screen::Receipts},
      {&FormMain::MonthlyButton, Screen::MonthlyReport},
      {&FormMain::StagnantButton, Screen::StagnantReport},
  };
  for (const auto& c : cases) {
    const int screen = static_cast<int>(c.screen);
    // Nobody logs in: the login window, then the refusal.
    app.settings().setCurrentUser(core::kNobody);
    ui = {};
    services.opened.clear();
    ScriptLogin(core::kNobody);
    (form.*c.press)();
    EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormUsers"}) << screen;
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(core::kNotLoggedIn)})
        << screen;
    EXPECT_TRUE(services.opened.empty()) << screen;

    // The user logs in: the screen.
    ui = {};
    ScriptLogin(4);
    (form.*c.press)();
    EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormUsers"}) << screen;
    EXPECT_TRUE(ui.messages.empty()) << screen;
    EXPECT_EQ(services.opened, std::vector<Screen>{c.screen}) << screen;

    // On a network path nothing happens, logged in or not.
    platform.network = true;
    for (std::int16_t user : {core::kNobody, std::int16_t{4}}) {
      app.settings().setCurrentUser(user);
      ui = {};
      services.opened.clear();
      (form.*c.press)();
      EXPECT_TRUE(ui.modalScreens.empty()) << screen;
      EXPECT_TRUE(ui.messages.empty()) << screen;
      EXPECT_TRUE(services.opened.empty()) << screen;
    }
    platform.network = false;
  }
}

// Dispensed and daily: the login request, then the screen; also on a network
// path.
TEST_F(MainWindow, DispensedAndDailyNeedALoginOnly) {
  struct Case {
    std::int16_t type;
    void (FormMain::*press)();
    Screen screen;
  };
  const Case cases[] = {
      {1001, &FormMain::DispensedButton, Screen::Tickets},
      {1002, &FormMain::DispensedButton, Screen::Tickets},
      {1003, &FormMain::DispensedButton, Screen::Tickets},
      {1004, &FormMain::DispensedButton, Screen::Store},
      {1001, &FormMain::DailyButton, Screen::DailyReport},
      {1004, &FormMain::DailyButton, Screen::DailyReport},
  };
  for (bool network : {false, true}) {
    platform.network = network;
    for (const auto& c : cases) {
      ActivateAs(c.type);
      app.settings().setCurrentUser(core::kNobody);
      ui = {};
      services.opened.clear();
      ScriptLogin(core::kNobody);
      (form.*c.press)();
      EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(core::kNotLoggedIn)});
      EXPECT_TRUE(services.opened.empty());

      ui = {};
      ScriptLogin(2);
      (form.*c.press)();
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(services.opened, std::vector<Screen>{c.screen}) << c.type << " " << network;
    }
  }
}

// Opening balance, expiry dates, form 44, recipient editing, shortages: the
// entry only checks the login, it does not ask for one.
TEST_F(MainWindow, EntriesThatNeedALoggedInUser) {
  ActivateAs(1001);
  struct Case {
    void (FormMain::*choose)();
    Screen screen;
  };
  const Case cases[] = {
      {&FormMain::OpeningBalance, Screen::OpeningBalance},
      {&FormMain::ExpiryDates, Screen::ExpiryDates},
      {&FormMain::Form44, Screen::Form44},
      {&FormMain::RecipientEditor, Screen::RecipientEditor},
      {&FormMain::ShortageReport, Screen::ShortageReport},
  };
  for (const auto& c : cases) {
    const int screen = static_cast<int>(c.screen);
    app.settings().setCurrentUser(core::kNobody);
    ui = {};
    services.opened.clear();
    (form.*c.choose)();
    EXPECT_TRUE(ui.modalScreens.empty()) << screen;
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(core::kNotLoggedIn)})
        << screen;
    EXPECT_TRUE(services.opened.empty()) << screen;

    app.settings().setCurrentUser(7);
    ui = {};
    (form.*c.choose)();
    EXPECT_TRUE(ui.messages.empty()) << screen;
    EXPECT_EQ(services.opened, std::vector<Screen>{c.screen}) << screen;
  }
}

TEST_F(MainWindow, ShortageReportDoesNothingOnANetworkPath) {
  ActivateAs(1001);
  platform.network = true;
  for (std::int16_t user : {core::kNobody, std::int16_t{1}}) {
    app.settings().setCurrentUser(user);
    form.ShortageReport();
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(services.opened.empty());
}

TEST_F(MainWindow, HospitalSubDataIsTheFirstUsersRight) {
  ActivateAs(1004);
  struct Case {
    std::int16_t user;
    bool opens;
  };
  for (const auto& c : {Case{core::kNobody, false}, Case{2, false}, Case{9, false},
                        Case{core::kTechnicalSupport, false}, Case{1, true}}) {
    app.settings().setCurrentUser(c.user);
    ui = {};
    services.opened.clear();
    Choose({"المستشفيات", "ضبط البيانات الفرعية للمستشفيات"});
    if (c.opens) {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(services.opened, std::vector<Screen>{Screen::HospitalSubData});
    } else {
      EXPECT_EQ(ui.MessageTexts(),
                std::vector<std::string>{std::string(core::kFirstUserRightOnly)})
          << c.user;
      EXPECT_TRUE(services.opened.empty()) << c.user;
    }
  }
}

TEST_F(MainWindow, TheQuickButtonsInTheirOrderAndActions) {
  ActivateAs(1004);
  std::vector<std::string> names;
  std::vector<std::string> captions;
  for (const auto& b : form.QuickButtons()) {
    names.push_back(b.name);
    captions.push_back(b.caption);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"BtnLogin", "BtnDrugs", "BtnWarid", "BtnMonsarif",
                                             "BtnYawmy", "Command9", "BtnRawakid", "BtnCancel"}));
  EXPECT_EQ(captions, (std::vector<std::string>{"تسجيل الدخول", "الادوية", "الوارد", "المنصرف",
                                                "يومي", "شهري", "الرواكد", "الغاء"}));

  // Each button runs its own action: dispensed opens the store screen here.
  app.settings().setCurrentUser(3);
  form.QuickButtons()[3].action();
  EXPECT_EQ(services.opened, std::vector<Screen>{Screen::Store});
  form.QuickButtons()[7].action();
  EXPECT_FALSE(form.quickPanelVisible());
}

TEST_F(MainWindow, TheLoginButtonLogsOutThenAsksForALogin) {
  ActivateAs(1001);
  app.settings().setCurrentUser(3);
  ui.screens["FormUsers"] = [this](util::ModalScreen&) {
    EXPECT_EQ(app.settings().currentUser(), core::kNobody);  // logged out first
    app.settings().setCurrentUser(5);
  };
  form.QuickButtons()[0].action();
  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormUsers"});
  EXPECT_EQ(app.settings().currentUser(), 5);
}

TEST_F(MainWindow, UsersMenu) {
  ActivateAs(1001);
  ScriptLogin(6);
  Choose({"مستخدمين", "تسجيل الدخول"});
  EXPECT_EQ(app.settings().currentUser(), 6);
  // Logged in: a second login request does nothing.
  Choose({"مستخدمين", "تسجيل الدخول"});
  EXPECT_EQ(ui.modalScreens.size(), 1u);

  // Changing the password needs a user.
  app.settings().setCurrentUser(core::kNobody);
  ui = {};
  Choose({"مستخدمين", "تغيير كلمة المرور"});
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(core::kNotLoggedIn)});
  EXPECT_TRUE(ui.prompts.empty());
}

TEST_F(MainWindow, SettingTheAnchorDateIsTheFirstUsersRight) {
  ActivateAs(1001);
  app.settings().setCurrentUser(2);
  Choose({"تحكم", "تاريخ الارتكاز", "تغيير تاريخ الارتكاز"});
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(core::kUserOneOnly)});
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_TRUE(services.asked.empty());
}

TEST_F(MainWindow, SettingTheAnchorDateAsksTheOpenTicketsOfTheChosenDay) {
  ActivateAs(1001);
  app.settings().setCurrentUser(1);
  ui.screens["FFFDay"] = [](util::ModalScreen& s) {
    auto& day = static_cast<core::FFFDay&>(s);
    day.Text1 = "15";
    day.Text2 = "3";
    day.Text3 = "2024";
    day.Ok();
  };
  const util::OleDate chosen = util::MakeDate(2024, 3, 15);

  services.openTickets = {2, "open tickets"};
  Choose({"تحكم", "تاريخ الارتكاز", "تغيير تاريخ الارتكاز"});
  EXPECT_EQ(services.asked, std::vector<util::OleDate>{chosen});
  EXPECT_EQ(app.settings().anchorDate(), 0.0);
  EXPECT_EQ(ui.MessageTexts().back(), "open tickets");

  services.openTickets = {};
  Choose({"تحكم", "تاريخ الارتكاز", "تغيير تاريخ الارتكاز"});
  EXPECT_EQ(services.asked.size(), 2u);
  EXPECT_EQ(app.settings().anchorDate(), chosen);
}

TEST_F(MainWindow, ExplainingTheAnchorDateShowsTheTextWindow) {
  ActivateAs(1001);
  std::string title;
  ui.screens["FFFMSG"] = [&title](util::ModalScreen& s) {
    title = static_cast<core::FormMsg&>(s).title();
  };
  Choose({"تحكم", "تاريخ الارتكاز", "تعريف تاريخ الارتكاز"});
  EXPECT_EQ(title, "تعريف تاريخ الارتكاز");
}

TEST_F(MainWindow, PurgeEntriesAreForTechnicalSupport) {
  ActivateAs(1001);
  app.settings().setCurrentUser(1);
  Choose({"ملف", "تصفية قواعد البيانات", "كل قواعد البيانات"});
  Choose({"ملف", "تصفية قواعد البيانات", "كل قواعد البيانات ما عدا الادوية"});
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(2, std::string(core::kNeedTechnicalSupport)));
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_FALSE(app.ExitRequested());
}

TEST_F(MainWindow, ChangingTheProgramTypeHidesThePanelAndTakesEffectAtTheNextActivation) {
  ActivateAs(1001);
  ASSERT_TRUE(form.quickPanelVisible());
  ui.screens["FormSelectType"] = [this](util::ModalScreen& s) {
    EXPECT_FALSE(form.quickPanelVisible());
    static_cast<core::FormSelectType&>(s).Choose(4);
  };
  Choose({"اعدادات", "تغيير نوع البرنامج"});
  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormSelectType"});
  EXPECT_EQ(app.settings().programType(), 1004);
  EXPECT_EQ(form.menus().muPatient, "المرضي");  // not before the activation

  form.Activate();
  EXPECT_EQ(form.menus().muPatient, "المستشفيات");
  EXPECT_TRUE(form.quickPanelVisible());
  app.settings().setCurrentUser(1);
  form.DispensedButton();
  EXPECT_EQ(services.opened, std::vector<Screen>{Screen::Store});
}

TEST_F(MainWindow, SettingsAndPrinterEntriesOpenTheirWindows) {
  ActivateAs(1001);
  Choose({"اعدادات", "تسجيل البيانات الخاصة بك"});
  Choose({"الطابعة", "احتيار الطابعة"});
  EXPECT_EQ(ui.modalScreens, (std::vector<std::string>{"FormPharmacyInfo", "FFFPrint"}));
}

TEST_F(MainWindow, RegionalSettingsHelp) {
  ActivateAs(1001);
  struct Case {
    util::Answer answer;
    bool platformHasSettings;
    int opened;
    bool noSettingsMessage;
  };
  const Case cases[] = {
      {util::Answer::Yes, true, 1, false},
      {util::Answer::Cancel, true, 1, false},
      {util::Answer::No, true, 0, false},
      {util::Answer::Yes, false, 0, true},
      {util::Answer::No, false, 0, false},
  };
  for (const auto& c : cases) {
    ui = {};
    ui.answers = {c.answer};
    platform.hasRegionalSettings = c.platformHasSettings;
    platform.regionalSettingsOpened = 0;
    Choose({"Language", "Cororrect language"});
    EXPECT_EQ(ui.questions,
              std::vector<std::string>{
                  "Read ant click yes\r\n"
                  "for windows 7-8-10 \r\n"
                  "Click  'adminstartive'   then  'change system locale'  then  'Arabic Egypt' \r\n"
                  "\r\n"
                  "for windows xp  click   'advanced'  then select  'Arabic Egypt' \r\n"
                  "click yes to show regional option\r\n"});
    EXPECT_EQ(platform.regionalSettingsOpened, c.opened);
    EXPECT_EQ(ui.MessageTexts(),
              c.noSettingsMessage ? std::vector<std::string>{std::string(core::kNoRegionalSettings)}
                                  : std::vector<std::string>{});
  }
}

TEST_F(MainWindow, ProgramFolderEntryOpensTheFolderAndEndsTheProgram) {
  ActivateAs(1001);
  Choose({"ملف", "مجلد البرنامج"});
  ASSERT_EQ(platform.openedFolders.size(), 1u);
  EXPECT_EQ(std::filesystem::path(platform.openedFolders[0]) / "",
            platform.programFolder);
  EXPECT_EQ(platform.openedFolders[0].string().back(), 'm');  // no final separator
  EXPECT_TRUE(app.ExitRequested());
}

TEST_F(MainWindow, StartHelpText) {
  ActivateAs(1001);
  std::string title;
  std::string body;
  ui.screens["FFFMSG"] = [&](util::ModalScreen& s) {
    title = static_cast<core::FormMsg&>(s).title();
    body = static_cast<core::FormMsg&>(s).body();
  };
  Choose({"مساعدة", "كيف تبدأ العمل علي البرنامج"});
  EXPECT_EQ(title, "كيف تبدأ العمل علي البرنامج");
  EXPECT_EQ(body,
            "ثم قم بادخال رصيد الصيدلية الحالي   كالاتي\r\n"
            "يجب يكون التاريخ هو اخر يوم في الشهر\r\n"
            "من قائمة ملف قم باختيار امر رصيد اول المدة\r\n"
            "ادخال الرصيد يجب ان يكون قبل ادخال اي طلبيات وارد او منصرف علي البرنامج لانه سوف "
            "يرفض هذا\r\n"
            "\r\n"
            "كيفية ادخال طلبيات الوارد\r\n"
            "من الشاشة الرئيسية للبرنامج نفذ امر   وارد\r\n"
            "\r\n"
            "كيفية ادخال تذكرة منصرف\r\n"
            "من الشاشة الرئيسية للبرنامج نفذ امر   منصرف\r\n"
            "\r\n"
            "لاستخراج المنصرف الشهري المرسل الي مراقبة العهد\r\n"
            "من الشاشة الرئيسية للبرنامج نفذ امر   شهري\r\n"
            "\r\n"
            "لاستخراج المنصرف اليومي وهو تجميعة المنصرف من كل الدواء في هذا اليوم\r\n"
            "من الشاشة الرئيسية للبرنامج نفذ امر   يومي\r\n"
            "\r\n"
            "\r\n");
}

using NetworkStamp = core_test::AppFixture;

TEST_F(NetworkStamp, ActiveForFifteenDays) {
  std::filesystem::create_directories(DataFolder());
  struct Case {
    const char* content;
    bool active;
  };
  clock.Set(46000.5);
  const Case cases[] = {
      {"45986\r\n", true},   // 14 days old
      {"45985\r\n", false},  // 15.5 days old
      {"45984\r\n", false},  // 16 days old
      {"garbage", false},
      {"", false},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(util::WriteTextFile(DataFolder() / "network.txt", c.content));
    EXPECT_EQ(core::NetworkActive(app), c.active) << c.content;
  }
  std::filesystem::remove(DataFolder() / "network.txt");
  EXPECT_FALSE(core::NetworkActive(app));
}

}  // namespace
