#include <gtest/gtest.h>

#include <cstdint>

#include "dispensing/ticket_money.h"
#include "storage/drug_record.h"
#include "storage/ticket_record.h"
#include "tests/dispensing/dispensing_fixture.h"

namespace {

using dispensing_test::DispensingFixture;
using dispensing_test::Line;

// ---- rules of one line, on a record and a small drug table ----

struct LineCase {
  float price;
  std::int32_t quantity;
  std::int32_t feeRate;
  std::int16_t classification;
  float surcharge;
  float fee;
  float total;
};

class LineRules : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRules, SurchargeFeeAndTotalRoundHalvesToEven) {
  const LineCase c = GetParam();
  storage::DrugTable drugs(1500);
  drugs[9].setTenderPrice(c.price);
  drugs[9].setPurchaseFeeRate(c.feeRate);
  storage::TicketRecord ticket;
  ticket.setClassification(c.classification);
  ticket.setDrugIndex(1, 9);
  ticket.setQuantity(1, c.quantity);

  EXPECT_FLOAT_EQ(dispensing::LineSurcharge(ticket, drugs, 1), c.surcharge);
  EXPECT_FLOAT_EQ(dispensing::LineFee(ticket, drugs, 1), c.fee);
  EXPECT_FLOAT_EQ(dispensing::LineTotal(ticket, drugs, 1), c.total);
  // An empty line and line numbers outside 1..30 are worth nothing.
  for (int line : {2, 0, 31}) {
    EXPECT_FLOAT_EQ(dispensing::LineFee(ticket, drugs, line), 0) << line;
    EXPECT_FLOAT_EQ(dispensing::LineTotal(ticket, drugs, line), 0) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineRules,
    ::testing::Values(
        // 7.5 * 7% = 0.525: the half goes down to the even 0.52.
        LineCase{2.5f, 3, 0, 0, 0.52f, 0, 8.02f},
        // 4.25 * 2 = 8.5: 0.595 -> 0.60 and 3% = 0.255 -> 0.26, both halves going up to even.
        LineCase{4.25f, 2, 3, 0, 0.60f, 0.26f, 9.36f},
        // A price held as a float just below its decimal still rounds as the
        // decimal typed: 0.35 * 3 * 10% = 0.105 -> 0.10.
        LineCase{0.35f, 3, 10, 0, 0.07f, 0.10f, 1.22f},
        // 1.5 at 5% = 0.075 -> 0.08; a kidney ticket pays no surcharge.
        LineCase{1.5f, 1, 5, 66, 0, 0.08f, 1.58f},
        // 0.025 -> 0.02, 0.015 -> 0.02.
        LineCase{0.5f, 5, 1, 66, 0, 0.02f, 2.52f}, LineCase{0.5f, 3, 1, 66, 0, 0.02f, 1.52f},
        // Any classification other than 0 has no surcharge.
        LineCase{10, 1, 0, 5, 0, 0, 10}));

TEST(ClassificationFactor, GeneralKidneyAndAnyOther) {
  storage::TicketRecord ticket;
  struct Case {
    std::int16_t classification;
    double factor;
  };
  for (Case c : {Case{0, 1.07}, Case{66, 1.0}, Case{5, 0}, Case{-66, 0}}) {
    ticket.setClassification(c.classification);
    EXPECT_DOUBLE_EQ(dispensing::ClassificationFactor(ticket), c.factor) << c.classification;
  }
}

// ---- totals of a ticket ----

class TicketTotals : public ::testing::Test {
 protected:
  TicketTotals() : drugs(1500) {
    drugs[1].setTenderPrice(2.5f);
    drugs[2].setTenderPrice(1.5f);
    drugs[2].setPurchaseFeeRate(5);
    drugs[3].setTenderPrice(4.25f);
    drugs[3].setPurchaseFeeRate(3);
    // 7.5, 1.5 and 8.5; a damaged line and an empty one in between add nothing.
    const Line lines[] = {{1, 3}, {9999, 4}, {2, 1}, {-3, 2}, {3, 2}};
    int line = 1;
    for (const Line& l : lines) {
      ticket.setDrugIndex(line, l.drug);
      ticket.setQuantity(line, l.quantity);
      ++line;
    }
  }
  storage::DrugTable drugs;
  storage::TicketRecord ticket;
};

TEST_F(TicketTotals, GeneralTicket) {
  ticket.setClassification(0);
  EXPECT_FLOAT_EQ(dispensing::TicketTenderValue(ticket, drugs), 17.5f);
  EXPECT_FLOAT_EQ(dispensing::TicketPatientTotal(ticket, drugs), 18.725f);
  EXPECT_FLOAT_EQ(dispensing::TicketFeeTotal(ticket, drugs), 0.33f);  // 0 + 0.075 + 0.255
  // 0.52 + 0.10 (0.105 to even) + 0.60
  EXPECT_FLOAT_EQ(dispensing::TicketSurchargeTotal(ticket, drugs), 1.22f);
  // 0 + 0.08 + 0.26
  EXPECT_FLOAT_EQ(dispensing::TicketFeeTotalRounded(ticket, drugs), 0.34f);
}

TEST_F(TicketTotals, KidneyAndUnknownClassifications) {
  ticket.setClassification(66);
  EXPECT_FLOAT_EQ(dispensing::TicketPatientTotal(ticket, drugs), 17.5f);
  EXPECT_FLOAT_EQ(dispensing::TicketSurchargeTotal(ticket, drugs), 0);
  EXPECT_FLOAT_EQ(dispensing::TicketFeeTotalRounded(ticket, drugs), 0.34f);
  ticket.setClassification(7);
  EXPECT_FLOAT_EQ(dispensing::TicketPatientTotal(ticket, drugs), 0);
  EXPECT_FLOAT_EQ(dispensing::TicketTenderValue(ticket, drugs), 17.5f);
}

TEST(TicketTenderValue, IsHeldInAFourByteFloat) {
  storage::DrugTable drugs(1500);
  drugs[1].setTenderPrice(1);
  storage::TicketRecord ticket;
  ticket.setDrugIndex(1, 1);
  ticket.setQuantity(1, 16777216);
  ticket.setDrugIndex(2, 1);
  ticket.setQuantity(2, 1);
  ticket.setDrugIndex(3, 1);
  ticket.setQuantity(3, 1);
  // 16777217 has no 4-byte float: each 1 is lost and the sum stays at
  // 16777216 (a wider sum would reach 16777218, which a float holds).
  EXPECT_EQ(dispensing::TicketTenderValue(ticket, drugs), 16777216.0f);
}

// ---- decision totals over the run's table ----

using DecisionTotal = DispensingFixture;

TEST_F(DecisionTotal, AddsEveryTicketOfTheDecisionSavedOrOpenRoundedToOneDecimal) {
  PutDrug(1, "Amoxil", 0, 2.5f);
  PutDrug(2, "Brufen", 0, 1.5f);
  PutDrug(3, "Cataflam", 0, 4.625f);
  PutTicket(5, kToday, {{1, 3}}).setClassification(66);                // 7.5
  PutTicket(900, kToday, {{2, 1}}, -1).setClassification(66);          // 1.5, saved
  PutTicket(40000, kToday, {{3, 2}}).setClassification(66);            // 9.25, beyond the count
  PutTicket(41, kToday, {{1, 100}}).setClassification(66);             // another decision
  for (std::size_t n : {5, 900, 40000}) app.tickets()[n].setDecisionNumber(77);
  app.tickets()[41].setDecisionNumber(78);

  // 18.25 rounds to the even 18.2.
  EXPECT_DOUBLE_EQ(dispensing::DecisionTotal(app, 77), 18.2);
  EXPECT_DOUBLE_EQ(dispensing::DecisionTotal(app, 78), 250);
  EXPECT_DOUBLE_EQ(dispensing::DecisionTotal(app, 79), 0);

  // A general ticket adds its 7%: 18.25 + 9.25 * 0.07 = 18.8975 -> 18.9.
  app.tickets()[40000].setClassification(0);
  EXPECT_DOUBLE_EQ(dispensing::DecisionTotal(app, 77), 18.9);
}

using MoneyOfTheRun = DispensingFixture;

TEST_F(MoneyOfTheRun, RulesByTicketNumberReadTheRunsTablesAndRefuseOtherNumbers) {
  PutDrug(2, "Brufen", 0, 1.5f, 5);
  PutTicket(3, kToday, {{2, 1}});  // general
  EXPECT_FLOAT_EQ(dispensing::LineSurcharge(app, 3, 1), 0.10f);
  EXPECT_FLOAT_EQ(dispensing::LineFee(app, 3, 1), 0.08f);
  EXPECT_FLOAT_EQ(dispensing::LineTotal(app, 3, 1), 1.68f);
  EXPECT_DOUBLE_EQ(dispensing::ClassificationFactor(app, 3), 1.07);
  EXPECT_FLOAT_EQ(dispensing::TicketPatientTotal(app, 3), 1.605f);
  EXPECT_FLOAT_EQ(dispensing::TicketTenderValue(app, 3), 1.5f);
  EXPECT_FLOAT_EQ(dispensing::TicketFeeTotal(app, 3), 0.075f);
  EXPECT_FLOAT_EQ(dispensing::TicketSurchargeTotal(app, 3), 0.10f);
  EXPECT_FLOAT_EQ(dispensing::TicketFeeTotalRounded(app, 3), 0.08f);
  // 1.5 x 1 and 1.605; 0.3335 x 3 = 1.0005 keeps 3 decimals (the even
  // 1.000), its patient value 1.070535 rounds up.
  EXPECT_DOUBLE_EQ(dispensing::THisDrugForHos(app, 3, 1), 1.5);
  EXPECT_DOUBLE_EQ(dispensing::THisDrugForPatient(app, 3, 1), 1.605);
  PutDrug(4, "Cataflam", 0, 0.3335f);
  PutTicket(5, kToday, {{4, 3}});
  EXPECT_DOUBLE_EQ(dispensing::THisDrugForHos(app, 5, 1), 1.0);
  EXPECT_DOUBLE_EQ(dispensing::THisDrugForPatient(app, 5, 1), 1.071);
  EXPECT_DOUBLE_EQ(dispensing::THisDrugForHos(app, 5, 2), 0);
  for (std::int32_t n : {0, -1, 500001}) {
    SCOPED_TRACE(n);
    EXPECT_DOUBLE_EQ(dispensing::THisDrugForHos(app, n, 1), 0);
    EXPECT_FLOAT_EQ(dispensing::LineTotal(app, n, 1), 0);
    EXPECT_DOUBLE_EQ(dispensing::ClassificationFactor(app, n), 0);
    EXPECT_FLOAT_EQ(dispensing::TicketPatientTotal(app, n), 0);
  }
}

}  // namespace
