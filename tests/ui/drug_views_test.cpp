// The drug screen, the drug search and the pick lists: each view shows its
// logic's state and hands the user's actions to it.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app.h"
#include "drugs/form_drg.h"
#include "drugs/form_ds.h"
#include "drugs/form_pharm.h"
#include "drugs/form_unitdesc.h"
#include "tests/support/fakes.h"
#include "ui/form_drg_view.h"
#include "ui/form_ds_view.h"
#include "ui/pick_list_view.h"

namespace {

using drugs::DrgBox;
using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class DrugViewsTest : public ::testing::Test {
 protected:
  DrugViewsTest() {
    std::filesystem::create_directories(app.DataFolder());
    app.drugs()[1].setDrugName("باراسيتامول 500");
    app.drugs()[2].setDrugName("اموكسيسيلين 250");
    app.drugs()[2].setBalance(35);
    app.drugs()[3].setDrugName("Brufen 400");
  }
  template <class T = QPushButton>
  static T* Named(QWidget& view, const char* name) {
    return view.findChild<T*>(QString::fromLatin1(name));
  }

  TempFolder temp;
  FakeClock clock;
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST_F(DrugViewsTest, TheDrugScreenShowsTheDrugAndMovesWithTheArrows) {
  app.currentDrugNo = 2;
  drugs::FormDrg logic(app);
  ui::FormDrgView view(logic);
  view.show();

  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(view.windowTitle(), U("تعديل بيانات الادوية"));
  EXPECT_EQ(view.numberLabel()->text(), QStringLiteral("2"));
  auto* name = Named<QLineEdit>(view, "TextDrugName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), U("اموكسيسيلين 250"));
  EXPECT_EQ(Named<QLineEdit>(view, "TextRasid")->text(), QStringLiteral("35"));
  EXPECT_TRUE(Named<QLineEdit>(view, "TextRasid")->isReadOnly());

  QTest::mouseClick(Named(view, "Command1"), Qt::LeftButton);  // ">"
  EXPECT_EQ(logic.shownNumber(), 3);
  EXPECT_EQ(name->text(), U("Brufen 400"));
  QTest::mouseClick(Named(view, "Command2"), Qt::LeftButton);  // "<"
  QTest::mouseClick(Named(view, "Command2"), Qt::LeftButton);
  EXPECT_EQ(view.numberLabel()->text(), QStringLiteral("1"));

  QTest::mouseClick(Named(view, "Command4"), Qt::LeftButton);  // "جديد"
  EXPECT_EQ(view.numberLabel()->text(), QStringLiteral("4"));
  EXPECT_EQ(Named<QLineEdit>(view, "TextTemp")->text(), QStringLiteral("25"));
}

TEST_F(DrugViewsTest, TypingTogglingAndSaveReachTheDrug) {
  drugs::FormDrg logic(app);
  ui::FormDrgView view(logic);
  view.show();
  ASSERT_EQ(logic.shownNumber(), 3);

  auto* name = Named<QLineEdit>(view, "TextDrugName");
  name->clear();
  QTest::keyClicks(name, QStringLiteral("Brufen 600"));
  auto* haml = Named<QLineEdit>(view, "TextHaml");
  QTest::mouseClick(haml, Qt::LeftButton);
  EXPECT_EQ(haml->text(), QStringLiteral("True"));
  QTest::keyClicks(haml, QStringLiteral("x"));  // locked
  EXPECT_EQ(haml->text(), QStringLiteral("True"));

  QTest::mouseClick(Named(view, "Command3"), Qt::LeftButton);  // "حفظ"

  EXPECT_EQ(app.drugs()[3].drugName(), "Brufen 600");
  EXPECT_TRUE(app.drugs()[3].pregnancy());
  EXPECT_TRUE(interaction.messages.empty());
}

TEST_F(DrugViewsTest, TheNumberAndThePickersOpenTheirLists) {
  drugs::FormDrg logic(app);
  ui::FormDrgView view(logic);
  view.show();
  interaction.screens["FFFUnitdesc"] = [](util::ModalScreen& s) {
    static_cast<drugs::FormUnitdesc&>(s).ClickItem(0);
  };

  QTest::mouseClick(view.numberLabel(), Qt::LeftButton);
  QTest::mouseClick(Named<QLineEdit>(view, "TextMakhzan"), Qt::LeftButton);
  QTest::mouseClick(Named<QLineEdit>(view, "TextPharma"), Qt::LeftButton);
  QTest::mouseClick(Named<QLabel>(view, "LLLUnidDesc"), Qt::LeftButton);

  EXPECT_EQ(interaction.modalScreens,
            (std::vector<std::string>{"FFFDS", "FFFMRD", "FFFPharm", "FFFUnitdesc"}));
  EXPECT_EQ(Named<QLabel>(view, "LLLUnidDesc")->text(), U("قرص"));
}

TEST_F(DrugViewsTest, TheReadyCataloguesMenuHoldsTheThreeTemplates) {
  drugs::FormDrg logic(app);
  ui::FormDrgView view(logic);

  auto menus = view.menuBar()->actions();
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus[0]->text(), U("قواعد جاهزة"));
  QStringList entries;
  for (auto* action : menus[0]->menu()->actions()) entries << action->text();
  EXPECT_EQ(entries, (QStringList{U("نموذج 1"), U("نموذج 2"), U("نموذج مخازن عربي")}));

  for (int n = 1; n <= 11; ++n) app.drugs()[static_cast<std::size_t>(n)].setOpeningBalance(5);
  menus[0]->menu()->actions()[0]->trigger();
  EXPECT_EQ(interaction.MessageTexts(), (std::vector<std::string>{"لا يمكن الاستيراد علي نسخة عاملة"}));
}

TEST_F(DrugViewsTest, TheSearchListsWhatIsTypedAndAClickPicksTheDrug) {
  app.currentDrugNo = 0;
  drugs::FormDs logic(app);
  ui::FormDsView view(logic);
  view.show();

  EXPECT_EQ(view.windowTitle(), QStringLiteral("Search about drug"));
  EXPECT_EQ(view.findChildren<QPushButton*>().size(), 23);
  QTest::keyClicks(view.searchBox(), QStringLiteral("400"));
  ASSERT_EQ(view.list()->count(), 1);
  EXPECT_EQ(view.list()->item(0)->text(), QStringLiteral("Brufen 400"));

  QTest::mouseClick(Named(view, "CMDL0"), Qt::LeftButton);  // "ا"
  ASSERT_EQ(view.list()->count(), 1);
  EXPECT_EQ(view.list()->item(0)->text(), U("اموكسيسيلين 250"));

  QTest::keyClick(view.searchBox(), Qt::Key_Down);
  EXPECT_EQ(logic.focus(), drugs::FormDs::Focus::List);

  auto* item = view.list()->item(0);
  QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, {},
                    view.list()->visualItemRect(item).center());
  EXPECT_EQ(app.currentDrugNo, 2);
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(DrugViewsTest, APickListHandsTheClickedRowToItsLogic) {
  drugs::FormUnitdesc logic(app);
  ui::PickListView<drugs::FormUnitdesc> view(logic);
  view.show();

  EXPECT_EQ(view.windowTitle(), U("وصف الوحدات"));
  ASSERT_EQ(view.list()->count(), 16);
  auto* item = view.list()->item(3);
  QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, {},
                    view.list()->visualItemRect(item).center());

  EXPECT_EQ(app.dialogResult, "امبولة");
  EXPECT_EQ(view.result(), QDialog::Accepted);

  drugs::FormPharm groups(app);
  ui::PickListView<drugs::FormPharm> groupView(groups);
  EXPECT_EQ(groupView.list()->count(), 82);
}

}  // namespace
