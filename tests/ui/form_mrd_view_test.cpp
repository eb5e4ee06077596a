// The supplier dialog's view shows the list and hands its clicks to the
// logic.

#include "ui/form_mrd_view.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>

#include "core/app.h"
#include "receipts/form_mrd.h"
#include "tests/support/fakes.h"

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class FormMrdViewTest : public ::testing::Test {
 protected:
  FormMrdViewTest() {
    std::filesystem::create_directories(app.DataFolder());
    app.suppliers()[1].setName("مخزن الادوية");
    app.suppliers()[2].setName("Pharco");
  }
  QPushButton* ButtonNamed(QWidget& view, const char* name) {
    return view.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  TempFolder temp;
  FakeClock clock;
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST_F(FormMrdViewTest, ShowsTheSuppliersAndTheTallFormAfterEdit) {
  receipts::FormMrd logic(app);
  ui::FormMrdView view(logic);
  view.show();

  ASSERT_EQ(view.list()->count(), 2);
  EXPECT_EQ(view.list()->item(0)->text(), U("مخزن الادوية"));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_FALSE(ButtonNamed(view, "CmdAdd")->isVisible());
  const int shortHeight = view.height();

  QTest::mouseClick(ButtonNamed(view, "CmdEdit"), Qt::LeftButton);

  EXPECT_TRUE(logic.tall());
  EXPECT_TRUE(ButtonNamed(view, "CmdAdd")->isVisible());
  EXPECT_TRUE(ButtonNamed(view, "CmdRename")->isVisible());
  EXPECT_GT(view.height(), shortHeight);
}

TEST_F(FormMrdViewTest, AddShowsTheNewNameAndSendClosesWithTheChoice) {
  receipts::FormMrd logic(app);
  ui::FormMrdView view(logic);
  view.show();
  QTest::mouseClick(ButtonNamed(view, "CmdEdit"), Qt::LeftButton);
  interaction.inputs = {std::string("الشركة المصرية")};

  QTest::mouseClick(ButtonNamed(view, "CmdAdd"), Qt::LeftButton);

  ASSERT_EQ(view.list()->count(), 3);
  EXPECT_EQ(view.list()->item(2)->text(), U("الشركة المصرية"));

  view.list()->setCurrentRow(1);
  QTest::mouseClick(ButtonNamed(view, "CmdSend"), Qt::LeftButton);

  EXPECT_EQ(app.chosenItemNo, 2);
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_FALSE(view.isVisible());
}

}  // namespace
