#pragma once
// A program run over a temporary program folder with its data folder made,
// and helpers to fill drugs, tickets, receipts and suppliers in memory and to
// read the drug file back.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/app.h"
#include "storage/data_files.h"
#include "storage/drug_record.h"
#include "tests/support/fakes.h"

namespace drugs_test {

class DrugsFixture : public ::testing::Test {
 protected:
  DrugsFixture() : platform(folder.path()), app(clock, platform, ui) {
    std::filesystem::create_directories(app.DataFolder());
  }

  storage::DrugRecord& Drug(std::int32_t n) { return app.drugs()[Index(n)]; }
  // Names drugs first..last "دواء <n>".
  void NameDrugs(std::int32_t first, std::int32_t last) {
    for (std::int32_t n = first; n <= last; ++n) Drug(n).setDrugName("دواء " + std::to_string(n));
  }
  void PutSupplier(std::int32_t n, const std::string& name) {
    ASSERT_TRUE(app.suppliers()[Index(n)].setName(name));
  }
  // The drug file as the next start would load it.
  storage::DrugTable StoredDrugs() const {
    storage::DrugTable stored(storage::kMaxDrugs);
    EXPECT_TRUE(stored.Load(app.DataFile(storage::kDrugFile)));
    return stored;
  }
  bool DrugFileExists() const {
    return std::filesystem::exists(app.DataFile(storage::kDrugFile));
  }
  // Takes the data folder away, so that every write fails.
  void BreakDataFolder() { std::filesystem::remove_all(app.DataFolder()); }

  static std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

  testing_support::TempFolder folder;
  testing_support::FakeClock clock{46000.5};
  testing_support::FakePlatform platform;
  testing_support::ScriptedInteraction ui;
  core::App app;
};

}  // namespace drugs_test
