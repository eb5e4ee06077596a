// tormo-cli import-drugs: the spreadsheet import from a given file, its
// refusals on one line of the error stream.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "storage/cp1256.h"
#include "tests/support/fakes.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDrugLength = 143;
constexpr std::size_t kReceiptLength = 544;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

class CliImportDrugs : public ::testing::Test {
 protected:
  fs::path ProgramFolder() const { return temp / "pharmacy"; }
  fs::path DataFile(const std::string& name) const {
    return ProgramFolder() / "Files" / "DBI" / name;
  }
  fs::path CsvFile() const { return temp / "drugs.csv"; }

  static void Write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  static std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The cleaned name of drug n in the drug file as it lies on disk.
  std::string StoredName(std::size_t n) const {
    std::string bytes = Read(DataFile("DrugOP.vlk"));
    if (bytes.size() < n * kDrugLength) return "<missing>";
    std::string name = storage::DecodeCp1256(bytes.substr((n - 1) * kDrugLength, 30));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
  }
  // Drug 1 is "Adol" in the drug file.
  void WriteOneDrug() const {
    std::string record(kDrugLength, '\0');
    std::memset(record.data(), ' ', 30);
    std::memcpy(record.data(), "Adol", 4);
    Write(DataFile("DrugOP.vlk"), record);
  }

  CliRun Run(std::vector<std::string> command) const {
    std::vector<std::string> args = {"--program-folder", ProgramFolder().string()};
    args.insert(args.end(), command.begin(), command.end());
    testing_support::FakeClock clock(45000.5);
    std::ostringstream out;
    std::ostringstream err;
    int status = app::RunCli(args, temp / "not-this-folder", clock, out, err);
    return {status, out.str(), err.str()};
  }

  testing_support::TempFolder temp;
};

TEST_F(CliImportDrugs, ReplacesTheCatalogueByTheDrugsOfTheFile) {
  WriteOneDrug();
  Write(CsvFile(), storage::EncodeCp1256String("باراسيتامول,500\r\n\r\n;x\r\nBrufen;400\r\n"));

  auto run = Run({"import-drugs", CsvFile().string()});

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "drugs-imported: 2\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(fs::file_size(DataFile("DrugOP.vlk")), 1500 * kDrugLength);
  EXPECT_EQ(StoredName(1), "باراسيتامول");
  EXPECT_EQ(StoredName(2), "Brufen");
  // Every other drug is empty: every byte zero.
  const std::string empty(kDrugLength, '\0');
  const std::string bytes = Read(DataFile("DrugOP.vlk"));
  for (std::size_t n = 3; n <= 1500; ++n) {
    ASSERT_EQ(bytes.substr((n - 1) * kDrugLength, kDrugLength), empty) << n;
  }
}

TEST_F(CliImportDrugs, RefusalsGoToTheErrorStreamOnOneLineAndChangeNothing) {
  struct Case {
    const char* what;
    bool receiptHeld;
    std::string csv;  // nothing: no file
    std::string message;
  };
  std::string tooMany;
  for (int n = 1; n <= 1501; ++n) tooMany += "Drug " + std::to_string(n) + "\n";
  const Case cases[] = {
      {"a copy holding receipts", true, "Brufen\n",
       "لا يمكن تنفذي هذا الاجراء الا علي نسخة فارغة"},
      {"a missing file", false, "", ""},
      {"more than 1500 drugs", false, tooMany, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(ProgramFolder());
    fs::remove(CsvFile());
    WriteOneDrug();
    if (c.receiptHeld) {
      std::string receipts(2 * kReceiptLength, '\0');
      receipts[kReceiptLength + 4] = 1;  // receipt 2, line 1: drug 1
      Write(DataFile("In99.vlk"), receipts);
    }
    if (!c.csv.empty()) Write(CsvFile(), c.csv);
    const std::string before = Read(DataFile("DrugOP.vlk"));

    auto run = Run({"import-drugs", CsvFile().string()});

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // one line
    if (!c.message.empty()) {
      EXPECT_EQ(run.err, c.message + "\n");
    }
    EXPECT_EQ(Read(DataFile("DrugOP.vlk")), before);
  }
}

}  // namespace
