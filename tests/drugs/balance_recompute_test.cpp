#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/tables.h"
#include "drugs/balance_recompute.h"
#include "storage/data_files.h"
#include "tests/support/fakes.h"
#include "util/files.h"

namespace {

class Recompute : public ::testing::Test {
 protected:
  Recompute() : platform(folder.path()), app(clock, platform, ui) {
    std::filesystem::create_directories(DataFolder());
  }
  std::filesystem::path DataFolder() const { return platform.programFolder / "Files" / "DBI"; }
  std::vector<char> ReadFile(const char* name) const {
    std::ifstream in(DataFolder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Ticket(std::size_t n, std::int16_t state, std::initializer_list<std::pair<int, int>> lines) {
    int line = 0;
    for (auto [drug, q] : lines) {
      app.tickets()[n].setDrugIndex(++line, static_cast<std::int16_t>(drug));
      app.tickets()[n].setQuantity(line, q);
    }
    app.tickets()[n].setState(state);
    app.tickets()[n].setTicketDate(46000.25);
  }
  void Receipt(std::size_t n, std::int16_t state, std::initializer_list<std::pair<int, int>> lines) {
    int line = 0;
    for (auto [drug, q] : lines) {
      app.receipts()[n].setLineDrug(++line, drug);
      app.receipts()[n].setLineQuantity(line, q);
    }
    app.receipts()[n].setReceiptState(state);
    app.receipts()[n].setReceiptDate(46000.2);
  }

  testing_support::TempFolder folder;
  testing_support::FakeClock clock{46000.5};
  testing_support::FakePlatform platform;
  testing_support::ScriptedInteraction ui;
  core::App app;
};

TEST_F(Recompute, BalanceIsOpeningPlusReceiptsMinusTicketsAndOpenDocumentsAreClosed) {
  app.drugs()[7].setDrugName("باراسيتامول");
  app.drugs()[7].setOpeningBalance(100);
  app.drugs()[7].setBalance(3);
  Receipt(1, 1, {{7, 50}});
  Receipt(2, -1, {{7, 30}});
  Ticket(1, 1, {{7, 20}});
  Ticket(2, -1, {{7, 5}});
  app.settings().setCurrentUser(4);

  auto result = drugs::RecomputeBalances(app);
  ASSERT_TRUE(result.status) << result.status.message();
  EXPECT_FALSE(result.skipped);
  EXPECT_EQ(result.changed, 1);
  EXPECT_EQ(app.drugs()[7].balance(), 155);
  EXPECT_EQ(app.receipts()[1].receiptState(), -1);
  EXPECT_EQ(app.tickets()[1].state(), -1);

  // The closed documents and the changed drug are on disk, stamped with the user.
  auto tickets = ReadFile(storage::kTicketFile);
  ASSERT_EQ(tickets.size(), 262u);
  std::int16_t state = 0, user = 0;
  std::memcpy(&state, tickets.data() + 206, 2);
  std::memcpy(&user, tickets.data() + 200, 2);
  EXPECT_EQ(state, -1);
  EXPECT_EQ(user, 4);
  auto receipts = ReadFile(storage::kReceiptFile);
  ASSERT_EQ(receipts.size(), 544u);
  std::memcpy(&state, receipts.data() + 526, 2);
  EXPECT_EQ(state, -1);
  auto drugFile = ReadFile(storage::kDrugFile);
  ASSERT_EQ(drugFile.size(), 1500u * 143u);
  std::int32_t balance = 0;
  std::memcpy(&balance, drugFile.data() + 6 * 143 + 43, 4);
  EXPECT_EQ(balance, 155);
}

TEST_F(Recompute, RunsAtMostOnceAnHourUnlessForced) {
  app.drugs()[1].setOpeningBalance(10);
  EXPECT_EQ(drugs::RecomputeBalances(app).changed, 1);

  app.drugs()[1].setOpeningBalance(20);
  clock.Advance(59.0 / 1440);
  auto again = drugs::RecomputeBalances(app);
  EXPECT_TRUE(again.skipped);
  EXPECT_EQ(app.drugs()[1].balance(), 10);

  EXPECT_EQ(drugs::RecomputeBalances(app, /*force=*/true).changed, 1);
  EXPECT_EQ(app.drugs()[1].balance(), 20);

  app.drugs()[1].setOpeningBalance(30);
  clock.Advance(61.0 / 1440);  // an hour after the forced run
  EXPECT_FALSE(drugs::RecomputeBalances(app).skipped);
  EXPECT_EQ(app.drugs()[1].balance(), 30);
}

TEST_F(Recompute, UnchangedBalancesWriteNoDrugFile) {
  app.drugs()[1].setOpeningBalance(10);
  app.drugs()[1].setBalance(10);
  auto result = drugs::RecomputeBalances(app);
  EXPECT_EQ(result.changed, 0);
  EXPECT_FALSE(std::filesystem::exists(DataFolder() / storage::kDrugFile));
}

TEST_F(Recompute, OutOfRangeQuantitiesCountAsOneButReturnsCountAsTheyStand) {
  struct Case {
    bool onTicket;
    int quantity;
    int expectedBalance;  // opening balance 1000
  };
  const Case cases[] = {
      {true, 7000000, 999},   // a slip: counts as 1
      {true, -4, 999},        // a negative ticket quantity counts as 1
      {true, 6000000, 1000 - 6000000},
      {false, -40, 960},      // a return on a receipt
      {false, 7000000, 1001},
      {false, 6000000, 6001000},
  };
  for (const auto& c : cases) {
    app.tickets()[1] = {};
    app.receipts()[1] = {};
    app.drugs()[2].setOpeningBalance(1000);
    if (c.onTicket) {
      Ticket(1, -1, {{2, c.quantity}});
    } else {
      Receipt(1, -1, {{2, c.quantity}});
    }
    ASSERT_TRUE(drugs::RecomputeBalances(app, true).status);
    EXPECT_EQ(app.drugs()[2].balance(), c.expectedBalance) << c.onTicket << " " << c.quantity;
  }
}

TEST_F(Recompute, SumsAreExactBeyondSinglePrecision) {
  // 16777217 cannot be held by a 4-byte float.
  app.drugs()[3].setOpeningBalance(16777216);
  Receipt(1, -1, {{3, 1}});
  Ticket(1, -1, {{3, 3}});
  Ticket(2, -1, {{3, 1}});
  Receipt(2, -1, {{3, 5000000}, {4, 1}});
  ASSERT_TRUE(drugs::RecomputeBalances(app, true).status);
  EXPECT_EQ(app.drugs()[3].balance(), 16777216 + 1 + 5000000 - 4);
}

TEST_F(Recompute, DamagedDrugNumbersAreSkipped) {
  Ticket(1, -1, {{9999, 5}, {-3, 5}, {1, 2}});
  Receipt(1, -1, {{1501, 5}, {-1, 5}, {1, 7}});
  ASSERT_TRUE(drugs::RecomputeBalances(app, true).status);
  EXPECT_EQ(app.drugs()[1].balance(), 5);
}

TEST_F(Recompute, NetworkVariantRunsOnlyWhenActiveEveryFifteenMinutesAndWritesNothing) {
  app.drugs()[5].setOpeningBalance(40);
  Ticket(1, 1, {{5, 10}});
  EXPECT_FALSE(drugs::NetworkRecomputeBalances(app));  // no stamp: not active

  ASSERT_TRUE(util::WriteTextFile(DataFolder() / "network.txt", "45999"));
  EXPECT_TRUE(drugs::NetworkRecomputeBalances(app));
  EXPECT_EQ(app.drugs()[5].balance(), 30);
  EXPECT_EQ(app.tickets()[1].state(), -1);
  for (const char* file : {storage::kTicketFile, storage::kDrugFile, storage::kReceiptFile}) {
    EXPECT_FALSE(std::filesystem::exists(DataFolder() / file)) << file;
  }

  app.drugs()[5].setOpeningBalance(50);
  clock.Advance(14.0 / 1440);
  EXPECT_FALSE(drugs::NetworkRecomputeBalances(app));
  EXPECT_EQ(app.drugs()[5].balance(), 30);
  clock.Advance(1.0 / 1440);
  EXPECT_TRUE(drugs::NetworkRecomputeBalances(app));
  EXPECT_EQ(app.drugs()[5].balance(), 40);
}

}  // namespace
