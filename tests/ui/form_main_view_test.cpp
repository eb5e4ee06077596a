// The main window's view builds its menus and quick buttons from the logic's
// data and hands every choice to the logic; the identity screen's view edits
// its logic's boxes.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <set>
#include <vector>

#include "core/app.h"
#include "core/form_main.h"
#include "core/form_pharmacy_info.h"
#include "core/form_select_type.h"
#include "core/settings.h"
#include "tests/support/fakes.h"
#include "ui/form_main_view.h"
#include "ui/form_pharmacy_info_view.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QString U(const std::string& utf8) { return QString::fromStdString(utf8); }

class Services : public core::MainWindowServices {
 public:
  bool Has(core::Screen screen) const override { return available.contains(screen); }
  void Open(core::Screen screen) override { opened.push_back(screen); }
  void RunActivationRepairs() override {}
  core::OpenTickets OpenTicketsBefore(util::OleDate) override { return {}; }

  std::set<core::Screen> available;
  std::vector<core::Screen> opened;
};

class Program : public ::testing::Test {
 protected:
  Program() { std::filesystem::create_directories(app.DataFolder()); }

  testing_support::TempFolder temp;
  testing_support::FakeClock clock;
  testing_support::FakePlatform platform{temp.path()};
  testing_support::ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
  Services services;
};

class MainWindowView : public Program {
 protected:
  MainWindowView() {
    app.settings().setProgramType(1001);
    services.available = {core::Screen::Tickets, core::Screen::DrugReport};
    logic.Activate();
    view.Refresh();
  }

  // The view's actions and the logic's entries, side by side: caption,
  // separator, enabled state, submenu.
  static void Compare(const QList<QAction*>& actions, const std::vector<core::MenuEntry>& entries) {
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      QAction* a = actions[static_cast<qsizetype>(i)];
      const auto& e = entries[i];
      if (e.IsSeparator()) {
        EXPECT_TRUE(a->isSeparator()) << i;
        continue;
      }
      EXPECT_EQ(a->text(), U(e.caption));
      EXPECT_EQ(a->isEnabled(), e.enabled) << e.caption;
      ASSERT_EQ(a->menu() != nullptr, e.IsSubmenu()) << e.caption;
      if (a->menu() != nullptr) {
        EXPECT_EQ(a->menu()->layoutDirection(), Qt::RightToLeft);
        Compare(a->menu()->actions(), e.entries);
      }
    }
  }
  QAction* Entry(const QStringList& path) {
    QList<QAction*> actions = view.menuBar()->actions();
    QAction* found = nullptr;
    for (const auto& caption : path) {
      found = nullptr;
      for (QAction* a : actions) {
        if (a->text() == caption) found = a;
      }
      if (found == nullptr) return nullptr;
      if (found->menu() != nullptr) actions = found->menu()->actions();
    }
    return found;
  }

  core::FormMain logic{app, services};
  ui::FormMainView view{app, logic};
};

TEST_F(MainWindowView, TheMenuBarIsTheLogicsMenuDataRightToLeft) {
  EXPECT_EQ(view.menuBar()->layoutDirection(), Qt::RightToLeft);
  Compare(view.menuBar()->actions(), logic.MenuBar());

  QStringList titles;
  for (QAction* a : view.menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{U("Language"), U("ملف"), U("مستخدمين"), U("حسابات"), U("تحكم"),
                                 U("المرضي"), U("تقارير"), U("النواقص"), U("اعدادات"),
                                 U("الطابعة"), U("مطبوعات"), U("تحديث"), U("الدعم"),
                                 U("مساعدة")}));
  // A screen that is part of the program is enabled, one that is not is not.
  EXPECT_TRUE(Entry({U("تقارير"), U("تقارير مشتركة"), U("تقرير صنف محدد")})->isEnabled());
  EXPECT_FALSE(Entry({U("تقارير"), U("تقارير مشتركة"), U("بانوراما الدواء")})->isEnabled());
  EXPECT_NE(view.findChild<QMenu*>(QStringLiteral("muPatient")), nullptr);
}

TEST_F(MainWindowView, CaptionsAndStatesFollowEachActivation) {
  app.settings().setProgramType(1004);
  services.available.insert(core::Screen::HospitalSubData);
  logic.Activate();
  view.Refresh();

  Compare(view.menuBar()->actions(), logic.MenuBar());
  auto* patients = view.findChild<QMenu*>(QStringLiteral("muPatient"));
  ASSERT_NE(patients, nullptr);
  EXPECT_EQ(patients->title(), U("المستشفيات"));
  QAction* hospitals = Entry({U("المستشفيات"), U("ضبط البيانات الفرعية للمستشفيات")});
  ASSERT_NE(hospitals, nullptr);
  EXPECT_TRUE(hospitals->isEnabled());
}

TEST_F(MainWindowView, AMenuEntryRunsItsLogic) {
  interaction.screens["FormSelectType"] = [this](util::ModalScreen& s) {
    EXPECT_FALSE(logic.quickPanelVisible());
    static_cast<core::FormSelectType&>(s).Choose(3);
  };
  view.show();
  Entry({U("اعدادات"), U("تغيير نوع البرنامج")})->trigger();

  EXPECT_EQ(interaction.modalScreens, std::vector<std::string>{"FormSelectType"});
  EXPECT_EQ(app.settings().programType(), 1003);
  EXPECT_TRUE(view.quickPanel()->isHidden());

  Entry({U("ملف"), U("مجلد البرنامج")})->trigger();
  EXPECT_EQ(platform.openedFolders.size(), 1u);
  EXPECT_TRUE(app.ExitRequested());
}

TEST_F(MainWindowView, QuickButtonsRunTheirLogicAndFollowTheScreens) {
  auto* panel = view.quickPanel();
  QStringList enabled;
  for (auto* b : panel->findChildren<QPushButton*>()) {
    if (b->isEnabled()) enabled << b->objectName();
  }
  EXPECT_EQ(enabled, (QStringList{QStringLiteral("BtnLogin"), QStringLiteral("BtnMonsarif"),
                                  QStringLiteral("BtnCancel")}));

  app.settings().setCurrentUser(2);
  panel->findChild<QPushButton*>(QStringLiteral("BtnMonsarif"))->click();
  EXPECT_EQ(services.opened, std::vector<core::Screen>{core::Screen::Tickets});

  panel->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
  EXPECT_TRUE(panel->isHidden());
}

TEST_F(MainWindowView, ThePanelStaysCentredAndThePictureShowsIt) {
  view.show();
  for (QSize size : {QSize(1000, 700), QSize(1280, 800), QSize(820, 640)}) {
    view.resize(size);
    QApplication::processEvents();
    QRect image = view.image()->rect();
    QRect panel = view.quickPanel()->geometry();
    EXPECT_LE(std::abs(panel.center().x() - image.center().x()), 1) << size.width();
    EXPECT_LE(std::abs(panel.center().y() - image.center().y()), 1) << size.width();
    EXPECT_EQ(view.image()->size(), view.centralWidget()->size());
  }

  view.quickPanel()->findChild<QPushButton*>(QStringLiteral("BtnCancel"))->click();
  ASSERT_TRUE(view.quickPanel()->isHidden());
  QTest::mouseClick(view.image(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(view.quickPanel()->isHidden());
  EXPECT_TRUE(logic.quickPanelVisible());
}

class FormPharmacyInfoViewTest : public Program {
 protected:
  bool Seed() {
    app.settings().setGovernorate("القاهرة");
    app.settings().setHospitalName("مستشفي");
    app.settings().setDepartmentName("الصيدلية");
    return true;
  }
  QLineEdit* Box(const char* name) { return view.findChild<QLineEdit*>(QString::fromLatin1(name)); }
  QPushButton* ButtonNamed(const char* name) {
    return view.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  bool seeded = Seed();
  core::FormPharmacyInfo logic{app};
  ui::FormPharmacyInfoView view{logic};
};

TEST_F(FormPharmacyInfoViewTest, ShowsTheStoredValuesRightToLeft) {
  EXPECT_EQ(view.windowTitle(), U("بيانات الصيدلية او المخزن"));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(Box("TttMohafaza")->text(), U("القاهرة"));
  EXPECT_EQ(Box("TttMostashfa")->text(), U("مستشفي"));
  EXPECT_EQ(Box("TttQism")->text(), U("الصيدلية"));
}

TEST_F(FormPharmacyInfoViewTest, OkStoresAndClosesAnEmptyBoxKeepsItOpen) {
  view.show();
  Box("TttMohafaza")->clear();
  ButtonNamed("CmdOk")->click();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(app.settings().governorate(), "القاهرة");

  Box("TttMohafaza")->setText(U("الجيزة"));
  ButtonNamed("CmdOk")->click();
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(app.settings().governorate(), "الجيزة");
}

TEST_F(FormPharmacyInfoViewTest, CancelDoesNothingEscapeClosesWithoutStoring) {
  view.show();
  Box("TttQism")->setText(U("قسم"));
  ButtonNamed("CmdCancel")->click();
  EXPECT_TRUE(view.isVisible());
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
  EXPECT_TRUE(logic.closed());
  EXPECT_EQ(app.settings().departmentName(), "الصيدلية");
}

}  // namespace
