// The basic helpers: text cleaning, rounding halves to even, the network-path
// test and folder checks.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/helpers.h"
#include "tests/support/fakes.h"

namespace storage {
namespace {

namespace fs = std::filesystem;

TEST(CleanText, RemovesEveryNulThenTrimsSpaces) {
  using namespace std::string_literals;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"عبدالله" + std::string(23, ' '), "عبدالله"},  // 7 letters in a 30-character field
      {"Ibrahim" + std::string(23, ' '), "Ibrahim"},
      {"A\0h\0m\0e\0d"s, "Ahmed"},
      {"\0\0\0\0"s, ""},
      {std::string(30, ' '), ""},
      {""s, ""},
      {"  left"s, "left"},
      {"two  words  "s, "two  words"},
      {" \0 x \0"s, "x"},  // NULs go first, then the spaces around
      {"\0 \0 \0"s, ""},
      {"ص\0ي\0د"s, "صيد"},
      {"\tTab\t"s, "\tTab\t"},  // only spaces are trimmed
  };
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(CleanText(in), out) << '"' << in << '"';
  }
}

TEST(Round2, HalvesGoToTheEvenCent) {
  struct Case {
    double in;
    float out;
  };
  const std::vector<Case> cases = {
      {2.125, 2.12f},
      {2.375, 2.38f},
      {-2.125, -2.12f},
      {-2.375, -2.38f},
      {0.005, 0.0f},
      {0.015, 0.02f},
      {-0.015, -0.02f},
      {2.674, 2.67f},
      {2.676, 2.68f},
      {-2.676, -2.68f},
      {0.0, 0.0f},
      {12345.675, 12345.68f},
      {100001.03, 100001.03f},  // a whole number of cents stays as it is
      // Prices typed into 4-byte floats round like the decimals typed.
      {2.675f, 2.68f},
      {0.045f, 0.04f},
      {-0.045f, -0.04f},
      {0.165f, 0.16f},
      {1.015f, 1.02f},
      {1234.565f, 1234.56f},
      {19.995f, 20.0f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Round2(c.in), c.out) << c.in;
  }
}

// Every price from 0.005 to 9999.995 that ends in a half cent, typed into a
// 4-byte float (and as a double), rounds to the even cent; the other
// thousandths round to the nearest cent.
TEST(Round2, TypedPricesRoundLikeTheirDecimals) {
  int wrong = 0;
  for (long m = 0; m < 10000000; ++m) {
    if (m % 10 != 5 && m >= 100000) continue;  // every thousandth below 100, halves above
    const long cents = m / 10;
    const long expected = (m % 10 == 5) ? (cents % 2 == 0 ? cents : cents + 1) : (m + 5) / 10;
    for (int sign : {1, -1}) {
      const double typed = static_cast<double>(sign * m) / 1000.0;
      const float want = static_cast<float>(static_cast<double>(sign * expected) / 100.0);
      if (Round2(static_cast<float>(typed)) != want || Round2(typed) != want) {
        if (++wrong <= 10)
          ADD_FAILURE() << typed << " rounds to " << Round2(static_cast<float>(typed));
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(RoundHalfEven, WholeNumbersAndOtherDecimals) {
  struct Case {
    double in;
    int decimals;  // -1: whole-number form
    double out;
  };
  const std::vector<Case> cases = {
      {0.5, -1, 0.0},   {1.5, -1, 2.0},     {2.5, -1, 2.0},  {-0.5, -1, 0.0}, {-1.5, -1, -2.0},
      {-2.5, -1, -2.0}, {3.49, -1, 3.0},    {3.51, -1, 4.0}, {0.25, 1, 0.2},  {0.35, 1, 0.4},
      {-0.25, 1, -0.2}, {0.0125, 3, 0.012}, {2.5, 0, 2.0},   {3.5, 0, 4.0},
  };
  for (const auto& c : cases) {
    const double got = c.decimals < 0 ? RoundHalfEven(c.in) : RoundHalfEven(c.in, c.decimals);
    EXPECT_DOUBLE_EQ(got, c.out) << c.in << " to " << c.decimals;
  }
}

TEST(RunningFromNetwork, TwoBackslashesInARowOrALeadingDoubleSlash) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"\\\\PHARMACY\\Tormo\\", true},
      {"C:\\Tormo\\\\Files\\", true},
      {"//pharmacy/tormo/", true},
      {"C:\\Tormo\\", false},
      {"/opt/tormo/", false},
      {"/opt//tormo/", false},
      {"\\", false},
      {"/", false},
      {"", false},
  };
  for (const auto& [path, network] : cases) {
    EXPECT_EQ(RunningFromNetwork(path), network) << path;
  }
}

TEST(FolderExists, CleanedPathWithDoubledSeparators) {
  testing_support::TempFolder temp;
  fs::create_directory(temp / "sub");
  std::ofstream(temp / "file.txt") << "x";
  const std::string base = temp.path().string();
  const std::vector<std::pair<std::string, bool>> cases = {
      {"", false},
      {"   ", false},
      {base, true},
      {base + "/sub", true},
      {base + "//sub", true},
      {base + "//sub//", true},
      {base + "\\\\sub\\", true},
      {"  " + base + "/sub  ", true},
      {base + "/missing", false},
      {base + "/file.txt", false},
  };
  for (const auto& [path, exists] : cases) {
    EXPECT_EQ(FolderExists(path), exists) << '"' << path << '"';
  }
}

TEST(MakeFolder, CreatesOneLevelOnly) {
  testing_support::TempFolder temp;
  const std::string base = temp.path().string();

  EXPECT_TRUE(MakeFolder(base + "/Files", false));
  EXPECT_TRUE(fs::is_directory(temp / "Files"));
  // It exists now.
  EXPECT_FALSE(MakeFolder(base + "/Files", false));
  EXPECT_TRUE(fs::is_directory(temp / "Files"));
  // One level below an existing folder, written with doubled separators.
  EXPECT_TRUE(MakeFolder(base + "//Files//DBI", false));
  EXPECT_TRUE(fs::is_directory(temp / "Files" / "DBI"));
  // The parent is missing: nothing is made.
  EXPECT_FALSE(MakeFolder(base + "/Missing/DBI", false));
  EXPECT_FALSE(fs::exists(temp / "Missing"));
  // Running from the network nothing is made.
  EXPECT_FALSE(MakeFolder(base + "/Remote", true));
  EXPECT_FALSE(fs::exists(temp / "Remote"));
  EXPECT_FALSE(MakeFolder("", false));
}

}  // namespace
}  // namespace storage

TEST(RoundHalfEvenLarge, LargeValuesRoundToTheNearestNeighbour) {
  struct Case {
    double x;
    double rounded;
  };
  for (const auto& c : {Case{1000000001.2, 1000000001.0}, Case{1000000001.7, 1000000002.0},
                        Case{1000000001.5, 1000000002.0}, Case{1000000002.5, 1000000002.0},
                        Case{33554431.3, 33554431.0}}) {
    EXPECT_EQ(storage::RoundHalfEven(c.x), c.rounded) << c.x;
  }
}
