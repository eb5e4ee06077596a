// tormo-cli report recipient-history N: the ticket grid of the recipient
// history as CSV, from a data folder written through the record files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "storage/data_files.h"
#include "storage/name_records.h"
#include "storage/record_file.h"
#include "storage/ticket_record.h"
#include "tests/support/fakes.h"
#include "util/dates.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

class ReportRecipientHistory : public ::testing::Test {
 protected:
  fs::path ProgramFolder() const { return temp / "pharmacy"; }
  fs::path DataFile(const char* name) const { return ProgramFolder() / "Files" / "DBI" / name; }

  void SetUp() override { fs::create_directories(ProgramFolder() / "Files" / "DBI"); }

  void Ticket(std::size_t n, double date, double patient) {
    storage::TicketRecord t;
    t.setDrugIndex(1, 1);
    t.setQuantity(1, 2);
    t.setTicketDate(date);
    t.setPatientIndex(patient);
    ASSERT_TRUE(storage::WriteRecord(DataFile(storage::kTicketFile), t.kLength, n, t.bytes()));
  }

  void Recipient(std::size_t n, const std::string& name) {
    storage::PatientRecord r;
    ASSERT_TRUE(r.setName(name));
    ASSERT_TRUE(storage::WriteRecord(DataFile(storage::kPatientFile), r.kLength, n, r.bytes()));
  }

  CliRun Report(std::vector<std::string> command) {
    std::vector<std::string> args = {"--program-folder", ProgramFolder().string()};
    args.insert(args.end(), command.begin(), command.end());
    testing_support::FakeClock clock(46000.5);
    std::ostringstream out;
    std::ostringstream err;
    int status = app::RunCli(args, temp / "elsewhere", clock, out, err);
    return {status, out.str(), err.str()};
  }

  testing_support::TempFolder temp;
};

TEST_F(ReportRecipientHistory, PrintsTheTicketsNewestFirstWithTheCaptionRow) {
  Recipient(4, "سعيد محمود");
  Ticket(12, util::MakeDate(2025, 1, 5) + 0.4, 4);
  Ticket(20, util::MakeDate(2025, 2, 1), 9);
  Ticket(40, util::MakeDate(2025, 3, 7) + 0.9, 4);
  Ticket(41, util::MakeDate(2025, 3, 8), 4);

  CliRun run = Report({"report", "recipient-history", "4"});

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "تذكرة,تاريخ\n"
            "41,08-03-2025\n"
            "40,07-03-2025\n"
            "12,05-01-2025\n");
}

TEST_F(ReportRecipientHistory, ARecipientWithoutTicketsGivesTheCaptionRowAlone) {
  Ticket(1, util::MakeDate(2025, 1, 5), 2);
  CliRun run = Report({"report", "recipient-history", "30000"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "تذكرة,تاريخ\n");
}

TEST_F(ReportRecipientHistory, RefusesWithOneLineOnErrAndNothingOnOut) {
  for (const std::vector<std::string>& command :
       std::vector<std::vector<std::string>>{{"report"},
                                             {"report", "recipient-history"},
                                             {"report", "recipient-history", "0"},
                                             {"report", "recipient-history", "30001"},
                                             {"report", "recipient-history", "-3"},
                                             {"report", "recipient-history", "4x"},
                                             {"report", "recipient-history", "4", "5"},
                                             {"report", "drug-history", "4"}}) {
    std::string joined;
    for (const auto& word : command) joined += word + " ";
    SCOPED_TRACE(joined);
    CliRun run = Report(command);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST_F(ReportRecipientHistory, AnUnreadableTicketFileFails) {
  fs::create_directories(DataFile(storage::kTicketFile));
  CliRun run = Report({"report", "recipient-history", "4"});
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(storage::kTicketFile), std::string::npos) << run.err;
}

}  // namespace
