// The recipient history, without a window.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/tables.h"
#include "dispensing/form_marid.h"
#include "dispensing/form_ptnt.h"
#include "tests/dispensing/dispensing_fixture.h"
#include "util/dates.h"
#include "util/grid.h"

namespace {

using dispensing::FormMarid;
using dispensing_test::Line;
using Rows = std::vector<std::vector<std::string>>;

// The body rows of a grid.
Rows Body(const util::Grid& grid) {
  Rows rows;
  for (int r = 1; r < grid.Rows(); ++r) rows.push_back(grid.Row(r));
  return rows;
}

class History : public dispensing_test::DispensingFixture {
 protected:
  // Recipient 4 has tickets 12, 40 and 41; recipient 9 has ticket 20.
  void PutHistory() {
    ASSERT_TRUE(app.patients()[4].setName("  سعيد محمود "));
    ASSERT_TRUE(app.patients()[9].setName("قسم الباطنة"));
    PutDrug(3, "باراسيتامول", 100);
    PutDrug(1200, "اموكسيسيلين", 100);
    PutTicket(12, util::MakeDate(2025, 1, 5) + 0.4, {{3, 2}}).setPatientIndex(4);
    PutTicket(20, util::MakeDate(2025, 2, 1), {{3, 1}}).setPatientIndex(9);
    PutTicket(40, util::MakeDate(2025, 3, 7) + 0.9, {{1200, 10}, {3, 4}, {1200, 1}})
        .setPatientIndex(4);
    PutTicket(41, util::MakeDate(2025, 3, 8), {{3, 6}}).setPatientIndex(4);
    PutTicket(42, util::MakeDate(2025, 3, 9), {{3, 6}}).setPatientIndex(4.5);  // nobody's
    ASSERT_TRUE(core::SavePatients(app));
  }

  // The pick list chooses recipient n.
  void PickListChooses(std::int32_t n) {
    ui.screens["FFFPTNT"] = [this, n](util::ModalScreen&) { app.chosenPatient = n; };
  }
};

TEST_F(History, TheProgramTypeGivesPromptAndCaption) {
  struct Case {
    int type;
    const char* prompt;
    const char* caption;
  };
  for (Case c : {Case{1001, "اختر مريض", "سجل مسحوبات مريض"},
                 Case{1002, "اختر مريض", "سجل مسحوبات  مريض"},
                 Case{1003, "اختر قسم", "سجل مسحوبات  قسم"},
                 Case{1004, "اختر مستشفي او ادارة", "سجل مسحوبات ادارة او مستشفي"}}) {
    SCOPED_TRACE(c.type);
    app.settings().setProgramType(static_cast<std::int16_t>(c.type));
    FormMarid screen(app);
    EXPECT_EQ(screen.LLLSelectMaridTitle(), c.prompt);
    EXPECT_EQ(screen.caption(), c.caption);
  }
}

TEST_F(History, TheGridsHaveTheirCaptionsAndWidthsAllCentred) {
  FormMarid screen(app);
  EXPECT_EQ(screen.Xxx.Row(0), (std::vector<std::string>{"تذكرة", "تاريخ"}));
  EXPECT_EQ(screen.xxx2.Row(0), (std::vector<std::string>{"دواء", "منصرف"}));
  EXPECT_EQ(screen.Xxx.ColWidth(0), 2200);
  EXPECT_EQ(screen.Xxx.ColWidth(1), 3100);
  EXPECT_EQ(screen.xxx2.ColWidth(0), 3800);
  EXPECT_EQ(screen.xxx2.ColWidth(1), 1450);
  for (const util::Grid* grid : {&screen.Xxx, &screen.xxx2}) {
    for (int col = 0; col < 2; ++col) EXPECT_EQ(grid->ColAlignment(col), util::Grid::kAlignCentre);
  }
  EXPECT_EQ(screen.LLLpatientId(), "");
}

TEST_F(History, ListsTheNewestTicketAtTheTopAndEachChoiceAlone) {
  PutHistory();
  FormMarid screen(app);

  PickListChooses(4);
  screen.ClickPatient();
  EXPECT_EQ(screen.LLLpatientId(), "سعيد محمود");
  EXPECT_EQ(Body(screen.Xxx),
            (Rows{{"41", "08-03-2025"}, {"40", "07-03-2025"}, {"12", "05-01-2025"}}));
  EXPECT_EQ(platform.busyChanges, (std::vector<bool>{true, false}));

  PickListChooses(9);
  screen.ClickPatient();
  EXPECT_EQ(screen.LLLpatientId(), "قسم الباطنة");
  EXPECT_EQ(Body(screen.Xxx), (Rows{{"20", "01-02-2025"}}));

  // Nothing chosen: the history stays.
  PickListChooses(0);
  screen.ClickPatient();
  EXPECT_EQ(screen.patient(), 9);
  EXPECT_EQ(Body(screen.Xxx), (Rows{{"20", "01-02-2025"}}));
}

TEST_F(History, OpensWithTheChosenRecipientReadAgainFromTheFile) {
  PutHistory();
  ASSERT_TRUE(app.patients()[4].setName("اسم لم يحفظ"));
  app.chosenPatient = 4;

  FormMarid screen(app);

  EXPECT_EQ(screen.LLLpatientId(), "سعيد محمود");
  EXPECT_EQ(screen.Xxx.Rows(), 4);
}

TEST_F(History, AClickedTicketShowsItsLinesInTheirRows) {
  PutHistory();
  app.chosenPatient = 4;
  FormMarid screen(app);

  screen.ClickTicket(2);  // ticket 40

  EXPECT_EQ(screen.xxx2.ColWidth(1), 1700);
  ASSERT_EQ(screen.xxx2.Rows(), 31);
  EXPECT_EQ(screen.xxx2.Row(1), (std::vector<std::string>{"اموكسيسيلين", "10"}));
  EXPECT_EQ(screen.xxx2.Row(2), (std::vector<std::string>{"باراسيتامول", "4"}));
  EXPECT_EQ(screen.xxx2.Row(3), (std::vector<std::string>{"اموكسيسيلين", "1"}));
  for (int row = 4; row <= 30; ++row) EXPECT_EQ(screen.xxx2.Row(row), (std::vector<std::string>{"", ""}));

  // Another ticket replaces the lines; the caption row shows nothing new.
  screen.ClickTicket(1);  // ticket 41
  EXPECT_EQ(screen.xxx2.Row(1), (std::vector<std::string>{"باراسيتامول", "6"}));
  EXPECT_EQ(screen.xxx2.Row(2), (std::vector<std::string>{"", ""}));
  screen.ClickTicket(0);
  screen.ClickTicket(9);
  EXPECT_EQ(screen.xxx2.Row(1), (std::vector<std::string>{"باراسيتامول", "6"}));
}

TEST_F(History, ALineWithADrugOutsideTheTableShowsItsQuantityWithoutAName) {
  PutTicket(7, util::MakeDate(2025, 4, 1), {{3, 2}}).setPatientIndex(2);
  app.tickets()[7].setDrugIndex(2, 2000);
  app.tickets()[7].setQuantity(2, 9);
  PutDrug(3, "باراسيتامول", 5);
  app.chosenPatient = 2;
  FormMarid screen(app);

  screen.ClickTicket(1);

  EXPECT_EQ(screen.xxx2.Row(2), (std::vector<std::string>{"", "9"}));
}

TEST_F(History, FillRecipientHistoryOfNobodyIsTheCaptionRowAlone) {
  PutHistory();
  util::Grid grid("Xxx", 5, 4);
  dispensing::FillRecipientHistory(app, 0, grid);
  EXPECT_EQ(grid.Rows(), 1);
  EXPECT_EQ(grid.Cols(), 2);
  dispensing::FillRecipientHistory(app, 5, grid);  // a recipient without tickets
  EXPECT_EQ(grid.Rows(), 1);
}

TEST_F(History, OpenRecipientHistoryShowsTheScreenModally) {
  dispensing::OpenRecipientHistory(app);
  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormMarid"});
}

}  // namespace
