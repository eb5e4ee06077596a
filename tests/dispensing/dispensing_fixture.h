#pragma once
// A program run over a temporary program folder with its data folder made,
// scripted seams and small builders of drugs, tickets and files. Each test
// gets one App (the ticket table alone is about 130 MB).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/app.h"
#include "storage/drug_record.h"
#include "storage/record_file.h"
#include "storage/ticket_record.h"
#include "tests/support/fakes.h"

namespace dispensing_test {

// The fake platform, keeping every change of the busy pointer in order.
class RecordingPlatform : public testing_support::FakePlatform {
 public:
  using FakePlatform::FakePlatform;
  void SetBusyCursor(bool busy) override {
    FakePlatform::SetBusyCursor(busy);
    busyChanges.push_back(busy);
  }
  std::vector<bool> busyChanges;
};

struct Line {
  std::int16_t drug;
  std::int32_t quantity;
};

class DispensingFixture : public ::testing::Test {
 protected:
  // Today is day 46000 (2025-12-09); the clock reads 12:00.
  static constexpr double kToday = 46000;
  static constexpr std::int16_t kUser = 3;

  DispensingFixture() : platform(folder.path()), app(clock, platform, ui) {
    std::filesystem::create_directories(DataFolder());
    app.settings().setTicketCount(20000);
    app.settings().setCurrentUser(kUser);
  }

  std::filesystem::path DataFolder() const { return platform.programFolder / "Files" / "DBI"; }
  std::filesystem::path DataFile(const std::string& name) const { return DataFolder() / name; }

  std::vector<std::uint8_t> ReadFile(const std::string& name) const {
    std::ifstream in(DataFile(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  storage::DrugRecord& PutDrug(std::size_t n, const std::string& name, std::int32_t balance,
                               float price = 0, std::int32_t feeRate = 0) {
    auto& d = app.drugs()[n];
    d.setDrugName(name);
    d.setBalance(balance);
    d.setTenderPrice(price);
    d.setPurchaseFeeRate(feeRate);
    return d;
  }

  // An open ticket in memory with the given lines from line 1.
  storage::TicketRecord& PutTicket(std::size_t n, double date, std::initializer_list<Line> lines,
                                   std::int16_t state = 1) {
    auto& t = app.tickets()[n];
    t = storage::TicketRecord{};
    FillTicket(t, date, lines, state);
    return t;
  }

  static void FillTicket(storage::TicketRecord& t, double date, std::initializer_list<Line> lines,
                         std::int16_t state = 1) {
    int line = 1;
    for (const Line& l : lines) {
      t.setDrugIndex(line, l.drug);
      t.setQuantity(line, l.quantity);
      ++line;
    }
    t.setTicketDate(date);
    t.setState(state);
  }

  // Writes a ticket record into the file without touching the table, as
  // another workstation would.
  void WriteTicketElsewhere(std::size_t n, const storage::TicketRecord& t) {
    ASSERT_TRUE(storage::WriteRecord(DataFile("oottormo.vlk"), storage::TicketRecord::kLength, n,
                                     t.bytes()));
  }

  // The record as it stands in the ticket file now.
  storage::TicketRecord TicketInFile(std::size_t n) const {
    storage::TicketRecord t;
    EXPECT_TRUE(storage::ReadRecords(DataFile("oottormo.vlk"), storage::TicketRecord::kLength, n,
                                     1, t.bytes()));
    return t;
  }

  void WriteTextFile(const std::string& name, const std::string& text) {
    std::ofstream out(DataFile(name), std::ios::binary | std::ios::trunc);
    out << text;
  }

  testing_support::TempFolder folder;
  testing_support::FakeClock clock{kToday + 0.5};
  RecordingPlatform platform;
  testing_support::ScriptedInteraction ui;
  core::App app;
};

// Little-endian readers for checking file images byte by byte.
template <class T>
T At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

}  // namespace dispensing_test
