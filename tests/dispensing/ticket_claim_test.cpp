// Claiming a fresh ticket in network mode: two workstations on one data
// folder, each with its own copy of the ticket table, both taking the same
// free ticket.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/tables.h"
#include "dispensing/ticket_claim.h"
#include "dispensing/ticket_table.h"
#include "storage/record_lock.h"
#include "tests/dispensing/dispensing_fixture.h"

namespace {

using dispensing::ClaimFreshTicket;
using dispensing::TicketClaim;
using dispensing_test::DispensingFixture;
using storage::TicketRecord;

constexpr std::int16_t kDrugOfA = 7;
constexpr std::int16_t kDrugOfB = 8;
constexpr std::int16_t kDrugElsewhere = 9;

// `app` is workstation A; `b` is workstation B, on the same program folder.
class TicketClaimTest : public DispensingFixture {
 protected:
  TicketClaimTest() : platformB(folder.path()), b(clockB, platformB, uiB) {
    b.settings().setTicketCount(20000);
    b.settings().setCurrentUser(kUser + 1);
    WriteTextFile("network.txt", std::to_string(static_cast<int>(kToday)) + "\r\n");
    // The ticket file exists: record 1 is written empty.
    WriteTicketElsewhere(1, TicketRecord{});
  }

  // Tickets 1..last hold a line, in the file and in both tables.
  void UseTickets(std::int32_t last) {
    for (std::int32_t n = 1; n <= last; ++n) {
      const TicketRecord& t = PutTicket(Index(n), kToday, {{1, 1}}, -1);
      WriteTicketElsewhere(Index(n), t);
      b.tickets()[Index(n)] = t;
    }
  }

  // A ticket written by a third workstation.
  void WrittenElsewhere(std::int32_t n) {
    TicketRecord t;
    FillTicket(t, kToday + 0.25, {{kDrugElsewhere, 3}});
    WriteTicketElsewhere(Index(n), t);
  }

  // The first line, as the ticket screen writes it.
  static void AddFirstLine(core::App& on, std::int32_t n, std::int16_t drug) {
    TicketRecord& t = on.tickets()[Index(n)];
    t.setTicketDate(kToday + 0.5);
    t.setDrugIndex(1, drug);
    t.setQuantity(1, 2);
    ASSERT_TRUE(core::SaveTicket(on, n));
  }

  bool RecordFree(std::int32_t n) const {
    return storage::RecordLock::Acquire(DataFile("oottormo.vlk"),
                                        (Index(n) - 1) * TicketRecord::kLength,
                                        TicketRecord::kLength, 1)
        .has_value();
  }

  static std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

  testing_support::FakeClock clockB{kToday + 0.5};
  dispensing_test::RecordingPlatform platformB;
  testing_support::ScriptedInteraction uiB;
  core::App b;
};

TEST_F(TicketClaimTest, TheSecondOfTwoWorkstationsMovesToTheNextFreeTicket) {
  // Ticket 1 as well: it is read again like any other.
  for (const std::int32_t f : {1, 10}) {
    SCOPED_TRACE("first free ticket " + std::to_string(f));
    UseTickets(f - 1);
    ASSERT_EQ(dispensing::FirstFreeTicket(app), f);
    ASSERT_EQ(dispensing::FirstFreeTicket(b), f);

    TicketClaim a = ClaimFreshTicket(app, f);
    EXPECT_EQ(a.ticket, f);
    EXPECT_FALSE(a.moved);
    ASSERT_TRUE(a.lock && a.lock->held());
    EXPECT_FALSE(RecordFree(f));
    EXPECT_EQ(app.tickets()[Index(f)].state(), 1);
    AddFirstLine(app, f, kDrugOfA);
    a.lock->Release();

    TicketClaim claim = ClaimFreshTicket(b, f);
    EXPECT_EQ(claim.ticket, f + 1);
    EXPECT_TRUE(claim.moved);
    EXPECT_FALSE(claim.full);
    EXPECT_TRUE(claim.message.empty());
    ASSERT_TRUE(claim.lock && claim.lock->held());
    EXPECT_FALSE(RecordFree(f + 1));
    EXPECT_TRUE(RecordFree(f)) << "the ticket passed over is not left locked";
    EXPECT_EQ(b.tickets()[Index(f)], TicketInFile(Index(f)));
    EXPECT_EQ(b.tickets()[Index(f + 1)].state(), 1);

    AddFirstLine(b, claim.ticket, kDrugOfB);
    claim.lock->Release();
    EXPECT_EQ(TicketInFile(Index(f)).drugIndex(1), kDrugOfA);
    EXPECT_EQ(TicketInFile(Index(f + 1)).drugIndex(1), kDrugOfB);
  }
}

TEST_F(TicketClaimTest, TheTicketMovedToHoldsWhatTheFileHolds) {
  UseTickets(9);
  WrittenElsewhere(10);
  WrittenElsewhere(11);
  // Record 12 has no line but keeps a date and a recipient from earlier; B's
  // copy has something else there.
  TicketRecord left;
  left.setTicketDate(kToday - 30);
  left.setPatientIndex(4321);
  WriteTicketElsewhere(12, left);
  b.tickets()[12].setClassification(5);

  TicketClaim claim = ClaimFreshTicket(b, 10);
  EXPECT_EQ(claim.ticket, 12);
  EXPECT_TRUE(claim.moved);
  ASSERT_TRUE(claim.lock.has_value());
  EXPECT_EQ(b.tickets()[11].drugIndex(1), kDrugElsewhere);
  TicketRecord expected = left;
  expected.setState(1);
  EXPECT_EQ(b.tickets()[12], expected);
  EXPECT_TRUE(RecordFree(10));
  EXPECT_TRUE(RecordFree(11));
  EXPECT_FALSE(RecordFree(12));
}

TEST_F(TicketClaimTest, ATicketAnotherWorkstationHoldsIsNotGiven) {
  UseTickets(9);
  TicketClaim a = ClaimFreshTicket(app, 10);
  ASSERT_EQ(a.ticket, 10);

  TicketClaim refused = ClaimFreshTicket(b, 10);
  EXPECT_EQ(refused.ticket, 0);
  EXPECT_FALSE(refused.full);
  EXPECT_EQ(refused.message, dispensing::kTicketNotClaimedMessage);
  EXPECT_FALSE(refused.lock.has_value());
  EXPECT_TRUE(a.lock->held());

  // Once A has written its line and let go, B passes over the ticket.
  AddFirstLine(app, 10, kDrugOfA);
  a.lock.reset();
  EXPECT_EQ(ClaimFreshTicket(b, 10).ticket, 11);
}

TEST_F(TicketClaimTest, OutsideNetworkModeTheTicketIsTakenAsItIs) {
  std::filesystem::remove(DataFile("network.txt"));
  UseTickets(9);
  WrittenElsewhere(10);
  b.tickets()[10].setClassification(5);
  const TicketRecord before = b.tickets()[10];
  std::optional<storage::RecordLock> held = storage::RecordLock::Acquire(
      DataFile("oottormo.vlk"), 9 * TicketRecord::kLength, TicketRecord::kLength, 1);
  ASSERT_TRUE(held.has_value());

  TicketClaim claim = ClaimFreshTicket(b, 10);
  EXPECT_EQ(claim.ticket, 10);
  EXPECT_FALSE(claim.moved);
  EXPECT_FALSE(claim.lock.has_value());
  EXPECT_TRUE(claim.message.empty());
  EXPECT_EQ(b.tickets()[10], before) << "nothing is read again";
}

TEST_F(TicketClaimTest, NoTicketIsGivenWhenEveryOneIsUsed) {
  b.settings().setTicketCount(10);
  UseTickets(9);
  WrittenElsewhere(10);

  TicketClaim claim = ClaimFreshTicket(b, 10);
  EXPECT_EQ(claim.ticket, 0);
  EXPECT_TRUE(claim.full);
  EXPECT_FALSE(claim.lock.has_value());
  EXPECT_TRUE(RecordFree(10));
}

TEST_F(TicketClaimTest, ANumberOutsideTheTicketTableIsRefused) {
  for (const std::int32_t n : {0, -1, 500001}) {
    TicketClaim claim = ClaimFreshTicket(b, n);
    EXPECT_EQ(claim.ticket, 0) << n;
    EXPECT_FALSE(claim.lock.has_value()) << n;
  }
}

TEST(TicketMovedMessage, NamesTheTicketTakenAndThenTheOneUsedInstead) {
  const std::string text = dispensing::TicketMovedMessage(57, 58);
  const auto taken = text.find("57");
  const auto now = text.find("58");
  ASSERT_NE(taken, std::string::npos);
  ASSERT_NE(now, std::string::npos);
  EXPECT_LT(taken, now);
}

}  // namespace
