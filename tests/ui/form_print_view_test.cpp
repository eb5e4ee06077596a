// The printer choice view shows its logic's state and hands its clicks to it.

#include "ui/form_print_view.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/app.h"
#include "tests/support/fakes.h"
#include "util/recording_print_device.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class FormPrintViewTest : public ::testing::Test {
 protected:
  bool StoreSettings() {
    std::filesystem::create_directories(app.DataFolder());
    app.settings().setPrinterName("Office");
    app.settings().setPrintLeft(2.5f);
    app.settings().setPrintPages(0);
    return true;
  }

  testing_support::TempFolder temp;
  testing_support::FakeClock clock;
  testing_support::FakePlatform platform{temp.path()};
  testing_support::ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
  bool stored = StoreSettings();
  util::RecordingPrintDevice device{{"PDF", "Office"}};
  core::FFFPrint logic{app, device};
  ui::FormPrintView view{logic};

  QLineEdit* Box(const char* name) { return view.findChild<QLineEdit*>(U(name)); }
  QPushButton* ButtonNamed(const char* name) { return view.findChild<QPushButton*>(U(name)); }
};

TEST_F(FormPrintViewTest, ShowsThePrintersAndTheStoredValuesRightToLeft) {
  EXPECT_EQ(view.windowTitle(), U("Select Printer"));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  ASSERT_EQ(view.list()->count(), 2);
  EXPECT_EQ(view.list()->item(1)->text(), U("Office"));
  EXPECT_EQ(view.list()->currentRow(), 1);
  EXPECT_EQ(Box("TextLeft")->text(), U("2.5"));
  EXPECT_EQ(Box("TextTop")->text(), U("0"));
  EXPECT_EQ(Box("TttPageCount")->text(), U("1"));
}

TEST_F(FormPrintViewTest, OkStoresWhatWasChosenAndTyped) {
  view.show();
  view.list()->setCurrentRow(0);
  Box("TttPageCount")->clear();
  QTest::keyClicks(Box("TttPageCount"), U("4"));
  QTest::mouseClick(ButtonNamed("CmdOk"), Qt::LeftButton);

  EXPECT_EQ(app.dialogResult, "ok");
  EXPECT_EQ(device.DeviceName(), "PDF");
  EXPECT_EQ(app.settings().printerName(), "PDF");
  EXPECT_EQ(app.settings().printPages(), 4);
  EXPECT_TRUE(std::filesystem::exists(app.DataFile("PIOP.vlk")));
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(FormPrintViewTest, EnterInTheListIsOk) {
  view.show();
  view.list()->setFocus();
  QTest::keyClick(view.list(), Qt::Key_Return);
  EXPECT_EQ(app.dialogResult, "ok");
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(FormPrintViewTest, CancelAndEscapeLeaveTheirResults) {
  view.show();
  QTest::mouseClick(ButtonNamed("CmdCancel"), Qt::LeftButton);
  EXPECT_EQ(app.dialogResult, "16711935");
  EXPECT_FALSE(view.isVisible());

  core::FFFPrint again(app, device);
  ui::FormPrintView second(again);
  second.show();
  QTest::keyClick(&second, Qt::Key_Escape);
  EXPECT_EQ(app.dialogResult, "0");
  EXPECT_FALSE(std::filesystem::exists(app.DataFile("PIOP.vlk")));
}

}  // namespace
