#pragma once
// A program run over a temporary program folder with its data folder made,
// a logged-in user and helpers to fill receipts, drugs and suppliers.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/app.h"
#include "tests/support/fakes.h"
#include "util/dates.h"

namespace receipts_test {

class ReceiptsFixture : public ::testing::Test {
 protected:
  static constexpr std::int16_t kUser = 4;

  ReceiptsFixture() : platform(folder.path()), app(clock, platform, ui) {
    std::filesystem::create_directories(app.DataFolder());
    app.settings().setCurrentUser(kUser);
  }

  storage::ReceiptRecord& Receipt(std::int32_t n) { return app.receipts()[Index(n)]; }
  storage::DrugRecord& Drug(std::int32_t n) { return app.drugs()[Index(n)]; }

  void SetLine(std::int32_t receipt, int line, std::int32_t drug, std::int32_t quantity,
               double expiry) {
    auto& r = Receipt(receipt);
    r.setLineDrug(line, drug);
    r.setLineQuantity(line, quantity);
    r.setLineExpiry(line, expiry);
  }

  std::filesystem::path DataFile(const std::string& name) const { return app.DataFile(name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(DataFile(name)); }
  std::vector<std::uint8_t> ReadFile(const std::string& name) const {
    std::ifstream in(DataFile(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Takes the data folder away, so that every write fails.
  void BreakDataFolder() { std::filesystem::remove_all(app.DataFolder()); }

  template <class T>
  static T At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    T v{};
    if (offset + sizeof(T) <= bytes.size()) std::memcpy(&v, bytes.data() + offset, sizeof(T));
    return v;
  }

  static std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

  // 2025-12-10 at 12:00.
  const util::OleDate now = util::MakeDateTime(2025, 12, 10, 12, 0, 0);

  testing_support::TempFolder folder;
  testing_support::FakeClock clock{now};
  testing_support::FakePlatform platform;
  testing_support::ScriptedInteraction ui;
  core::App app;
};

}  // namespace receipts_test
