#include "util/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "tests/support/fakes.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

TEST(LeadingNumber, ReadsTheNumberATextStartsWith) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"12abc", 12},
      {"abc", 0},
      {" -3.5", -3.5},
      {"1e3x", 1000},
      {"", 0},
      {".", 0},
      {"-", 0},
      {"+7", 7},
      {"\t 42 ", 42},
      {"0.25", 0.25},
      {".5", 0.5},
      {"-.5kg", -0.5},
      {"5.", 5},
      {"1.2.3", 1.2},
      {"1,500", 1},
      {"12 34", 12},
      {"--5", 0},
      {"- 5", 0},
      {"x12", 0},
      {"1e", 1},
      {"1ex", 1},
      {"2e-", 2},
      {"1e+2", 100},
      {"1E-2", 0.01},
      {"2.5e1 tablets", 25},
      {"007", 7},
      {"1e-400", 0},
      {"١٢", 0},  // Arabic-Indic digits are not read
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(util::LeadingNumber(c.text), c.expected);
  }
}

TEST(LeadingNumber, NumbersBeyondADoubleAreInfinite) {
  EXPECT_EQ(util::LeadingNumber("1e400"), kInfinity);
  EXPECT_EQ(util::LeadingNumber("-" + std::string(400, '9')), -kInfinity);
  EXPECT_EQ(util::LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(SafeLong, ClampsRoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  struct Case {
    double value;
    std::int32_t expected;
  };
  const Case cases[] = {
      {0, 0},
      {42, 42},
      {-42, -42},
      {2000000000, 1234567891},
      {1234567891, 1234567891},
      {1234567890.6, 1234567891},
      {1234567891.9, 1234567891},
      {1e300, 1234567891},
      {kInfinity, 1234567891},
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {2.4999, 2},
      {2.5001, 3},
      {-2.5001, -3},
      {-3e9, 0},
      {-2147483648.0, kInt32Min},
      {-2147483648.5, kInt32Min},  // rounds to the even -2147483648
      {-2147483649.0, 0},
      {-kInfinity, 0},
      {kNaN, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(util::SafeLong(c.value), c.expected);
  }
}

TEST(SafeLong, TextMustBeANumberAsAWhole) {
  struct Case {
    const char* text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"42", 42},
      {"  -7  ", -7},
      {"2.5", 2},
      {"3.5", 4},
      {"1e3", 1000},
      {"2000000000", 1234567891},
      {"-3e9", 0},
      {"12abc", 0},
      {"abc", 0},
      {"1 2", 0},
      {"1.2.3", 0},
      {"", 0},
      {"   ", 0},
      {".", 0},
      {"-", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(util::SafeLong(std::string_view(c.text)), c.expected);
  }
}

TEST(RedShade, DarkensByTwentyPerStepWithinZeroToTwelve) {
  struct Case {
    int k;
    util::Colour expected;
  };
  const Case cases[] = {
      {0, util::Rgb(255, 10, 10)},  {1, util::Rgb(235, 10, 10)},  {3, util::Rgb(195, 10, 10)},
      {12, util::Rgb(15, 10, 10)},  {13, util::Rgb(15, 10, 10)},  {20, util::Rgb(15, 10, 10)},
      {-1, util::Rgb(255, 10, 10)}, {-50, util::Rgb(255, 10, 10)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.k);
    EXPECT_EQ(util::RedShade(c.k), c.expected);
  }
  EXPECT_EQ(util::RedOf(util::RedShade(3)), 195);
  EXPECT_EQ(util::GreenOf(util::RedShade(3)), 10);
  EXPECT_EQ(util::BlueOf(util::RedShade(3)), 10);
}

TEST(RandomBetween, SameTimeGivesTheSameNumber) {
  testing_support::FakeClock clock(45000.123456);
  const std::int32_t first = util::RandomBetween(clock, 1, 1000000);
  EXPECT_EQ(util::RandomBetween(clock, 1, 1000000), first);
}

TEST(RandomBetween, CoversTheWholeRangeWithBothEndsIncluded) {
  testing_support::FakeClock clock(45000.5);
  std::set<std::int32_t> seen;
  for (int i = 0; i < 400; ++i) {
    clock.Advance(1.0 / 86400.0);
    const std::int32_t v = util::RandomBetween(clock, -2, 3);
    ASSERT_GE(v, -2);
    ASSERT_LE(v, 3);
    seen.insert(v);
  }
  EXPECT_EQ(seen, (std::set<std::int32_t>{-2, -1, 0, 1, 2, 3}));
}

TEST(RandomBetween, ChangesWithTheTime) {
  testing_support::FakeClock clock(46000.5);
  std::set<std::int32_t> seen;
  for (int i = 0; i < 50; ++i) {
    clock.Advance(1.0 / 86400.0);
    seen.insert(util::RandomBetween(clock, 0, 1000000000));
  }
  EXPECT_GT(seen.size(), 45u);
}

TEST(RandomBetween, SwappedBoundsAndSingleValues) {
  testing_support::FakeClock clock(45123.25);
  for (int i = 0; i < 50; ++i) {
    clock.Advance(0.001);
    const std::int32_t v = util::RandomBetween(clock, 10, 5);
    EXPECT_GE(v, 5);
    EXPECT_LE(v, 10);
    EXPECT_EQ(util::RandomBetween(clock, 7, 7), 7);
    EXPECT_EQ(util::RandomBetween(clock, 10, 5), util::RandomBetween(clock, 5, 10));
  }
}

}  // namespace
