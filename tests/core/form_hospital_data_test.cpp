// The hospital sub-data screen, without a window.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/form_hospital_data.h"
#include "core/form_input_box.h"
#include "core/tables.h"
#include "core/users.h"
#include "tests/core/core_fixture.h"
#include "util/numbers.h"

namespace {

using core::FormHospitaldata;
using Texts = std::vector<std::string>;

constexpr util::Colour kBlack = util::Rgb(0, 0, 0);
constexpr util::Colour kDarkRed = util::Rgb(155, 10, 10);

class HospitalData : public core_test::AppFixture {
 protected:
  HospitalData() {
    std::filesystem::create_directories(DataFolder());
    app.settings().setProgramType(1004);
    app.settings().setCurrentUser(1);
    app.drugs()[1].setDrugName("اسبرين");
    app.drugs()[7].setDrugName("  انسولين ");
    app.drugs()[1500].setDrugName("فيتامين");
    for (std::size_t n = 1; n <= 3; ++n) {
      EXPECT_TRUE(app.patients()[n].setName("مستشفي " + std::to_string(n)));
    }
    app.hospitals()[2].setMonthlyRequirement(7, 40);
    app.hospitals()[2].setMonthlyRequirement(1500, -2);
  }

  // The first free recipient is `free`; the pick list chooses `chosen`.
  core::RecipientSearch Recipients(std::int32_t free, std::int32_t chosen = 0) {
    return {[free](const core::App&) { return free; },
            [this, chosen](core::App& a) {
              a.chosenPatient = chosen;
              ++pickLists;
              return chosen;
            }};
  }

  // The input dialog answers the text (empty: cancelled).
  void InputAnswers(std::string answer) {
    ui.screens["FFFIB"] = [answer](util::ModalScreen& screen) {
      auto& box = static_cast<core::FormInputBox&>(screen);
      if (answer.empty()) {
        box.Cancel();
      } else {
        box.SetUserInput(answer);
        box.Ok();
      }
    };
  }

  // The requirement of the drug in hospital record n as the file holds it.
  std::int32_t InFile(std::size_t n, int drug) {
    storage::HospitalTable table(storage::kMaxHospitals);
    EXPECT_TRUE(table.Load(app.DataFile("hospitals.vlk")));
    return table[n].monthlyRequirement(drug);
  }

  int pickLists = 0;
};

TEST_F(HospitalData, OpensOnTheLastUsedRecipientAtMost500) {
  struct Case {
    std::int32_t firstFree;
    std::int32_t shown;
  };
  for (Case c : {Case{4, 3}, Case{2, 1}, Case{1, 1}, Case{501, 499}, Case{30000, 499},
                 Case{0, 0}}) {
    SCOPED_TRACE(c.firstFree);
    FormHospitaldata screen(app, Recipients(c.firstFree));
    EXPECT_EQ(screen.LLL(), c.shown);
    EXPECT_EQ(screen.Xxx.Rows() > 1 && !screen.Xxx.Text(1, 0).empty(), c.shown > 0);
  }
}

TEST_F(HospitalData, ListsTheNamedDrugsFromTheHighestNumberWithTheirNeedAndColour) {
  FormHospitaldata screen(app, Recipients(3));  // recipient 2

  EXPECT_EQ(screen.TextName(), "مستشفي 2");
  ASSERT_EQ(screen.Xxx.Rows(), 4);
  EXPECT_EQ(screen.Xxx.Row(0), (Texts{"", "", ""}));
  EXPECT_EQ(screen.Xxx.Row(1), (Texts{"1500", "فيتامين", "-2"}));
  EXPECT_EQ(screen.Xxx.Row(2), (Texts{"7", "انسولين", "40"}));
  EXPECT_EQ(screen.Xxx.Row(3), (Texts{"1", "اسبرين", "0"}));
  const util::Colour expected[] = {kDarkRed, kBlack, kDarkRed};
  for (int row = 1; row <= 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      EXPECT_EQ(screen.Xxx.CellForeColour(row, col), expected[row - 1]) << row << "," << col;
    }
  }
  EXPECT_EQ(FormHospitaldata::kNoNeedColour, util::RedShade(5));
  EXPECT_EQ(screen.Xxx.ColWidth(0), 825);
  EXPECT_EQ(screen.Xxx.ColWidth(1), 4185);
  EXPECT_EQ(screen.Xxx.ColWidth(2), 1215);
  for (int col = 0; col < 3; ++col) {
    EXPECT_EQ(screen.Xxx.ColAlignment(col), screen.Xxx.ColAlignment(0));
  }
}

TEST_F(HospitalData, ARecipientNumberIsClampedAndNoneChangesNothing) {
  app.patients()[500].setName("الوحدة 500");
  FormHospitaldata screen(app, Recipients(3, 0));

  screen.Show(700);
  EXPECT_EQ(screen.LLL(), 500);
  EXPECT_EQ(screen.TextName(), "الوحدة 500");

  screen.Show(3);
  screen.Show(0);
  screen.Show(-4);
  screen.ClickLLL();  // the pick list closes without a choice
  EXPECT_EQ(screen.LLL(), 3);
  EXPECT_EQ(screen.TextName(), "مستشفي 3");
  EXPECT_EQ(screen.Xxx.Rows(), 4);
  EXPECT_EQ(pickLists, 1);
}

TEST_F(HospitalData, AClickOnTheNumberShowsThePickListsChoice) {
  FormHospitaldata screen(app, Recipients(2, 2));
  ASSERT_EQ(screen.LLL(), 1);
  screen.ClickLLL();
  EXPECT_EQ(screen.LLL(), 2);
  EXPECT_EQ(screen.Xxx.Text(2, 2), "40");
}

TEST_F(HospitalData, TheRequirementIsAskedThroughTheInputDialog) {
  FormHospitaldata screen(app, Recipients(3));  // recipient 2
  struct Case {
    std::string answer;
    std::string shown;
    util::Colour colour;
  };
  // Row 3 is drug 1.
  for (const Case& c : {Case{"30", "30", kBlack}, Case{"12.5", "12", kBlack},
                        Case{"13.5 علبة", "14", kBlack}, Case{"abc", "0", kDarkRed},
                        Case{"", "0", kDarkRed},  // cancelled: unchanged
                        Case{"0.6", "1", kBlack}}) {
    SCOPED_TRACE(c.answer);
    InputAnswers(c.answer);
    ui.modalScreens.clear();

    screen.ClickRow(3);

    EXPECT_EQ(ui.modalScreens, Texts{"FFFIB"});
    EXPECT_EQ(screen.Xxx.Text(3, 2), c.shown);
    EXPECT_EQ(screen.Xxx.CellForeColour(3, 0), c.colour);
    EXPECT_EQ(app.hospitals()[2].monthlyRequirement(1), std::stoi(c.shown));
  }
  EXPECT_EQ(InFile(2, 1), 0);  // nothing written before "حفظ"
}

TEST_F(HospitalData, TheDialogCarriesTheTitleAndTheRowsNeed) {
  FormHospitaldata screen(app, Recipients(3));
  std::string title;
  std::string initial;
  ui.screens["FFFIB"] = [&](util::ModalScreen& screen) {
    auto& box = static_cast<core::FormInputBox&>(screen);
    title = box.title();
    initial = box.userInput();
    box.Cancel();
  };
  screen.ClickRow(2);  // drug 7
  EXPECT_EQ(title, "ادخل المطلوب شهريا من هذا الصنف لهذه المستشفي");
  EXPECT_EQ(initial, "40");
}

TEST_F(HospitalData, TheCaptionRowAndRowsOutsideTheListAskNothing) {
  FormHospitaldata screen(app, Recipients(3));
  InputAnswers("5");
  screen.ClickRow(0);
  screen.ClickRow(4);
  screen.ClickRow(-1);
  EXPECT_TRUE(ui.modalScreens.empty());

  FormHospitaldata empty(app, Recipients(0));  // nobody shown: the grid has no drug
  empty.ClickRow(1);
  EXPECT_TRUE(ui.modalScreens.empty());
}

TEST_F(HospitalData, AnEditKeepsTheTopRowAndTheNextRecipientScrollsThere) {
  for (std::size_t d = 100; d < 160; ++d) app.drugs()[d].setDrugName("دواء " + std::to_string(d));
  FormHospitaldata screen(app, Recipients(3));
  screen.Xxx.SetTopRow(20);
  InputAnswers("9");

  screen.ClickRow(25);

  EXPECT_EQ(screen.Xxx.TopRow(), 20);
  screen.Show(3);
  EXPECT_EQ(screen.Xxx.TopRow(), 20);
}

TEST_F(HospitalData, SaveWritesTheOneRecordAndCloses) {
  FormHospitaldata screen(app, Recipients(3));  // recipient 2
  InputAnswers("25");
  screen.ClickRow(3);  // drug 1

  ASSERT_TRUE(screen.Save());

  EXPECT_TRUE(screen.closed());
  EXPECT_EQ(InFile(2, 1), 25);
  EXPECT_EQ(InFile(2, 7), 40);
  EXPECT_EQ(std::filesystem::file_size(app.DataFile("hospitals.vlk")), 2u * 6148u);
  EXPECT_EQ(app.hospitals()[2].monthlyRequirement(1), 25);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HospitalData, CloseDiscardsTheEditsThatWereNotWritten) {
  ASSERT_TRUE(core::SaveHospital(app, 2));  // the file holds 40 for drug 7
  FormHospitaldata screen(app, Recipients(3));
  InputAnswers("30");
  screen.ClickRow(2);  // drug 7
  ASSERT_EQ(app.hospitals()[2].monthlyRequirement(7), 30);

  screen.Close();

  EXPECT_TRUE(screen.closed());
  EXPECT_EQ(app.hospitals()[2].monthlyRequirement(7), 40);
  EXPECT_EQ(InFile(2, 7), 40);
}

TEST_F(HospitalData, SavingOneRecipientDiscardsTheEditsOfAnotherLeftUnsaved) {
  FormHospitaldata screen(app, Recipients(3, 3));  // recipient 2, then 3
  InputAnswers("30");
  screen.ClickRow(2);  // drug 7 of recipient 2, never saved
  screen.ClickLLL();
  screen.ClickRow(2);  // drug 7 of recipient 3

  ASSERT_TRUE(screen.Save());

  EXPECT_EQ(app.hospitals()[3].monthlyRequirement(7), 30);
  EXPECT_EQ(InFile(3, 7), 30);
  EXPECT_EQ(app.hospitals()[2].monthlyRequirement(7), 0);  // as the file has it (no record)
  EXPECT_EQ(InFile(2, 7), 0);
}

TEST_F(HospitalData, AFailedWriteIsShownAndTheScreenStaysWithItsEdits) {
  std::filesystem::create_directories(app.DataFile("hospitals.vlk"));  // a folder where the file belongs
  FormHospitaldata screen(app, Recipients(3));
  InputAnswers("30");
  screen.ClickRow(2);

  EXPECT_TRUE(screen.Save().failed());

  EXPECT_FALSE(screen.closed());
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(app.hospitals()[2].monthlyRequirement(7), 30);
}

TEST_F(HospitalData, OnlyTheFirstUserOfTheAdministrationStoreOpensIt) {
  struct Case {
    int type;
    std::int16_t user;
    bool opened;
    Texts messages;
  };
  for (const Case& c : {Case{1004, 1, true, {}},
                        Case{1004, 2, false, {"من صلاحيات المستخدم الاول فقط"}},
                        Case{1004, 88, false, {"من صلاحيات المستخدم الاول فقط"}},
                        Case{1004, 0, false, {"من صلاحيات المستخدم الاول فقط"}},
                        Case{1003, 1, false, {}}, Case{1001, 1, false, {}}}) {
    SCOPED_TRACE(testing::Message() << c.type << "/" << c.user);
    app.settings().setProgramType(static_cast<std::int16_t>(c.type));
    app.settings().setCurrentUser(c.user);
    ui.messages.clear();
    ui.modalScreens.clear();

    core::OpenHospitalSubData(app, Recipients(2));

    EXPECT_EQ(ui.modalScreens, c.opened ? Texts{"FormHospitaldata"} : Texts{});
    EXPECT_EQ(ui.MessageTexts(), c.messages);
  }
}

TEST_F(HospitalData, AWindowClosedWithoutXStillDiscardsTheEdits) {
  ASSERT_TRUE(core::SaveHospital(app, 2));
  InputAnswers("77");
  ui.screens["FormHospitaldata"] = [](util::ModalScreen& screen) {
    static_cast<FormHospitaldata&>(screen).ClickRow(2);  // drug 7, then the window goes away
  };
  core::OpenHospitalSubData(app, Recipients(3));
  EXPECT_EQ(app.hospitals()[2].monthlyRequirement(7), 40);
}

}  // namespace
