// The login window's and the date dialog's views hand their clicks and typed
// texts to their logic and show its state, right to left.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <filesystem>

#include "core/app.h"
#include "core/form_day.h"
#include "core/form_users.h"
#include "core/users.h"
#include "tests/support/fakes.h"
#include "ui/form_day_view.h"
#include "ui/form_users_view.h"
#include "util/dates.h"

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

class UsersViewTest : public ::testing::Test {
 protected:
  UsersViewTest() { std::filesystem::create_directories(app.DataFolder()); }

  TempFolder temp;
  FakeClock clock;
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

class FormUsersViewTest : public UsersViewTest {
 protected:
  // The stored passwords, before the window opens.
  bool SetPasswords() {
    app.settings().setUserPassword(1, core::kDefaultPassword);
    app.settings().setUserPassword(4, 321);
    return true;
  }

  QPushButton* Button(const char* name) {
    return view.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  bool passwordsSet = SetPasswords();
  core::FormUsers logic{app};
  ui::FormUsersView view{logic};
};

TEST_F(FormUsersViewTest, ShowsTheLoginWindowRightToLeft) {
  view.show();

  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  EXPECT_EQ(view.windowTitle(), U("تسجيل الدخول"));
  QStringList labels;
  for (auto* label : view.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains(U("حدد رقم المستخدم")));
  EXPECT_TRUE(labels.contains(U("ادخل كلمة المرور")));
  EXPECT_EQ(view.chosenUserLabel()->text(), QStringLiteral("1"));

  for (int k = 1; k <= 9; ++k) {
    auto* button = view.findChild<QPushButton*>(QStringLiteral("Btn1_%1").arg(k));
    ASSERT_NE(button, nullptr) << k;
    EXPECT_EQ(button->text(), QString::number(k));
  }
  ASSERT_NE(Button("CmdOk"), nullptr);
  EXPECT_EQ(Button("CmdOk")->text(), U("موافق"));

  EXPECT_EQ(view.passwordBox()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(view.passwordBox()->text(), QStringLiteral("8629"));  // user 1's default
}

TEST_F(FormUsersViewTest, AUserButtonThenEnterInThePasswordBoxLogsIn) {
  view.show();

  Button("Btn1_4")->click();
  EXPECT_EQ(view.chosenUserLabel()->text(), QStringLiteral("4"));
  EXPECT_EQ(view.passwordBox()->text(), QString());

  QTest::keyClicks(view.passwordBox(), QStringLiteral("320"));
  QTest::keyClick(view.passwordBox(), Qt::Key_Return);
  EXPECT_EQ(interaction.MessageTexts(), std::vector<std::string>{"Rong password"});
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(app.settings().currentUser(), 0);

  view.passwordBox()->clear();
  QTest::keyClicks(view.passwordBox(), QStringLiteral("321"));
  QTest::keyClick(view.passwordBox(), Qt::Key_Return);

  EXPECT_EQ(app.settings().currentUser(), 4);
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_FALSE(view.isVisible());
  EXPECT_FALSE(app.loginWindowOpen);
}

TEST_F(FormUsersViewTest, OkLogsInWithThePrefilledDefault) {
  view.show();
  Button("CmdOk")->click();
  EXPECT_EQ(app.settings().currentUser(), 1);
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(FormUsersViewTest, EscapeClosesWithoutALogin) {
  view.show();
  ASSERT_TRUE(app.loginWindowOpen);
  QTest::keyClick(&view, Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
  EXPECT_FALSE(app.loginWindowOpen);
  EXPECT_EQ(app.settings().currentUser(), 0);
}

class FormDayViewTest : public UsersViewTest {
 protected:
  void Type(const char* day, const char* month, const char* year) {
    QTest::keyClicks(view.dayBox(), QString::fromLatin1(day));
    QTest::keyClicks(view.monthBox(), QString::fromLatin1(month));
    QTest::keyClicks(view.yearBox(), QString::fromLatin1(year));
  }
  QPushButton* Button(const char* name) {
    return view.findChild<QPushButton*>(QString::fromLatin1(name));
  }

  core::FFFDay logic{app};
  ui::FormDayView view{logic};
};

TEST_F(FormDayViewTest, IsASmallBorderlessRightToLeftDialog) {
  view.show();

  EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  QStringList labels;
  for (auto* label : view.findChildren<QLabel*>()) labels << label->text();
  for (const char* text : {"يوم", "شهر", "سنة", "اجراء"}) EXPECT_TRUE(labels.contains(U(text)));
  ASSERT_NE(Button("CmdOk"), nullptr);
  ASSERT_NE(Button("CmdCancel"), nullptr);
  EXPECT_EQ(Button("CmdOk")->text(), U("موافق"));
  EXPECT_EQ(Button("CmdCancel")->text(), U("الغاء"));
}

TEST_F(FormDayViewTest, EnterWalksTheBoxesAndTheDayOfTheCalendarIsTaken) {
  view.show();
  Type("29", "02", "2024");
  QTest::keyClick(view.dayBox(), Qt::Key_Return);
  EXPECT_EQ(logic.focus(), core::FFFDay::Focus::Month);
  QTest::keyClick(view.monthBox(), Qt::Key_Return);
  EXPECT_EQ(logic.focus(), core::FFFDay::Focus::Year);
  QTest::keyClick(view.yearBox(), Qt::Key_Return);
  EXPECT_EQ(logic.focus(), core::FFFDay::Focus::Ok);

  Button("CmdOk")->click();

  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(app.chosenDay, util::MakeDate(2024, 2, 29));
}

TEST_F(FormDayViewTest, ARolledOverDateKeepsTheDialogOpen) {
  view.show();
  Type("31", "02", "2024");
  Button("CmdOk")->click();

  EXPECT_TRUE(view.isVisible());
  EXPECT_FALSE(logic.closed());
  EXPECT_TRUE(interaction.messages.empty());
  EXPECT_EQ(logic.focus(), core::FFFDay::Focus::Day);
}

TEST_F(FormDayViewTest, CancelAndEscapeAnswerZero) {
  view.show();
  Type("1", "1", "2024");
  Button("CmdCancel")->click();
  EXPECT_EQ(view.result(), QDialog::Rejected);
  EXPECT_TRUE(logic.closed());
  EXPECT_EQ(app.chosenDay, 0);

  core::FFFDay other(app);
  ui::FormDayView otherView(other);
  otherView.show();
  QTest::keyClick(&otherView, Qt::Key_Escape);
  EXPECT_TRUE(other.closed());
  EXPECT_EQ(other.result(), 0);
}

}  // namespace
