// Each view shows its logic's state and hands its clicks to the logic.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/app.h"
#include "core/form_main.h"
#include "core/form_select_type.h"
#include "tests/support/fakes.h"
#include "ui/form_main_view.h"
#include "ui/form_select_type_view.h"
#include "ui/form_start.h"
#include "ui/main_services.h"

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() { std::filesystem::create_directories(app.DataFolder()); }

  std::int16_t StoredProgramType() const {
    std::ifstream in(app.DataFile("PIOP.vlk"), std::ios::binary);
    in.seekg(218);
    char bytes[2] = {};
    in.read(bytes, 2);
    if (!in) return -1;
    std::int16_t v = 0;
    std::memcpy(&v, bytes, sizeof v);
    return v;
  }

  TempFolder temp;
  FakeClock clock;
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST(FormStartTest, TheCaptionGrowsOneCharacterPerTickAndStartsAgain) {
  ui::FormStart view;
  const QString full = QStringLiteral("Loading ...please wait    ");
  ASSERT_EQ(full.size(), 26);

  view.Tick();
  EXPECT_EQ(view.caption(), QStringLiteral("L"));
  view.Tick();
  EXPECT_EQ(view.caption(), QStringLiteral("Lo"));
  for (int tick = 3; tick <= 26; ++tick) view.Tick();
  EXPECT_EQ(view.caption(), full);
  view.Tick();
  EXPECT_EQ(view.caption(), QString());
  view.Tick();
  EXPECT_EQ(view.caption(), QStringLiteral("L"));
}

class FormSelectTypeViewTest : public ViewTest {
 protected:
  core::FormSelectType logic{app};
  ui::FormSelectTypeView view{logic};
};

TEST_F(FormSelectTypeViewTest, ShowsOneButtonPerProgramType) {
  QStringList captions;
  for (auto* button : view.findChildren<QPushButton*>()) captions << button->text();

  EXPECT_EQ(captions, (QStringList{U("صيدلية نفقة الدولة"),
                                   U("صيدلية عيادة خارجية - صيدلية وحدة صحية"),
                                   U("مخزن مستشفي - الصيدلية الرئيسية في المستشفي"),
                                   U("مخزن ادارة الصيدلة")}));
}

TEST_F(FormSelectTypeViewTest, TheThirdButtonStoresTheHospitalStoreAndCloses) {
  view.show();
  auto buttons = view.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 4);

  QTest::mouseClick(buttons[2], Qt::LeftButton);

  EXPECT_EQ(app.settings().programType(), 1003);
  EXPECT_EQ(StoredProgramType(), 1003);
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_FALSE(view.isVisible());
}

TEST_F(FormSelectTypeViewTest, CannotBeClosedWithoutAChoice) {
  view.show();

  static_cast<QDialog&>(view).reject();
  QTest::keyClick(&view, Qt::Key_Escape);
  view.close();

  EXPECT_TRUE(view.isVisible());
  EXPECT_FALSE(logic.closed());
  EXPECT_EQ(app.settings().programType(), 0);
}

class FormMainViewTest : public ViewTest {
 protected:
  FormMainViewTest() { app.settings().setProgramType(1004); }

  ui::ProgramServices services{app};
  core::FormMain logic{app, services};
  ui::FormMainView view{app, logic};
};

TEST_F(FormMainViewTest, IsTheRightToLeftMainWindow) {
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Varavizid  16.0"));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);

  view.show();

  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_FALSE(app.ExitRequested());
}

TEST_F(FormMainViewTest, TheMenusFollowTheProgramTypeAfterActivation) {
  logic.Activate();
  view.Refresh();

  auto* patients = view.findChild<QMenu*>(QStringLiteral("muPatient"));
  ASSERT_NE(patients, nullptr);
  EXPECT_EQ(patients->title(), U("المستشفيات"));
}

TEST_F(FormMainViewTest, TheQuickPanelHoldsTheEightButtonsAndCancelHidesIt) {
  logic.Activate();
  view.Refresh();
  QFrame* panel = view.findChild<QFrame*>(QStringLiteral("PPPQuick"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel, view.quickPanel());
  ASSERT_FALSE(panel->isHidden());

  QStringList captions;
  for (auto* button : panel->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    captions << button->text();
  }
  EXPECT_EQ(captions, (QStringList{U("تسجيل الدخول"), U("الادوية"), U("الوارد"), U("المنصرف"),
                                   U("يومي"), U("شهري"), U("الرواكد"), U("الغاء")}));

  auto* cancel = panel->findChild<QPushButton*>(QStringLiteral("BtnCancel"));
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), U("الغاء"));
  cancel->click();

  EXPECT_TRUE(panel->isHidden());
  EXPECT_FALSE(logic.quickPanelVisible());
}

}  // namespace
