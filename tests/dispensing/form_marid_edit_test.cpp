// The recipient editor, without a window.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/form_day.h"
#include "core/tables.h"
#include "dispensing/form_marid_edit.h"
#include "dispensing/patients.h"
#include "storage/name_records.h"
#include "tests/dispensing/dispensing_fixture.h"
#include "util/dates.h"

namespace {

using dispensing::FormMaridEdit;
using Texts = std::vector<std::string>;

class Editor : public dispensing_test::DispensingFixture {
 protected:
  void Name(std::size_t n, const std::string& name) { ASSERT_TRUE(app.patients()[n].setName(name)); }
  void SaveTable() { ASSERT_TRUE(core::SavePatients(app)); }

  // The sub-device changed the recipients this many days ago.
  void SubDeviceEdited(double daysAgo) {
    WriteTextFile("peos.vlk", std::to_string(kToday + 0.5 - daysAgo));
  }

  // The recipient record as it stands in the file now.
  storage::PatientRecord InFile(std::size_t n) {
    storage::PatientTable table(storage::kMaxPatients);
    EXPECT_TRUE(table.Load(DataFile("nfqpatient.vlk")));
    return table[n];
  }

  // The date dialog answers the day, or is cancelled.
  void DateDialogAnswers(int year, int month, int day) {
    ui.screens["FFFDay"] = [year, month, day](util::ModalScreen& screen) {
      auto& dialog = static_cast<core::FFFDay&>(screen);
      dialog.Text1 = std::to_string(day);
      dialog.Text2 = std::to_string(month);
      dialog.Text3 = std::to_string(year);
      ASSERT_TRUE(dialog.Ok());
    };
  }
  void DateDialogCancelled() {
    ui.screens["FFFDay"] = [](util::ModalScreen& screen) {
      static_cast<core::FFFDay&>(screen).Cancel();
    };
  }

  // A recipient with a full decision: record 3.
  void PutDecision() {
    Name(3, "  فاطمة علي  ");
    auto& r = app.patients()[3];
    r.setNationalId(29001011234567.0);
    r.setDecisionAmount(1500);
    r.setDecisionDays(180);
    r.setDecisionNumber(7788);
    r.setClassification(66);
    r.setDecisionStart(util::MakeDate(2025, 6, 1));
    SaveTable();
  }
};

TEST_F(Editor, TheProgramTypeGivesTheCaptionsOfNameAndNumber) {
  struct Case {
    int type;
    const char* name;
    const char* number;
  };
  for (Case c : {Case{1001, "اسم المريض", "الرقم القومي"}, Case{1002, "اسم المريض", "الرقم القومي"},
                 Case{1003, "القسم", "رقم القسم"},
                 Case{1004, "المستشفي او الوحدة الصحية", "رقم المنشأة"}}) {
    SCOPED_TRACE(c.type);
    app.settings().setProgramType(static_cast<std::int16_t>(c.type));
    FormMaridEdit screen(app);
    EXPECT_EQ(screen.LLLMostashfaOrpatient(), c.name);
    EXPECT_EQ(screen.LLLNID(), c.number);
  }
}

TEST_F(Editor, OpensOnTheChosenRecipientElseTheLastNamedRecord) {
  struct Case {
    std::int32_t chosen;
    int named;  // records 1..named have names
    std::int32_t shown;
  };
  for (Case c : {Case{7, 3, 7}, Case{0, 3, 3}, Case{0, 0, 1}, Case{0, 1, 1}}) {
    SCOPED_TRACE(testing::Message() << c.chosen << "/" << c.named);
    app.patients().Clear();
    for (int n = 1; n <= c.named; ++n) Name(static_cast<std::size_t>(n), "مريض " + std::to_string(n));
    SaveTable();
    app.chosenPatient = c.chosen;
    FormMaridEdit screen(app);
    EXPECT_EQ(screen.LLL(), c.shown);
  }
}

TEST_F(Editor, ShowsTheRecordAndItsDecision) {
  PutDecision();
  app.chosenPatient = 3;
  FormMaridEdit screen(app);

  EXPECT_EQ(screen.TextName, "فاطمة علي");
  EXPECT_EQ(screen.Textnid, "29001011234567");
  EXPECT_EQ(screen.TextQMony, "1500");
  EXPECT_EQ(screen.TextQPeriod, "180");
  EXPECT_EQ(screen.TextQID, "7788");
  EXPECT_EQ(screen.LLLClassy(), "Kidny");
  EXPECT_EQ(screen.LLLStartDate(), "01-06-2025");

  screen.Show(0);  // the empty record 0
  EXPECT_EQ(screen.LLL(), 0);
  EXPECT_EQ(screen.TextName, "");
  EXPECT_EQ(screen.Textnid, "0");
  EXPECT_EQ(screen.LLLClassy(), "General");
}

TEST_F(Editor, OpensReadingTheTableAgainFromItsFile) {
  PutDecision();
  Name(3, "لم يحفظ");
  app.chosenPatient = 3;
  FormMaridEdit screen(app);
  EXPECT_EQ(screen.TextName, "فاطمة علي");
}

TEST_F(Editor, AClickOnTheNumberShowsTheChoiceOfThePickList) {
  PutDecision();
  Name(8, "حسن");
  SaveTable();
  FormMaridEdit screen(app);
  ui.screens["FFFPTNT"] = [this](util::ModalScreen&) { app.chosenPatient = 3; };
  screen.ClickLLL();
  EXPECT_EQ(screen.LLL(), 3);
  EXPECT_EQ(screen.TextName, "فاطمة علي");

  ui.screens["FFFPTNT"] = [](util::ModalScreen&) {};  // closed without a choice
  screen.ClickLLL();
  EXPECT_EQ(screen.LLL(), 0);
  EXPECT_EQ(screen.TextName, "");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Editor, TypingANameListsTheRecipientsThatStartWithIt) {
  Name(1, "محمد احمد");
  Name(2, "احمد محمد");
  Name(4, "  محمود علي ");
  Name(5, "محمد سعيد");
  SaveTable();
  FormMaridEdit screen(app);
  struct Case {
    const char* typed;
    const char* status;
  };
  for (Case c : {Case{"م", ""}, Case{"", ""}, Case{"مح", "   محمد احمد   محمود علي   محمد سعيد"},
                 Case{"محمد", "   محمد احمد   محمد سعيد"}, Case{"محمد س", "   محمد سعيد"},
                 Case{"احمد", "   احمد محمد"}, Case{"سعيد", ""}}) {
    SCOPED_TRACE(c.typed);
    screen.NameTyped(c.typed);
    EXPECT_EQ(screen.TextName, c.typed);
    EXPECT_EQ(screen.LLLStatus(), c.status);
  }
}

TEST_F(Editor, TheStatusLineBlinksBetweenRedAndLightYellow) {
  FormMaridEdit screen(app);
  EXPECT_EQ(screen.statusColour(), util::Rgb(255, 0, 0));
  screen.BlinkTick();
  EXPECT_EQ(screen.statusColour(), util::Rgb(255, 255, 192));
  screen.BlinkTick();
  EXPECT_EQ(screen.statusColour(), util::Rgb(255, 0, 0));
}

TEST_F(Editor, TheClassificationTogglesAndAnyOtherTextBecomesKidny) {
  FormMaridEdit screen(app);
  ASSERT_EQ(screen.LLLClassy(), "General");
  screen.ClickClassy();
  EXPECT_EQ(screen.LLLClassy(), "Kidny");
  screen.ClickClassy();
  EXPECT_EQ(screen.LLLClassy(), "General");

  app.patients()[1].setClassification(5);  // a code without a text
  SaveTable();
  FormMaridEdit other(app);
  ASSERT_EQ(other.LLLClassy(), "");
  other.ClickClassy();
  EXPECT_EQ(other.LLLClassy(), "Kidny");
}

TEST_F(Editor, SaveWritesTheBoxesIntoTheRecordAndTheFile) {
  PutDecision();
  app.chosenPatient = 3;
  FormMaridEdit screen(app);
  screen.TextName = "  فاطمة علي حسن ";
  screen.Textnid = "28812120101011x";
  screen.TextQMony = "2500.5";   // halves go to the even neighbour
  screen.TextQPeriod = "90.5abc";
  screen.TextQID = "no number";
  screen.ClickClassy();  // Kidny -> General

  ASSERT_TRUE(screen.Save());

  EXPECT_TRUE(ui.messages.empty());
  for (const storage::PatientRecord& r : {app.patients()[3], InFile(3)}) {
    EXPECT_EQ(r.name(), "فاطمة علي حسن");
    EXPECT_EQ(r.nationalId(), 28812120101011.0);
    EXPECT_EQ(r.decisionAmount(), 2500);
    EXPECT_EQ(r.decisionDays(), 90);
    EXPECT_EQ(r.decisionNumber(), 0.0);
    EXPECT_EQ(r.classification(), 0);
    EXPECT_EQ(r.decisionStart(), util::MakeDate(2025, 6, 1));  // not a box: kept
  }
}

TEST_F(Editor, SaveFollowsTheSubDeviceLock) {
  struct Case {
    double daysAgo;  // < 0: no file
    bool saved;
  };
  for (Case c : {Case{3, false}, Case{5, false}, Case{9.4, false}, Case{10, true}, Case{12, true},
                 Case{-1, true}}) {
    SCOPED_TRACE(c.daysAgo);
    std::filesystem::remove(DataFile("peos.vlk"));
    if (c.daysAgo >= 0) SubDeviceEdited(c.daysAgo);
    PutDecision();
    ui.messages.clear();
    app.chosenPatient = 3;
    FormMaridEdit screen(app);
    screen.TextName = "اسم جديد";

    core::Result result = screen.Save();

    EXPECT_EQ(result.done(), c.saved);
    EXPECT_EQ(InFile(3).name(), c.saved ? "اسم جديد" : "  فاطمة علي  ");
    EXPECT_EQ(ui.MessageTexts(), c.saved ? Texts{} : Texts{std::string(FormMaridEdit::kSaveLocked)});
  }
  EXPECT_EQ(FormMaridEdit::kSaveLocked,
            "لا يمكن تعديل بيانات المرضي الا من الجهاز الفرعي او مرور 10 ايام علي اخر عملية "
            "تعديل من الجهز الفرعي");
}

TEST_F(Editor, SaveRefusesANameTheRecordCannotHoldOrNoNameAtAll) {
  PutDecision();
  app.chosenPatient = 3;
  const std::string tooLong(79, 'a');
  const std::string longest(78, 'a');
  // 40 Arabic letters are 40 bytes in code page 1256, 80 in UTF-8.
  std::string arabic40;
  for (int i = 0; i < 40; ++i) arabic40 += "ب";
  struct Case {
    std::string name;
    std::string message;  // empty: saved
  };
  for (const Case& c : {Case{tooLong, std::string(dispensing::kNameTooLongMessage)},
                        Case{"   ", std::string(FormMaridEdit::kNameMissing)},
                        Case{longest, ""}, Case{arabic40, ""}}) {
    SCOPED_TRACE(c.name);
    ui.messages.clear();
    FormMaridEdit screen(app);
    const storage::PatientRecord before = InFile(3);
    screen.TextName = c.name;
    screen.TextQMony = "99";

    core::Result result = screen.Save();

    if (c.message.empty()) {
      EXPECT_TRUE(result.done());
      EXPECT_EQ(InFile(3).name(), c.name);
      EXPECT_EQ(InFile(3).decisionAmount(), 99);
      EXPECT_TRUE(ui.messages.empty());
    } else {
      EXPECT_TRUE(result.refused());
      EXPECT_EQ(ui.MessageTexts(), Texts{c.message});
      EXPECT_EQ(InFile(3), before);
      EXPECT_EQ(app.patients()[3], before);
    }
  }
}

TEST_F(Editor, SaveOnRecordZeroWritesNothing) {
  FormMaridEdit screen(app);
  screen.Show(0);
  screen.TextName = "احمد";
  EXPECT_TRUE(screen.Save().refused());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(app.patients()[0].name(), "");
  EXPECT_FALSE(std::filesystem::exists(DataFile("nfqpatient.vlk")) &&
               std::filesystem::file_size(DataFile("nfqpatient.vlk")) > 0);
}

TEST_F(Editor, TheStartDateIsStoredEvenWhileTheLockRefusesTheOtherFields) {
  PutDecision();
  SubDeviceEdited(5);
  app.chosenPatient = 3;
  FormMaridEdit screen(app);
  screen.TextName = "اسم لا يحفظ";
  DateDialogAnswers(2025, 11, 20);

  screen.ClickStartDate();

  EXPECT_EQ(ui.MessageTexts(), Texts{std::string(FormMaridEdit::kSaveLocked)});
  EXPECT_EQ(InFile(3).decisionStart(), util::MakeDate(2025, 11, 20));
  EXPECT_EQ(InFile(3).name(), "  فاطمة علي  ");
  // The record is shown again as stored.
  EXPECT_EQ(screen.TextName, "فاطمة علي");
  EXPECT_EQ(screen.LLLStartDate(), "20-11-2025");
}

TEST_F(Editor, TheStartDateClickSavesTheBoxesFirst) {
  PutDecision();
  app.chosenPatient = 3;
  FormMaridEdit screen(app);
  screen.TextQPeriod = "365";
  DateDialogAnswers(2026, 1, 2);

  screen.ClickStartDate();

  EXPECT_EQ(InFile(3).decisionDays(), 365);
  EXPECT_EQ(InFile(3).decisionStart(), util::MakeDate(2026, 1, 2));
  EXPECT_EQ(ui.modalScreens, Texts{"FFFDay"});
}

TEST_F(Editor, ACancelledDateDialogKeepsTheStartDate) {
  PutDecision();
  app.chosenPatient = 3;
  FormMaridEdit screen(app);
  DateDialogCancelled();

  screen.ClickStartDate();

  EXPECT_EQ(InFile(3).decisionStart(), util::MakeDate(2025, 6, 1));
  EXPECT_EQ(screen.LLLStartDate(), "01-06-2025");
}

TEST_F(Editor, NewShowsTheFirstFreeRecordUnlessLocked) {
  PutDecision();  // record 3; 1 and 2 free
  Name(1, "الاول");
  SaveTable();
  app.chosenPatient = 3;
  FormMaridEdit screen(app);
  Name(2, "في الذاكرة فقط");  // New reads the table again from its file

  screen.New();
  EXPECT_EQ(screen.LLL(), 2);
  EXPECT_EQ(screen.TextName, "");
  EXPECT_TRUE(ui.messages.empty());

  SubDeviceEdited(3);
  screen.Show(3);
  screen.New();
  EXPECT_EQ(screen.LLL(), 3);
  EXPECT_EQ(ui.MessageTexts(), Texts{"لا يمكن تعديل بيانات المرضي الا من الجهاز الفرعي"});
}

TEST_F(Editor, NewOnAFullTableShowsRecordOne) {
  for (std::size_t n = 1; n <= 30000; ++n) ASSERT_TRUE(app.patients()[n].setName("x"));
  SaveTable();
  FormMaridEdit screen(app);
  screen.New();
  EXPECT_EQ(screen.LLL(), 1);
}

// --- the replacement search ---

class Replace : public Editor {
 protected:
  // A ticket of the recipient `days` days before now.
  void Visit(std::size_t ticket, double patient, double days) {
    PutTicket(ticket, kToday + 0.5 - days, {{1, 1}}).setPatientIndex(patient);
  }
};

TEST_F(Replace, TheFirstSearchExplainsAndStartsAfterRecordOne) {
  for (std::size_t n = 1; n <= 4; ++n) Name(n, "مريض " + std::to_string(n));
  SaveTable();
  Visit(1, 1, 1000);  // record 1 is never a candidate of the first search
  app.chosenPatient = 4;
  FormMaridEdit screen(app);

  screen.Replace();

  EXPECT_EQ(screen.LLL(), 2);  // record 2 has no ticket
  EXPECT_EQ(screen.TextName, "مريض 2");
  EXPECT_EQ(ui.MessageTexts(),
            (Texts{"يتيح هذا الامر انشاء حسابات لمرضي جدد  علي حسابات لمرضي اخرين لم يحضروا الي "
                   "المستشفي منذ اكثر من سنة",
                   "Last visit for this patient was  in "}));

  // Later searches go on after the record shown, without the explanation.
  ui.messages.clear();
  screen.Replace();
  EXPECT_EQ(screen.LLL(), 3);
  EXPECT_EQ(ui.MessageTexts(), Texts{"Last visit for this patient was  in "});
}

TEST_F(Replace, ARecipientQualifiesAfterMoreThan300DaysWithoutATicket) {
  struct Case {
    double days;
    bool qualifies;
  };
  for (Case c : {Case{0, false}, Case{299, false}, Case{300, false}, Case{300.01, true},
                 Case{301, true}, Case{2000, true}}) {
    SCOPED_TRACE(c.days);
    app.tickets().Clear();
    // Records 2..5 came yesterday, except record 3 whose last visit is
    // c.days ago (an older visit of it comes first in the table).
    for (std::size_t p = 2; p <= 5; ++p) Visit(p, static_cast<double>(p), 1);
    Visit(3, 3, 5000);
    Visit(10, 3, c.days);
    ui.messages.clear();
    FormMaridEdit screen(app);

    screen.Replace();

    const util::OleDate last = kToday + 0.5 - c.days;
    if (c.qualifies) {
      EXPECT_EQ(screen.LLL(), 3);
      EXPECT_EQ(ui.MessageTexts().back(), "Last visit for this patient was  in " + util::DateToYmdText(last));
    } else {
      EXPECT_EQ(screen.LLL(), 6);  // the first record without any ticket
    }
  }
}

TEST_F(Replace, TheMessageGivesTheDayOfTheLastTicket) {
  Visit(2, 2, 0);
  Visit(5, 3, 400);
  FormMaridEdit screen(app);
  screen.Replace();
  EXPECT_EQ(screen.LLL(), 3);
  EXPECT_EQ(ui.MessageTexts().back(),
            "Last visit for this patient was  in " + util::DateToYmdText(kToday - 400));
}

TEST_F(Replace, WithoutACandidateAfterTheShownRecordNothingMoves) {
  app.chosenPatient = 30000;
  FormMaridEdit screen(app);
  screen.Replace();  // the first search starts after record 1: record 2 qualifies
  EXPECT_EQ(screen.LLL(), 2);
  screen.Show(30000);
  ui.messages.clear();
  screen.Replace();
  EXPECT_EQ(screen.LLL(), 30000);
  EXPECT_EQ(ui.MessageTexts(), Texts{"Last visit for this patient was  in "});
}

// The search as the screen was first written: for each candidate, a scan of
// the whole ticket table for its highest-numbered ticket.
dispensing::ReplaceCandidate ScanPerRecipient(const core::App& app, std::int32_t after) {
  for (std::int32_t p = after + 1; p <= 30000; ++p) {
    util::OleDate d = 0;
    for (std::size_t t = 1; t <= app.tickets().capacity(); ++t) {
      if (app.tickets()[t].patientIndex() == static_cast<double>(p)) d = app.tickets()[t].ticketDate();
    }
    if (app.Now() - d > dispensing::kReplaceAfterDays) return {p, d};
  }
  return {};
}

TEST_F(Replace, OnePassFindsWhatTheScanPerRecipientFinds) {
  // Recipients 1..8 with visits in mixed order: higher-numbered tickets that
  // are older, tickets of no recipient (0, a fraction, outside the table),
  // and an empty record that still names its recipient.
  Visit(1, 1, 10);
  Visit(2, 2, 500);
  Visit(3, 3, 20);
  Visit(4, 1, 800);    // recipient 1's highest ticket is old
  Visit(5, 4, 301);
  Visit(6, 5, 100);
  Visit(7, 2, 5);      // recipient 2 came back
  Visit(8, 6.5, 1);
  Visit(9, 0, 1);
  Visit(10, 40000, 1);
  Visit(11, 7, 290);
  app.tickets()[12].setPatientIndex(8);  // no lines, no date
  Visit(400000, 9, 50);  // far in the table

  const std::vector<util::OleDate> dates = dispensing::LastTicketDates(app);
  ASSERT_EQ(dates.size(), 30001u);
  EXPECT_EQ(dates[1], kToday + 0.5 - 800);
  EXPECT_EQ(dates[2], kToday + 0.5 - 5);
  EXPECT_EQ(dates[9], kToday + 0.5 - 50);
  EXPECT_EQ(dates[6], 0);

  for (std::int32_t after : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 29999, 30000}) {
    SCOPED_TRACE(after);
    const auto expected = ScanPerRecipient(app, after);
    const auto found = dispensing::FindReplaceableRecipient(app, after);
    EXPECT_EQ(found.patient, expected.patient);
    EXPECT_EQ(found.lastTicket, expected.lastTicket);
  }
}

TEST_F(Editor, OpenRecipientEditorShowsTheScreenModally) {
  dispensing::OpenRecipientEditor(app);
  EXPECT_EQ(ui.modalScreens, Texts{"FormMaridEdit"});
}

}  // namespace
