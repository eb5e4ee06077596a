// tormo-cli print ticket: each ticket layout written through the PDF device
// the command is given, the layout code stored as the print menu stores it,
// and the refusals.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "storage/data_files.h"
#include "storage/drug_record.h"
#include "storage/record_file.h"
#include "storage/settings_record.h"
#include "storage/ticket_record.h"
#include "tests/support/fakes.h"
#include "util/recording_print_device.h"

namespace {

namespace fs = std::filesystem;

// Keeps every page it is given and writes a file for it, as the PDF device
// does.
class FilePages : public util::RecordingPrintDevice {
 public:
  FilePages(fs::path file, std::vector<util::PrintedPage>& pages)
      : util::RecordingPrintDevice({"PDF"}), file_(std::move(file)), pages_(pages) {}

 protected:
  bool SubmitPage(const util::PrintedPage& page) override {
    pages_.push_back(page);
    std::ofstream(file_) << "%PDF";
    return true;
  }

 private:
  fs::path file_;
  std::vector<util::PrintedPage>& pages_;
};

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

class CliPrintTicket : public ::testing::Test {
 protected:
  CliPrintTicket() {
    fs::create_directories(DataFolder());
    storage::DrugRecord drug;
    drug.setDrugName("Panadol");
    drug.setTenderPrice(10);
    EXPECT_TRUE(storage::WriteRecord(DataFolder() / storage::kDrugFile,
                                     storage::DrugRecord::kLength, 1, drug.bytes()));
    // Ticket 3 holds 2 x Panadol; ticket 7 is the sixth of a sheet from 2.
    for (const std::size_t n : {3, 7}) {
      storage::TicketRecord ticket;
      ticket.setDrugIndex(1, 1);
      ticket.setQuantity(1, n == 3 ? 2 : 6);
      ticket.setTicketDate(46000);
      ticket.setState(1);
      EXPECT_TRUE(storage::WriteRecord(DataFolder() / storage::kTicketFile,
                                       storage::TicketRecord::kLength, n, ticket.bytes()));
    }
  }

  fs::path DataFolder() const { return temp / "pharmacy" / "Files" / "DBI"; }

  CliRun Run(const std::vector<std::string>& command, bool withPdf = true) {
    std::vector<std::string> args = {"--program-folder", (temp / "pharmacy").string()};
    args.insert(args.end(), command.begin(), command.end());
    std::ostringstream out;
    std::ostringstream err;
    app::PdfDeviceFactory factory;
    if (withPdf) {
      factory = [this](const fs::path& file) -> std::unique_ptr<util::PrintDevice> {
        return std::make_unique<FilePages>(file, pages);
      };
    }
    int status = app::RunCli(args, temp / "not-this-folder", clock, out, err, factory);
    return {status, out.str(), err.str()};
  }

  std::int16_t StoredLayout() const {
    storage::SettingsRecord settings;
    EXPECT_TRUE(storage::ReadRecords(DataFolder() / storage::kSettingsFile,
                                     storage::SettingsRecord::kLength, 1, 1, settings.bytes()));
    return settings.ticketLayout();
  }

  static bool Has(const util::PrintedPage& page, const std::string& text, double y) {
    for (const auto& t : page.texts) {
      if (t.text == text && t.y == y) return true;
    }
    return false;
  }

  testing_support::TempFolder temp;
  testing_support::FakeClock clock;
  std::vector<util::PrintedPage> pages;
};

TEST_F(CliPrintTicket, EachLayoutWritesOnePageAndStoresItsCode) {
  struct Case {
    std::string layout;
    std::string ticket;
    std::string quantity;  // the quantity of the drug's first line
    double y;              // where that quantity stands
    std::int16_t stored;
  };
  const std::vector<Case> cases = {
      {"4001", "3", "2", 39, 4001},  // below the top offset 0
      {"4002", "3", "2", 39, 4002}, {"4003", "3", "2", 53, 4003},
      {"4006", "3", "2", 53, 4006}, {"4005", "2", "6", 28 * 5 + 5 + 3, 4005},  // ticket 7 in band 5
      {"30", "3", "2", 49, 4005},  // the sheet leaves the last code
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layout);
    const fs::path pdf = temp / ("ticket-" + c.layout + ".pdf");
    pages.clear();
    CliRun run = Run({"print", "ticket", c.ticket, "--layout", c.layout, "--pdf", pdf.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "printed: " + pdf.string() + "\n");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], c.quantity, c.y));
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_EQ(StoredLayout(), c.stored);
  }
}

TEST_F(CliPrintTicket, RefusesAnIncompleteOrUnknownCommand) {
  const std::string pdf = (temp / "x.pdf").string();
  for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
           {"print", "ticket"},
           {"print", "ticket", "3", "--layout", "4004", "--pdf", pdf},
           {"print", "ticket", "3", "--layout", "4003"},
           {"print", "ticket", "x", "--layout", "4003", "--pdf", pdf},
           {"print", "ticket", "3", "--pdf", pdf, "--layout"},
       }) {
    CliRun run = Run(command);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("print ticket N --layout"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(pages.empty());
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(CliPrintTicket, WithoutThePdfWriterNothingIsPrinted) {
  const fs::path pdf = temp / "x.pdf";
  CliRun run = Run({"print", "ticket", "3", "--layout", "4003", "--pdf", pdf.string()}, false);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "this tormo-cli was built without the PDF writer\n");
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
