#include <gtest/gtest.h>

#include <cstring>

#include "core/form_main.h"
#include "core/form_select_type.h"
#include "core/network.h"
#include "core/settings.h"
#include "core/startup.h"
#include "tests/core/core_fixture.h"
#include "util/files.h"

namespace {

using core::FormMain;

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
  int repairs = 0;
  FormMain form{app, [this] { ++repairs; }};
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
    FormMain main(run);
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
