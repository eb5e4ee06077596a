// tormo-cli against data folders written byte by byte, as another program
// writing the same record files would leave them.

#include "app/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakeClock;
using testing_support::TempFolder;

constexpr std::size_t kSettingsLength = 252;
constexpr std::size_t kTicketLength = 262;

// One record image, filled field by field at the file's offsets.
class RecordBytes {
 public:
  explicit RecordBytes(std::size_t length) : bytes_(length, '\0') {}

  RecordBytes& Int16(std::size_t offset, std::int16_t v) { return Put(offset, &v, sizeof v); }
  RecordBytes& Int32(std::size_t offset, std::int32_t v) { return Put(offset, &v, sizeof v); }
  RecordBytes& Float(std::size_t offset, float v) { return Put(offset, &v, sizeof v); }
  RecordBytes& Double(std::size_t offset, double v) { return Put(offset, &v, sizeof v); }
  // A fixed text of width characters: the code-page bytes, padded with spaces.
  RecordBytes& Text(std::size_t offset, std::size_t width, std::initializer_list<unsigned char> text) {
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), width, ' ');
    std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return *this;
  }
  RecordBytes& Text(std::size_t offset, std::size_t width, const std::string& ascii) {
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), width, ' ');
    std::copy(ascii.begin(), ascii.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  RecordBytes& Put(std::size_t offset, const void* v, std::size_t n) {
    std::memcpy(bytes_.data() + offset, v, n);  // the files are little-endian, as is this machine
    return *this;
  }
  std::string bytes_;
};

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun RunTormoCli(const std::vector<std::string>& args, const fs::path& defaultFolder) {
  FakeClock clock(45000.5);
  std::ostringstream out;
  std::ostringstream err;
  int status = app::RunCli(args, defaultFolder, clock, out, err);
  return {status, out.str(), err.str()};
}

// The "key: value" lines of check.
std::map<std::string, std::string> Summary(const std::string& out) {
  std::map<std::string, std::string> fields;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    auto colon = line.find(": ");
    if (colon != std::string::npos) fields[line.substr(0, colon)] = line.substr(colon + 2);
  }
  return fields;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliTest : public ::testing::Test {
 protected:
  fs::path ProgramFolder() const { return temp / "pharmacy"; }
  fs::path DataFolder() const { return ProgramFolder() / "Files" / "DBI"; }
  fs::path DataFile(const std::string& name) const { return DataFolder() / name; }

  void MakeDataFolder() const { fs::create_directories(DataFolder()); }

  void WriteFile(const std::string& name, const std::string& bytes) const {
    MakeDataFolder();
    std::ofstream f(DataFile(name), std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(f.good());
  }

  // Writes only the given records of the ticket file; the gaps before them
  // stay holes of the file.
  void WriteTickets(const std::map<std::size_t, RecordBytes>& records) const {
    MakeDataFolder();
    std::ofstream f(DataFile("oottormo.vlk"), std::ios::binary | std::ios::trunc);
    for (const auto& [n, record] : records) {
      f.seekp(static_cast<std::streamoff>((n - 1) * kTicketLength));
      f.write(record.bytes().data(), static_cast<std::streamsize>(record.bytes().size()));
    }
    ASSERT_TRUE(f.good());
  }

  CliRun RunOnFolder(std::vector<std::string> command) const {
    std::vector<std::string> args = {"--program-folder", ProgramFolder().string()};
    args.insert(args.end(), command.begin(), command.end());
    return RunTormoCli(args, temp / "not-this-folder");
  }

  TempFolder temp;
};

RecordBytes UsedTicket(std::int16_t line1, std::int16_t line2 = 0) {
  RecordBytes r(kTicketLength);
  r.Int16(0, line1).Int16(2, line2).Int32(60, 10).Double(180, 45000.0);
  return r;
}

TEST_F(CliTest, CheckOnANewFolderCreatesTheEmptyDataFiles) {
  ASSERT_FALSE(fs::exists(ProgramFolder()));

  auto run = RunOnFolder({"check"});

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(fs::is_directory(DataFolder()));
  for (const char* name : {"PIOP.vlk", "oottormo.vlk"}) {
    ASSERT_TRUE(fs::is_regular_file(DataFile(name))) << name;
    EXPECT_EQ(fs::file_size(DataFile(name)), 0u) << name;
  }
  auto summary = Summary(run.out);
  EXPECT_EQ(summary["program-type"], "0");
  EXPECT_EQ(summary["ticket-count"], "20000");
  EXPECT_EQ(summary["settings"], "1");
  EXPECT_EQ(summary["tickets"], "0");
}

TEST_F(CliTest, CheckUsesTheDefaultProgramFolderWithoutTheOption) {
  auto run = RunTormoCli({"check"}, ProgramFolder());

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::is_regular_file(DataFile("PIOP.vlk")));
  EXPECT_EQ(Summary(run.out)["program-type"], "0");
}

TEST_F(CliTest, CheckReadsFilesWrittenByAnotherProgramWithoutChangingThem) {
  std::string settings = RecordBytes(kSettingsLength).Int16(218, 1002).Int16(16, 5).bytes();
  WriteFile("PIOP.vlk", settings);
  RecordBytes unused(kTicketLength);
  unused.Int16(0, 5).Int16(2, -5).Double(180, 45000.0);  // lines that cancel out: not a ticket
  WriteTickets({{1, UsedTicket(7)}, {2, UsedTicket(0, 4)}, {3, UsedTicket(1, 2)}, {4, unused}});
  std::string tickets = ReadAll(DataFile("oottormo.vlk"));

  auto run = RunOnFolder({"check"});

  ASSERT_EQ(run.status, 0) << run.err;
  auto summary = Summary(run.out);
  EXPECT_EQ(summary["program-type"], "1002");
  EXPECT_EQ(summary["ticket-count"], "20000");
  EXPECT_EQ(summary["settings"], "1");
  EXPECT_EQ(summary["tickets"], "3");
  // check only reads: the stored user is still logged in on disk.
  EXPECT_EQ(ReadAll(DataFile("PIOP.vlk")), settings);
  EXPECT_EQ(ReadAll(DataFile("oottormo.vlk")), tickets);
}

struct TicketFileCase {
  std::string name;
  std::vector<std::size_t> used;
  std::string ticketCount;
  std::string tickets;
};

void PrintTo(const TicketFileCase& c, std::ostream* os) { *os << c.name; }

class CliTicketCount : public CliTest, public ::testing::WithParamInterface<TicketFileCase> {};

TEST_P(CliTicketCount, ProbesTheTicketFileForItsCount) {
  std::map<std::size_t, RecordBytes> records;
  for (std::size_t n : GetParam().used) records.emplace(n, UsedTicket(1));
  WriteTickets(records);

  auto run = RunOnFolder({"check"});

  ASSERT_EQ(run.status, 0) << run.err;
  auto summary = Summary(run.out);
  EXPECT_EQ(summary["ticket-count"], GetParam().ticketCount);
  EXPECT_EQ(summary["tickets"], GetParam().tickets);
}

INSTANTIATE_TEST_SUITE_P(
    SparseFiles, CliTicketCount,
    ::testing::Values(
        TicketFileCase{"Empty", {}, "20000", "0"},
        TicketFileCase{"UpToRecord19999", {1, 2, 19999}, "20000", "3"},
        TicketFileCase{"Record20000", {20000}, "60000", "1"},
        TicketFileCase{"Records20000And60000", {20000, 60000}, "120000", "2"},
        TicketFileCase{"Records60000Without20000", {60000}, "20000", "0"},
        TicketFileCase{"EveryProbe",
                       {20000, 60000, 120000, 200000, 300000, 420000},
                       "500000",
                       "6"}),
    [](const ::testing::TestParamInfo<TicketFileCase>& info) { return info.param.name; });

TEST_F(CliTest, DumpSettingsPrintsEveryFieldInRecordOrder) {
  RecordBytes r(kSettingsLength);
  r.Int32(0, 123456).Int32(4, 120000).Int16(16, 5);
  for (int user = 1; user <= 9; ++user) {
    r.Int16(18 + 2 * static_cast<std::size_t>(user - 1), static_cast<std::int16_t>(user * 111));
  }
  r.Int16(18 + 2 * 8, -7)
      .Double(36, 45000.75)
      .Text(44, 30, {0xC7, 0xC8, 0xC8})                            // ابب
      .Text(74, 30, "Ward 3, East")
      .Float(104, 1.5f)
      .Int16(108, 2)
      .Text(110, 100, "HP \"Desk\"")
      .Float(210, 0.25f)
      .Float(214, -0.5f)
      .Int16(218, 1004)
      .Text(220, 30, {0xC7, 0xE1, 0xDE, 0xC7, 0xE5, 0xD1, 0xC9})  // القاهرة
      .Int16(250, 3);
  WriteFile("PIOP.vlk", r.bytes());

  auto run = RunOnFolder({"dump", "settings"});

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "lastDocumentNo,123456\n"
            "TicketCount,120000\n"
            "CurrentUser,5\n"
            "userPassword[1],111\n"
            "userPassword[2],222\n"
            "userPassword[3],333\n"
            "userPassword[4],444\n"
            "userPassword[5],555\n"
            "userPassword[6],666\n"
            "userPassword[7],777\n"
            "userPassword[8],888\n"
            "userPassword[9],-7\n"
            "AnchorDate,2023-03-15 18:00:00\n"
            "hospitalName,ابب\n"
            "departmentName,\"Ward 3, East\"\n"
            "ticketMargin,1.5\n"
            "ticketLayout,2\n"
            "printerName,\"HP \"\"Desk\"\"\"\n"
            "printTop,0.25\n"
            "printLeft,-0.5\n"
            "ProgramType,1004\n"
            "governorate,القاهرة\n"
            "printPages,3\n");
}

TEST_F(CliTest, DumpSettingsOfABlankRecordPrintsZerosAndEmptyTexts) {
  WriteFile("PIOP.vlk", RecordBytes(kSettingsLength).bytes());

  auto run = RunOnFolder({"dump", "settings"});

  ASSERT_EQ(run.status, 0) << run.err;
  std::string expected = "lastDocumentNo,0\nTicketCount,0\nCurrentUser,0\n";
  for (int user = 1; user <= 9; ++user) expected += "userPassword[" + std::to_string(user) + "],0\n";
  expected +=
      "AnchorDate,\nhospitalName,\ndepartmentName,\nticketMargin,0\nticketLayout,0\n"
      "printerName,\nprintTop,0\nprintLeft,0\nProgramType,0\ngovernorate,\nprintPages,0\n";
  EXPECT_EQ(run.out, expected);
}

struct UsageCase {
  std::string name;
  std::vector<std::string> args;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class CliUsage : public ::testing::TestWithParam<UsageCase> {
 protected:
  TempFolder temp;
};

TEST_P(CliUsage, FailsWithOneLineOnErrAndNothingOnOut) {
  auto run = RunTormoCli(GetParam().args, temp.path());

  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.out, "");
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_EQ(run.err.back(), '\n');
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, CliUsage,
    ::testing::Values(UsageCase{"NoCommand", {}},
                      UsageCase{"OnlyTheFolder", {"--program-folder", "somewhere"}},
                      UsageCase{"UnknownCommand", {"repair"}},
                      UsageCase{"DumpWithoutTable", {"dump"}},
                      UsageCase{"DumpOfAnotherTable", {"dump", "tickets"}},
                      UsageCase{"CheckWithArgument", {"check", "now"}},
                      UsageCase{"FolderOptionWithoutFolder", {"--program-folder"}},
                      UsageCase{"FolderOptionLast", {"check", "--program-folder"}}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

struct UnreadableCase {
  std::string name;
  std::string file;
  std::vector<std::string> command;
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class CliUnreadable : public CliTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(CliUnreadable, ReportsTheFileThatCannotBeRead) {
  fs::create_directories(DataFile(GetParam().file));  // a folder where the file belongs

  auto run = RunOnFolder(GetParam().command);

  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(GetParam().file), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, CliUnreadable,
    ::testing::Values(UnreadableCase{"CheckSettings", "PIOP.vlk", {"check"}},
                      UnreadableCase{"CheckTickets", "oottormo.vlk", {"check"}},
                      UnreadableCase{"DumpSettings", "PIOP.vlk", {"dump", "settings"}}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return info.param.name; });

}  // namespace
