// The ticket screen's view hands what is typed to its logic and shows its
// state, right to left.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/app.h"
#include "core/settings.h"
#include "dispensing/form_oot.h"
#include "drugs/form_ds.h"
#include "tests/support/fakes.h"
#include "ui/form_oot_view.h"
#include "ui/grid_view.h"
#include "util/dates.h"

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <class W>
W* Named(const QWidget& view, const char* name) {
  W* widget = view.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

class FormOotViewTest : public ::testing::Test {
 protected:
  FormOotViewTest() {
    std::filesystem::create_directories(app.DataFolder());
    app.settings().setCurrentUser(3);
    app.settings().setTicketCount(20000);
    app.settings().setProgramType(core::kOutpatient);
    app.lastBalanceRecompute = clock.Now();
    app.drugs()[5].setDrugName("AMOXIL 500");
    app.drugs()[5].setBalance(10);
    app.drugs()[5].setNormalOut(2);
  }

  TempFolder temp;
  FakeClock clock{util::MakeDateTime(2025, 12, 10, 12, 0, 0)};
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST_F(FormOotViewTest, ShowsTheTicketRightToLeft) {
  dispensing::FormOot logic(app);
  ui::FormOotView view(logic);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(view.windowTitle(), U("ادوية منصرفة"));
  EXPECT_EQ(Named<QPushButton>(view, "LLL")->text(), QString::fromStdString(logic.LLL()));
  EXPECT_EQ(Named<QPushButton>(view, "Command7")->text(), U("حفظ"));
  EXPECT_EQ(Named<QPushButton>(view, "Command3")->text(), U("جديد"));
  EXPECT_EQ(Named<QLabel>(view, "LLLMaridTitle")->text(), U("المريض"));
  // The outpatient program has no state-expense panel.
  EXPECT_FALSE(Named<QWidget>(view, "PPPNafaqa")->isVisible());
  EXPECT_NE(Named<ui::GridView>(view, "Xxx"), nullptr);
  EXPECT_NE(Named<QLabel>(view, "LLLStatus"), nullptr);
  EXPECT_NE(Named<QLabel>(view, "LLLCode"), nullptr);
}

TEST_F(FormOotViewTest, ANumberAndAQuantityWithEnterAddALine) {
  dispensing::FormOot logic(app);
  ui::FormOotView view(logic);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const std::int32_t ticket = logic.shown();
  ASSERT_GT(ticket, 0);

  auto* text1 = Named<QLineEdit>(view, "Text1");
  auto* text2 = Named<QLineEdit>(view, "Text2");
  QTest::keyClicks(text1, QStringLiteral("5"));
  EXPECT_EQ(Named<QComboBox>(view, "Combo1")->currentText(), QStringLiteral("AMOXIL 500"));
  EXPECT_EQ(text2->text(), QStringLiteral("2"));
  EXPECT_EQ(Named<QLineEdit>(view, "TextRasid")->text(), QStringLiteral("10"));
  QTest::keyClick(text1, Qt::Key_Return);

  text2->clear();
  QTest::keyClicks(text2, QStringLiteral("4"));
  QTest::keyClick(text2, Qt::Key_Return);

  const auto& record = app.tickets()[static_cast<std::size_t>(ticket)];
  EXPECT_EQ(record.drugIndex(1), 5);
  EXPECT_EQ(record.quantity(1), 4);
  EXPECT_EQ(logic.Xxx().Text(1, 5), "AMOXIL 500");

  // Ctrl+S saves the ticket from wherever the focus is.
  QTest::keyClick(text1, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(record.state(), -1);
  EXPECT_EQ(Named<QPushButton>(view, "Command7")->text(), U("الغاء الحفظ"));
}

TEST_F(FormOotViewTest, TheMenusAndTheSmallButtonsReachTheirCommands) {
  app.settings().setTicketLayout(0);
  dispensing::FormOot logic(app);
  ui::FormOotView view(logic);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  // The three menus in their order, with their entries.
  QStringList titles;
  for (QAction* menu : Named<QMenuBar>(view, "")->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{U("طباعة"), U("تقارير"), U("تحرير")}));
  QStringList printEntries;
  for (QAction* entry : Named<QMenu>(view, "mnu_Print")->actions()) {
    if (!entry->isSeparator()) printEntries << entry->text();
  }
  EXPECT_EQ(printEntries,
            (QStringList{U("اصل وصورة علي ورق ايه فور-نموذج 1"), U("اصل وصورة علي ورق ايه فور-نموذج 2"),
                         U("طباعة التذكرة الحالية علي ورق ايه فايف"), U("كل اربع تذاكر في ورقة ايه فور"),
                         U("طباعة التذكرة الحالية علي ورق ايه فايف رسم شرا"),
                         U("طباعة   30 صنف   برسم الشراء ايه  4"), U("ضبط الهامش الافقي")}));
  QStringList editEntries;
  for (QAction* entry : Named<QMenu>(view, "mnu_Edit")->actions()) editEntries << entry->text();
  EXPECT_EQ(editEntries, (QStringList{U("اضافة دواء الي التذكرة"), U("تغيير تاريخ التذكرة الحالية"),
                                      U("تغيير تاريخ مجموعة تذاكر")}));

  // F4 anywhere on the screen opens the drug pick list.
  Named<QLineEdit>(view, "Text1")->setFocus();
  QTest::keyClick(Named<QLineEdit>(view, "Text1"), Qt::Key_F4);
  EXPECT_EQ(interaction.modalScreens, std::vector<std::string>{std::string(drugs::FormDs::kName)});

  // "^" waits for the backups; "P" before any printout says how to start.
  EXPECT_FALSE(Named<QPushButton>(view, "Label7")->isEnabled());
  EXPECT_EQ(Named<QLabel>(view, "LLLCode")->text(), U("اوامر متغيرة"));
  QTest::mouseMove(Named<QPushButton>(view, "Label7"));
  QTRY_COMPARE(Named<QLabel>(view, "LLLCode")->text(), U("نسخة احتياطية"));
  QTest::mouseMove(Named<QPushButton>(view, "LLLPRINT"));
  QTRY_COMPARE(Named<QLabel>(view, "LLLCode")->text(), U("اطبع"));
  QTest::mouseClick(Named<QPushButton>(view, "LLLPRINT"), Qt::LeftButton);
  EXPECT_EQ(interaction.MessageTexts(),
            std::vector<std::string>{"نفذ امر طباعة من قائمة الطباعة كاول مرة فقط"});
}

}  // namespace
