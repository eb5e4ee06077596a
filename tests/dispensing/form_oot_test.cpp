// The ticket screen without a window: every control as data, every action as
// a call, the messages and the dialogs through the scripted interaction.

#include "dispensing/form_oot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/form_day.h"
#include "core/form_msg.h"
#include "core/form_print.h"
#include "core/settings.h"
#include "core/tables.h"
#include "dispensing/form_marid_edit.h"
#include "dispensing/form_ptnt.h"
#include "dispensing/ticket_claim.h"
#include "dispensing/ticket_table.h"
#include "drugs/form_ds.h"
#include "tests/dispensing/dispensing_fixture.h"
#include "util/dates.h"
#include "util/recording_print_device.h"

namespace {

using dispensing::FormOot;
using dispensing_test::DispensingFixture;
using util::Answer;
using Texts = std::vector<std::string>;

constexpr std::int16_t kAmoxil = 5;
constexpr std::int16_t kAmoclav = 6;
constexpr std::int16_t kPanadol = 7;

class FormOotTest : public DispensingFixture {
 protected:
  FormOotTest() {
    // The hourly recomputation has just run.
    app.lastBalanceRecompute = clock.Now();
    PutDrug(kAmoxil, "AMOXIL 500", 10, 2.5F, 10).setNormalOut(2);
    app.drugs()[kAmoxil].setShortCode("AMX");
    PutDrug(kAmoclav, "AMOCLAV", 3, 4.0F).setNormalOut(1);
    PutDrug(kPanadol, "PANADOL", 100, 1.0F).setNormalOut(3);
    app.drugs()[kPanadol].setShortCode("PND");
  }

  storage::TicketRecord& T(std::int32_t n) { return app.tickets()[static_cast<std::size_t>(n)]; }

  void ScriptDate(std::optional<util::OleDate> day) {
    ui.screens[std::string(core::FFFDay::kName)] = [day](util::ModalScreen& screen) {
      auto& dialog = static_cast<core::FFFDay&>(screen);
      if (!day) {
        dialog.Cancel();
        return;
      }
      const util::CivilDateTime c = util::ToCivil(*day);
      dialog.Text1 = std::to_string(c.day);
      dialog.Text2 = std::to_string(c.month);
      dialog.Text3 = std::to_string(c.year);
      dialog.Ok();
    };
  }

  // The pick list answers with the recipient of that number; 0 closes it.
  void ScriptRecipient(std::int32_t patient) {
    ui.screens[std::string(dispensing::FFFPTNT::kName)] = [patient](util::ModalScreen& screen) {
      auto& list = static_cast<dispensing::FFFPTNT&>(screen);
      if (patient == 0) {
        list.Close();
        return;
      }
      list.SetText1(std::to_string(patient));
      list.EnterInText1();
    };
  }

  void PutPatient(std::size_t n, const std::string& name, double decision, std::int32_t amount,
                  double start, std::int32_t days, std::int32_t classification) {
    auto& p = app.patients()[n];
    ASSERT_TRUE(p.setName(name));
    p.setDecisionNumber(decision);
    p.setDecisionAmount(amount);
    p.setDecisionStart(start);
    p.setDecisionDays(days);
    p.setClassification(classification);
    // The recipient screens read the table again from its file.
    ASSERT_TRUE(core::SavePatients(app));
  }

  std::vector<std::string> Messages() const { return ui.MessageTexts(); }
};

// ---------------------------------------------------------------------------
// Opening and ShowPage

TEST_F(FormOotTest, OpensOnTheLastUsedTicketAndOnTicketOneWhenNoneIsUsed) {
  {
    FormOot form(app);
    EXPECT_EQ(form.shown(), 1);
    EXPECT_EQ(form.LLL(), "1");
  }
  PutTicket(1, kToday, {{kAmoxil, 1}});
  PutTicket(2, kToday, {{kAmoxil, 1}});
  FormOot form(app);
  EXPECT_EQ(form.shown(), 2);
  EXPECT_EQ(form.Xxx().Rows(), 31);
  EXPECT_EQ(form.Xxx().Text(0, 0), "اجمالي");
  EXPECT_EQ(form.Xxx().Text(0, 6), "رقم");
  EXPECT_EQ(form.Combo1List(), (Texts{"AMOCLAV", "AMOXIL 500", "PANADOL"}));
}

TEST_F(FormOotTest, ShowPageFillsTheLinesTheDatesAndTheDecisionPanel) {
  PutPatient(4, "محمد علي", 777, 500, kToday - 10, 60, 0);
  auto& t = PutTicket(1, kToday + 0.5, {{kAmoxil, 4}, {kPanadol, 3}});
  t.setPatientIndex(4);
  t.setDecisionNumber(777);
  t.setDecisionAmount(500);
  t.setDecisionStart(static_cast<std::int32_t>(kToday) - 10);
  t.setDecisionDays(60);
  t.setUserNumber(9);
  FormOot form(app);
  const util::Grid& g = form.Xxx();
  // AMOXIL: 2.5 x 4 = 10, 7% = 0.7, fee 10% = 1.
  EXPECT_EQ(g.Text(1, 6), "5");
  EXPECT_EQ(g.Text(1, 5), "AMOXIL 500");
  EXPECT_EQ(g.Text(1, 4), "4");
  EXPECT_EQ(g.Text(1, 3), "2.5");
  EXPECT_EQ(g.Text(1, 2), "0.7");
  EXPECT_EQ(g.Text(1, 1), "1");
  EXPECT_EQ(g.Text(1, 0), "11.7");
  EXPECT_EQ(g.Text(2, 5), "PANADOL");
  EXPECT_EQ(g.Text(3, 6), "");
  EXPECT_EQ(form.LLLDate(), "2025-12-09   12:00:00");
  EXPECT_EQ(form.CCCDay(), util::DayName(kToday));
  EXPECT_EQ(form.LLLUserId(), "9");
  EXPECT_EQ(form.LLLMarid(), "محمد علي");
  EXPECT_EQ(form.LLLAge(), "60");
  EXPECT_EQ(form.Command7(), FormOot::kSaveCaption);
  EXPECT_EQ(form.LLLQARAR(), "777");
  EXPECT_EQ(form.LLLQValue(), "500");
  EXPECT_EQ(form.LLLQDate(), util::FormatDayMonthYear(kToday - 10));
  EXPECT_EQ(form.LLLQPeriod(), "50");
  EXPECT_EQ(form.LLLClassy(), "General");
  EXPECT_EQ(form.BtnMonthlyfat(), "1");
  EXPECT_TRUE(form.entriesEnabled());
  EXPECT_EQ(form.entryColour(), FormOot::kOpenEntryColour);

  // Without a decision the start and the days left stay blank (the age
  // still shows).
  t.setDecisionStart(0);
  t.setDecisionDays(35);
  form.ShowPage(1);
  EXPECT_EQ(form.LLLQDate(), "");
  EXPECT_EQ(form.LLLQPeriod(), "");
  EXPECT_EQ(form.LLLAge(), "35");
}

TEST_F(FormOotTest, ASavedTicketDisablesTheEntries) {
  PutTicket(1, kToday, {{kAmoxil, 1}}, -1);
  FormOot form(app);
  EXPECT_EQ(form.Command7(), FormOot::kUnsaveCaption);
  EXPECT_FALSE(form.entriesEnabled());
  EXPECT_EQ(form.entryColour(), util::Rgb(100, 200, 120));
  // Enter then belongs to New; after New the number box has it again.
  EXPECT_EQ(form.focus(), FormOot::Focus::Command3);
  form.NewTicket();
  EXPECT_EQ(form.focus(), FormOot::Focus::Text1);
}

TEST_F(FormOotTest, ARecipientServedLessThanThirtyDaysAgoIsShownOnRed) {
  struct Case {
    double daysAgo;
    util::Colour colour;
  };
  for (const Case c : {Case{10, FormOot::kTooEarlyColour}, Case{45, FormOot::kRecipientColour}}) {
    SCOPED_TRACE(c.daysAgo);
    PutTicket(1, kToday - c.daysAgo, {{kAmoxil, 1}}, -1).setPatientIndex(4);
    PutTicket(2, kToday - 50, {{kAmoxil, 1}}, -1).setPatientIndex(8);
    PutTicket(3, kToday, {{kAmoxil, 1}}).setPatientIndex(4);
    FormOot form(app);
    EXPECT_EQ(form.shown(), 3);
    EXPECT_EQ(dispensing::LatestSarfia(app, 3), kToday - c.daysAgo);
    EXPECT_EQ(form.LLLMaridColour(), c.colour);
  }
  // The first ticket of a recipient has no earlier one.
  EXPECT_EQ(dispensing::LatestSarfia(app, 1), 0);
}

TEST_F(FormOotTest, EachProgramTypeShapesTheScreen) {
  struct Case {
    std::int16_t type;
    std::string_view title;
    bool panel;
    std::vector<int> widths;
    int height;
  };
  const Case cases[] = {
      {core::kStateExpense, "المريض", true, {1250, 1260, 1180, 1110, 1100, 4000, 960}, 4605},
      {core::kOutpatient, "المريض", false, {0, 0, 0, 0, 2385, 7050, 1495}, 5445},
      {core::kHospitalStore, "القسم", false, {0, 0, 0, 0, 2385, 7050, 1495}, 5445},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    app.settings().setProgramType(c.type);
    FormOot form(app);
    EXPECT_EQ(form.LLLMaridTitle(), c.title);
    EXPECT_EQ(form.PPPNafaqaVisible(), c.panel);
    for (int col = 0; col < 7; ++col) EXPECT_EQ(form.Xxx().ColWidth(col), c.widths[col]) << col;
    EXPECT_EQ(form.Xxx().Height(), c.height);
  }
}

// ---------------------------------------------------------------------------
// Entering a drug

TEST_F(FormOotTest, ANumberFillsTheNameTheUsualQuantityAndTheBalance) {
  FormOot form(app);
  form.SetText1("5");
  EXPECT_EQ(form.Combo1, app.drugs()[kAmoxil].drugName());
  EXPECT_EQ(form.Text2, "2");
  EXPECT_EQ(form.TextRasid, "10");
  // The name shown lists itself on the names' line, as a typed name does.
  EXPECT_EQ(form.LLLStatus(), "      AMOXIL 500");
  form.EnterInText1();
  EXPECT_EQ(form.focus(), FormOot::Focus::Text2);
  EXPECT_TRUE(form.focusTextSelected());

  // Not a drug number: nothing is filled; Enter goes on to the name box.
  form.Combo1.clear();
  form.SetText1("1501");
  EXPECT_EQ(form.Combo1, "");
  form.SetText1("abc");
  form.EnterInText1();
  EXPECT_EQ(form.focus(), FormOot::Focus::Combo1);
}

TEST_F(FormOotTest, AStarAndACodeFindTheDrugByItsCode) {
  FormOot form(app);
  form.SetText1("*PND ");
  form.EnterInText1();
  EXPECT_EQ(form.Combo1, app.drugs()[kPanadol].drugName());
  EXPECT_EQ(form.Text2, "3");
  EXPECT_EQ(form.TextRasid, "100");
  EXPECT_EQ(form.focus(), FormOot::Focus::Text2);
  EXPECT_TRUE(form.focusTextSelected());

  FormOot other(app);
  other.SetText1("*XYZ");
  other.EnterInText1();
  EXPECT_EQ(other.Combo1, "");
  EXPECT_EQ(other.focus(), FormOot::Focus::Text1);
}

TEST_F(FormOotTest, TypingANameListsTheDrugsStartingWithIt) {
  FormOot form(app);
  form.SetCombo1("AMO");
  EXPECT_EQ(form.LLLStatus(), "      AMOXIL 500      AMOCLAV");
  form.SetCombo1("");
  EXPECT_EQ(form.LLLStatus(), "");
  // At most 130 characters.
  for (std::size_t n = 20; n < 40; ++n) PutDrug(n, "AMOXICILLIN " + std::to_string(n), 1);
  form.SetCombo1("AMOXI");
  EXPECT_EQ(form.LLLStatus().size(), FormOot::kStatusLength);
}

TEST_F(FormOotTest, PickingANameFillsQuantityAndBalanceAndEnterAddsIt) {
  FormOot form(app);
  form.PickCombo1("PANADOL");
  EXPECT_EQ(form.Text2, "3");
  EXPECT_EQ(form.TextRasid, "100");
  form.EnterInCombo1();
  EXPECT_EQ(form.focus(), FormOot::Focus::Text2);
  form.Text2 = "0";
  form.EnterInText2();
  EXPECT_EQ(T(1).drugIndex(1), 0);
  form.Text2 = "3";
  form.EnterInText2();
  EXPECT_EQ(T(1).drugIndex(1), kPanadol);
  EXPECT_EQ(T(1).quantity(1), 3);
  EXPECT_EQ(form.Text1, "");
  EXPECT_EQ(form.Combo1, "");
  EXPECT_EQ(form.Text2, "");
  EXPECT_EQ(form.TextRasid, "");
  EXPECT_EQ(form.focus(), FormOot::Focus::Text1);
}

TEST_F(FormOotTest, F4OpensThePickListForATicketNotSaved) {
  ui.screens[std::string(drugs::FormDs::kName)] = [this](util::ModalScreen&) {
    app.currentDrugNo = kAmoclav;
  };
  FormOot form(app);
  form.PickDrugFromList();
  EXPECT_EQ(form.Combo1, "AMOCLAV");
  EXPECT_EQ(form.Text1, "6");
  EXPECT_EQ(form.Text2, "1");
  EXPECT_EQ(form.TextRasid, "3");

  PutTicket(1, kToday, {{kAmoxil, 1}}, -1);
  FormOot saved(app);
  ui.modalScreens.clear();
  saved.PickDrugFromList();
  EXPECT_TRUE(ui.modalScreens.empty());
}

// ---------------------------------------------------------------------------
// Add

TEST_F(FormOotTest, AddStoresTheLineDatesTheTicketAndWritesIt) {
  FormOot form(app);
  form.Combo1 = "AMOXIL 500";
  form.Text2 = "4";
  form.Add();
  EXPECT_EQ(T(1).drugIndex(1), kAmoxil);
  EXPECT_EQ(T(1).quantity(1), 4);
  EXPECT_EQ(T(1).state(), 1);
  EXPECT_EQ(T(1).ticketDate(), clock.Now());
  EXPECT_EQ(TicketInFile(1).drugIndex(1), kAmoxil);
  EXPECT_EQ(form.Xxx().Text(1, 5), "AMOXIL 500");

  // A later line keeps the date; the same drug again keeps one line with
  // the second quantity.
  clock.Advance(0.01);
  form.Combo1 = "PANADOL";
  form.Text2 = "2";
  form.Add();
  form.Combo1 = "AMOXIL 500";
  form.Text2 = "7";
  form.Add();
  EXPECT_EQ(T(1).ticketDate(), kToday + 0.5);
  EXPECT_EQ(dispensing::LineCount(app, 1), 2);
  EXPECT_EQ(T(1).quantity(1), 7);
  EXPECT_EQ(T(1).quantity(2), 2);
  // The entries are ready for the next drug, the names' line empty.
  EXPECT_EQ(form.Combo1, "");
  EXPECT_EQ(form.LLLStatus(), "");
}

TEST_F(FormOotTest, AddRefusesEachFailedCheckInItsOrder) {
  struct Case {
    std::string name;
    std::string drug;
    std::string quantity;
    std::int16_t state;   // of ticket 1
    std::int32_t count;   // TicketCount
    int lines;            // lines already on ticket 1 (drugs 100..)
    FormOot::Focus focus;
    std::string text1;    // the number box afterwards
  };
  const Case cases[] = {
      {"no quantity", "AMOXIL 500", "0", 1, 20000, 1, FormOot::Focus::Text2, "x"},
      {"quantity below 1", "AMOXIL 500", "-2", 1, 20000, 1, FormOot::Focus::Text2, "x"},
      {"a text for a quantity", "AMOXIL 500", "abc", 1, 20000, 1, FormOot::Focus::Text2, "x"},
      {"ticket above the ticket count", "AMOXIL 500", "1", 1, 0, 1, FormOot::Focus::Text1, "x"},
      {"saved ticket", "AMOXIL 500", "1", -1, 20000, 1, FormOot::Focus::Command3, "x"},
      {"unknown name", "ASPIRIN", "1", 1, 20000, 1, FormOot::Focus::Text1, ""},
      {"thirty lines", "AMOXIL 500", "1", 1, 20000, 30, FormOot::Focus::Text1, "x"},
      {"balance short", "AMOCLAV", "4", 1, 20000, 1, FormOot::Focus::Text1, "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutDrug(100, "BIG STOCK", 1000);
    auto& t = PutTicket(1, kToday, {}, c.state);
    for (int k = 1; k <= c.lines; ++k) {
      app.drugs()[static_cast<std::size_t>(99 + k)].setDrugName("LINE " + std::to_string(k));
      t.setDrugIndex(k, static_cast<std::int16_t>(99 + k));
      t.setQuantity(k, 1);
    }
    const storage::TicketRecord before = t;
    FormOot form(app);
    app.settings().setTicketCount(c.count);
    form.Text1 = "x";
    form.Combo1 = c.drug;
    form.Text2 = c.quantity;
    form.Add();
    const storage::TicketRecord& after = T(1);
    EXPECT_TRUE(std::ranges::equal(after.bytes(), before.bytes()));
    EXPECT_EQ(form.focus(), c.focus);
    EXPECT_EQ(form.Text1, c.text1);
    EXPECT_TRUE(ui.messages.empty());
    app.settings().setTicketCount(20000);
  }
}

TEST_F(FormOotTest, AFullTicketRefusesAlsoADrugAlreadyOnIt) {
  auto& t = PutTicket(1, kToday, {});
  for (int k = 1; k <= 30; ++k) {
    PutDrug(static_cast<std::size_t>(99 + k), "LINE " + std::to_string(k), 50);
    t.setDrugIndex(k, static_cast<std::int16_t>(99 + k));
    t.setQuantity(k, 1);
  }
  FormOot form(app);
  form.Combo1 = "LINE 3";
  form.Text2 = "5";
  form.Add();
  EXPECT_EQ(T(1).quantity(3), 1);
}

TEST_F(FormOotTest, ABalanceTakenByAnotherOpenTicketDoesNotStopAdd) {
  PutTicket(1, kToday, {{kAmoclav, 3}});
  PutTicket(2, kToday, {{kPanadol, 1}});
  FormOot form(app);
  ASSERT_EQ(form.shown(), 2);
  form.Combo1 = "AMOCLAV";
  form.Text2 = "3";
  form.Add();
  EXPECT_EQ(T(2).drugIndex(2), kAmoclav);
  EXPECT_EQ(T(2).quantity(2), 3);
}

// ---------------------------------------------------------------------------
// Save, new ticket and moves

TEST_F(FormOotTest, SaveAndUnsaveMoveTheBalances) {
  PutTicket(1, kToday, {{kAmoxil, 4}});
  FormOot form(app);
  form.SaveOrUnsave();
  EXPECT_EQ(T(1).state(), -1);
  EXPECT_EQ(app.drugs()[kAmoxil].balance(), 6);
  EXPECT_EQ(form.Command7(), FormOot::kUnsaveCaption);
  EXPECT_FALSE(form.entriesEnabled());
  form.SaveOrUnsave();
  EXPECT_EQ(T(1).state(), 1);
  EXPECT_EQ(app.drugs()[kAmoxil].balance(), 10);
  EXPECT_EQ(form.Command7(), FormOot::kSaveCaption);
}

TEST_F(FormOotTest, ATicketOnTheAnchorDateIsNeitherSavedNorUnsaved) {
  app.settings().setAnchorDate(kToday - 1);
  PutTicket(1, kToday - 1 + 0.5, {{kAmoxil, 4}});
  FormOot form(app);
  form.SaveOrUnsave();
  EXPECT_EQ(T(1).state(), 1);
  EXPECT_EQ(Messages(), Texts{std::string(dispensing::kAnchorDateMessage)});
}

TEST_F(FormOotTest, NewSavesTheOpenTicketShownAndMovesToTheFreeOne) {
  PutTicket(1, kToday, {{kAmoxil, 4}});
  FormOot form(app);
  form.Text1 = "5";
  form.Combo1 = "x";
  form.Text2 = "1";
  form.NewTicket();
  EXPECT_EQ(T(1).state(), -1);
  EXPECT_EQ(form.shown(), 2);
  EXPECT_EQ(T(2).state(), 1);
  EXPECT_EQ(form.Text1, "");
  EXPECT_EQ(form.Combo1, "");
  EXPECT_EQ(form.Text2, "");
  EXPECT_EQ(form.focus(), FormOot::Focus::Text1);
  EXPECT_TRUE(form.Command3Visible());
}

TEST_F(FormOotTest, NewOnATicketOfTheAnchorDateSaysSoAndStillMoves) {
  app.settings().setAnchorDate(kToday);
  PutTicket(1, kToday + 0.2, {{kAmoxil, 4}});
  FormOot form(app);
  form.SetText1("+");
  form.EnterInText1();
  EXPECT_EQ(T(1).state(), 1);
  EXPECT_EQ(Messages(), Texts{std::string(dispensing::kAnchorDateMessage)});
  EXPECT_EQ(form.shown(), 2);
}

TEST_F(FormOotTest, WithEveryTicketUsedTheCommandsSayTheFileIsFull) {
  app.settings().setTicketCount(2);
  PutTicket(1, kToday, {{kAmoxil, 1}}, -1);
  PutTicket(2, kToday, {{kAmoxil, 1}}, -1);
  FormOot form(app);
  ASSERT_EQ(form.shown(), 0);
  EXPECT_EQ(form.LLL(), "0");
  form.NewTicket();
  form.ChooseRecipient();
  form.EditDecisionNumber();
  form.EditAge();
  form.ChangeTicketDate();
  form.ChangeGroupDates();
  EXPECT_EQ(Messages(), Texts(6, std::string(FormOot::kTicketFileFull)));
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_TRUE(ui.prompts.empty());
  EXPECT_EQ(form.shown(), 0);
}

TEST_F(FormOotTest, PreviousAndNextStayWithinTheUsedTickets) {
  for (int n = 1; n <= 3; ++n) PutTicket(static_cast<std::size_t>(n), kToday, {{kAmoxil, 1}});
  FormOot form(app);
  ASSERT_EQ(form.shown(), 3);
  form.Next();
  EXPECT_EQ(form.shown(), 3);
  form.Previous();
  form.Previous();
  EXPECT_EQ(form.shown(), 1);
  form.Previous();
  EXPECT_EQ(form.shown(), 1);
  form.Next();
  EXPECT_EQ(form.shown(), 2);
}

TEST_F(FormOotTest, GoToShowsTheTicketTypedAndIgnoresNumbersOutOfRange) {
  struct Case {
    std::optional<std::string> answer;
    std::int32_t shown;
  };
  const Case cases[] = {{"40", 40}, {"0", 1}, {"-3", 1}, {"500001", 1}, {"abc", 1}, {std::nullopt, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancelled)"));
    FormOot form(app);
    ui.inputs = {c.answer};
    ui.prompts.clear();
    form.GoToTicket();
    EXPECT_EQ(ui.prompts, Texts{std::string(FormOot::kGoToPrompt)});
    EXPECT_EQ(form.shown(), c.shown);
  }
}

// ---------------------------------------------------------------------------
// Removing a line

TEST_F(FormOotTest, RemovingALineAsksFirstAndSaysWhenItCannot) {
  PutTicket(1, kToday, {{kAmoxil, 1}, {kPanadol, 2}});
  FormOot form(app);
  ui.answers = {Answer::No};
  form.DoubleClickRow(1);
  EXPECT_EQ(dispensing::LineCount(app, 1), 2);
  EXPECT_EQ(ui.questions, Texts{std::string(FormOot::kAskRemoveLine)});

  ui.answers = {Answer::Yes};
  form.DoubleClickRow(1);
  EXPECT_EQ(T(1).drugIndex(1), kPanadol);
  EXPECT_EQ(form.Xxx().Text(1, 5), "PANADOL");
  EXPECT_EQ(form.Xxx().Text(2, 5), "");
  EXPECT_TRUE(ui.messages.empty());

  // One line left: it cannot be removed.
  ui.answers = {Answer::Yes};
  form.DoubleClickRow(1);
  EXPECT_EQ(T(1).drugIndex(1), kPanadol);
  EXPECT_EQ(Messages(), Texts{std::string(FormOot::kRemoveRefused)});
}

TEST_F(FormOotTest, AClickOnALineMakesItsDrugTheCurrentOne) {
  PutTicket(1, kToday, {{kAmoxil, 1}, {kPanadol, 2}});
  FormOot form(app);
  form.ClickRow(2);
  EXPECT_EQ(app.currentDrugNo, kPanadol);
  form.ClickRow(3);
  EXPECT_EQ(app.currentDrugNo, kPanadol);
}

TEST_F(FormOotTest, NewIsRefusedInACopyInTheBackupsFolder) {
  PutTicket(1, kToday, {{kAmoxil, 4}});
  FormOot form(app);
  platform.programFolder = platform.programFolder / "Backup 2025";
  form.NewTicket();
  EXPECT_EQ(Messages(), Texts{std::string(FormOot::kBackupFolderMessage)});
  EXPECT_EQ(form.shown(), 1);
  EXPECT_EQ(T(1).state(), 1);
  EXPECT_TRUE(form.Command3Visible());
}

// ---------------------------------------------------------------------------
// Recipient and decision

TEST_F(FormOotTest, TheChosenRecipientBringsItsDecisionAndClosingTheListClearsIt) {
  PutPatient(4, "محمد علي", 777.4, 500, kToday - 10.7, 60, 66);
  PutTicket(1, kToday, {{kAmoxil, 1}});
  FormOot form(app);
  ScriptRecipient(4);
  form.ChooseRecipient();
  const storage::TicketRecord& t = T(1);
  EXPECT_EQ(t.patientIndex(), 4);
  EXPECT_EQ(t.decisionNumber(), 777);
  EXPECT_EQ(t.decisionAmount(), 500);
  EXPECT_EQ(t.decisionStart(), static_cast<std::int32_t>(kToday) - 11);
  EXPECT_EQ(t.decisionDays(), 60);
  EXPECT_EQ(t.classification(), 66);
  EXPECT_EQ(TicketInFile(1).patientIndex(), 4);
  EXPECT_EQ(form.LLLMarid(), "محمد علي");
  EXPECT_EQ(form.LLLClassy(), "Kidny");

  ScriptRecipient(0);
  form.ChooseRecipient();
  EXPECT_EQ(T(1).patientIndex(), 0);
  EXPECT_EQ(T(1).decisionNumber(), 0);
  EXPECT_EQ(T(1).decisionDays(), 0);
  EXPECT_EQ(T(1).classification(), 0);
  EXPECT_EQ(form.LLLMarid(), "");
}

TEST_F(FormOotTest, ASavedTicketKeepsItsRecipientAndDecisionButShowsItsHistory) {
  PutTicket(1, kToday, {{kAmoxil, 1}}, -1).setPatientIndex(4);
  FormOot form(app);
  ScriptRecipient(0);
  form.ChooseRecipient();
  form.EditRecipient();
  form.EditDecisionNumber();
  form.EditAge();
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_TRUE(ui.prompts.empty());
  EXPECT_EQ(T(1).patientIndex(), 4);
  form.RecipientHistory();
  EXPECT_EQ(ui.modalScreens, Texts{"FormMarid"});
  EXPECT_EQ(app.chosenPatient, 4);
}

TEST_F(FormOotTest, TheHistoryNeedsARecipient) {
  PutTicket(1, kToday, {{kAmoxil, 1}});
  FormOot form(app);
  form.RecipientHistory();
  EXPECT_TRUE(ui.modalScreens.empty());
}

TEST_F(FormOotTest, TheEditorTakesTheDecisionOfItsRecipientButNotTheRecipient) {
  PutPatient(4, "محمد علي", 777, 500, kToday - 10, 60, 66);
  PutPatient(5, "احمد حسن", 888, 900, kToday - 3, 90, 66);
  PutTicket(1, kToday, {{kAmoxil, 1}}).setPatientIndex(4);
  FormOot form(app);
  std::int32_t openedOn = -1;
  ui.screens[std::string(dispensing::FormMaridEdit::kName)] = [&](util::ModalScreen& screen) {
    auto& editor = static_cast<dispensing::FormMaridEdit&>(screen);
    openedOn = editor.LLL();
    editor.Show(5);
  };
  form.EditRecipient();
  EXPECT_EQ(openedOn, 4);
  EXPECT_EQ(T(1).patientIndex(), 4);
  EXPECT_EQ(T(1).decisionNumber(), 888);
  EXPECT_EQ(T(1).decisionAmount(), 900);
  EXPECT_EQ(T(1).decisionDays(), 90);
  EXPECT_EQ(T(1).classification(), 0);
  EXPECT_EQ(TicketInFile(1).decisionNumber(), 888);
}

TEST_F(FormOotTest, TheDecisionNumberAndTheAgeKeepToTheirLimits) {
  struct Case {
    bool age;
    std::optional<std::string> answer;
    std::int32_t stored;
  };
  const Case cases[] = {
      {false, "123456", 123456},   {false, "101010101", 101010101}, {false, "101010102", 5},
      {false, "", 0},              {false, std::nullopt, 0},        {true, "45", 45},
      {true, "32767", 32767},      {true, "32768", 5},              {true, "-32769", 5},
      {true, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancelled)"));
    auto& t = PutTicket(1, kToday, {{kAmoxil, 1}});
    t.setDecisionNumber(5);
    t.setDecisionDays(5);
    FormOot form(app);
    ui.inputs = {c.answer};
    ui.prompts.clear();
    if (c.age) {
      form.EditAge();
      EXPECT_EQ(ui.prompts, Texts{std::string(FormOot::kAgePrompt)});
      EXPECT_EQ(T(1).decisionDays(), c.stored);
      EXPECT_EQ(form.LLLAge(), std::to_string(c.stored));
    } else {
      form.EditDecisionNumber();
      EXPECT_EQ(ui.prompts, Texts{std::string(FormOot::kDecisionPrompt)});
      EXPECT_EQ(T(1).decisionNumber(), c.stored);
      EXPECT_EQ(form.LLLQARAR(), std::to_string(c.stored));
    }
  }
}

// ---------------------------------------------------------------------------
// Dates

TEST_F(FormOotTest, TheTicketDateTakesTheChosenDayAndTheTimeNow) {
  PutTicket(1, kToday - 5 + 0.25, {{kAmoxil, 1}}, -1);
  FormOot form(app);
  ScriptDate(util::MakeDate(2014, 12, 31));
  form.ChangeTicketDate();
  EXPECT_EQ(T(1).ticketDate(), kToday - 5 + 0.25);
  ScriptDate(std::nullopt);
  form.ChangeTicketDate();
  EXPECT_EQ(T(1).ticketDate(), kToday - 5 + 0.25);
  // Also for a saved ticket.
  ScriptDate(kToday - 2);
  form.ChangeTicketDate();
  EXPECT_EQ(T(1).ticketDate(), kToday - 2 + 0.5);
  EXPECT_EQ(TicketInFile(1).ticketDate(), kToday - 2 + 0.5);
  EXPECT_EQ(form.LLLDate(), "2025-12-07   12:00:00");
}

TEST_F(FormOotTest, ATicketWithoutLinesKeepsItsDate) {
  FormOot form(app);
  ScriptDate(kToday - 2);
  form.ChangeTicketDate();
  EXPECT_TRUE(ui.modalScreens.empty());
}

TEST_F(FormOotTest, TheDatesOfAtMostFiftyOneVouchersChangeAtOnce) {
  FormOot form(app);
  ScriptDate(kToday - 3);
  ui.inputs = {"100", "151"};
  form.ChangeGroupDates();
  EXPECT_EQ(ui.prompts, (Texts{std::string(FormOot::kGroupFromPrompt),
                               std::string(FormOot::kGroupToPrompt)}));
  EXPECT_EQ(Messages(), Texts{std::string(FormOot::kGroupTooLarge)});
  EXPECT_TRUE(ui.modalScreens.empty());

  ui.messages.clear();
  ui.inputs = {"100", "150"};
  form.ChangeGroupDates();
  EXPECT_EQ(Messages(), Texts{std::string(FormOot::kDatesChanged)});
  for (std::int32_t n : {100, 125, 150}) {
    EXPECT_EQ(T(n).ticketDate(), kToday - 3 + 0.4) << n;
    EXPECT_EQ(TicketInFile(static_cast<std::size_t>(n)).ticketDate(), kToday - 3 + 0.4) << n;
  }
  EXPECT_EQ(T(99).ticketDate(), 0);
  EXPECT_EQ(T(151).ticketDate(), 0);
}

TEST_F(FormOotTest, AGroupChangeWithoutAFirstVoucherOrADayDoesNothing) {
  FormOot form(app);
  ui.inputs = {"0", "5"};
  form.ChangeGroupDates();
  EXPECT_TRUE(ui.modalScreens.empty());
  ScriptDate(std::nullopt);
  ui.inputs = {"3", "5"};
  form.ChangeGroupDates();
  EXPECT_EQ(ui.modalScreens, Texts{"FFFDay"});
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(T(3).ticketDate(), 0);
}

// ---------------------------------------------------------------------------
// Other commands

TEST_F(FormOotTest, UnsavedTicketsShowsTheReportInTheMessageWindow) {
  PutTicket(1, kToday - 3, {{kAmoxil, 1}});
  FormOot form(app);
  std::string title;
  std::string body;
  ui.screens["FFFMSG"] = [&](util::ModalScreen& screen) {
    auto& window = static_cast<core::FormMsg&>(screen);
    title = window.title();
    body = window.body();
  };
  form.ShowUnsavedTickets();
  EXPECT_EQ(title, FormOot::kUnsavedTitle);
  EXPECT_EQ(body, dispensing::UnsavedTicketsReport(app, kToday).text);
  EXPECT_NE(body.find('1'), std::string::npos);
}

TEST_F(FormOotTest, TheMarginChangesOnlyForANumberNotAbove30) {
  struct Case {
    std::optional<std::string> answer;
    float margin;
  };
  const Case cases[] = {{"12.5", 12.5F}, {"30", 30.0F}, {"31", 4.0F},
                        {"abc", 4.0F},   {"", 4.0F},    {std::nullopt, 4.0F}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancelled)"));
    app.settings().setTicketMargin(4.0F);
    FormOot form(app);
    ui.inputs = {c.answer};
    ui.prompts.clear();
    form.SetHorizontalMargin();
    EXPECT_EQ(ui.prompts, Texts{std::string(FormOot::kMarginPrompt)});
    EXPECT_EQ(app.settings().ticketMargin(), c.margin);
  }
}

// ---------------------------------------------------------------------------
// Printing

bool PageHas(const util::PrintedPage& page, const std::string& text) {
  return std::any_of(page.texts.begin(), page.texts.end(),
                     [&](const util::PrintedText& t) { return t.text == text; });
}

TEST_F(FormOotTest, EachPrintEntryPrintsTheShownTicketAndKeepsItsLayout) {
  PutTicket(1, kToday + 0.5, {{kAmoxil, 2}});
  PutTicket(2, kToday + 0.5, {{kPanadol, 3}});
  struct Case {
    FormOot::PrintEntry entry;
    std::string caption;
    std::int16_t storedLayout;  // 4000: left as it was
    bool asksFirstTicket;
  };
  const Case cases[] = {
      {FormOot::PrintEntry::Form1, "اصل وصورة علي ورق ايه فور-نموذج 1", 4001, false},
      {FormOot::PrintEntry::Form2, "اصل وصورة علي ورق ايه فور-نموذج 2", 4002, false},
      {FormOot::PrintEntry::A5, "طباعة التذكرة الحالية علي ورق ايه فايف", 4003, false},
      {FormOot::PrintEntry::TenTickets, "كل اربع تذاكر في ورقة ايه فور", 4005, true},
      {FormOot::PrintEntry::A5PurchaseFee, "طباعة التذكرة الحالية علي ورق ايه فايف رسم شرا", 4006,
       false},
      {FormOot::PrintEntry::ThirtyItems, "طباعة   30 صنف   برسم الشراء ايه  4", 4000, false},
  };
  auto& device = dynamic_cast<util::RecordingPrintDevice&>(app.printer());
  FormOot form(app);
  form.Previous();
  ASSERT_EQ(form.shown(), 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(FormOot::PrintEntryCaption(c.entry), c.caption);
    app.settings().setTicketLayout(4000);
    ui.prompts.clear();
    ui.inputs = {std::string("2")};
    const int printouts = ui.printouts;
    const std::size_t jobs = device.jobs().size();
    form.Print(c.entry);
    EXPECT_EQ(ui.printouts, printouts + 1);
    ASSERT_EQ(device.jobs().size(), jobs + 1);
    EXPECT_EQ(app.settings().ticketLayout(), c.storedLayout);
    EXPECT_EQ(ui.prompts.size(), c.asksFirstTicket ? 1U : 0U);
    // The ten-ticket sheet starts at the ticket asked for; the others print
    // the ticket shown.
    const auto& page = device.jobs().back();
    EXPECT_EQ(PageHas(page, "AMOXIL 500"), !c.asksFirstTicket);
    EXPECT_TRUE(PageHas(page, "PANADOL") == c.asksFirstTicket);
  }
  EXPECT_EQ(form.shown(), 1);
}

TEST_F(FormOotTest, PReprintsTheLastLayoutForTheTicketNowShownAfterThePrinterChoice) {
  PutTicket(1, kToday + 0.5, {{kAmoxil, 2}});
  PutTicket(2, kToday + 0.5, {{kPanadol, 3}});
  auto& device = dynamic_cast<util::RecordingPrintDevice&>(app.printer());
  app.settings().setTicketLayout(0);
  FormOot form(app);
  ASSERT_EQ(form.shown(), 2);

  // Nothing printed from the menu yet: the first-time message, no dialog.
  form.Reprint();
  EXPECT_EQ(Messages(), Texts{"نفذ امر طباعة من قائمة الطباعة كاول مرة فقط"});
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_TRUE(device.jobs().empty());

  form.Previous();
  form.Print(FormOot::PrintEntry::Form1);
  ASSERT_EQ(device.jobs().size(), 1U);
  form.Next();
  bool ok = false;
  ui.screens[std::string(core::FFFPrint::kName)] = [&ok](util::ModalScreen& s) {
    auto& dialog = dynamic_cast<core::FFFPrint&>(s);
    if (ok) {
      (void)dialog.Ok();
    } else {
      dialog.Cancel();
    }
  };
  form.Reprint();  // cancelled
  EXPECT_EQ(ui.modalScreens, Texts{std::string(core::FFFPrint::kName)});
  EXPECT_EQ(device.jobs().size(), 1U);
  ok = true;
  form.Reprint();
  ASSERT_EQ(device.jobs().size(), 2U);
  EXPECT_TRUE(PageHas(device.jobs().back(), "تذكرة صرف علاج"));
  EXPECT_TRUE(PageHas(device.jobs().back(), "PANADOL"));
  EXPECT_FALSE(PageHas(device.jobs().back(), "AMOXIL 500"));
  // The 30-item sheet is not repeated by "P": form 1 stays the last layout.
  form.Print(FormOot::PrintEntry::ThirtyItems);
  form.Reprint();
  EXPECT_TRUE(PageHas(device.jobs().back(), "تذكرة صرف علاج"));
}

TEST_F(FormOotTest, TheMouseOverTheSmallButtonsExplainsThem) {
  FormOot form(app);
  form.HoverBackup();
  EXPECT_EQ(form.LLLCode(), "نسخة احتياطية");
  form.HoverEditRecipient();
  EXPECT_EQ(form.LLLCode(), "تعديل بيانات المرضي");
  form.HoverPrint();
  EXPECT_EQ(form.LLLCode(), "اطبع");
}

TEST_F(FormOotTest, ABackgroundClickCopiesTheColumnWidths) {
  app.settings().setProgramType(core::kOutpatient);
  FormOot form(app);
  form.ClickBackground();
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_NE(ui.messages[0].text.find("0-0-0-0-2385-7050-1495"), std::string::npos);
}

// ---------------------------------------------------------------------------
// Network mode

class NetworkFormOotTest : public FormOotTest {
 protected:
  NetworkFormOotTest() { WriteTextFile("network.txt", std::to_string(static_cast<int>(kToday)) + "\r\n"); }

  // A ticket another workstation has written.
  void WrittenElsewhere(std::size_t n, std::initializer_list<dispensing_test::Line> lines,
                        std::int16_t state) {
    storage::TicketRecord t;
    FillTicket(t, kToday + 0.25, lines, state);
    WriteTicketElsewhere(n, t);
  }
};

TEST_F(NetworkFormOotTest, TheTicketShownIsReadAgainFromTheFile) {
  // Ticket 1 is never read again.
  for (std::size_t n = 1; n <= 3; ++n) PutTicket(n, kToday, {{kAmoxil, 1}});
  ASSERT_TRUE(core::SaveAllTickets(app));
  FormOot form(app);
  WrittenElsewhere(2, {{kPanadol, 9}}, 1);
  form.Previous();
  EXPECT_EQ(T(2).drugIndex(1), kPanadol);
  EXPECT_EQ(form.Xxx().Text(1, 5), "PANADOL");
}

TEST_F(NetworkFormOotTest, AddReadsTheTicketAgainAndStopsWhenItWasSavedElsewhere) {
  PutTicket(1, kToday, {{kAmoxil, 1}});
  PutTicket(2, kToday, {{kAmoxil, 1}});
  ASSERT_TRUE(core::SaveAllTickets(app));
  FormOot form(app);
  WrittenElsewhere(2, {{kAmoxil, 1}}, -1);
  form.Combo1 = "PANADOL";
  form.Text2 = "2";
  form.Add();
  EXPECT_EQ(T(2).state(), -1);
  EXPECT_EQ(T(2).drugIndex(2), 0);
}

TEST_F(NetworkFormOotTest, NewPassesOverATicketUsedElsewhere) {
  PutTicket(1, kToday, {{kAmoxil, 1}}, -1);
  ASSERT_TRUE(core::SaveAllTickets(app));
  FormOot form(app);
  WrittenElsewhere(2, {{kPanadol, 1}}, 1);
  form.NewTicket();
  EXPECT_EQ(form.shown(), 3);
  EXPECT_EQ(T(2).drugIndex(1), kPanadol);
}

TEST_F(NetworkFormOotTest, TwoWorkstationsOnOneFreeTicketEachKeepTheirOwnLine) {
  PutTicket(1, kToday, {{kAmoxil, 1}}, -1);
  ASSERT_TRUE(core::SaveAllTickets(app));
  // The balances come from the opening balances: New refreshes them from the
  // shared files.
  for (std::int16_t drug : {kAmoxil, kAmoclav, kPanadol}) {
    auto& d = app.drugs()[static_cast<std::size_t>(drug)];
    d.setOpeningBalance(d.balance() + (drug == kAmoxil ? 1 : 0));
  }
  // Workstation B runs on the same data folder with its own tables.
  testing_support::FakeClock clockB{kToday + 0.5};
  dispensing_test::RecordingPlatform platformB(folder.path());
  testing_support::ScriptedInteraction uiB;
  core::App b(clockB, platformB, uiB);
  b.settings().setTicketCount(20000);
  b.settings().setCurrentUser(kUser + 1);
  b.lastBalanceRecompute = clockB.Now();
  b.tickets()[1] = T(1);
  for (std::int16_t drug : {kAmoxil, kAmoclav, kPanadol}) {
    b.drugs()[static_cast<std::size_t>(drug)] = app.drugs()[static_cast<std::size_t>(drug)];
  }

  FormOot formA(app);
  FormOot formB(b);
  formA.NewTicket();
  formB.NewTicket();
  ASSERT_EQ(formA.shown(), 2);
  ASSERT_EQ(formB.shown(), 2);

  formA.Combo1 = "AMOXIL 500";
  formA.Text2 = "2";
  formA.Add();
  formB.Combo1 = "PANADOL";
  formB.Text2 = "5";
  formB.Add();

  // B's line went to the next free ticket, which B now shows, and B was told.
  EXPECT_EQ(formB.shown(), 3);
  EXPECT_EQ(uiB.MessageTexts(), Texts{dispensing::TicketMovedMessage(2, 3)});
  EXPECT_EQ(b.tickets()[3].drugIndex(1), kPanadol);
  EXPECT_EQ(formB.Xxx().Text(1, 5), "PANADOL");
  EXPECT_TRUE(ui.MessageTexts().empty());
  // The file holds each workstation's line on its own ticket.
  EXPECT_EQ(TicketInFile(2).drugIndex(1), kAmoxil);
  EXPECT_EQ(TicketInFile(2).drugIndex(2), 0);
  EXPECT_EQ(TicketInFile(2).userNumber(), kUser);
  EXPECT_EQ(TicketInFile(3).drugIndex(1), kPanadol);
  EXPECT_EQ(TicketInFile(3).userNumber(), kUser + 1);

  // The next line of B stays on its ticket, without a notice.
  formB.Combo1 = "AMOCLAV";
  formB.Text2 = "1";
  formB.Add();
  EXPECT_EQ(formB.shown(), 3);
  EXPECT_EQ(b.tickets()[3].drugIndex(2), kAmoclav);
  EXPECT_EQ(uiB.MessageTexts().size(), 1U);
}

TEST_F(FormOotTest, OpeningRecomputesTheBalancesAtMostOnceAnHour) {
  PutTicket(1, kToday - 1, {{kAmoxil, 4}});
  app.lastBalanceRecompute = 0;
  FormOot form(app);
  EXPECT_EQ(T(1).state(), -1);
  EXPECT_EQ(form.Command7(), FormOot::kUnsaveCaption);
}

TEST_F(FormOotTest, AnotherRunningCopyEndsTheProgramAtOpeningAndAfterNew) {
  platform.anotherInstance = true;
  dispensing::OpenTicketScreen(app);
  EXPECT_EQ(Messages(), Texts{"لا يمكن تشغيل اكثر من نسخة"});
  EXPECT_TRUE(app.ExitRequested());
  EXPECT_TRUE(ui.modalScreens.empty());

  core::App second(clock, platform, ui);
  second.lastBalanceRecompute = clock.Now();
  second.settings().setTicketCount(20000);
  platform.anotherInstance = false;
  FormOot form(second);
  platform.anotherInstance = true;
  ui.messages.clear();
  form.NewTicket();
  EXPECT_EQ(form.shown(), 1);
  EXPECT_EQ(Messages(), Texts{"لا يمكن تشغيل اكثر من نسخة"});
  EXPECT_TRUE(second.ExitRequested());
}

}  // namespace
