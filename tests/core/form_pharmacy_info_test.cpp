#include <gtest/gtest.h>

#include "core/form_pharmacy_info.h"
#include "core/settings.h"
#include "storage/data_files.h"
#include "tests/core/core_fixture.h"

namespace {

using core::FormPharmacyInfo;

class PharmacyInfo : public core_test::AppFixture {
 protected:
  PharmacyInfo() {
    std::filesystem::create_directories(DataFolder());
    app.settings().setGovernorate("القاهرة");
    app.settings().setHospitalName("مستشفي الحسين");
    app.settings().setDepartmentName("الصيدلية");
    EXPECT_TRUE(core::SaveSettings(app));
  }
  // The settings as the file holds them.
  storage::SettingsRecord Stored() {
    storage::SettingsTable table(1);
    EXPECT_TRUE(table.Load(app.DataFile(storage::kSettingsFile)));
    return table[1];
  }
};

TEST_F(PharmacyInfo, OpensWithTheStoredValues) {
  FormPharmacyInfo form(app);
  EXPECT_EQ(form.TttMohafaza, "القاهرة");
  EXPECT_EQ(form.TttMostashfa, "مستشفي الحسين");
  EXPECT_EQ(form.TttQism, "الصيدلية");
}

TEST_F(PharmacyInfo, AnEmptyBoxIsRefusedSilently) {
  for (int empty = 0; empty < 3; ++empty) {
    FormPharmacyInfo form(app);
    form.TttMohafaza = "الجيزة";
    form.TttMostashfa = "مستشفي اخر";
    form.TttQism = "قسم";
    std::string* boxes[] = {&form.TttMohafaza, &form.TttMostashfa, &form.TttQism};
    *boxes[empty] = "   ";
    EXPECT_FALSE(form.Ok());
    EXPECT_FALSE(form.closed());
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(app.settings().governorate(), "القاهرة");
  EXPECT_EQ(Stored().governorate(), "القاهرة");
}

TEST_F(PharmacyInfo, OkStoresTheCleanedTextsCutToThirtyCharacters) {
  FormPharmacyInfo form(app);
  const std::string ten = "ابجدهوزحطي";
  const std::string forty = ten + ten + ten + ten;
  form.TttMohafaza = "  الجيزة ";
  form.TttMostashfa = forty;
  form.TttQism = "قسم الباطنة";
  EXPECT_TRUE(form.Ok());
  EXPECT_TRUE(form.closed());

  auto stored = Stored();
  EXPECT_EQ(stored.governorate(), "الجيزة");
  EXPECT_EQ(stored.hospitalName(), ten + ten + ten);
  EXPECT_EQ(stored.departmentName(), "قسم الباطنة");
  EXPECT_EQ(app.settings().hospitalName(), stored.hospitalName());
}

TEST_F(PharmacyInfo, CancelDoesNothingAndClosingStoresNothing) {
  FormPharmacyInfo form(app);
  form.TttMohafaza = "الجيزة";
  form.Cancel();
  EXPECT_FALSE(form.closed());
  form.Close();
  EXPECT_TRUE(form.closed());
  EXPECT_EQ(app.settings().governorate(), "القاهرة");
  EXPECT_EQ(Stored().governorate(), "القاهرة");
}

}  // namespace
