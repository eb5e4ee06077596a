#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/tables.h"
#include "dispensing/ticket_table.h"
#include "storage/drug_record.h"
#include "tests/dispensing/dispensing_fixture.h"

namespace {

using dispensing_test::DispensingFixture;
using dispensing_test::Line;

constexpr const char* kTicketFile = "oottormo.vlk";

// ---- free tickets and lines ----

using TicketLines = DispensingFixture;

TEST_F(TicketLines, FirstFreeTicketSkipsTicketsWithALineAndReusesOpenedEmptyOnes) {
  PutTicket(1, kToday, {{4, 1}});
  PutTicket(2, kToday, {{4, 1}, {5, 2}});
  PutTicket(3, kToday, {}, 1);  // opened by New, never given a line: still free
  PutTicket(4, kToday, {{4, 1}});
  EXPECT_EQ(dispensing::FirstFreeTicket(app), 3);
  PutTicket(3, kToday, {{6, 1}});
  EXPECT_EQ(dispensing::FirstFreeTicket(app), 5);
}

TEST_F(TicketLines, FirstFreeTicketIsZeroWhenEveryTicketUpToTheCountIsUsed) {
  app.settings().setTicketCount(100);
  for (std::size_t n = 1; n <= 100; ++n) PutTicket(n, kToday, {{1, 1}});
  EXPECT_EQ(dispensing::FirstFreeTicket(app), 0);  // 101 is free but beyond the count
}

TEST_F(TicketLines, FirstFreeTicketStaysInsideTheTableWhateverTheCountSays) {
  for (std::size_t n = 1; n <= 500000; ++n) app.tickets()[n].setDrugIndex(1, 1);
  for (std::int32_t count : {900000, 500001, -5, 0}) {
    app.settings().setTicketCount(count);
    EXPECT_EQ(dispensing::FirstFreeTicket(app), 0) << count;
  }
}

TEST_F(TicketLines, QueriesOfOneTicket) {
  PutTicket(7, kToday, {{5, 10}, {8, 1}, {5, 3}});
  EXPECT_FALSE(dispensing::IsEmptyTicket(app, 7));
  EXPECT_TRUE(dispensing::IsEmptyTicket(app, 8));
  EXPECT_EQ(dispensing::LineCount(app, 7), 3);
  EXPECT_EQ(dispensing::FirstEmptyLine(app, 7), 4);
  EXPECT_EQ(dispensing::LineOfDrug(app, 5, 7), 3);  // the last line holding the drug
  EXPECT_EQ(dispensing::FirstLineOfDrug(app, 7, 5), 1);
  EXPECT_EQ(dispensing::LineOfDrug(app, 9, 7), 0);
  EXPECT_EQ(dispensing::FirstLineOfDrug(app, 7, 9), 0);
  EXPECT_EQ(dispensing::FirstLineOfDrug(app, 7, 0), 0);
  EXPECT_EQ(dispensing::FirstLineOfDrug(app, 0, 5), 0);

  for (int line = 1; line <= 30; ++line) app.tickets()[9].setDrugIndex(line, 2);
  EXPECT_EQ(dispensing::LineCount(app, 9), 30);
  EXPECT_EQ(dispensing::FirstEmptyLine(app, 9), 0);
}

TEST_F(TicketLines, NumbersOutsideTheTableAnswerNothing) {
  app.tickets()[500000].setDrugIndex(1, 5);
  for (std::int32_t n : {0, -1, 500001, 2147483647, -2147483647 - 1}) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(dispensing::IsEmptyTicket(app, n));
    EXPECT_EQ(dispensing::LineCount(app, n), 0);
    EXPECT_EQ(dispensing::FirstEmptyLine(app, n), 0);
    EXPECT_EQ(dispensing::LineOfDrug(app, 5, n), 0);
    EXPECT_EQ(dispensing::FirstLineOfDrug(app, n, 5), 0);
    EXPECT_EQ(dispensing::DailySerial(app, n), 0);
  }
  EXPECT_EQ(dispensing::LineCount(app, 500000), 1);
}

// ---- saving and unsaving ----

using ToggleSaved = DispensingFixture;

TEST_F(ToggleSaved, SaveUnsaveSaveMovesBalancesAndStampsTheUserOfEachToggle) {
  PutDrug(1, "Amoxil", 100);
  PutDrug(2, "Brufen", 50);
  PutDrug(3, "Cataflam", 10);
  PutTicket(12, kToday + 0.3, {{1, 5}, {2, 7}, {3, 20}});

  auto balances = [&] {
    return std::vector<std::int32_t>{app.drugs()[1].balance(), app.drugs()[2].balance(),
                                     app.drugs()[3].balance()};
  };
  auto balancesInFile = [&] {
    storage::DrugTable drugs(1500);
    EXPECT_TRUE(drugs.Load(DataFile("DrugOP.vlk")));
    return std::vector<std::int32_t>{drugs[1].balance(), drugs[2].balance(), drugs[3].balance()};
  };

  ASSERT_TRUE(dispensing::ToggleSaved(app, 12));
  EXPECT_EQ(balances(), (std::vector<std::int32_t>{95, 43, -10}));  // no balance check
  EXPECT_EQ(balancesInFile(), balances());
  EXPECT_EQ(app.tickets()[12].state(), -1);
  EXPECT_EQ(TicketInFile(12).state(), -1);
  EXPECT_EQ(TicketInFile(12).userNumber(), kUser);

  app.settings().setCurrentUser(4);
  ASSERT_TRUE(dispensing::ToggleSaved(app, 12));
  EXPECT_EQ(balances(), (std::vector<std::int32_t>{100, 50, 10}));
  EXPECT_EQ(balancesInFile(), balances());
  EXPECT_EQ(TicketInFile(12).state(), 1);
  EXPECT_EQ(TicketInFile(12).userNumber(), 4);

  app.settings().setCurrentUser(5);
  ASSERT_TRUE(dispensing::ToggleSaved(app, 12));
  EXPECT_EQ(balances(), (std::vector<std::int32_t>{95, 43, -10}));
  EXPECT_EQ(balancesInFile(), balances());
  EXPECT_EQ(TicketInFile(12).state(), -1);
  EXPECT_EQ(TicketInFile(12).userNumber(), 5);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ToggleSaved, RefusedWithTheMessageOnTheAnchorDayAndAcceptedADayLater) {
  const double anchor = kToday - 10;
  app.settings().setAnchorDate(anchor);
  PutDrug(1, "Amoxil", 100);
  PutTicket(5, anchor + 0.9, {{1, 5}});  // late on the anchor day

  auto refused = dispensing::ToggleSaved(app, 5);
  EXPECT_TRUE(refused.refused());
  ASSERT_EQ(ui.MessageTexts(),
            std::vector<std::string>{"تاريخ التذكرة الحالية يقع قبل تاريخ الارتكاز ولا يسمح هذا الاجراء"});
  EXPECT_EQ(app.tickets()[5].state(), 1);
  EXPECT_EQ(app.drugs()[1].balance(), 100);
  EXPECT_EQ(TicketInFile(5), storage::TicketRecord{});  // nothing written
  EXPECT_FALSE(std::filesystem::exists(DataFile("DrugOP.vlk")));

  app.tickets()[5].setTicketDate(anchor + 1);
  EXPECT_TRUE(dispensing::ToggleSaved(app, 5));
  EXPECT_EQ(app.drugs()[1].balance(), 95);
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ToggleSaved, RefusalsChangeAndWriteNothing) {
  PutTicket(8, kToday, {}, 1);  // no line: silent
  for (std::int32_t n : {8, 0, -1, 500001}) {
    SCOPED_TRACE(n);
    auto result = dispensing::ToggleSaved(app, n);
    EXPECT_TRUE(result.refused());
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(app.tickets()[8].state(), 1);
  EXPECT_FALSE(std::filesystem::exists(DataFile(kTicketFile)));
}

TEST_F(ToggleSaved, LinesWithDamagedDrugNumbersMoveNoBalance) {
  PutDrug(2, "Brufen", 50);
  PutDrug(1500, "Zyrtec", 40);
  PutTicket(3, kToday, {{2, 5}, {9999, 7}, {-3, 8}, {1500, 1}, {2, 6}});
  ASSERT_TRUE(dispensing::ToggleSaved(app, 3));
  EXPECT_EQ(app.drugs()[2].balance(), 39);  // both lines of drug 2
  EXPECT_EQ(app.drugs()[1500].balance(), 39);
  EXPECT_EQ(app.tickets()[3].state(), -1);
}

TEST_F(ToggleSaved, AFailedTicketWriteLeavesTableAndBalancesAsTheyWere) {
  PutDrug(1, "Amoxil", 100);
  PutTicket(4, kToday, {{1, 5}});
  app.tickets()[4].setUserNumber(1);
  const storage::TicketRecord before = app.tickets()[4];
  std::filesystem::create_directory(DataFile(kTicketFile));  // a folder cannot be written as a file

  auto result = dispensing::ToggleSaved(app, 4);
  EXPECT_TRUE(result.failed());
  EXPECT_NE(result.message().find(kTicketFile), std::string::npos);
  EXPECT_EQ(app.tickets()[4], before);
  EXPECT_EQ(app.drugs()[1].balance(), 100);
}

// ---- removing a line ----

using RemoveLine = DispensingFixture;

TEST_F(RemoveLine, RemovingLineTwoOfThreeMovesLineThreeUpAndWritesTheTicket) {
  PutTicket(6, kToday, {{1, 10}, {2, 20}, {3, 30}});
  ASSERT_TRUE(dispensing::RemoveLine(app, 6, 2));

  storage::TicketRecord inFile = TicketInFile(6);
  for (const storage::TicketRecord* t : {&app.tickets()[6], &inFile}) {
    EXPECT_EQ(t->drugIndex(1), 1);
    EXPECT_EQ(t->quantity(1), 10);
    EXPECT_EQ(t->drugIndex(2), 3);
    EXPECT_EQ(t->quantity(2), 30);
    EXPECT_EQ(t->drugIndex(3), 0);
    EXPECT_EQ(t->quantity(3), 0);
  }
  EXPECT_EQ(inFile.userNumber(), kUser);
}

TEST_F(RemoveLine, RemovingLineThirtyEmptiesIt) {
  auto& t = app.tickets()[6];
  for (int line = 1; line <= 30; ++line) {
    t.setDrugIndex(line, static_cast<std::int16_t>(line));
    t.setQuantity(line, line);
  }
  t.setState(1);
  ASSERT_TRUE(dispensing::RemoveLine(app, 6, 30));
  EXPECT_EQ(dispensing::LineCount(app, 6), 29);
  EXPECT_EQ(t.drugIndex(29), 29);
  EXPECT_EQ(t.quantity(30), 0);
}

TEST_F(RemoveLine, Refusals) {
  PutTicket(1, kToday, {{1, 10}});                       // the last line
  PutTicket(2, kToday, {{1, 10}, {2, 20}, {3, 30}}, -1);  // saved
  PutTicket(3, kToday, {{1, 10}, {2, 20}});
  struct Case {
    std::int32_t ticket;
    int line;
  };
  for (Case c : {Case{1, 1}, Case{2, 2}, Case{3, 0}, Case{3, 31}, Case{3, -1}, Case{0, 1},
                 Case{500001, 1}, Case{-7, 1}}) {
    SCOPED_TRACE(testing::Message() << c.ticket << " line " << c.line);
    auto result = dispensing::RemoveLine(app, c.ticket, c.line);
    EXPECT_TRUE(result.refused());
  }
  EXPECT_EQ(dispensing::LineCount(app, 1), 1);
  EXPECT_EQ(dispensing::LineCount(app, 2), 3);
  EXPECT_EQ(dispensing::LineCount(app, 3), 2);
  EXPECT_FALSE(std::filesystem::exists(DataFile(kTicketFile)));
}

// ---- serial within the day ----

using DailySerial = DispensingFixture;

TEST_F(DailySerial, CountsTheTicketsOfTheSameDayUpToThisOne) {
  PutTicket(9, kToday - 1 + 0.9, {{1, 1}});
  PutTicket(10, kToday + 0.3, {{1, 1}});
  PutTicket(11, kToday + 0.4, {{1, 1}});
  PutTicket(12, kToday + 0.99, {{1, 1}});
  PutTicket(13, kToday + 0.2, {{1, 1}});
  EXPECT_EQ(dispensing::DailySerial(app, 12), 3);
  EXPECT_EQ(dispensing::DailySerial(app, 10), 1);
  EXPECT_EQ(dispensing::DailySerial(app, 9), 1);
}

TEST_F(DailySerial, LooksNoFurtherThanTwoThousandRecordsBack) {
  PutTicket(1, kToday + 0.1, {{1, 1}});  // 2001 records back: not counted
  PutTicket(2, kToday + 0.2, {{1, 1}});  // 2000 records back: counted
  PutTicket(2002, kToday + 0.3, {{1, 1}});
  EXPECT_EQ(dispensing::DailySerial(app, 2002), 2);
}

// ---- open tickets report ----

using UnsavedTicketsReport = DispensingFixture;

TEST_F(UnsavedTicketsReport, NoneGivesItsSentenceAndZero) {
  PutTicket(1, kToday - 3, {{1, 1}}, -1);
  auto report = dispensing::UnsavedTicketsReport(app, kToday);
  EXPECT_EQ(report.count, 0);
  EXPECT_EQ(report.text, "لا يوجد تذاكر غير محفوظة قبل هذا التاريخ");
}

TEST_F(UnsavedTicketsReport, ListsOpenTicketsWithLinesUpToMidnightOfTheDay) {
  app.settings().setTicketCount(100);
  PutTicket(12, kToday - 5 + 0.4, {{1, 1}});
  PutTicket(13, kToday - 5, {{1, 1}}, -1);  // saved
  PutTicket(14, kToday - 5, {}, 1);         // no line
  PutTicket(15, kToday - 1 + 0.99, {{1, 1}, {2, 2}});
  PutTicket(16, kToday + 0.01, {{1, 1}});  // after midnight
  PutTicket(20, kToday, {{3, 1}});         // exactly midnight
  PutTicket(150, kToday - 5, {{1, 1}});    // beyond the ticket count

  auto report = dispensing::UnsavedTicketsReport(app, kToday + 0.75);
  EXPECT_EQ(report.count, 3);
  EXPECT_EQ(report.text,
            "عدد التذاكر الغير محفوظة هو\r\n3\r\n وارقامها هي\r\n12 - 15 - 20");
  EXPECT_EQ(platform.busyChanges, (std::vector<bool>{true, false}));
}

// ---- quantities of a day and of a period ----

using DrugDayList = DispensingFixture;

TEST_F(DrugDayList, NameThenQuantityAndRecipientOfEveryLineOfTheDay) {
  PutDrug(4, "بنادول", 0);
  PutTicket(3, kToday + 0.2, {{4, 5}}).setPatientIndex(12);
  PutTicket(8, kToday + 0.6, {{4, 3}, {9, 1}, {4, 2}}).setPatientIndex(7);
  PutTicket(9, kToday - 1 + 0.6, {{4, 100}}).setPatientIndex(8);  // yesterday
  PutTicket(10, kToday + 1 + 0.1, {{4, 100}}).setPatientIndex(8);  // tomorrow

  EXPECT_EQ(dispensing::DrugDayList(app, kToday + 0.9, 4), "بنادول\r\n   5:12   3:7   2:7\r\n");
  EXPECT_EQ(dispensing::DrugDayList(app, kToday - 2, 4), "");
  EXPECT_EQ(dispensing::DrugDayList(app, kToday, 5), "");
  for (std::int32_t drug : {0, -3, 9999}) EXPECT_EQ(dispensing::DrugDayList(app, kToday, drug), "");
}

using AddDispensedInPeriod = DispensingFixture;

TEST_F(AddDispensedInPeriod, BothBoundsIncludedSavedAndOpenAlike) {
  const double from = kToday - 10 + 0.25;
  const double to = kToday - 5 + 0.75;
  PutTicket(1, from, {{1, 1}, {2, 10}});
  PutTicket(2, to, {{1, 100}}, -1);
  PutTicket(3, from - 0.001, {{1, 1000}});
  PutTicket(4, to + 0.001, {{1, 10000}});
  PutTicket(5, kToday - 7, {{2, 5}, {9999, 7}, {-3, 8}, {1500, 9}});
  PutTicket(6, kToday - 7, {{-3, 1}, {0, 0}, {2, 500}});  // empty by its first two lines

  std::vector<std::int64_t> totals(1501, 0);
  totals[1] = 3;  // added to, not replaced
  dispensing::AddDispensedInPeriod(app, from, to, totals);
  EXPECT_EQ(totals[1], 104);
  EXPECT_EQ(totals[2], 15);
  EXPECT_EQ(totals[1500], 9);
}

TEST_F(AddDispensedInPeriod, SumsAboveTheFloatRangeAreExactAndShortTotalsAreSafe) {
  PutTicket(1, kToday, {{7, 16777217}});
  PutTicket(2, kToday, {{7, 16777217}, {1, 1}});
  std::vector<std::int64_t> totals(1501, 0);
  totals[7] = 1;
  dispensing::AddDispensedInPeriod(app, kToday, kToday, totals);
  EXPECT_EQ(totals[7], 33554435);

  std::vector<std::int64_t> shortTotals(5, 0);
  dispensing::AddDispensedInPeriod(app, kToday, kToday, shortTotals);
  EXPECT_EQ(shortTotals, (std::vector<std::int64_t>{0, 1, 0, 0, 0}));
}

// ---- first dispensing and monthly use ----

using MonthlyUse = DispensingFixture;

TEST_F(MonthlyUse, FirstDispensingDateIsTheDayOfTheLowestNumberedDatedTicket) {
  PutTicket(2, 0, {{3, 1}});  // no date: passed over
  PutTicket(5, kToday - 100 + 0.7, {{1, 1}, {3, 1}});
  PutTicket(8, kToday - 200, {{3, 1}});
  EXPECT_DOUBLE_EQ(dispensing::FirstDispensingDate(app, 3), kToday - 100);
  EXPECT_DOUBLE_EQ(dispensing::FirstDispensingDate(app, 4), 0);
  EXPECT_DOUBLE_EQ(dispensing::FirstDispensingDate(app, 0), 0);
}

TEST_F(MonthlyUse, AveragesTheLastLineOfTheDrugPerThirtyDaysUpToYesterday) {
  PutTicket(1, kToday - 100 + 0.2, {{5, 4}, {6, 1}, {5, 10}}).setPatientIndex(7);  // last line: 10
  PutTicket(2, kToday - 50, {{5, 25}}).setPatientIndex(7);
  PutTicket(3, kToday + 0.1, {{5, 1000}}).setPatientIndex(7);  // today: not counted
  PutTicket(4, kToday - 20, {{5, 1000}}).setPatientIndex(8);   // another recipient
  PutTicket(5, kToday - 20, {{6, 1000}}).setPatientIndex(7);   // another drug
  // 35 over 100 days is 10.5 per 30 days.
  EXPECT_FLOAT_EQ(dispensing::MonthlyAverageUse(app, 7, 5), 10);
}

TEST_F(MonthlyUse, LooksBackAYearAtMostAndIsZeroWithoutDispensing) {
  PutTicket(1, kToday - 500, {{5, 5000}}).setPatientIndex(7);
  PutTicket(2, kToday - 300, {{5, 100}}).setPatientIndex(7);
  // 100 over 365 days: 8.2 per 30 days.
  EXPECT_FLOAT_EQ(dispensing::MonthlyAverageUse(app, 7, 5), 8);
  EXPECT_FLOAT_EQ(dispensing::MonthlyAverageUse(app, 7, 6), 0);
  EXPECT_FLOAT_EQ(dispensing::MonthlyAverageUse(app, 7, 9999), 0);
}

// ---- future dates ----

using FixFutureDates = DispensingFixture;

TEST_F(FixFutureDates, AFutureTicketTakesThePreviousRecordsDateAndIsWritten) {
  const double now = kToday + 0.5;
  PutTicket(1, kToday + 1, {{1, 1}});       // tomorrow, first record: no date
  PutTicket(2, kToday + 0.25, {{1, 1}});    // this morning
  PutTicket(3, kToday + 1.2, {{1, 1}});     // tomorrow
  PutTicket(4, kToday + 30, {{1, 1}});      // next month: takes the repaired date of 3
  PutTicket(5, now, {{1, 1}});              // now is not later than now
  PutTicket(400000, kToday + 2, {{1, 1}});  // far beyond the count

  ASSERT_TRUE(dispensing::FixFutureDates(app));
  EXPECT_DOUBLE_EQ(app.tickets()[1].ticketDate(), 0);
  EXPECT_DOUBLE_EQ(app.tickets()[3].ticketDate(), kToday + 0.25);
  EXPECT_DOUBLE_EQ(app.tickets()[4].ticketDate(), kToday + 0.25);
  EXPECT_DOUBLE_EQ(app.tickets()[5].ticketDate(), now);
  EXPECT_DOUBLE_EQ(app.tickets()[400000].ticketDate(), 0);  // record 399999 is blank

  EXPECT_DOUBLE_EQ(TicketInFile(3).ticketDate(), kToday + 0.25);
  EXPECT_EQ(TicketInFile(3).userNumber(), kUser);
  EXPECT_EQ(TicketInFile(2), storage::TicketRecord{});  // untouched records are not written
  EXPECT_EQ(TicketInFile(5), storage::TicketRecord{});

  clock.Set(kToday + 3);  // the clock decides what is future
  PutTicket(6, kToday + 2, {{1, 1}});
  ASSERT_TRUE(dispensing::FixFutureDates(app));
  EXPECT_DOUBLE_EQ(app.tickets()[6].ticketDate(), kToday + 2);
}

// ---- network mode ----

class NetworkRefresh : public DispensingFixture {
 protected:
  void StampDaysAgo(int days) {
    WriteTextFile("network.txt", std::to_string(static_cast<int>(kToday) - days) + "\r\n");
  }
  storage::TicketRecord Written(std::int16_t drug) {
    storage::TicketRecord t;
    FillTicket(t, kToday + 0.3, {{drug, 1}});
    return t;
  }
};

TEST_F(NetworkRefresh, BeforeANewTicketRereadsFromTwentyBelowToAHundredAboveTheFirstFree) {
  StampDaysAgo(14);
  for (std::size_t n = 1; n <= 50; ++n) WriteTicketElsewhere(n, PutTicket(n, kToday, {{1, 1}}));
  // First free is 51: records 31..151 are read again.
  WriteTicketElsewhere(30, Written(30));
  WriteTicketElsewhere(31, Written(31));
  WriteTicketElsewhere(51, Written(51));
  WriteTicketElsewhere(151, Written(151));
  WriteTicketElsewhere(152, Written(152));

  ASSERT_TRUE(dispensing::RefreshBeforeNewTicket(app));
  EXPECT_EQ(app.tickets()[30].drugIndex(1), 1);
  EXPECT_EQ(app.tickets()[31].drugIndex(1), 31);
  EXPECT_EQ(app.tickets()[51].drugIndex(1), 51);
  EXPECT_EQ(app.tickets()[151].drugIndex(1), 151);
  EXPECT_TRUE(app.tickets()[152].IsEmpty());
  EXPECT_EQ(dispensing::FirstFreeTicket(app), 52);
}

TEST_F(NetworkRefresh, BeforeANewTicketTheRangeStartsAtOne) {
  StampDaysAgo(0);
  PutTicket(1, kToday, {{1, 1}});
  WriteTicketElsewhere(2, Written(2));
  WriteTicketElsewhere(102, Written(102));
  WriteTicketElsewhere(103, Written(103));
  ASSERT_TRUE(dispensing::RefreshBeforeNewTicket(app));
  // Ticket 1 was never written to the file: rereading it empties it here too.
  EXPECT_TRUE(app.tickets()[1].IsEmpty());
  EXPECT_EQ(app.tickets()[2].drugIndex(1), 2);
  EXPECT_EQ(app.tickets()[102].drugIndex(1), 102);
  EXPECT_TRUE(app.tickets()[103].IsEmpty());
}

TEST_F(NetworkRefresh, ATicketAboveOneIsRereadBeforeItIsShown) {
  StampDaysAgo(3);
  PutTicket(1, kToday, {{1, 1}});
  PutTicket(40, kToday, {{1, 1}});
  WriteTicketElsewhere(1, Written(11));
  WriteTicketElsewhere(40, Written(44));
  WriteTicketElsewhere(41, Written(45));
  ASSERT_TRUE(dispensing::RefreshTicket(app, 40));
  ASSERT_TRUE(dispensing::RefreshTicket(app, 1));
  EXPECT_EQ(app.tickets()[40].drugIndex(1), 44);
  EXPECT_TRUE(app.tickets()[41].IsEmpty());
  EXPECT_EQ(app.tickets()[1].drugIndex(1), 1);  // ticket 1 is never reread
  EXPECT_TRUE(dispensing::RefreshTicket(app, 500001).refused());
}

TEST_F(NetworkRefresh, NothingIsRereadWhenTheStampIsOldOrMissing) {
  PutTicket(1, kToday, {{1, 1}});
  WriteTicketElsewhere(2, Written(2));
  WriteTicketElsewhere(40, Written(40));
  for (bool stamped : {false, true}) {
    if (stamped) StampDaysAgo(16);
    ASSERT_TRUE(dispensing::RefreshBeforeNewTicket(app));
    ASSERT_TRUE(dispensing::RefreshTicket(app, 40));
    EXPECT_TRUE(app.tickets()[2].IsEmpty());
    EXPECT_TRUE(app.tickets()[40].IsEmpty());
  }
}

}  // namespace
