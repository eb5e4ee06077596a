#include "maintenance/form_end.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/app.h"
#include "tests/support/fakes.h"

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::ScriptedInteraction;
using testing_support::TempFolder;

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kStart = 46000.5;

struct RunLength {
  std::string name;
  double elapsedDays;
  bool backupsDue;
};

void PrintTo(const RunLength& r, std::ostream* os) { *os << r.name; }

class FormEndRunLength : public ::testing::TestWithParam<RunLength> {
 protected:
  TempFolder temp;
  FakeClock clock{kStart};
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST_P(FormEndRunLength, EndsTheProgramAndDecidesOnBackupsByTheRunLength) {
  app.startTime = kStart;
  clock.Advance(GetParam().elapsedDays);
  maintenance::FormEnd form(app);

  form.Activate();

  EXPECT_TRUE(app.ExitRequested());
  EXPECT_EQ(form.backupsDue(), GetParam().backupsDue);
  EXPECT_TRUE(interaction.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Elapsed, FormEndRunLength,
    ::testing::Values(RunLength{"Nothing", 0.0, false},
                      RunLength{"OneMinute", 60 * kSecond, false},
                      RunLength{"EightMinutes38Seconds", (8 * 60 + 38) * kSecond, false},
                      RunLength{"EightMinutes39Seconds", (8 * 60 + 39) * kSecond, true},
                      RunLength{"TenMinutes", 600 * kSecond, true},
                      RunLength{"ThreeHours", 3.0 / 24.0, true},
                      RunLength{"TwoDays", 2.0, true}),
    [](const ::testing::TestParamInfo<RunLength>& info) { return info.param.name; });

class FormEndTest : public ::testing::Test {
 protected:
  TempFolder temp;
  FakeClock clock{kStart};
  FakePlatform platform{temp.path()};
  ScriptedInteraction interaction;
  core::App app{clock, platform, interaction};
};

TEST_F(FormEndTest, RunsTheCloseSequenceOnlyOnce) {
  app.startTime = kStart;
  clock.Advance(60 * kSecond);
  int exits = 0;
  app.SetExitHandler([&] { ++exits; });
  maintenance::FormEnd form(app);

  form.Activate();
  ASSERT_FALSE(form.backupsDue());
  // Activated again after the run has grown long: the first close stands.
  clock.Advance(1.0);
  form.Activate();

  EXPECT_TRUE(app.ExitRequested());
  EXPECT_FALSE(form.backupsDue());
  EXPECT_EQ(exits, 1);
}

}  // namespace
