// The views of the recipient screens and the hospital sub-data screen show
// their logic's state and hand the user's actions to it.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMetaObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/app.h"
#include "core/form_hospital_data.h"
#include "core/form_input_box.h"
#include "core/tables.h"
#include "dispensing/form_marid.h"
#include "dispensing/form_marid_edit.h"
#include "dispensing/form_ptnt.h"
#include "tests/support/fakes.h"
#include "ui/form_hospital_data_view.h"
#include "ui/form_marid_edit_view.h"
#include "ui/form_marid_view.h"
#include "ui/form_ptnt_view.h"
#include "util/dates.h"

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Types the text key by key (QTest::keyClicks knows Latin keys only).
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

class RecipientViewTest : public ::testing::Test {
 protected:
  RecipientViewTest() {
    std::filesystem::create_directories(app.DataFolder());
    for (std::size_t n = 1; n <= 4; ++n) {
      EXPECT_TRUE(app.patients()[n].setName(n == 3 ? "زينب محمود" : "محمد " + std::to_string(n)));
    }
    EXPECT_TRUE(core::SavePatients(app));
  }

  template <class T>
  T* Child(QWidget& view, const char* name) {
    T* child = view.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  static void ClickCell(ui::GridView& grid, int gridRow, int col) {
    const QRect cell = grid.visualRect(grid.model()->index(gridRow - 1, col));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  }

  TempFolder temp;
  FakeClock clock{46000.5};
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST_F(RecipientViewTest, PickListSearchesAndChoosesAClickedName) {
  app.settings().setProgramType(1001);
  dispensing::FFFPTNT logic(app);
  ui::FormPtntView view(logic);
  view.show();
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(view.windowTitle(), U("احتيار مريض"));
  EXPECT_EQ(view.list1()->count(), 0);

  Type(view.text1(), U("زينب"));
  ASSERT_EQ(view.list1()->count(), 1);
  EXPECT_EQ(view.list1()->item(0)->text(), U("زينب محمود"));

  QListWidgetItem* item = view.list1()->item(0);
  QTest::mouseClick(view.list1()->viewport(), Qt::LeftButton, {},
                    view.list1()->visualItemRect(item).center());

  EXPECT_EQ(app.chosenPatient, 3);
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(RecipientViewTest, PickListTakesANumberWithEnterAndShowsQuickButtonsWhereWide) {
  app.settings().setProgramType(1002);
  dispensing::FFFPTNT logic(app);
  ui::FormPtntView view(logic);
  view.show();
  ASSERT_EQ(view.quickButtons().size(), 18u);
  EXPECT_TRUE(view.quickButtons()[0]->isVisible());
  EXPECT_EQ(view.quickButtons()[0]->text(), U("محمد"));

  view.quickButtons()[0]->click();
  EXPECT_EQ(view.list1()->count(), 3);

  QTest::keyClicks(view.text1(), QStringLiteral("4"));
  QTest::keyClick(view.text1(), Qt::Key_Return);
  EXPECT_EQ(app.chosenPatient, 4);
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(RecipientViewTest, PickListOfDepartmentsIsFilledAndNarrowAndEscapeChoosesNothing) {
  app.settings().setProgramType(1003);
  app.chosenPatient = 2;
  dispensing::FFFPTNT logic(app);
  ui::FormPtntView view(logic);
  view.show();
  EXPECT_EQ(view.list1()->count(), 4);
  EXPECT_FALSE(view.quickButtons()[0]->isVisible());

  QTest::keyClick(&view, Qt::Key_Escape);

  EXPECT_EQ(view.result(), QDialog::Rejected);
  EXPECT_TRUE(logic.closed());
  EXPECT_EQ(app.chosenPatient, 0);
}

TEST_F(RecipientViewTest, HistoryListsTheChosenRecipientAndTheClickedTicketsDrugs) {
  app.settings().setProgramType(1003);
  app.drugs()[5].setDrugName("باراسيتامول");
  auto& t = app.tickets()[30];
  t.setDrugIndex(1, 5);
  t.setQuantity(1, 3);
  t.setTicketDate(util::MakeDate(2025, 5, 4));
  t.setPatientIndex(3);
  interaction.screens["FFFPTNT"] = [this](util::ModalScreen&) { app.chosenPatient = 3; };
  dispensing::FormMarid logic(app);
  ui::FormMaridView view(logic);
  view.show();
  EXPECT_EQ(view.windowTitle(), U("سجل مسحوبات  قسم"));
  EXPECT_EQ(Child<QLabel>(view, "LLLSelectMaridTitle")->text(), U("اختر قسم"));

  QTest::mouseClick(view.patientLabel(), Qt::LeftButton);

  EXPECT_EQ(view.patientLabel()->text(), U("زينب محمود"));
  ASSERT_EQ(view.tickets()->model()->rowCount(), 1);
  EXPECT_EQ(view.tickets()->model()->index(0, 0).data().toString(), QStringLiteral("30"));

  ClickCell(*view.tickets(), 1, 0);

  EXPECT_EQ(view.drugs()->model()->index(0, 0).data().toString(), U("باراسيتامول"));
  EXPECT_EQ(view.drugs()->model()->index(0, 1).data().toString(), QStringLiteral("3"));
}

TEST_F(RecipientViewTest, EditorShowsTheRecordAndSavesWhatIsTyped) {
  app.settings().setProgramType(1001);
  app.chosenPatient = 2;
  dispensing::FormMaridEdit logic(app);
  ui::FormMaridEditView view(logic);
  view.show();
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(Child<QLabel>(view, "LLLMostashfaOrpatient")->text(), U("اسم المريض"));
  EXPECT_EQ(Child<QLabel>(view, "LLL")->text(), QStringLiteral("2"));
  auto* name = Child<QLineEdit>(view, "TextName");
  EXPECT_EQ(name->text(), U("محمد 2"));

  name->clear();
  Type(name, U("زي"));
  EXPECT_EQ(Child<QLabel>(view, "LLLStatus")->text(), U("   زينب محمود"));
  QTest::keyClicks(Child<QLineEdit>(view, "TextQMony"), QStringLiteral("7"));
  Child<QPushButton>(view, "Command1")->click();

  EXPECT_EQ(app.patients()[2].name(), "زي");
  EXPECT_EQ(app.patients()[2].decisionAmount(), 7);  // typed after the "0" shown
}

TEST_F(RecipientViewTest, EditorForDepartmentsAndItsClicksMenuAndBlink) {
  app.settings().setProgramType(1003);
  dispensing::FormMaridEdit logic(app);
  ui::FormMaridEditView view(logic);
  view.show();
  EXPECT_EQ(Child<QLabel>(view, "LLLMostashfaOrpatient")->text(), U("القسم"));
  EXPECT_EQ(Child<QLabel>(view, "LLLNID")->text(), U("رقم القسم"));

  auto* classy = Child<QLabel>(view, "LLLClassy");
  QTest::mouseClick(classy, Qt::LeftButton);
  EXPECT_EQ(classy->text(), QStringLiteral("Kidny"));

  Child<QPushButton>(view, "Command2")->click();
  EXPECT_EQ(Child<QLabel>(view, "LLL")->text(), QStringLiteral("5"));

  QAction* replace = view.findChild<QAction*>(QStringLiteral("mnuReplace"));
  ASSERT_NE(replace, nullptr);
  replace->trigger();
  EXPECT_EQ(interaction.messages.size(), 2u);  // the explanation and the last visit
  EXPECT_EQ(Child<QLabel>(view, "LLL")->text(), QStringLiteral("2"));

  EXPECT_TRUE(view.blinkTimer().isActive());
  EXPECT_EQ(view.blinkTimer().interval(), 500);
  const util::Colour before = logic.statusColour();
  ASSERT_TRUE(QMetaObject::invokeMethod(&view.blinkTimer(), "timeout"));
  EXPECT_NE(logic.statusColour(), before);
}

TEST_F(RecipientViewTest, HospitalDataEditsARowAndXTakesItBack) {
  app.settings().setProgramType(1004);
  app.drugs()[1].setDrugName("اسبرين");
  app.drugs()[2].setDrugName("انسولين");
  interaction.screens["FFFIB"] = [](util::ModalScreen& screen) {
    auto& box = static_cast<core::FormInputBox&>(screen);
    box.SetUserInput("12");
    box.Ok();
  };
  core::FormHospitaldata logic(app, {[](const core::App&) { return 5; }, nullptr});
  ui::FormHospitalDataView view(logic);
  view.show();
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(Child<QLabel>(view, "LLL")->text(), QStringLiteral("4"));
  EXPECT_EQ(Child<QLineEdit>(view, "TextName")->text(), U("محمد 4"));
  ASSERT_EQ(view.grid()->model()->rowCount(), 2);

  ClickCell(*view.grid(), 2, 2);  // drug 1
  EXPECT_EQ(app.hospitals()[4].monthlyRequirement(1), 12);
  EXPECT_EQ(view.grid()->model()->index(1, 2).data().toString(), QStringLiteral("12"));

  Child<QPushButton>(view, "CmdClose")->click();

  EXPECT_EQ(view.result(), QDialog::Rejected);
  EXPECT_EQ(app.hospitals()[4].monthlyRequirement(1), 0);
}

TEST_F(RecipientViewTest, HospitalDataSaveWritesAndCloses) {
  app.settings().setProgramType(1004);
  app.drugs()[1].setDrugName("اسبرين");
  interaction.screens["FFFIB"] = [](util::ModalScreen& screen) {
    auto& box = static_cast<core::FormInputBox&>(screen);
    box.SetUserInput("30");
    box.Ok();
  };
  core::FormHospitaldata logic(app, {[](const core::App&) { return 3; }, nullptr});
  ui::FormHospitalDataView view(logic);
  view.show();

  ClickCell(*view.grid(), 1, 1);
  Child<QPushButton>(view, "CmdSave")->click();

  EXPECT_EQ(view.result(), QDialog::Accepted);
  storage::HospitalTable file(storage::kMaxHospitals);
  ASSERT_TRUE(file.Load(app.DataFile("hospitals.vlk")));
  EXPECT_EQ(file[2].monthlyRequirement(1), 30);
}

}  // namespace
