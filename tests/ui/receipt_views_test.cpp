// The receipt screen's and the opening-balance screen's views hand what is
// typed, chosen and clicked to their logic and show its state, right to left.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <string>

#include "core/app.h"
#include "core/users.h"
#include "receipts/form_inn.h"
#include "receipts/form_rasid_start.h"
#include "receipts/receipt_table.h"
#include "tests/support/fakes.h"
#include "ui/form_inn_view.h"
#include "ui/form_rasid_start_view.h"
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

// Clicks the cell of the grid row (1 and below) and column.
void ClickCell(ui::GridView* grid, int row, int col) {
  grid->scrollTo(grid->model()->index(row - 1, col));
  const QRect cell = grid->visualRect(grid->model()->index(row - 1, col));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

class ReceiptViewTest : public ::testing::Test {
 protected:
  ReceiptViewTest() {
    std::filesystem::create_directories(app.DataFolder());
    app.settings().setCurrentUser(3);
    app.drugs()[5].setDrugName("اموكسيسيلين 500");
    app.drugs()[5].setBalance(10);
    app.drugs()[6].setDrugName("باراسيتامول 500");
  }

  TempFolder temp;
  FakeClock clock{util::MakeDateTime(2025, 12, 10, 12, 0, 0)};
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

class FormInnViewTest : public ReceiptViewTest {
 protected:
  receipts::FormInn logic{app};
  ui::FormInnView view{logic};
};

TEST_F(FormInnViewTest, ShowsTheOrderRightToLeft) {
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(view.windowTitle(), U("طلبية وارد"));
  EXPECT_EQ(Named<QLabel>(view, "LLL")->text(), QStringLiteral("1"));
  EXPECT_EQ(Named<QPushButton>(view, "Command7")->text(), QStringLiteral("Send"));
  EXPECT_EQ(Named<QPushButton>(view, "Command3")->text(), U("طلبية جديدة"));
  EXPECT_EQ(Named<QPushButton>(view, "Command8")->text(), U("اضف"));
  EXPECT_EQ(Named<QComboBox>(view, "Combo1")->count(), 2);
  auto* expiry = Named<QComboBox>(view, "ComboExpire");
  EXPECT_EQ(expiry->count(), 60);
  EXPECT_EQ(expiry->currentText(), QStringLiteral("12-2027"));
  QStringList captions;
  for (auto* label : view.findChildren<QLabel*>()) captions << label->text();
  for (const char* caption : {"بحث بالرقم", "الاسم", "الوارد", "الصلاحية", "جهة التوريد", "رقم المستخدم"}) {
    EXPECT_TRUE(captions.contains(U(caption))) << caption;
  }
  auto* grid = Named<ui::GridView>(view, "xxx");
  EXPECT_EQ(grid->model()->rowCount(), 30);
  EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), U("الدواء"));
}

TEST_F(FormInnViewTest, AnOrderIsTypedAndSentFromTheKeyboard) {
  auto* text1 = Named<QLineEdit>(view, "Text1");
  auto* combo1 = Named<QComboBox>(view, "Combo1");
  auto* text2 = Named<QLineEdit>(view, "Text2");
  auto* expiry = Named<QComboBox>(view, "ComboExpire");

  QTest::keyClicks(text1, QStringLiteral("5"));
  EXPECT_EQ(combo1->currentText(), U("اموكسيسيلين 500"));
  QTest::keyClick(text1, Qt::Key_Return);
  QTest::keyClicks(text2, QStringLiteral("40"));
  QTest::keyClick(text2, Qt::Key_Return);
  expiry->lineEdit()->selectAll();
  QTest::keyClicks(expiry->lineEdit(), QStringLiteral("03-2028"));
  QTest::keyClick(expiry->lineEdit(), Qt::Key_Return);

  EXPECT_EQ(app.receipts()[1].lineDrug(1), 5);
  EXPECT_EQ(app.receipts()[1].lineQuantity(1), 40);
  EXPECT_EQ(app.receipts()[1].lineExpiry(1), util::MakeDate(2028, 3, 15));
  auto* grid = Named<ui::GridView>(view, "xxx");
  EXPECT_EQ(grid->model()->index(0, 2).data().toString(), U("اموكسيسيلين 500"));
  EXPECT_EQ(text1->text(), QString());
  EXPECT_EQ(text2->text(), QString());
  EXPECT_EQ(Named<QLabel>(view, "LLLDate")->text(), QStringLiteral("2025-12-10   12:00:00"));

  QTest::mouseClick(Named<QPushButton>(view, "Command7"), Qt::LeftButton);
  EXPECT_EQ(app.drugs()[5].balance(), 50);
  EXPECT_EQ(Named<QPushButton>(view, "Command7")->text(), QStringLiteral("Back"));
  EXPECT_FALSE(text1->isEnabled());
  EXPECT_FALSE(Named<QPushButton>(view, "Command8")->isEnabled());
}

TEST_F(FormInnViewTest, ButtonsGridMenuAndSupplierReachTheLogic) {
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  logic.Combo1 = "اموكسيسيلين 500";
  logic.Text2 = "4";
  logic.AddLine();
  logic.Combo1 = "باراسيتامول 500";
  logic.AddLine();

  ClickCell(Named<ui::GridView>(view, "xxx"), 2, 2);
  EXPECT_EQ(interaction.questions.back(), receipts::FormInn::kAskRemoveLine);
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 1);

  QTest::mouseClick(Named<QPushButton>(view, "LLLMRD"), Qt::LeftButton);
  EXPECT_EQ(interaction.modalScreens.back(), "FFFMRD");

  auto* deleteAll = view.findChild<QAction*>(QStringLiteral("MnuDeleteAllFat"));
  ASSERT_NE(deleteAll, nullptr);
  EXPECT_EQ(deleteAll->text(), U("حذف كل الطلبية"));
  deleteAll->trigger();
  EXPECT_EQ(interaction.questions.back(), receipts::FormInn::kAskDeleteAll);

  auto* changeDate = view.findChild<QAction*>(QStringLiteral("mnu_Edit_ChangrDate"));
  ASSERT_NE(changeDate, nullptr);
  changeDate->trigger();
  EXPECT_EQ(interaction.modalScreens.back(), "FFFDay");

  QTest::mouseClick(Named<QPushButton>(view, "Command3"), Qt::LeftButton);  // new order
  EXPECT_EQ(Named<QLabel>(view, "LLL")->text(), QStringLiteral("2"));
  QTest::mouseClick(Named<QPushButton>(view, "Command2"), Qt::LeftButton);  // "<"
  EXPECT_EQ(Named<QLabel>(view, "LLL")->text(), QStringLiteral("1"));
}

class FormRasidStartViewTest : public ReceiptViewTest {};

TEST_F(FormRasidStartViewTest, ADrugIsChosenFromTheGridAndStored) {
  receipts::FormRasidStart logic(app);
  ui::FormRasidStartView view(logic);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(view.windowTitle(), U("الاصردة الافتتاحية"));
  EXPECT_EQ(Named<QLabel>(view, "Label3")->text(),
            U("الارصدة المدخلة يجب ان تكون مطابقة لرصيد الادوية في نهاية احد الشهور"));
  auto* grid = Named<ui::GridView>(view, "xxx");
  EXPECT_EQ(grid->model()->rowCount(), 1500);

  ClickCell(grid, 5, 1);
  EXPECT_EQ(Named<QLabel>(view, "LLLDrugName")->text(), U("اموكسيسيلين 500"));
  auto* quantity = Named<QLineEdit>(view, "TextQ");
  EXPECT_EQ(quantity->text(), QStringLiteral("0"));
  quantity->selectAll();
  QTest::keyClicks(quantity, QStringLiteral("120"));
  auto* month = Named<QComboBox>(view, "ComboM");
  auto* year = Named<QComboBox>(view, "ComboY");
  EXPECT_EQ(month->count(), 13);
  EXPECT_EQ(year->count(), 13);
  month->setCurrentIndex(month->findText(QStringLiteral("6")));
  year->setCurrentIndex(year->findText(QStringLiteral("2026")));
  QTest::mouseClick(Named<QPushButton>(view, "Command2"), Qt::LeftButton);

  EXPECT_EQ(app.drugs()[5].openingBalance(), 120);
  EXPECT_EQ(app.drugs()[5].balance(), 120);
  EXPECT_EQ(app.drugs()[5].expiryDate(), util::MakeDate(2026, 6, 1));
  EXPECT_EQ(grid->model()->index(4, 2).data().toString(), QStringLiteral("120"));
  EXPECT_EQ(grid->model()->index(4, 3).data().toString(), QStringLiteral("06-2026"));
}

TEST_F(FormRasidStartViewTest, DocumentsCloseTheInputs) {
  app.tickets()[600].setDrugIndex(1, 6);
  receipts::FormRasidStart logic(app);
  ui::FormRasidStartView view(logic);
  for (const char* name : {"TextQ", "ComboM", "ComboY", "Command2"}) {
    EXPECT_FALSE(Named<QWidget>(view, name)->isEnabled()) << name;
  }
}

}  // namespace
