#include "drugs/drug_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "core/app.h"
#include "tests/support/fakes.h"

namespace {

// The lookups read the in-memory table only; no file is touched.
class DrugTable : public ::testing::Test {
 protected:
  DrugTable() : platform(folder.path()), app(clock, platform, ui) {}

  storage::DrugRecord& Drug(std::int32_t n) { return app.drugs()[static_cast<std::size_t>(n)]; }

  testing_support::TempFolder folder;
  testing_support::FakeClock clock;
  testing_support::FakePlatform platform;
  testing_support::ScriptedInteraction ui;
  core::App app;
};

// ---------------------------------------------------------------------------
// FindDrugByName

TEST_F(DrugTable, FindDrugByNameComparesCleanedNamesExactlyAndTakesTheHigherNumber) {
  Drug(3).setDrugName("Panadol 500");
  Drug(7).setDrugName("Panadol 500");
  Drug(9).setDrugName("  فولتارين  ");  // stored with spaces: read back cleaned
  Drug(1500).setDrugName("Zyrtec");

  struct Case {
    std::string_view typed;
    std::int32_t drug;
  };
  const Case cases[] = {
      {"Panadol 500", 7},     // two drugs of the same name: the higher number
      {"  Panadol 500 ", 7},  // spaces around a typed name
      {"panadol 500", 0},     // case counts
      {"Panadol", 0},         // no partial match
      {"فولتارين", 9},
      {"Zyrtec", 1500},
      {"", 0},  // blank text never names one of the free records
      {"    ", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drugs::FindDrugByName(app, c.typed), c.drug) << c.typed;
  }
}

TEST_F(DrugTable, FindDrugByNameIgnoresNulsInTheTypedText) {
  Drug(4).setDrugName("Aspirin");
  EXPECT_EQ(drugs::FindDrugByName(app, std::string("Aspirin\0\0", 9)), 4);
}

// ---------------------------------------------------------------------------
// FirstFreeDrug

TEST_F(DrugTable, FirstFreeDrugIsTheFirstNameThatCleansToEmpty) {
  EXPECT_EQ(drugs::FirstFreeDrug(app), 1);
  Drug(1).setDrugName("A");
  Drug(2).setDrugName("B");
  Drug(4).setDrugName("D");
  EXPECT_EQ(drugs::FirstFreeDrug(app), 3);
  Drug(3).setDrugName("   ");  // spaces only: still free
  EXPECT_EQ(drugs::FirstFreeDrug(app), 3);
  Drug(3).setDrugName("C");
  EXPECT_EQ(drugs::FirstFreeDrug(app), 5);
}

TEST_F(DrugTable, FirstFreeDrugIsZeroWhenAll1500AreUsed) {
  for (std::int32_t n = 1; n <= 1500; ++n) Drug(n).setDrugName("Drug " + std::to_string(n));
  EXPECT_EQ(drugs::FirstFreeDrug(app), 0);
  Drug(1500).setDrugName("");
  EXPECT_EQ(drugs::FirstFreeDrug(app), 1500);
}

// ---------------------------------------------------------------------------
// Therapeutic groups

TEST(TherapeuticGroups, NumberedOneTo82InTheirOrder) {
  struct Case {
    int group;
    std::string_view name;
  };
  const Case cases[] = {
      {1, "ضد القيء"},
      {3, "أدوية لعلاج الإسهال – تقلل حركة الأمعاء"},
      {4, "أدوية لعلاج الإسهال - مطهر معوي وللأميبا"},
      {45, "مضادات حيوية"},
      {60, "الأنسولين"},
      {81, "قطرات مرطبة للعين"},
      {82, "مراهم مضاد حيوي للعين"},
      {0, ""},
      {83, ""},
      {200, ""},
      {-1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drugs::TherapeuticGroupName(c.group), c.name) << c.group;
  }
  ASSERT_EQ(drugs::TherapeuticGroups().size(), 83u);
  EXPECT_EQ(drugs::TherapeuticGroups()[0], "");
  EXPECT_EQ(drugs::TherapeuticGroups()[60], "الأنسولين");
}

TEST(TherapeuticGroups, EveryNameIsDistinctAndFindsItsOwnNumber) {
  std::set<std::string_view> seen;
  for (int g = 1; g <= 82; ++g) {
    std::string_view name = drugs::TherapeuticGroupName(g);
    EXPECT_FALSE(name.empty()) << g;
    EXPECT_TRUE(seen.insert(name).second) << g;
    EXPECT_EQ(drugs::FindGroupByName(name), g) << g;
  }
}

TEST(TherapeuticGroups, FindGroupByName) {
  struct Case {
    std::string_view typed;
    std::int32_t group;
  };
  const Case cases[] = {
      {"الأنسولين", 60}, {"  الأنسولين ", 60},
      {"الانسولين", 0},  // the spelling must match: alef with hamza
      {"", 0},           {"   ", 0},
      {"مضادات", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drugs::FindGroupByName(c.typed), c.group) << c.typed;
  }
}

// ---------------------------------------------------------------------------
// Units

TEST(UnitText, TranslatesBothWaysAndNothingElse) {
  struct Case {
    std::string_view in;
    std::string_view out;
  };
  const Case cases[] = {
      {"4", "امبولة"}, {"امبولة", "4"}, {"16", "امبول"}, {"امبول", "16"},
      {"1", "قرص"},    {"قرص", "1"},    {"15", "كيس"},   {"17", ""},
      {"0", ""},       {"", ""},        {"04", ""},      {" 4", ""},
      {"4 ", ""},      {"امبولة ", ""}, {"-1", ""},      {"tablet", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drugs::UnitText(c.in), c.out) << c.in;
  }
}

TEST(UnitText, EveryCodeRoundTrips) {
  std::set<std::string> names;
  for (int code = 1; code <= 16; ++code) {
    std::string name = drugs::UnitText(std::to_string(code));
    EXPECT_FALSE(name.empty()) << code;
    names.insert(name);
    EXPECT_EQ(drugs::UnitText(name), std::to_string(code)) << code;
  }
  EXPECT_EQ(names.size(), 16u);
}

// ---------------------------------------------------------------------------
// HasOpeningBalances

TEST_F(DrugTable, HasOpeningBalancesNeedsMoreThanTenDrugsAboveZero) {
  EXPECT_FALSE(drugs::HasOpeningBalances(app));
  for (std::int32_t n = 1; n <= 10; ++n) Drug(n * 100).setOpeningBalance(n);
  Drug(1).setOpeningBalance(-5);  // only balances above 0 count
  Drug(2).setOpeningBalance(0);
  EXPECT_FALSE(drugs::HasOpeningBalances(app));

  Drug(1500).setOpeningBalance(1);
  EXPECT_TRUE(drugs::HasOpeningBalances(app));
}

}  // namespace
