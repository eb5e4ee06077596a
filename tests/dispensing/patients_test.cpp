#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/tables.h"
#include "dispensing/patients.h"
#include "storage/cp1256.h"
#include "tests/dispensing/dispensing_fixture.h"

namespace {

using dispensing_test::At;
using dispensing_test::DispensingFixture;

// n copies of a text.
std::string Repeat(const std::string& text, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += text;
  return out;
}

using Patients = DispensingFixture;

TEST_F(Patients, FirstFreePatientFollowsTheNamedRecords) {
  EXPECT_EQ(dispensing::FirstFreePatient(app), 1);
  for (std::size_t n = 1; n <= 41; ++n) ASSERT_TRUE(app.patients()[n].setName("مريض " + std::to_string(n)));
  app.patients()[43].setName("مريض 43");
  EXPECT_EQ(dispensing::FirstFreePatient(app), 42);
  app.patients()[42].setName("   ");  // spaces only: still free
  EXPECT_EQ(dispensing::FirstFreePatient(app), 42);

  for (std::size_t n = 1; n <= 30000; ++n) ASSERT_TRUE(app.patients()[n].setName("x"));
  EXPECT_EQ(dispensing::FirstFreePatient(app), 0);
}

TEST_F(Patients, FindPatientByNameComparesCleanedNamesAndTakesTheLowerNumber) {
  app.patients()[3].setName("سعيد محمود");
  app.patients()[5].setName("  احمد علي  ");
  app.patients()[9].setName("احمد علي");
  EXPECT_EQ(dispensing::FindPatientByName(app, "احمد علي"), 5);
  EXPECT_EQ(dispensing::FindPatientByName(app, " احمد علي   "), 5);
  EXPECT_EQ(dispensing::FindPatientByName(app, "سعيد محمود"), 3);
  EXPECT_EQ(dispensing::FindPatientByName(app, "احمد"), 0);  // whole names only
  EXPECT_EQ(dispensing::FindPatientByName(app, "  "), 0);    // no name finds nobody
}

TEST(ClassificationText, BothDirections) {
  struct Case {
    const char* value;
    const char* text;
  };
  for (Case c : {Case{"0", "General"}, Case{"66", "Kidny"}, Case{"General", "0"},
                 Case{"Kidny", "66"}, Case{" 66 ", "Kidny"}, Case{"5", ""}, Case{"", ""},
                 Case{"kidny", ""}, Case{"Kidney", ""}}) {
    EXPECT_EQ(dispensing::ClassificationText(c.value), c.text) << c.value;
  }
  EXPECT_EQ(dispensing::ClassificationText(std::int32_t{0}), "General");
  EXPECT_EQ(dispensing::ClassificationText(std::int32_t{66}), "Kidny");
  EXPECT_EQ(dispensing::ClassificationText(std::int32_t{5}), "");
}

TEST_F(Patients, SubDeviceLockHoldsForTenDaysAfterItsEditDate) {
  EXPECT_DOUBLE_EQ(dispensing::SubDeviceEditDate(app), 0);  // no file
  EXPECT_FALSE(dispensing::SubDeviceLocked(app));

  // The clock reads 12:00: a date 10 days back is ten and a half days old.
  struct Case {
    int daysAgo;
    bool locked;
  };
  for (Case c : {Case{3, true}, Case{12, false}, Case{9, true}, Case{10, false}}) {
    SCOPED_TRACE(c.daysAgo);
    const int date = static_cast<int>(kToday) - c.daysAgo;
    WriteTextFile("peos.vlk", std::to_string(date) + "\r\n");
    EXPECT_DOUBLE_EQ(dispensing::SubDeviceEditDate(app), date);
    EXPECT_EQ(dispensing::SubDeviceLocked(app), c.locked);
  }

  WriteTextFile("peos.vlk", "not a date");
  EXPECT_DOUBLE_EQ(dispensing::SubDeviceEditDate(app), 0);
  EXPECT_FALSE(dispensing::SubDeviceLocked(app));
}

TEST_F(Patients, NamesUpToSeventyEightCodePageBytesFit) {
  const std::string longest = Repeat("ب", 78);  // 78 bytes in code page 1256, 156 in UTF-8
  ASSERT_EQ(storage::Cp1256Length(longest), 78u);
  app.patients()[4].setDecisionNumber(123);

  ASSERT_TRUE(dispensing::SetPatientName(app, 4, "  " + longest + " "));
  EXPECT_EQ(app.patients()[4].name(), longest);
  EXPECT_DOUBLE_EQ(app.patients()[4].decisionNumber(), 123);  // moved with the name

  auto refused = dispensing::SetPatientName(app, 4, longest + "ب");
  EXPECT_TRUE(refused.refused());
  EXPECT_EQ(refused.message(), "الاسم اطول من 78 حرفا ولا يتسع له سجل المريض");
  EXPECT_EQ(app.patients()[4].name(), longest);
  EXPECT_DOUBLE_EQ(app.patients()[4].decisionNumber(), 123);
}

TEST_F(Patients, SetPatientNameRefusesNumbersOutsideTheTable) {
  for (std::int32_t n : {0, -1, 30001}) {
    auto result = dispensing::SetPatientName(app, n, "سعيد");
    EXPECT_TRUE(result.refused()) << n;
    EXPECT_FALSE(result.message().empty()) << n;
  }
  EXPECT_TRUE(dispensing::SetPatientName(app, 30000, "سعيد"));
  EXPECT_TRUE(ui.messages.empty());  // the caller shows the refusal
}

TEST_F(Patients, FieldsFollowTheNameInTheSavedFile) {
  auto& p = app.patients()[7];
  ASSERT_TRUE(dispensing::SetPatientName(app, 7, "سامي"));
  p.setDecisionNumber(4512);
  p.setNationalId(29001011234567.0);
  p.setDecisionStart(45000);
  p.setClassification(66);
  p.setDecisionAmount(5000);
  p.setDecisionDays(90);

  auto check = [&](const std::string& name) {
    ASSERT_TRUE(core::SavePatients(app));
    const auto file = ReadFile("nfqpatient.vlk");
    ASSERT_EQ(file.size(), 30000u * 128u);
    const std::size_t at = 6 * 128;
    const auto encoded = storage::EncodeCp1256(name);
    const std::size_t n = encoded.size();
    EXPECT_EQ(At<std::uint16_t>(file, at), n);
    EXPECT_TRUE(std::equal(encoded.begin(), encoded.end(), file.begin() + at + 2));
    EXPECT_DOUBLE_EQ(At<double>(file, at + 2 + n), 4512);
    EXPECT_DOUBLE_EQ(At<double>(file, at + 10 + n), 29001011234567.0);
    EXPECT_EQ(At<std::int16_t>(file, at + 18 + n), 0);
    EXPECT_DOUBLE_EQ(At<double>(file, at + 20 + n), 45000);
    EXPECT_EQ(At<std::int32_t>(file, at + 28 + n), 66);
    EXPECT_EQ(At<std::int32_t>(file, at + 32 + n), 5000);
    EXPECT_EQ(At<std::int32_t>(file, at + 36 + n), 90);
  };
  check("سامي");
  ASSERT_TRUE(dispensing::SetPatientName(app, 7, "سامي عبد الرحمن"));
  check("سامي عبد الرحمن");
}

}  // namespace
