#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "core/purge.h"
#include "core/settings.h"
#include "core/tables.h"
#include "core/users.h"
#include "storage/data_files.h"
#include "tests/core/core_fixture.h"
#include "util/dates.h"

namespace {

using core::PurgeKind;

// A pharmacy with data in every table, on disk and in memory.
class Purge : public core_test::AppFixture {
 protected:
  Purge() {
    std::filesystem::create_directories(DataFolder());
    auto& s = app.settings();
    s.setProgramType(1001);
    s.setTicketCount(20000);
    s.setAnchorDate(45000);
    s.setHospitalName("مستشفي");
    for (int user = 1; user <= 9; ++user) s.setUserPassword(user, static_cast<std::int16_t>(100 + user));
    EXPECT_TRUE(core::SaveSettings(app));

    for (std::int32_t t : {1, 7, 19999}) {
      app.tickets()[t].setDrugIndex(1, 2);
      app.tickets()[t].setQuantity(1, 5);
      app.tickets()[t].setTicketDate(45990);
      EXPECT_TRUE(core::SaveTicket(app, t));
    }
    app.receipts()[3].setLineDrug(1, 2);
    app.receipts()[3].setLineQuantity(1, 40);
    EXPECT_TRUE(core::SaveReceipt(app, 3));
    for (std::size_t d : {1, 2, 1500}) {
      auto& drug = app.drugs()[d];
      drug.setDrugName("دواء " + std::to_string(d));
      drug.setBalance(35);
      drug.setOpeningBalance(12);
      drug.setExpiryDate(46500);
      drug.setTenderPrice(2.5f);
    }
    EXPECT_TRUE(core::SaveAllDrugs(app));
    EXPECT_TRUE(app.suppliers()[1].setName("مورد"));
    EXPECT_TRUE(core::SaveSuppliers(app));
    EXPECT_TRUE(app.patients()[4].setName("مريض"));
    EXPECT_TRUE(core::SavePatients(app));
  }

  bool AllZero(const std::string& name) const {
    auto bytes = ReadFile(name);
    return std::all_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b == 0; });
  }
  template <class T>
  T SettingsField(std::size_t offset) const {
    auto bytes = ReadFile(storage::kSettingsFile);
    T v{};
    if (bytes.size() >= offset + sizeof v) std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
  }
  core::App& Reloaded() {
    reloaded_.drugs().Load(reloaded_.DataFile(storage::kDrugFile));
    return reloaded_;
  }

 private:
  testing_support::ScriptedInteraction reloadUi_;
  core::App reloaded_{clock, platform, reloadUi_};
};

TEST_F(Purge, AnybodyButTechnicalSupportIsRefused) {
  for (std::int16_t user : {0, 1, 9}) {
    app.settings().setCurrentUser(user);
    EXPECT_FALSE(core::Purge(app, PurgeKind::AllData));
  }
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(3, "Need technical support"));
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_FALSE(app.ExitRequested());
  EXPECT_EQ(app.tickets()[7].drugIndex(1), 2);
  EXPECT_TRUE(std::filesystem::exists(DataFolder() / storage::kSupplierFile));
}

TEST_F(Purge, AnswerOtherThanYesChangesNothing) {
  app.settings().setCurrentUser(core::kTechnicalSupport);
  for (auto answer : {util::Answer::No, util::Answer::Cancel}) {
    ui.answers = {answer};
    EXPECT_FALSE(core::Purge(app, PurgeKind::AllData));
  }
  EXPECT_EQ(ui.questions, std::vector<std::string>(
                              2, "سوف يتم الغاء كافة البيانات الموجودة في هذا البرنامج   هل تريد الاستمرار"));
  EXPECT_FALSE(app.ExitRequested());
  EXPECT_EQ(SettingsField<std::int16_t>(218), 1001);
  EXPECT_EQ(app.tickets()[7].drugIndex(1), 2);
}

TEST_F(Purge, TechnicalSupportEmptiesEveryTableAndEndsTheProgram) {
  app.settings().setCurrentUser(core::kTechnicalSupport);
  std::vector<std::pair<std::int32_t, bool>> progress;
  auto record = [&](std::int32_t written, std::int32_t total) {
    EXPECT_EQ(total, 500000);
    progress.emplace_back(written, platform.busyCursor);
  };

  EXPECT_TRUE(core::Purge(app, PurgeKind::AllData, record));

  EXPECT_TRUE(app.ExitRequested());
  EXPECT_TRUE(ui.messages.empty());
  // The empty tickets, written under the busy pointer with a few dozen
  // progress reports and yields.
  EXPECT_FALSE(platform.busyCursor);
  ASSERT_GE(progress.size(), 10u);
  EXPECT_LE(progress.size(), 1000u);
  EXPECT_EQ(progress.front().first, 0);
  EXPECT_EQ(progress.back().first, 500000);
  EXPECT_TRUE(std::all_of(progress.begin(), progress.end(), [](auto p) { return p.second; }));
  EXPECT_GE(platform.yields, 10);

  EXPECT_EQ(std::filesystem::file_size(DataFolder() / storage::kTicketFile), 500000u * 262u);
  EXPECT_TRUE(AllZero(storage::kTicketFile));
  EXPECT_TRUE(app.tickets()[7].IsEmpty());
  EXPECT_EQ(std::filesystem::file_size(DataFolder() / storage::kReceiptFile), 5000u * 544u);
  EXPECT_TRUE(AllZero(storage::kReceiptFile));
  EXPECT_EQ(std::filesystem::file_size(DataFolder() / storage::kDrugFile), 1500u * 143u);
  EXPECT_TRUE(AllZero(storage::kDrugFile));
  EXPECT_FALSE(std::filesystem::exists(DataFolder() / storage::kSupplierFile));
  EXPECT_EQ(std::filesystem::file_size(DataFolder() / storage::kPatientFile), 30000u * 128u);
  EXPECT_TRUE(AllZero(storage::kPatientFile));

  // The settings of a new installation.
  EXPECT_EQ(std::filesystem::file_size(DataFolder() / storage::kSettingsFile), 252u);
  EXPECT_EQ(SettingsField<std::int32_t>(4), 500000);
  EXPECT_EQ(SettingsField<double>(36), util::MakeDate(2021, 1, 1));
  EXPECT_EQ(SettingsField<double>(36), 44197.0);
  EXPECT_EQ(SettingsField<std::int16_t>(218), 0);
  for (std::size_t user = 1; user <= 9; ++user) {
    EXPECT_EQ(SettingsField<std::int16_t>(18 + 2 * (user - 1)), 8629) << user;
  }
  // Untouched: the identity.
  EXPECT_EQ(app.settings().hospitalName(), "مستشفي");
}

TEST_F(Purge, ExceptTheDrugsKeepsTheCatalogueWithZeroBalances) {
  app.settings().setCurrentUser(core::kTechnicalSupport);
  EXPECT_TRUE(core::Purge(app, PurgeKind::KeepDrugs));

  EXPECT_TRUE(AllZero(storage::kTicketFile));
  EXPECT_TRUE(AllZero(storage::kReceiptFile));
  auto& drugs = Reloaded().drugs();
  for (std::size_t d : {1, 2, 1500}) {
    EXPECT_EQ(drugs[d].drugName(), "دواء " + std::to_string(d));
    EXPECT_EQ(drugs[d].balance(), 0);
    EXPECT_EQ(drugs[d].openingBalance(), 0);
    EXPECT_EQ(drugs[d].expiryDate(), 0.0);
    EXPECT_EQ(drugs[d].tenderPrice(), 2.5f);
  }
  EXPECT_EQ(SettingsField<std::int16_t>(218), 0);
  EXPECT_TRUE(app.ExitRequested());
}

TEST_F(Purge, AFailedWriteIsReportedAndStopsThePurge) {
  // A folder in place of the receipt file cannot be written.
  std::filesystem::remove(DataFolder() / storage::kReceiptFile);
  std::filesystem::create_directory(DataFolder() / storage::kReceiptFile);
  app.settings().setCurrentUser(core::kTechnicalSupport);

  EXPECT_FALSE(core::Purge(app, PurgeKind::AllData));

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_NE(ui.messages[0].text.find(storage::kReceiptFile), std::string::npos);
  EXPECT_FALSE(platform.busyCursor);
  // Nothing after the receipts was touched: drugs, settings, suppliers.
  EXPECT_FALSE(AllZero(storage::kDrugFile));
  EXPECT_EQ(SettingsField<std::int16_t>(218), 1001);
  EXPECT_TRUE(std::filesystem::exists(DataFolder() / storage::kSupplierFile));
  // The run ends so that the next start reads the files as they are.
  EXPECT_TRUE(app.ExitRequested());
}

}  // namespace
