// The drug search: letter buttons, the refrigerator, schedule and special
// nature buttons, the name search, and the click that picks the current drug.

#include "drugs/form_ds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/drugs/drugs_fixture.h"

namespace {

using drugs::FormDs;
using Names = std::vector<std::string>;

class FormDsTest : public drugs_test::DrugsFixture {};

TEST_F(FormDsTest, StartsWithAnEmptyListAndTheFocusInTheSearchBox) {
  NameDrugs(1, 3);
  FormDs dialog(app);
  EXPECT_TRUE(dialog.list().empty());
  EXPECT_EQ(dialog.focus(), FormDs::Focus::SearchBox);

  dialog.DownArrow();
  EXPECT_EQ(dialog.focus(), FormDs::Focus::List);
}

TEST_F(FormDsTest, ALetterListsTheNamesStoredWithThatFirstLetterInNumberOrder) {
  Drug(1).setDrugName("امبيسلين");
  Drug(2).setDrugName("أموكسيل");   // alef with hamza is another letter
  Drug(3).setDrugName(" اسبرين");   // stored with a leading space: no letter
  Drug(4).setDrugName("بانادول");
  Drug(9).setDrugName("ابكسول");
  Drug(12).setDrugName("يوريفين");

  struct Case {
    int letter;
    Names names;
  };
  const Case cases[] = {
      {0, {"امبيسلين", "ابكسول"}},  // "ا"
      {1, {"بانادول"}},              // "ب"
      {19, {"يوريفين"}},             // "ي"
      {2, {}},                        // "ت"
  };
  FormDs dialog(app);
  for (const auto& c : cases) {
    dialog.Letter(c.letter);
    EXPECT_EQ(dialog.list(), c.names) << FormDs::kLetters[static_cast<std::size_t>(c.letter)];
  }
}

TEST_F(FormDsTest, RefrigeratorScheduleAndSpecialNatureListNamedDrugsOnly) {
  NameDrugs(1, 6);
  Drug(1).setStorageTemperature(8);
  Drug(2).setStorageTemperature(15);
  Drug(3).setStorageTemperature(16);
  for (std::int32_t n = 4; n <= 6; ++n) Drug(n).setStorageTemperature(25);
  Drug(5).setNarcoticsSchedule(1);
  Drug(6).setNarcoticsSchedule(3);
  Drug(6).setSpecialNature(true);
  Drug(2).setSpecialNature(true);
  // A free number with data left in it is never listed.
  Drug(40).setStorageTemperature(4);
  Drug(40).setNarcoticsSchedule(2);
  Drug(40).setSpecialNature(true);

  FormDs dialog(app);
  dialog.Refrigerator();
  EXPECT_EQ(dialog.list(), (Names{"دواء 1", "دواء 2"}));
  dialog.Schedule();
  EXPECT_EQ(dialog.list(), (Names{"دواء 5", "دواء 6"}));
  dialog.SpecialNature();
  EXPECT_EQ(dialog.list(), (Names{"دواء 2", "دواء 6"}));
}

TEST_F(FormDsTest, TheNameSearchMatchesEveryWordInOrderAnywhereInTheName) {
  Drug(1).setDrugName("امبيسلين");
  Drug(2).setDrugName("لامبام");
  Drug(3).setDrugName("Brufen 400");
  Drug(4).setDrugName("brufen 600");
  Drug(5).setDrugName("امبولة فولتارين");
  Drug(6).setDrugName("Brufen 40x");

  struct Case {
    std::string typed;
    Names names;
  };
  const Case cases[] = {
      {"ام ل", {"امبيسلين", "امبولة فولتارين"}},  // ام, then ل anywhere later
      {"Brufen", {"Brufen 400", "Brufen 40x"}},    // case counts
      {"rufen 4##", {"Brufen 400"}},
      {"[Bb]rufen ?00", {"Brufen 400", "brufen 600"}},
      {"فولتارين", {"امبولة فولتارين"}},
      {"xyz", {}},
  };
  FormDs dialog(app);
  for (const auto& c : cases) {
    dialog.SetSearchText(c.typed);
    EXPECT_EQ(dialog.searchText(), c.typed);
    EXPECT_EQ(dialog.list(), c.names) << c.typed;
  }
}

TEST_F(FormDsTest, AnEmptySearchListsEveryRecordFreeOnesIncluded) {
  NameDrugs(1, 2);
  FormDs dialog(app);
  dialog.SetSearchText("دواء");
  ASSERT_EQ(dialog.list().size(), 2U);

  dialog.SetSearchText("");

  ASSERT_EQ(dialog.list().size(), 1500U);
  EXPECT_EQ(dialog.list()[0], "دواء 1");
  EXPECT_EQ(dialog.list()[2], "");
}

TEST_F(FormDsTest, AClickMakesTheNamedDrugCurrentAndCloses) {
  Drug(3).setDrugName("Panadol");
  Drug(8).setDrugName("Panadol");  // the same name: the higher number
  Drug(9).setDrugName("Zyrtec");
  app.currentDrugNo = 5;
  FormDs dialog(app);
  dialog.SetSearchText("a");
  ASSERT_EQ(dialog.list(), (Names{"Panadol", "Panadol"}));

  dialog.ClickItem(0);

  EXPECT_EQ(app.currentDrugNo, 8);
  EXPECT_TRUE(dialog.closed());
}

TEST_F(FormDsTest, AClickOnAnEmptyNamePicksNoDrugAndAClickOutsideTheListDoesNothing) {
  app.currentDrugNo = 5;
  FormDs dialog(app);
  dialog.ClickItem(0);  // the list is empty
  EXPECT_EQ(app.currentDrugNo, 5);
  EXPECT_FALSE(dialog.closed());

  dialog.SetSearchText("");
  dialog.ClickItem(0);
  EXPECT_EQ(app.currentDrugNo, 0);
  EXPECT_TRUE(dialog.closed());
}

TEST_F(FormDsTest, OpenDrugSearchAnswersTheCurrentDrugAndKeepsItWhenClosedWithoutAChoice) {
  NameDrugs(1, 4);
  app.currentDrugNo = 2;
  EXPECT_EQ(drugs::OpenDrugSearch(app), 2);
  EXPECT_EQ(ui.modalScreens, (Names{"FFFDS"}));

  ui.screens["FFFDS"] = [](util::ModalScreen& screen) {
    auto& dialog = static_cast<FormDs&>(screen);
    dialog.SetSearchText("4");
    dialog.ClickItem(0);
  };
  EXPECT_EQ(drugs::OpenDrugSearch(app), 4);
}

}  // namespace
