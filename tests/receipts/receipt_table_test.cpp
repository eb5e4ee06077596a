#include "receipts/receipt_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "storage/data_files.h"
#include "tests/receipts/receipts_fixture.h"
#include "util/dates.h"

namespace {

using receipts_test::ReceiptsFixture;
using storage::kDrugFile;
using storage::kReceiptFile;

constexpr std::size_t kReceiptBytes = 544;

// ---------------------------------------------------------------------------
// Free numbers and line lookups

using ReceiptLookups = ReceiptsFixture;

TEST_F(ReceiptLookups, FirstFreeReceiptSkipsReceiptsWithALineAndHandsOutUnusedOnesAgain) {
  EXPECT_EQ(receipts::FirstFreeReceipt(app), 1);

  SetLine(1, 1, 5, 10, 0);
  SetLine(2, 1, 6, 10, 0);
  // Opened and dated but never given a line: still free.
  Receipt(3).setReceiptState(1);
  Receipt(3).setReceiptDate(now);
  EXPECT_EQ(receipts::FirstFreeReceipt(app), 3);

  // A line in slot 2 alone is not a free receipt either.
  SetLine(3, 2, 7, 1, 0);
  EXPECT_EQ(receipts::FirstFreeReceipt(app), 4);
}

TEST_F(ReceiptLookups, FirstFreeReceiptIsZeroWhenAll5000HoldALine) {
  for (std::int32_t r = 1; r <= 5000; ++r) SetLine(r, 1, 1, 1, 0);
  EXPECT_EQ(receipts::FirstFreeReceipt(app), 0);

  SetLine(5000, 1, 0, 0, 0);
  EXPECT_EQ(receipts::FirstFreeReceipt(app), 5000);
}

TEST_F(ReceiptLookups, LineCountFirstEmptyLineAndLineOfDrug) {
  SetLine(7, 1, 5, 10, 0);
  SetLine(7, 2, 8, 3, 0);
  SetLine(7, 3, 5, 4, 0);  // the same drug again: the last line is the one found
  EXPECT_EQ(receipts::ReceiptLineCount(app, 7), 3);
  EXPECT_EQ(receipts::FirstEmptyReceiptLine(app, 7), 4);
  EXPECT_EQ(receipts::ReceiptLineOfDrug(app, 5, 7), 3);
  EXPECT_EQ(receipts::ReceiptLineOfDrug(app, 8, 7), 2);
  EXPECT_EQ(receipts::ReceiptLineOfDrug(app, 9, 7), 0);

  for (int k = 1; k <= 30; ++k) SetLine(8, k, 100 + k, 1, 0);
  EXPECT_EQ(receipts::ReceiptLineCount(app, 8), 30);
  EXPECT_EQ(receipts::FirstEmptyReceiptLine(app, 8), 0);
  EXPECT_EQ(receipts::ReceiptLineOfDrug(app, 130, 8), 30);
}

TEST_F(ReceiptLookups, DamagedDrugNumbersAreNeitherCountedNorEmpty) {
  SetLine(2, 1, -3, 5, 0);
  SetLine(2, 2, 9999, 5, 0);
  EXPECT_EQ(receipts::ReceiptLineCount(app, 2), 1);  // only drugs above 0 count
  EXPECT_EQ(receipts::FirstEmptyReceiptLine(app, 2), 3);
  EXPECT_EQ(receipts::ReceiptLineOfDrug(app, 9999, 2), 2);
}

TEST_F(ReceiptLookups, NumbersOutsideTheTableFindNothing) {
  for (std::int32_t r : {0, -1, 5001, std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(receipts::ReceiptLineCount(app, r), 0) << r;
    EXPECT_EQ(receipts::FirstEmptyReceiptLine(app, r), 0) << r;
    EXPECT_EQ(receipts::ReceiptLineOfDrug(app, 0, r), 0) << r;
  }
}

// ---------------------------------------------------------------------------
// Sending and taking back

class ToggleSentTest : public ReceiptsFixture {
 protected:
  ToggleSentTest() {
    Drug(1).setDrugName("Panadol");
    Drug(1).setBalance(100);
    Drug(1).setExpiryDate(expiryOld);
    Drug(2).setDrugName("Augmentin");
    Drug(2).setBalance(0);
    SetLine(1, 1, 1, 10, expiry1);
    SetLine(1, 2, 2, 5, expiry2);
    Receipt(1).setReceiptDate(now - 1);
    Receipt(1).setReceiptState(1);
  }

  storage::DrugTable StoredDrugs() const {
    storage::DrugTable stored(storage::kMaxDrugs);
    EXPECT_TRUE(stored.Load(DataFile(kDrugFile)));
    return stored;
  }

  const double expiryOld = util::MakeDate(2025, 1, 15);
  const double expiry1 = util::MakeDate(2027, 3, 15);
  const double expiry2 = util::MakeDate(2026, 8, 15);
};

TEST_F(ToggleSentTest, SendAddsTheQuantitiesAndTakingBackSubtractsThem) {
  ASSERT_TRUE(receipts::ToggleSent(app, 1));
  EXPECT_EQ(Receipt(1).receiptState(), -1);
  EXPECT_EQ(Drug(1).balance(), 110);
  EXPECT_EQ(Drug(2).balance(), 5);
  EXPECT_EQ(Drug(1).expiryDate(), expiry1);
  EXPECT_EQ(Drug(2).expiryDate(), expiry2);
  {
    // Both files hold the new state: the receipt record and the whole drug file.
    auto stored = StoredDrugs();
    EXPECT_EQ(stored[1].balance(), 110);
    EXPECT_EQ(stored[2].balance(), 5);
    EXPECT_EQ(std::filesystem::file_size(DataFile(kDrugFile)), 1500u * 143u);
    auto bytes = ReadFile(kReceiptFile);
    EXPECT_EQ(At<std::int16_t>(bytes, 526), -1);
    EXPECT_EQ(At<std::int16_t>(bytes, 520), kUser);
  }

  ASSERT_TRUE(receipts::ToggleSent(app, 1));
  EXPECT_EQ(Receipt(1).receiptState(), 1);
  EXPECT_EQ(Drug(1).balance(), 100);
  EXPECT_EQ(Drug(2).balance(), 0);
  // Taking back sets the lines' dates again; the date the drug had before is gone.
  EXPECT_EQ(Drug(1).expiryDate(), expiry1);
  EXPECT_EQ(Drug(2).expiryDate(), expiry2);
  auto stored = StoredDrugs();
  EXPECT_EQ(stored[1].balance(), 100);
  EXPECT_EQ(stored[2].balance(), 0);
  EXPECT_EQ(At<std::int16_t>(ReadFile(kReceiptFile), 526), 1);
}

TEST_F(ToggleSentTest, ANeverUsedReceiptMovesNothingButIsWritten) {
  Receipt(1).setReceiptState(0);
  ASSERT_TRUE(receipts::ToggleSent(app, 1));
  EXPECT_EQ(Receipt(1).receiptState(), 0);
  EXPECT_EQ(Drug(1).balance(), 100);
  EXPECT_EQ(Drug(2).balance(), 0);
  EXPECT_EQ(Drug(1).expiryDate(), expiry1);  // the dates still follow the lines
  EXPECT_EQ(ReadFile(kReceiptFile).size(), kReceiptBytes);
  EXPECT_TRUE(Exists(kDrugFile));
}

TEST_F(ToggleSentTest, NegativeQuantitiesAndTheLastDrugNumberMove) {
  Drug(1500).setDrugName("Last");
  Drug(1500).setBalance(20);
  SetLine(1, 3, 1500, -8, expiry1);  // a return
  ASSERT_TRUE(receipts::ToggleSent(app, 1));
  EXPECT_EQ(Drug(1500).balance(), 12);
}

TEST_F(ToggleSentTest, LinesOfDamagedDrugNumbersAreSkipped) {
  SetLine(1, 3, 9999, 7, expiry1);
  SetLine(1, 4, -3, 7, expiry1);
  SetLine(1, 5, 1501, 7, expiry1);
  SetLine(1, 6, std::numeric_limits<std::int32_t>::min(), 7, expiry1);
  app.drugs()[0].setBalance(50);  // element 0 is no drug and never moves

  ASSERT_TRUE(receipts::ToggleSent(app, 1));
  EXPECT_EQ(Drug(1).balance(), 110);
  EXPECT_EQ(Drug(2).balance(), 5);
  EXPECT_EQ(app.drugs()[0].balance(), 50);
  EXPECT_EQ(Receipt(1).receiptState(), -1);
}

TEST_F(ToggleSentTest, ABalanceThatWouldOverflowStopsAtTheLimit) {
  Drug(1).setBalance(std::numeric_limits<std::int32_t>::max() - 5);
  ASSERT_TRUE(receipts::ToggleSent(app, 1));
  EXPECT_EQ(Drug(1).balance(), std::numeric_limits<std::int32_t>::max());
}

TEST_F(ToggleSentTest, NumbersOutsideTheTableAreRefusedWithoutAWrite) {
  for (std::int32_t r : {0, -1, 5001}) {
    auto result = receipts::ToggleSent(app, r);
    EXPECT_TRUE(result.refused()) << r;
    EXPECT_FALSE(result.message().empty()) << r;
  }
  EXPECT_FALSE(Exists(kReceiptFile));
  EXPECT_FALSE(Exists(kDrugFile));
  EXPECT_EQ(Drug(1).balance(), 100);
}

TEST_F(ToggleSentTest, AFailedWriteReachesTheCallerAndChangesNothing) {
  BreakDataFolder();
  auto result = receipts::ToggleSent(app, 1);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(result.message().find(kReceiptFile), std::string::npos);
  EXPECT_EQ(Receipt(1).receiptState(), 1);
  EXPECT_EQ(Receipt(1).receiptUser(), 0);
  EXPECT_EQ(Drug(1).balance(), 100);
  EXPECT_EQ(Drug(1).expiryDate(), expiryOld);
}

TEST_F(ToggleSentTest, AFailedDrugFileWriteIsReportedAfterTheReceiptWasWritten) {
  // A folder in place of the drug file: the receipt can be written, the drugs cannot.
  std::filesystem::create_directories(DataFile(kDrugFile) / "x");
  auto result = receipts::ToggleSent(app, 1);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(result.message().find(kDrugFile), std::string::npos);
  EXPECT_EQ(At<std::int16_t>(ReadFile(kReceiptFile), 526), -1);
  EXPECT_EQ(Drug(1).balance(), 110);  // memory agrees with the receipt on disk
}

TEST_F(ToggleSentTest, TheWrittenReceiptLandsAtItsOffsetsInTheFile) {
  // Receipt 3, so the record starts at byte 2 * 544 and the two before it are zeros.
  SetLine(3, 1, 1, 10, expiry1);
  SetLine(3, 2, 2, -5, expiry2);
  const double date = util::MakeDateTime(2025, 12, 9, 10, 30, 0);
  Receipt(3).setReceiptDate(date);
  Receipt(3).setSupplier(2);
  Receipt(3).setReceiptState(1);
  Receipt(3).bytes()[496] = 0xAB;  // reserved bytes go back as they are
  Receipt(3).bytes()[543] = 0xCD;

  ASSERT_TRUE(receipts::ToggleSent(app, 3));
  auto file = ReadFile(kReceiptFile);
  ASSERT_EQ(file.size(), 3 * kReceiptBytes);
  for (std::size_t i = 0; i < 2 * kReceiptBytes; ++i) ASSERT_EQ(file[i], 0) << i;

  const std::size_t base = 2 * kReceiptBytes;
  EXPECT_EQ(At<std::int32_t>(file, base + 0), 0);  // line 0 is never used
  EXPECT_EQ(At<std::int32_t>(file, base + 4), 1);
  EXPECT_EQ(At<std::int32_t>(file, base + 8), 2);
  EXPECT_EQ(At<std::int32_t>(file, base + 12), 0);
  EXPECT_EQ(At<std::int32_t>(file, base + 124 + 4), 10);
  EXPECT_EQ(At<std::int32_t>(file, base + 124 + 8), -5);
  EXPECT_EQ(At<double>(file, base + 248 + 8), expiry1);
  EXPECT_EQ(At<double>(file, base + 248 + 16), expiry2);
  EXPECT_EQ(file[base + 496], 0xAB);
  EXPECT_EQ(At<double>(file, base + 500), date);
  EXPECT_EQ(At<double>(file, base + 510), 2.0);
  EXPECT_EQ(At<std::int16_t>(file, base + 520), kUser);
  EXPECT_EQ(file[base + 526], 0xFF);
  EXPECT_EQ(file[base + 527], 0xFF);
  EXPECT_EQ(file[base + 543], 0xCD);
}

// ---------------------------------------------------------------------------
// Removing a line

class RemoveLineTest : public ReceiptsFixture {
 protected:
  RemoveLineTest() {
    SetLine(1, 1, 11, 1, e1);
    SetLine(1, 2, 12, 2, e2);
    SetLine(1, 3, 13, 3, e3);
    Receipt(1).setReceiptState(1);
    Receipt(1).setReceiptDate(now);
  }
  const double e1 = util::MakeDate(2026, 1, 15);
  const double e2 = util::MakeDate(2026, 2, 15);
  const double e3 = util::MakeDate(2026, 3, 15);
};

TEST_F(RemoveLineTest, RemovingLine2Of3MovesLine3UpWithItsExpiry) {
  auto result = receipts::RemoveReceiptLine(app, 1, 2);
  ASSERT_TRUE(result.done());
  ASSERT_TRUE(result);

  const auto& r = Receipt(1);
  EXPECT_EQ(r.lineDrug(1), 11);
  EXPECT_EQ(r.lineQuantity(1), 1);
  EXPECT_EQ(r.lineExpiry(1), e1);
  EXPECT_EQ(r.lineDrug(2), 13);
  EXPECT_EQ(r.lineQuantity(2), 3);
  EXPECT_EQ(r.lineExpiry(2), e3);
  for (int k = 3; k <= 30; ++k) {
    EXPECT_EQ(r.lineDrug(k), 0) << k;
    EXPECT_EQ(r.lineQuantity(k), 0) << k;
    EXPECT_EQ(r.lineExpiry(k), 0) << k;
  }
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 2);

  auto file = ReadFile(kReceiptFile);
  ASSERT_EQ(file.size(), kReceiptBytes);
  EXPECT_TRUE(std::equal(file.begin(), file.end(), r.bytes().begin()));
  EXPECT_EQ(r.receiptUser(), kUser);
}

TEST_F(RemoveLineTest, RemovingTheLastOfThirtyLinesEmptiesLine30) {
  for (int k = 1; k <= 30; ++k) SetLine(1, k, 100 + k, k, e1);
  auto result = receipts::RemoveReceiptLine(app, 1, 30);
  ASSERT_TRUE(result);
  EXPECT_EQ(Receipt(1).lineDrug(29), 129);
  EXPECT_EQ(Receipt(1).lineDrug(30), 0);
  EXPECT_EQ(Receipt(1).lineExpiry(30), 0);
}

TEST_F(RemoveLineTest, RefusalsChangeAndWriteNothing) {
  struct Case {
    const char* what;
    std::int16_t state;
    int lines;
    std::int32_t line;
  };
  const Case cases[] = {
      {"the only line", 1, 1, 1}, {"a line of a sent receipt", -1, 3, 2},
      {"line 0", 1, 3, 0},        {"line 31", 1, 3, 31},
      {"line -1", 1, 3, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Receipt(1) = {};
    for (int k = 1; k <= c.lines; ++k) SetLine(1, k, 10 + k, k, e1);
    Receipt(1).setReceiptState(c.state);
    const auto before = Receipt(1);

    auto result = receipts::RemoveReceiptLine(app, 1, c.line);
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.refused());
    EXPECT_TRUE(result.message().empty());
    EXPECT_EQ(Receipt(1), before);
    EXPECT_FALSE(Exists(kReceiptFile));
  }
}

TEST_F(RemoveLineTest, ANumberOutsideTheTableIsRefusedWithAMessage) {
  auto result = receipts::RemoveReceiptLine(app, 5001, 1);
  EXPECT_FALSE(result);
  EXPECT_TRUE(result.refused());
  EXPECT_FALSE(result.message().empty());
  EXPECT_FALSE(Exists(kReceiptFile));
}

TEST_F(RemoveLineTest, AFailedWriteKeepsTheLines) {
  BreakDataFolder();
  const auto before = Receipt(1);
  auto result = receipts::RemoveReceiptLine(app, 1, 2);
  EXPECT_FALSE(result);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(result.message().find(kReceiptFile), std::string::npos);
  EXPECT_EQ(Receipt(1), before);
}

// ---------------------------------------------------------------------------
// Repairing future dates

using FixFutureDates = ReceiptsFixture;

TEST_F(FixFutureDates, AReceiptDatedTomorrowTakesTheDateOfTheOneBeforeAndIsStamped) {
  const double twoDaysAgo = now - 2;
  Receipt(1).setReceiptDate(twoDaysAgo);
  Receipt(1).setReceiptUser(1);
  Receipt(2).setReceiptDate(now + 1);
  Receipt(2).setReceiptUser(1);
  Receipt(3).setReceiptDate(now);  // exactly now is not later than now
  Receipt(3).setReceiptUser(1);

  ASSERT_TRUE(receipts::FixFutureReceiptDates(app));
  EXPECT_EQ(Receipt(1).receiptDate(), twoDaysAgo);
  EXPECT_EQ(Receipt(2).receiptDate(), twoDaysAgo);
  EXPECT_EQ(Receipt(3).receiptDate(), now);
  EXPECT_EQ(Receipt(2).receiptUser(), kUser);
  EXPECT_EQ(Receipt(3).receiptUser(), 1);

  // Only receipt 2 was written.
  auto file = ReadFile(kReceiptFile);
  ASSERT_EQ(file.size(), 2 * kReceiptBytes);
  EXPECT_EQ(At<double>(file, 0 + 500), 0.0);
  EXPECT_EQ(At<double>(file, kReceiptBytes + 500), twoDaysAgo);
  EXPECT_EQ(At<std::int16_t>(file, kReceiptBytes + 520), kUser);
}

TEST_F(FixFutureDates, FollowsTheClockAndRunsOfFutureReceiptsAndReceipt1) {
  Receipt(1).setReceiptDate(now + 0.5);
  Receipt(2).setReceiptDate(now - 10);
  Receipt(3).setReceiptDate(now + 3);
  Receipt(4).setReceiptDate(now + 30);

  clock.Set(now + 5);  // the clock is the only source of the current time
  ASSERT_TRUE(receipts::FixFutureReceiptDates(app));
  EXPECT_EQ(Receipt(1).receiptDate(), now + 0.5);
  EXPECT_EQ(Receipt(3).receiptDate(), now + 3);
  EXPECT_EQ(Receipt(4).receiptDate(), now + 3);

  clock.Set(now);
  ASSERT_TRUE(receipts::FixFutureReceiptDates(app));
  EXPECT_EQ(Receipt(1).receiptDate(), 0.0);  // no receipt before it
  EXPECT_EQ(Receipt(2).receiptDate(), now - 10);
  // Receipt 4 takes the date receipt 3 has just been given.
  EXPECT_EQ(Receipt(3).receiptDate(), now - 10);
  EXPECT_EQ(Receipt(4).receiptDate(), now - 10);
}

TEST_F(FixFutureDates, AFailedWriteIsReportedAndTheNextRepairTriesAgain) {
  Receipt(1).setReceiptDate(now - 2);
  Receipt(2).setReceiptDate(now + 1);
  Receipt(3).setReceiptDate(now + 2);
  BreakDataFolder();

  auto result = receipts::FixFutureReceiptDates(app);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(result.message().find(kReceiptFile), std::string::npos);
  EXPECT_EQ(Receipt(2).receiptDate(), now + 1);
  EXPECT_EQ(Receipt(3).receiptDate(), now + 2);

  std::filesystem::create_directories(app.DataFolder());
  ASSERT_TRUE(receipts::FixFutureReceiptDates(app));
  EXPECT_EQ(Receipt(2).receiptDate(), now - 2);
  EXPECT_EQ(Receipt(3).receiptDate(), now - 2);
}

}  // namespace
