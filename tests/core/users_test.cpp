// Login, the login window, password changes, the support login, the rights
// checks and the anchor date.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/form_day.h"
#include "core/form_input_box.h"
#include "core/form_msg.h"
#include "core/form_users.h"
#include "core/settings.h"
#include "core/users.h"
#include "storage/data_files.h"
#include "tests/core/core_fixture.h"
#include "util/dates.h"

namespace {

using Texts = std::vector<std::string>;

class Users : public core_test::AppFixture {
 protected:
  Users() { std::filesystem::create_directories(DataFolder()); }

  // The settings record as the file holds it.
  storage::SettingsRecord Stored() const {
    storage::SettingsTable table(1);
    table.Load(app.DataFile(storage::kSettingsFile));
    return table[1];
  }

  void LogIn(std::int16_t user) { app.settings().setCurrentUser(user); }

  // The login window, scripted to choose a user and type a password.
  void ScriptLogin(int user, std::string password) {
    ui.screens[std::string(core::FormUsers::kName)] = [user, password](util::ModalScreen& s) {
      auto& window = static_cast<core::FormUsers&>(s);
      window.ChooseUser(user);
      window.TextPass = password;
      window.Ok();
    };
  }

  // The date dialog, scripted to take a typed date.
  void ScriptDate(std::string day, std::string month, std::string year) {
    ui.screens[std::string(core::FFFDay::kName)] = [=](util::ModalScreen& s) {
      auto& dialog = static_cast<core::FFFDay&>(s);
      dialog.Text1 = day;
      dialog.Text2 = month;
      dialog.Text3 = year;
      dialog.Ok();
    };
  }
};

// --- The login window -------------------------------------------------------

TEST_F(Users, NewInstallationLogsUserThreeInWithAnEmptyPassword) {
  core::FormUsers window(app);
  EXPECT_TRUE(app.loginWindowOpen);
  EXPECT_EQ(window.LLL, "1");
  EXPECT_EQ(window.TextPass, "");

  window.ChooseUser(3);
  EXPECT_EQ(window.LLL, "3");
  EXPECT_TRUE(window.Ok());

  EXPECT_EQ(app.settings().currentUser(), 3);
  EXPECT_TRUE(window.closed());
  EXPECT_FALSE(app.loginWindowOpen);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Users, TheDefaultPasswordIsFilledInForEveryUserStillOnIt) {
  // After a purge every password is the default; user 4 has changed his.
  for (int user = 1; user <= 9; ++user)
    app.settings().setUserPassword(user, core::kDefaultPassword);
  app.settings().setUserPassword(4, 1234);

  core::FormUsers window(app);
  EXPECT_EQ(window.TextPass, "8629");
  for (int user = 1; user <= 9; ++user) {
    window.TextPass = "typed";
    window.ChooseUser(user);
    EXPECT_EQ(window.TextPass, user == 4 ? "" : "8629") << "user " << user;
  }

  window.ChooseUser(7);
  EXPECT_TRUE(window.Ok());
  EXPECT_EQ(app.settings().currentUser(), 7);
}

TEST_F(Users, ThePasswordBoxCountsByItsLeadingNumber) {
  struct Case {
    std::int16_t stored;
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {
      {12, "0012", true}, {12, "12abc", true}, {12, " 12", true},
      {12, "13", false},  {12, "", false},     {0, "", true},
      {0, "abc", true},   {0, "1", false},     {30000, "30000", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("typed '") + c.typed + "'");
    ui.messages.clear();
    LogIn(core::kNobody);
    app.settings().setUserPassword(6, c.stored);
    core::FormUsers window(app);
    window.ChooseUser(6);
    window.TextPass = c.typed;

    EXPECT_EQ(window.Ok(), c.accepted);

    EXPECT_EQ(app.settings().currentUser(), c.accepted ? 6 : 0);
    EXPECT_EQ(window.closed(), c.accepted);
    EXPECT_EQ(app.loginWindowOpen, !c.accepted);
    EXPECT_EQ(ui.MessageTexts(), c.accepted ? Texts{} : Texts{"Rong password"});
  }
}

TEST_F(Users, OkWithoutAChosenUserAsksForOne) {
  core::FormUsers window(app);
  window.LLL = "";
  EXPECT_FALSE(window.Ok());
  EXPECT_EQ(ui.MessageTexts(), Texts{"Choose User Id"});
  EXPECT_FALSE(window.closed());
  EXPECT_EQ(app.settings().currentUser(), 0);
}

TEST_F(Users, ClosingTheWindowWithoutALoginClearsTheOpenFlag) {
  {
    core::FormUsers window(app);
    window.Close();
    EXPECT_FALSE(app.loginWindowOpen);
  }
  EXPECT_FALSE(app.loginWindowOpen);
  EXPECT_EQ(app.settings().currentUser(), 0);
}

// --- Login request, login button, rights --------------------------------------

TEST_F(Users, TheLoginRequestShowsTheLoginWindow) {
  app.settings().setUserPassword(4, 55);
  ScriptLogin(4, "55");

  EXPECT_TRUE(core::LoginRequest(app));

  EXPECT_EQ(ui.modalScreens, Texts{"FormUsers"});
  EXPECT_EQ(app.settings().currentUser(), 4);
  EXPECT_FALSE(app.loginWindowOpen);
}

TEST_F(Users, ASecondLoginRequestWhileTheWindowIsOpenDoesNothing) {
  bool nested = true;
  ui.screens["FormUsers"] = [&](util::ModalScreen&) {
    EXPECT_TRUE(app.loginWindowOpen);
    nested = core::LoginRequest(app);
  };  // then closed without a login

  EXPECT_FALSE(core::LoginRequest(app));

  EXPECT_FALSE(nested);
  EXPECT_EQ(ui.modalScreens, Texts{"FormUsers"});
  EXPECT_FALSE(app.loginWindowOpen);
  EXPECT_EQ(app.settings().currentUser(), 0);
}

TEST_F(Users, TheLoginRequestDoesNothingWhileSomebodyIsLoggedIn) {
  LogIn(2);
  EXPECT_TRUE(core::LoginRequest(app));
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_EQ(app.settings().currentUser(), 2);
}

TEST_F(Users, TheLoginButtonLogsOutFirst) {
  LogIn(core::kTechnicalSupport);
  core::LoginButton(app);  // the window closed without a login
  EXPECT_EQ(app.settings().currentUser(), 0);
  EXPECT_EQ(ui.modalScreens, Texts{"FormUsers"});

  LogIn(5);
  ScriptLogin(8, "");
  core::LoginButton(app);
  EXPECT_EQ(app.settings().currentUser(), 8);
}

TEST_F(Users, RequireLoginRefusesNobodyOnly) {
  EXPECT_FALSE(core::RequireLogin(app));
  EXPECT_EQ(ui.MessageTexts(), Texts{"لم تقم باختيار حساب الدخول"});

  for (std::int16_t user : {1, 9, 88}) {
    LogIn(user);
    EXPECT_TRUE(core::RequireLogin(app)) << user;
  }
  EXPECT_EQ(ui.messages.size(), 1u);
}

// --- Change password --------------------------------------------------------

TEST_F(Users, ANewPasswordMustLieFrom1To30000) {
  struct Case {
    const char* typed;
    std::int16_t stored;  // 0: refused
    const char* message;
  };
  const Case cases[] = {
      {"0", 0, "Must be between 1 and 30000"},       {"30001", 0, "Must be between 1 and 30000"},
      {"-4", 0, "Must be between 1 and 30000"},      {"", 0, "Must be between 1 and 30000"},
      {"30000", 30000, "Your Password is    30000"}, {"1", 1, "Your Password is    1"},
      {"0042x", 42, "Your Password is    42"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("new password '") + c.typed + "'");
    ui.messages.clear();
    ui.prompts.clear();
    app.settings().setUserPassword(2, 77);
    ASSERT_TRUE(app.Report(core::SaveSettings(app)));
    LogIn(2);
    ui.inputs = {"77", c.typed};

    core::ChangePassword(app);

    EXPECT_EQ(ui.prompts, (Texts{"ادخل كلمة المرور الحالية", "ادخل كلمة المرور الجديدة"}));
    EXPECT_EQ(ui.MessageTexts(), Texts{c.message});
    const std::int16_t expected = c.stored != 0 ? c.stored : 77;
    EXPECT_EQ(app.settings().userPassword(2), expected);
    EXPECT_EQ(Stored().userPassword(2), expected);
  }
}

TEST_F(Users, AWrongCurrentPasswordStopsTheChange) {
  app.settings().setUserPassword(3, 500);
  LogIn(3);
  ui.inputs = {"501", "900"};

  core::ChangePassword(app);

  EXPECT_EQ(ui.prompts, Texts{"ادخل كلمة المرور الحالية"});
  EXPECT_EQ(ui.MessageTexts(), Texts{"كلمة المرور غير صحيحة"});
  EXPECT_EQ(app.settings().userPassword(3), 500);
}

TEST_F(Users, ChangingThePasswordNeedsANumberedUser) {
  core::ChangePassword(app);
  LogIn(core::kTechnicalSupport);
  core::ChangePassword(app);

  EXPECT_TRUE(ui.prompts.empty());
  EXPECT_EQ(ui.MessageTexts(),
            (Texts{"لم تقم باختيار حساب الدخول", std::string(core::kSupportHasNoPassword)}));
  for (int user = 1; user <= 9; ++user) EXPECT_EQ(app.settings().userPassword(user), 0);
}

TEST_F(Users, CancellingEitherQuestionChangesNothing) {
  LogIn(1);
  ui.inputs = {std::nullopt};
  core::ChangePassword(app);
  ui.inputs = {"", std::nullopt};
  core::ChangePassword(app);

  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(app.settings().userPassword(1), 0);
}

// --- Technical-support login -------------------------------------------------

TEST_F(Users, TheChallengeIsFiveDigitsInTheirRanges) {
  for (double now : {46000.5, 46001.25, 45123.123456, 47000.999, 1.0}) {
    clock.Set(now);
    const std::string code = core::SupportChallenge(clock);
    SCOPED_TRACE(code);
    ASSERT_EQ(code.size(), 5u);
    ASSERT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }));
    const int first = std::stoi(code.substr(0, 3));
    EXPECT_GE(first, 400);
    EXPECT_LE(first, 999);
    EXPECT_GE(code[3], '4');
    EXPECT_LE(code[3], '9');
    EXPECT_GE(code[4], '1');
    EXPECT_LE(code[4], '3');
  }
}

TEST_F(Users, TheSupportAnswerFollowsTheMaintainersNote) {
  // The worked examples support staff are given: a change of the constants
  // must change their note too.
  EXPECT_EQ(core::SupportAnswer("50071"), 3792);
  EXPECT_EQ(core::SupportAnswer("99942"), 1675);
  EXPECT_EQ(core::SupportAnswer("40093"), core::SupportAnswer("77793"));
}

class SupportLogin : public Users {
 protected:
  SupportLogin() {
    clock.Set(45678.4321);
    code = core::SupportChallenge(clock);
    answer = std::to_string(core::SupportAnswer(code));
  }

  // The input dialog: remembers its title and types the given answer.
  void Answer(std::string answer) {
    ui.screens["FFFIB"] = [this, answer](util::ModalScreen& s) {
      auto& box = static_cast<core::FormInputBox&>(s);
      title = box.title();
      box.SetUserInput(answer);
      box.Ok();
    };
  }

  std::string code;
  std::string answer;
  std::string title;
};

TEST_F(SupportLogin, TheRightAnswerLogsTechnicalSupportIn) {
  LogIn(3);
  Answer(answer);

  core::SupportLogin(app);

  EXPECT_EQ(ui.modalScreens, Texts{"FFFIB"});
  EXPECT_TRUE(title.ends_with(code)) << title;
  EXPECT_NE(title.find("الدعم الفني"), std::string::npos);
  EXPECT_EQ(ui.MessageTexts(), Texts{"تم الدخول  بحساب الدعم الفني"});
  EXPECT_EQ(app.settings().currentUser(), 88);
  EXPECT_EQ(app.dialogResult, "");
}

TEST_F(SupportLogin, AnyOtherAnswerChangesNothing) {
  for (const std::string& typed :
       {std::to_string(core::SupportAnswer(code) + 1), std::string(), code, std::string("x")}) {
    SCOPED_TRACE(typed);
    LogIn(3);
    Answer(typed);
    core::SupportLogin(app);
    EXPECT_EQ(app.settings().currentUser(), 3);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.dialogResult, "");
  }
  ui.screens.erase("FFFIB");  // closed without an answer
  core::SupportLogin(app);
  EXPECT_EQ(app.settings().currentUser(), 3);
}

TEST_F(SupportLogin, TheCodeAndAnswerAppearOnlyInTheChallengeDialog) {
  Answer(answer);
  core::SupportLogin(app);
  ASSERT_EQ(app.settings().currentUser(), 88);
  for (const auto& shown : ui.messages) {
    EXPECT_EQ(shown.text.find(code), std::string::npos);
    EXPECT_EQ(shown.text.find(answer), std::string::npos);
    EXPECT_EQ(shown.title.find(code), std::string::npos);
  }
  EXPECT_TRUE(ui.prompts.empty());
  EXPECT_TRUE(ui.questions.empty());
}

// --- Anchor date -------------------------------------------------------------

TEST_F(Users, ShowAnchorDateShowsTheDayOrNone) {
  core::ShowAnchorDate(app);
  app.settings().setAnchorDate(util::MakeDate(2024, 3, 5));
  core::ShowAnchorDate(app);
  EXPECT_EQ(ui.MessageTexts(), (Texts{"تاريخ الارتكاز: لا يوجد", "تاريخ الارتكاز: 05-03-2024"}));
}

TEST_F(Users, OnlyUserOneSetsTheAnchorDate) {
  int asked = 0;
  for (std::int16_t user : {0, 2, 9, 88}) {
    LogIn(user);
    core::SetAnchorDate(app, [&](util::OleDate) {
      ++asked;
      return core::OpenTickets{};
    });
  }
  EXPECT_EQ(ui.MessageTexts(), Texts(4, "هذه الخاصية من صلاحيات المستخدم الاول فقط"));
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(app.settings().anchorDate(), 0);
}

TEST_F(Users, OpenTicketsOfEarlierDaysBlockTheAnchorDateUntilSaved) {
  LogIn(1);
  ScriptDate("10", "3", "2024");
  const util::OleDate chosen = util::MakeDate(2024, 3, 10);
  // An open ticket of 02-03-2024, until it is saved.
  core::OpenTickets open{1, "تذكرة رقم 17 بتاريخ 02-03-2024"};
  std::vector<util::OleDate> askedFor;
  auto openTicketsBefore = [&](util::OleDate day) {
    askedFor.push_back(day);
    return open;
  };

  core::SetAnchorDate(app, openTicketsBefore);

  EXPECT_EQ(ui.MessageTexts(), (Texts{"لديك عدد من التذاكر غير محفوظة برجاء حفظها اولا",
                                      "تذكرة رقم 17 بتاريخ 02-03-2024"}));
  EXPECT_EQ(app.settings().anchorDate(), 0);
  EXPECT_EQ(Stored().anchorDate(), 0);

  open = {};  // the ticket was saved
  ui.messages.clear();
  core::SetAnchorDate(app, openTicketsBefore);

  EXPECT_EQ(askedFor, (std::vector<util::OleDate>{chosen, chosen}));
  EXPECT_EQ(ui.MessageTexts(), Texts{"now you can not edit your data before   10-03-2024"});
  EXPECT_EQ(app.settings().anchorDate(), chosen);
  EXPECT_EQ(Stored().anchorDate(), chosen);  // written at once
}

TEST_F(Users, ACancelledDateLeavesTheAnchorDate) {
  LogIn(1);
  app.settings().setAnchorDate(util::MakeDate(2023, 1, 1));
  bool asked = false;
  core::SetAnchorDate(app, [&](util::OleDate) {
    asked = true;
    return core::OpenTickets{};
  });  // the date dialog closed untouched
  EXPECT_EQ(ui.modalScreens, Texts{"FFFDay"});
  EXPECT_FALSE(asked);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(app.settings().anchorDate(), util::MakeDate(2023, 1, 1));
}

TEST_F(Users, AFailedWriteOfTheAnchorDateIsReported) {
  std::filesystem::remove_all(DataFolder());
  LogIn(1);
  ScriptDate("1", "2", "2025");

  core::SetAnchorDate(app, [](util::OleDate) { return core::OpenTickets{}; });

  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_FALSE(ui.messages[0].text.empty());
  EXPECT_EQ(ui.messages[1].text, "now you can not edit your data before   01-02-2025");
  EXPECT_EQ(app.settings().anchorDate(), util::MakeDate(2025, 2, 1));
}

TEST_F(Users, TheExplanationGoesToTheTextWindow) {
  std::string title;
  std::string body;
  ui.screens["FFFMSG"] = [&](util::ModalScreen& s) {
    auto& window = static_cast<core::FormMsg&>(s);
    title = window.title();
    body = window.body();
  };
  core::ExplainAnchorDate(app);
  EXPECT_EQ(title, "تعريف تاريخ الارتكاز");
  EXPECT_EQ(body, "هو تاريخ لا يمكنك تغيير  او تعديل اي تذكرة قبله وذلك حفاظا علي سلامة البيانات");
}

TEST_F(Users, AskDateLeavesTheChosenDayInTheSharedSlot) {
  ScriptDate("29", "02", "2024");
  EXPECT_EQ(core::AskDate(app), util::MakeDate(2024, 2, 29));
  EXPECT_EQ(app.chosenDay, util::MakeDate(2024, 2, 29));

  ui.screens.erase("FFFDay");  // closed untouched
  EXPECT_EQ(core::AskDate(app), 0);
  EXPECT_EQ(app.chosenDay, 0);
}

}  // namespace
