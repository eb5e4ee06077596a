// The recipient pick list, without a window.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dispensing/form_ptnt.h"
#include "tests/dispensing/dispensing_fixture.h"

namespace {

using dispensing::FFFPTNT;
using Names = std::vector<std::string>;

class PickList : public dispensing_test::DispensingFixture {
 protected:
  void Name(std::size_t n, const std::string& name) { ASSERT_TRUE(app.patients()[n].setName(name)); }

  // Records 1..6 (4 free), named as a pharmacy would have them.
  void PutRecipients() {
    Name(1, "محمد احمد علي");
    Name(2, "  احمد محمد  ");
    Name(3, "علي محمد احمد");
    Name(5, "زينب محمود");
    Name(6, "محمد احمد علي");
  }
};

struct TypeCase {
  int type;
  const char* caption;
  int width;
  bool quickButtons;
  bool filledAtOnce;
};

TEST_F(PickList, TheProgramTypeGivesCaptionWidthQuickButtonsAndTheFirstList) {
  PutRecipients();
  for (TypeCase c : {TypeCase{1001, "احتيار مريض", 4890, true, false},
                     TypeCase{1002, "اختيار مريض", 4890, true, false},
                     TypeCase{1003, "اختيار قسم", 3390, false, true},
                     TypeCase{1004, "اختيار مستشفي او وحدة صحية", 3390, false, true}}) {
    SCOPED_TRACE(c.type);
    app.settings().setProgramType(static_cast<std::int16_t>(c.type));
    FFFPTNT list(app);
    EXPECT_EQ(list.caption(), c.caption);
    EXPECT_EQ(list.width(), c.width);
    EXPECT_EQ(list.quickButtonsShown(), c.quickButtons);
    // Every named record in record order, trimmed; or nothing until typed.
    const Names all = {"محمد احمد علي", "احمد محمد", "علي محمد احمد", "زينب محمود",
                       "محمد احمد علي"};
    EXPECT_EQ(list.List1(), c.filledAtOnce ? all : Names{});
  }
}

TEST_F(PickList, OpeningSwitchesToArabicAndForgetsTheLastChoice) {
  app.chosenPatient = 7;
  FFFPTNT list(app);
  EXPECT_EQ(app.chosenPatient, 0);
  EXPECT_EQ(platform.keyboardSwitches, 1);
  EXPECT_FALSE(list.closed());
}

TEST_F(PickList, TypedWordsMatchInTheirOrderAnywhereInTheName) {
  PutRecipients();
  struct Case {
    const char* typed;
    Names listed;
  };
  for (const Case& c :
       {Case{"محمد", {"محمد احمد علي", "احمد محمد", "علي محمد احمد", "محمد احمد علي"}},
        Case{"محمد علي", {"محمد احمد علي", "محمد احمد علي"}},  // محمد, then later علي
        Case{"علي محمد", {"علي محمد احمد"}},
        Case{"  زينب  ", {"زينب محمود"}},
        Case{"حمد  احمد", {"محمد احمد علي", "علي محمد احمد", "محمد احمد علي"}},
        Case{"سعاد", {}},
        Case{"[?#", {}}}) {  // no other wildcard: taken as they are
    SCOPED_TRACE(c.typed);
    FFFPTNT list(app);
    list.SetText1(c.typed);
    EXPECT_EQ(list.Text1(), c.typed);
    EXPECT_EQ(list.List1(), c.listed);
  }
}

TEST_F(PickList, ABlankSearchLeavesTheListAsItIs) {
  PutRecipients();
  FFFPTNT list(app);
  list.SetText1("زينب");
  list.SetText1("   ");
  EXPECT_EQ(list.List1(), Names{"زينب محمود"});
}

TEST_F(PickList, EnterOnTheNumberOfANamedRecordChoosesIt) {
  PutRecipients();
  Name(30000, "اخر مريض");
  struct Case {
    const char* typed;
    std::int32_t chosen;
  };
  for (Case c : {Case{"5", 5}, Case{" 3", 3}, Case{"2abc", 2}, Case{"30000", 30000},
                 Case{"4", 0},  // a free record
                 Case{"0", 0}, Case{"-1", 0}, Case{"30001", 0}, Case{"abc", 0}, Case{"", 0}}) {
    SCOPED_TRACE(c.typed);
    FFFPTNT list(app);
    list.SetText1(c.typed);
    list.EnterInText1();
    EXPECT_EQ(app.chosenPatient, c.chosen);
    EXPECT_EQ(list.closed(), c.chosen != 0);
  }
}

TEST_F(PickList, AnEntryChoosesTheFirstRecordOfItsName) {
  PutRecipients();
  app.settings().setProgramType(1003);
  FFFPTNT list(app);
  list.ChooseEntry(4);  // the second "محمد احمد علي" of the list, record 6
  EXPECT_EQ(app.chosenPatient, 1);
  EXPECT_TRUE(list.closed());

  FFFPTNT again(app);
  again.ChooseEntry(1);
  EXPECT_EQ(app.chosenPatient, 2);  // "احمد محمد", stored with spaces around it

  FFFPTNT outside(app);
  outside.ChooseEntry(9);
  EXPECT_EQ(app.chosenPatient, 0);
  EXPECT_FALSE(outside.closed());
}

TEST_F(PickList, QuickNameButtonsListTheNamesThatContainTheirCaption) {
  PutRecipients();
  FFFPTNT list(app);
  EXPECT_EQ(FFFPTNT::kQuickCaptions[0], "محمد");
  EXPECT_EQ(FFFPTNT::kQuickCaptions[7], "فاطمة");
  EXPECT_EQ(FFFPTNT::kQuickCaptions[8], "");

  list.QuickButton(6);  // زينب
  EXPECT_EQ(list.List1(), Names{"زينب محمود"});
  list.QuickButton(3);  // محمود
  EXPECT_EQ(list.List1(), Names{"زينب محمود"});
  list.QuickButton(4);  // علي
  EXPECT_EQ(list.List1(), (Names{"محمد احمد علي", "علي محمد احمد", "محمد احمد علي"}));
  list.QuickButton(12);  // no caption: the list stays
  list.QuickButton(40);
  EXPECT_EQ(list.List1().size(), 3u);
}

TEST_F(PickList, ChooseRecipientReturnsTheChoiceOrNothing) {
  PutRecipients();
  ui.screens["FFFPTNT"] = [](util::ModalScreen& screen) {
    auto& list = static_cast<FFFPTNT&>(screen);
    list.SetText1("زينب");
    list.ChooseEntry(0);
  };
  EXPECT_EQ(dispensing::ChooseRecipient(app), 5);
  EXPECT_EQ(app.chosenPatient, 5);

  ui.screens["FFFPTNT"] = [](util::ModalScreen& screen) { static_cast<FFFPTNT&>(screen).Close(); };
  EXPECT_EQ(dispensing::ChooseRecipient(app), 0);
  EXPECT_EQ(app.chosenPatient, 0);
}

TEST(MatchesWildcard, StarsStandForAnyRunAndEverythingElseForItself) {
  struct Case {
    const char* text;
    const char* pattern;
    bool matches;
  };
  for (Case c : {Case{"abc", "*", true}, Case{"", "*", true}, Case{"", "", true},
                 Case{"abc", "abc", true}, Case{"abc", "ab", false}, Case{"abc", "*b*", true},
                 Case{"abc", "a*c", true}, Case{"abc", "*c*a*", false}, Case{"aXbXc", "*a*b*c*", true},
                 Case{"aaab", "*aab", true}, Case{"a?c", "*?*", true}, Case{"abc", "*?*", false},
                 Case{"ab", "*a**b*", true}}) {
    EXPECT_EQ(dispensing::MatchesWildcard(c.text, c.pattern), c.matches)
        << c.text << " / " << c.pattern;
  }
}

}  // namespace
