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
                      UsageCase{"DumpOfAnUnknownTable", {"dump", "prescriptions"}},
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

// --- dump of the tables, from files written byte by byte ---

namespace dump {

std::string Cp1256(std::initializer_list<unsigned char> bytes) { return {bytes.begin(), bytes.end()}; }

// A variable text: 2-byte length, then the bytes.
std::string VarText(const std::string& bytes) {
  std::string out(2, '\0');
  auto n = static_cast<std::uint16_t>(bytes.size());
  std::memcpy(out.data(), &n, 2);
  return out + bytes;
}

}  // namespace dump

TEST_F(CliTest, DumpsEveryTableFromAnotherProgramsFiles) {
  // Drug 2 "ابب" with its fields; drug 1 is free.
  RecordBytes freeDrug(143);
  RecordBytes drug(143);
  drug.Text(0, 30, {0xC7, 0xC8, 0xC8}).Text(30, 5, "A1").Double(35, 45366.0).Int32(43, 120)
      .Int16(47, 2).Int16(49, 3).Int16(51, 60).Int16(53, 1).Int16(55, 25).Int16(57, 7)
      .Int16(59, 10).Int16(61, 90).Float(63, 2.5f).Float(67, 0.1f).Int16(71, -1)
      .Int32(73, 100).Int16(77, 0).Float(91, 17.0f).Int16(95, -1).Int16(97, 0)
      .Int32(111, 5).Int16(133, 4).Int16(141, 33);
  WriteFile("DrugOP.vlk", freeDrug.bytes() + drug.bytes());

  RecordBytes ticket(262);
  ticket.Int16(0, 2).Int16(2, 9).Int32(60, 3).Int32(64, 1).Double(180, 45000.75)
      .Int16(188, 66).Double(190, 12).Int16(198, 77).Int16(200, 4).Int16(206, -1)
      .Int16(208, 30).Int32(214, 44990).Int32(218, 500).Int32(222, 1234).Int32(238, 8)
      .Int32(242, 2).Int32(246, 40);
  RecordBytes openEmpty(262);
  openEmpty.Int16(206, 1);  // opened, never given a line: still in use for the dump
  WriteTickets({{1, ticket}, {3, openEmpty}});

  RecordBytes receipt(544);
  receipt.Int32(4, 2).Int32(8, 9).Int32(128, 50).Int32(132, -5).Double(256, 45366.0)
      .Double(500, 45001.5).Double(510, 3).Int16(520, 2).Int16(526, 1);
  WriteFile("In99.vlk", RecordBytes(544).bytes() + receipt.bytes());

  std::string supplier = dump::VarText(dump::Cp1256({0xC7, 0xC8, 0xC8}) + " , x");
  supplier.resize(128, '\0');
  std::string freeSupplier(128, '\0');
  WriteFile("Mrd99.vlk", freeSupplier + supplier);

  // Recipient 1: a 3-byte name, then the fields packed right after it.
  std::string patient = dump::VarText(dump::Cp1256({0xC7, 0xC8, 0xC8}));
  RecordBytes fields(48);
  fields.Double(0, 1234).Double(8, 29001011234567.0).Double(18, 44990.0).Int32(26, 66)
      .Int32(30, 500).Int32(34, 180);
  patient += fields.bytes();
  patient.resize(128, 'Z');  // bytes past the fields are ignored
  WriteFile("nfqpatient.vlk", patient);

  RecordBytes hospital(6148);
  hospital.Int32(144 + 4 * 2, 30).Int32(144 + 4 * 1500, 7);
  WriteFile("hospitals.vlk", RecordBytes(6148).bytes() + hospital.bytes());

  struct Case {
    const char* table;
    std::string expected;
  };
  const Case cases[] = {
      {"drugs",
       "number,drugName,shortCode,expiryDate,balance,normalOut,supplyStore,therapeuticGroup,"
       "narcoticsSchedule,storageTemperature,manualRate,minimumStock,maximumStock,tenderPrice,"
       "marketPrice,endemic,openingBalance,specialNature,custodyControlNo,maternity,pregnancy,"
       "purchaseFeeRate,unitCode,ledgerNo\n"
       "2,ابب,A1,2024-03-15 00:00:00,120,2,3,60,1,25,7,10,90,2.5,0.1,1,100,0,17,1,0,5,4,33\n"},
      {"tickets",
       "number,lines,ticketDate,classification,patientIndex,userNumber,state,decisionDays,"
       "decisionStart,decisionAmount,decisionNumber,manualVoucherNo,monthSerial,yearSerial\n"
       "1,2:3;9:1,2023-03-15 18:00:00,66,12,4,-1,30,44990,500,1234,8,2,40\n"
       "3,,,0,0,0,1,0,0,0,0,0,0,0\n"},
      {"receipts",
       "number,lines,receiptDate,supplier,receiptUser,receiptState\n"
       "2,2:50:2024-03-15;9:-5:,2023-03-16 12:00:00,3,2,1\n"},
      {"suppliers", "number,name\n2,\"ابب , x\"\n"},
      {"patients",
       "number,name,decisionNumber,nationalId,decisionStart,classification,decisionAmount,"
       "decisionDays\n"
       "1,ابب,1234,29001011234567,2023-03-05 00:00:00,66,500,180\n"},
      {"hospitals", "number,monthlyRequirement\n2,2:30;1500:7\n"},
  };
  for (const auto& c : cases) {
    auto run = RunOnFolder({"dump", c.table});
    ASSERT_EQ(run.status, 0) << c.table << ": " << run.err;
    EXPECT_EQ(run.out, c.expected) << c.table;
  }
}

TEST_F(CliTest, RecomputeWritesTheBalancesAndCountsTheChangedDrugs) {
  RecordBytes drug(143);
  drug.Text(0, 30, "AMOXIL").Int32(43, 0).Int32(73, 100);
  RecordBytes same(143);
  same.Text(0, 30, "SAME").Int32(43, 7).Int32(73, 7);
  WriteFile("DrugOP.vlk", drug.bytes() + same.bytes());
  RecordBytes receipt(544);
  receipt.Int32(4, 1).Int32(128, 50).Double(500, 45000.2).Int16(526, 1);
  WriteFile("In99.vlk", receipt.bytes());
  WriteTickets({{1, UsedTicket(1)}});  // 10 units of drug 1

  auto run = RunOnFolder({"recompute"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "balances-changed: 1\n");

  auto drugs = ReadAll(DataFile("DrugOP.vlk"));
  ASSERT_EQ(drugs.size(), 1500u * 143u);
  std::int32_t balance = 0;
  std::memcpy(&balance, drugs.data() + 43, 4);
  EXPECT_EQ(balance, 140);
  auto receipts = ReadAll(DataFile("In99.vlk"));
  std::int16_t state = 0;
  std::memcpy(&state, receipts.data() + 526, 2);
  EXPECT_EQ(state, -1);  // the open order is now sent

  auto again = RunOnFolder({"recompute"});
  EXPECT_EQ(again.out, "balances-changed: 0\n");
}
