// tormo-cli set-opening-balance: the opening-balance screen's OK for
// technical support, one drug per call.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "core/app.h"
#include "core/tables.h"
#include "storage/data_files.h"
#include "tests/support/fakes.h"
#include "util/dates.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

class SetOpeningBalanceCli : public ::testing::Test {
 protected:
  SetOpeningBalanceCli() {
    // The catalogue, written as the program writes it: drugs 5 and 6, and a
    // ticket holding a line.
    fs::create_directories(setup.DataFolder());
    setup.drugs()[5].setDrugName("اموكسيسيلين 500");
    setup.drugs()[5].setOpeningBalance(3);
    setup.drugs()[5].setBalance(40);
    setup.drugs()[6].setDrugName("باراسيتامول 500");
    EXPECT_TRUE(core::SaveAllDrugs(setup));
    setup.tickets()[1].setDrugIndex(1, 6);
    setup.tickets()[1].setQuantity(1, 2);
    EXPECT_TRUE(core::SaveTicket(setup, 1));
  }

  CliRun Run(const std::vector<std::string>& command) {
    std::vector<std::string> args = {"--program-folder", platform.programFolder.string()};
    args.insert(args.end(), command.begin(), command.end());
    FakeClock clock(util::MakeDateTime(2025, 12, 10, 12, 0, 0));
    std::ostringstream out;
    std::ostringstream err;
    int status = app::RunCli(args, temp.path(), clock, out, err);
    return {status, out.str(), err.str()};
  }

  // The drug file as the next start reads it.
  storage::DrugRecord Stored(std::size_t drug) {
    FakeClock clock;
    ScriptedInteraction ui;
    core::App reader(clock, platform, ui);
    EXPECT_TRUE(core::LoadDrugs(reader));
    return reader.drugs()[drug];
  }

  std::string DrugFileBytes() const {
    std::ifstream in(setup.DataFile(storage::kDrugFile), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  TempFolder temp;
  FakePlatform platform{temp.path()};
  FakeClock setupClock;
  ScriptedInteraction setupUi;
  core::App setup{setupClock, platform, setupUi};
};

TEST_F(SetOpeningBalanceCli, StoresOpeningBalanceBalanceAndExpiryByNumber) {
  CliRun run = Run({"set-opening-balance", "5", "120", "06-2026"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "drug: 5\nname: اموكسيسيلين 500\nopening-balance: 120\nbalance: 120\nexpiry: 06-2026\n");
  const storage::DrugRecord d = Stored(5);
  EXPECT_EQ(d.openingBalance(), 120);
  EXPECT_EQ(d.balance(), 120);
  EXPECT_EQ(d.expiryDate(), util::MakeDate(2026, 6, 1));
}

TEST_F(SetOpeningBalanceCli, FindsADrugByNameRoundsAndStoresNoExpiryForADash) {
  CliRun run = Run({"set-opening-balance", "باراسيتامول 500", "17.5", "-"});
  ASSERT_EQ(run.status, 0) << run.err;
  const storage::DrugRecord d = Stored(6);
  EXPECT_EQ(d.openingBalance(), 18);
  EXPECT_EQ(d.balance(), 18);
  EXPECT_EQ(d.expiryDate(), 0);
  EXPECT_NE(run.out.find("expiry: none\n"), std::string::npos);
  // Drug 5 is untouched.
  EXPECT_EQ(Stored(5).balance(), 40);
}

struct RefusedCase {
  const char* name;
  std::vector<std::string> args;
  int status;
  const char* error;
};

class SetOpeningBalanceRefused : public SetOpeningBalanceCli,
                                 public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(SetOpeningBalanceRefused, NothingIsWritten) {
  const RefusedCase& c = GetParam();
  const std::string before = DrugFileBytes();
  std::vector<std::string> command = {"set-opening-balance"};
  command.insert(command.end(), c.args.begin(), c.args.end());
  CliRun run = Run(command);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.err.rfind(c.error, 0), 0u) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // one line
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(DrugFileBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetOpeningBalanceRefused,
    ::testing::Values(
        RefusedCase{"UnknownName", {"no such name", "5", "06-2026"}, 1, "no such drug: "},
        RefusedCase{"FreeNumber", {"9", "5", "06-2026"}, 1, "no such drug: "},
        RefusedCase{"NumberZero", {"0", "5", "06-2026"}, 1, "no such drug: "},
        RefusedCase{"NumberPastTheTable", {"1501", "5", "06-2026"}, 1, "no such drug: "},
        RefusedCase{"QuantityNotANumber", {"5", "abc", "06-2026"}, 2, "not a quantity: "},
        RefusedCase{"QuantityWithText", {"5", "12 boxes", "06-2026"}, 2, "not a quantity: "},
        RefusedCase{"QuantityEmpty", {"5", "", "06-2026"}, 2, "not a quantity: "},
        RefusedCase{"Month13", {"5", "5", "13-2026"}, 2, "not an expiry month"},
        RefusedCase{"OneDigitMonth", {"5", "5", "6-2026"}, 2, "not an expiry month"},
        RefusedCase{"TwoDigitYear", {"5", "5", "06-26"}, 2, "not an expiry month"},
        RefusedCase{"MissingArgument", {"5", "5"}, 2, "unknown command: "}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
