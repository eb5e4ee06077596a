#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "core/settings.h"
#include "core/startup.h"
#include "storage/settings_record.h"
#include "tests/core/core_fixture.h"

namespace {

using core_test::AppFixture;

TEST(LoadingAnimation, GrowsOneCharacterPerTickAndStartsAgainAfter27) {
  core::LoadingAnimation animation;
  const std::string full = "Loading ...please wait    ";
  for (int tick = 1; tick <= 26; ++tick) {
    EXPECT_EQ(animation.Tick(), full.substr(0, static_cast<std::size_t>(tick))) << tick;
  }
  EXPECT_EQ(animation.Tick(), "");
  EXPECT_EQ(animation.Tick(), "L");
}

using StartupSequence = AppFixture;

TEST_F(StartupSequence, NewProgramFolderGetsDataFolderAndBlankTables) {
  ASSERT_FALSE(std::filesystem::exists(platform.programFolder / "Files"));
  ASSERT_TRUE(core::RunStartupSequence(app));

  EXPECT_TRUE(std::filesystem::is_directory(DataFolder()));
  for (const char* name : {"PIOP.vlk", "oottormo.vlk"}) {
    ASSERT_TRUE(std::filesystem::exists(DataFolder() / name)) << name;
    EXPECT_EQ(std::filesystem::file_size(DataFolder() / name), 0u) << name;
  }
  EXPECT_EQ(app.settings().programType(), 0);
  EXPECT_EQ(app.settings().ticketCount(), 20000);
  EXPECT_GT(platform.yields, 0);
}

TEST_F(StartupSequence, FromNetworkPathCreatesNoFolder) {
  platform.network = true;
  ASSERT_TRUE(core::RunStartupSequence(app));
  EXPECT_FALSE(std::filesystem::exists(platform.programFolder / "Files"));
  EXPECT_EQ(app.settings().ticketCount(), 20000);
}

TEST_F(StartupSequence, LoadsStoredSettingsAndTicketsAndLogsNobodyIn) {
  std::filesystem::create_directories(DataFolder());
  storage::SettingsTable settings(1);
  settings[1].setProgramType(1001);
  settings[1].setCurrentUser(5);
  settings[1].setHospitalName("مستشفي الحميات");
  ASSERT_TRUE(settings.SaveRecord(DataFolder() / "PIOP.vlk", 1));
  storage::TicketTable tickets(30);
  for (std::size_t n = 1; n <= 3; ++n) {
    tickets[n].setDrugIndex(1, static_cast<std::int16_t>(n));
    tickets[n].setState(1);
    ASSERT_TRUE(tickets.SaveRecord(DataFolder() / "oottormo.vlk", n));
  }

  ASSERT_TRUE(core::RunStartupSequence(app));
  EXPECT_EQ(app.settings().programType(), 1001);
  EXPECT_EQ(app.settings().currentUser(), 0);
  EXPECT_EQ(app.settings().hospitalName(), "مستشفي الحميات");
  EXPECT_EQ(app.tickets()[3].drugIndex(1), 3);
  auto counts = core::LoadedTableCounts(app);
  ASSERT_GE(counts.size(), 2u);
  EXPECT_EQ(counts[1], (std::pair<std::string, long>{"tickets", 3}));
}

TEST_F(StartupSequence, AnUnreadableFileStopsWithItsMessage) {
  std::filesystem::create_directories(DataFolder() / "PIOP.vlk");  // a folder cannot be read
  auto status = core::RunStartupSequence(app);
  EXPECT_FALSE(status);
  EXPECT_NE(status.message().find("PIOP.vlk"), std::string::npos);
}

using Settings = AppFixture;

TEST_F(Settings, SaveWritesRecordOneAndLoadKeepsEverythingButTheUser) {
  std::filesystem::create_directories(DataFolder());
  app.settings().setProgramType(1004);
  app.settings().setCurrentUser(3);
  app.settings().setUserPassword(9, 1234);
  ASSERT_TRUE(core::SaveSettings(app));

  auto bytes = ReadFile("PIOP.vlk");
  ASSERT_EQ(bytes.size(), 252u);
  std::int16_t type = 0;
  std::memcpy(&type, bytes.data() + 218, 2);
  EXPECT_EQ(type, 1004);

  core::App again(clock, platform, ui);
  ASSERT_TRUE(core::LoadSettings(again));
  EXPECT_EQ(again.settings().programType(), 1004);
  EXPECT_EQ(again.settings().userPassword(9), 1234);
  EXPECT_EQ(again.settings().currentUser(), 0);
  EXPECT_TRUE(core::IsAdministrationStore(again));
  EXPECT_FALSE(core::IsStateExpense(again));
}

TEST_F(Settings, ProgramTypeTests) {
  struct Case {
    std::int16_t type;
    bool state, outpatient, hospital, administration;
  };
  for (const auto& c : {Case{0, false, false, false, false}, Case{1001, true, false, false, false},
                        Case{1002, false, true, false, false}, Case{1003, false, false, true, false},
                        Case{1004, false, false, false, true}}) {
    app.settings().setProgramType(c.type);
    EXPECT_EQ(core::IsStateExpense(app), c.state) << c.type;
    EXPECT_EQ(core::IsOutpatient(app), c.outpatient) << c.type;
    EXPECT_EQ(core::IsHospitalStore(app), c.hospital) << c.type;
    EXPECT_EQ(core::IsAdministrationStore(app), c.administration) << c.type;
  }
}

}  // namespace
