// The ticket file: finding how many records are in use by probing, and
// reading the records in use.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "storage/ticket_record.h"
#include "tests/storage/file_bytes.h"
#include "tests/support/fakes.h"

namespace storage {
namespace {

namespace fs = std::filesystem;
using storage_test::ByteVector;

constexpr std::size_t kLength = TicketRecord::kLength;

TicketRecord Ticket(std::int16_t drug, std::int32_t serial) {
  TicketRecord t;
  t.setDrugIndex(1, drug);
  t.setQuantity(1, 3);
  t.setYearSerial(serial);
  return t;
}

// Writes record n of a ticket file directly at its offset; the records never
// written stay holes that read as zeros.
void PutRecord(const fs::path& file, std::size_t n, const TicketRecord& rec) {
  if (!fs::exists(file)) std::ofstream(file, std::ios::binary).flush();
  std::fstream f(file, std::ios::binary | std::ios::in | std::ios::out);
  f.seekp(static_cast<std::streamoff>((n - 1) * kLength));
  f.write(reinterpret_cast<const char*>(rec.bytes().data()), static_cast<std::streamsize>(kLength));
  ASSERT_TRUE(f.good()) << file << " record " << n;
}

std::unique_ptr<TicketTable> FullTable() { return std::make_unique<TicketTable>(kMaxTickets); }

TEST(ProbeTicketCount, ReturnsTheFirstEmptyProbeInOrder) {
  struct Case {
    std::string name;
    std::set<std::size_t> tickets;  // records holding a ticket
    std::int32_t expected;
  };
  const std::vector<Case> cases = {
      {"empty file", {}, 20000},
      {"first probe used", {20000}, 60000},
      {"two used", {20000, 60000}, 120000},
      {"three used", {20000, 60000, 120000}, 200000},
      {"four used", {20000, 60000, 120000, 200000}, 300000},
      {"five used", {20000, 60000, 120000, 200000, 300000}, 420000},
      {"all six used", {20000, 60000, 120000, 200000, 300000, 420000}, 500000},
      {"first probe free, later ones used", {60000, 120000, 420000}, 20000},
      {"gap at the third probe", {20000, 60000, 200000, 300000, 420000}, 120000},
      {"only neighbours of the probe used", {19999, 20001}, 20000},
  };
  auto table = FullTable();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::TempFolder folder;
    const auto file = folder / kTicketFile;
    std::ofstream(file, std::ios::binary).flush();
    for (std::size_t n : c.tickets) PutRecord(file, n, Ticket(7, static_cast<std::int32_t>(n)));
    table->Clear();
    IoStatus status;
    EXPECT_EQ(ProbeTicketCount(file, *table, &status), c.expected);
    EXPECT_TRUE(status.ok());
    // The probes read went into the table.
    for (std::size_t probe : {20000u, 60000u, 120000u, 200000u, 300000u, 420000u}) {
      if (static_cast<std::int32_t>(probe) > c.expected) break;
      if (c.tickets.count(probe)) {
        EXPECT_EQ((*table)[probe].yearSerial(), static_cast<std::int32_t>(probe)) << probe;
      }
    }
  }
}

TEST(ProbeTicketCount, ATicketWithOnlyItsSecondLineFilledCounts) {
  testing_support::TempFolder folder;
  const auto file = folder / kTicketFile;
  TicketRecord secondLineOnly;
  secondLineOnly.setDrugIndex(2, 1);
  TicketRecord negativeFirst;  // -4 + 4 < 1: free
  negativeFirst.setDrugIndex(1, -4);
  negativeFirst.setDrugIndex(2, 4);
  PutRecord(file, 20000, secondLineOnly);
  PutRecord(file, 60000, negativeFirst);
  auto table = FullTable();
  EXPECT_EQ(ProbeTicketCount(file, *table), 60000);
}

TEST(ProbeTicketCount, AMissingFileGivesTheFirstProbe) {
  testing_support::TempFolder folder;
  auto table = FullTable();
  EXPECT_EQ(ProbeTicketCount(folder / kTicketFile, *table), 20000);
}

TEST(ProbeTicketCount, ATableSmallerThanTheProbesStillProbesTheFile) {
  testing_support::TempFolder folder;
  const auto file = folder / kTicketFile;
  for (std::size_t n : {20000u, 60000u, 120000u}) PutRecord(file, n, Ticket(1, 1));
  TicketTable small(30000);
  EXPECT_EQ(ProbeTicketCount(file, small), 200000);
  EXPECT_FALSE(small[20000].IsEmpty());
}

class LoadTicketsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = folder / kTicketFile;
    for (std::size_t n = 1; n <= 200; ++n) {
      PutRecord(file, n, Ticket(static_cast<std::int16_t>(n), static_cast<std::int32_t>(n)));
    }
    PutRecord(file, 150000, Ticket(99, 150000));
  }
  testing_support::TempFolder folder;
  fs::path file;
};

TEST_F(LoadTicketsTest, ReadsRecordsOneToCountAndACountBelowOneHundredMeansAll) {
  struct Case {
    std::int32_t count;
    std::int32_t effective;
  };
  const std::vector<Case> cases = {{0, 500000}, {-7, 500000}, {99, 500000},
                                   {100, 100},  {150, 150},   {200000, 200000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    auto table = FullTable();
    std::int32_t count = c.count;
    int yields = 0;
    ASSERT_TRUE(LoadTickets(file, *table, count, [&] { ++yields; }).ok());
    EXPECT_EQ(count, c.effective);
    EXPECT_GT(yields, 0);
    const std::size_t last = static_cast<std::size_t>(c.effective);
    for (std::size_t n : {1u, 100u, 101u, 150u, 151u, 200u, 150000u}) {
      const bool read = n <= last;
      EXPECT_EQ((*table)[n].yearSerial(), read ? static_cast<std::int32_t>(n) : 0) << n;
    }
    EXPECT_TRUE((*table)[201].IsEmpty());
  }
}

TEST_F(LoadTicketsTest, AFullReadYieldsRepeatedly) {
  auto table = FullTable();
  std::int32_t count = 0;
  int yields = 0;
  ASSERT_TRUE(LoadTickets(file, *table, count, [&] { ++yields; }).ok());
  EXPECT_GT(yields, 1);
  // And without anything to call between blocks.
  count = 150;
  EXPECT_TRUE(LoadTickets(file, *table, count, {}).ok());
}

}  // namespace
}  // namespace storage
