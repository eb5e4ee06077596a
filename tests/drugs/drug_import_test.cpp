// The drug import from "tormo-data.csv" on the desktop: the numbering of the
// drugs, the refusals and the end of the program.

#include "drugs/drug_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/cp1256.h"
#include "tests/drugs/drugs_fixture.h"

namespace {

using Names = std::vector<std::string>;

class DrugImport : public drugs_test::DrugsFixture {
 protected:
  std::filesystem::path DesktopFile() const {
    return platform.DesktopFolder() / "tormo-data.csv";
  }
  // Writes the bytes as they are.
  void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
  }
  // Writes UTF-8 text in code page 1256, as the spreadsheet saves it.
  void WriteCsv(const std::string& text) {
    WriteBytes(DesktopFile(), storage::EncodeCp1256String(text));
  }
  // The names of drugs 1..1500 up to the last named one.
  Names NamesInMemory() const {
    Names names;
    for (std::size_t n = 1; n <= 1500; ++n) names.push_back(app.drugs()[n].drugName());
    while (!names.empty() && names.back().empty()) names.pop_back();
    return names;
  }
};

TEST_F(DrugImport, NumbersTheFirstFieldsOfTheLinesFromDrug1AndEndsTheProgram) {
  NameDrugs(1, 40);
  Drug(3).setBalance(70);
  Drug(3).setStorageTemperature(4);
  WriteCsv("Paracetamol,500\r\n\r\n;x\r\n");

  drugs::ImportDrugsFromDesktop(app);

  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(app.ExitRequested());
  EXPECT_EQ(NamesInMemory(), (Names{"Paracetamol"}));
  storage::DrugTable stored = StoredDrugs();
  EXPECT_EQ(stored[1].drugName(), "Paracetamol");
  for (std::size_t n = 2; n <= 1500; ++n) ASSERT_TRUE(stored[n] == storage::DrugRecord()) << n;
  EXPECT_EQ(StoredDrugs()[3].balance(), 0);
}

TEST_F(DrugImport, TheFirstFieldOfEachLineIsItsDrug) {
  struct Case {
    const char* what;
    std::string text;  // the file, code page 1256
    Names names;
  };
  const Case cases[] = {
      {"commas and semicolons end a field", "Adol;500\nBrufen,400;x\nZyrtec\n",
       {"Adol", "Brufen", "Zyrtec"}},
      {"blank lines and empty first fields take no number", "\n,Adol\n;\nBrufen\n\n",
       {"Brufen"}},
      {"a first field of spaces takes no number either", "Adol\n   ;400\nBrufen\n",
       {"Adol", "Brufen"}},
      {"names are cleaned", "  فولتارين 50  ,x\n", {"فولتارين 50"}},
      {"quotes are kept", "\"Adol\",500\n", {"\"Adol\""}},
      {"a long name is cut to 30 characters",
       "Amoxicillin with clavulanic acid 1 g\n", {"Amoxicillin with clavulanic ac"}},
      {"Arabic names of code page 1256", "باراسيتامول\r\nاموكسيسيلين 500\r\n",
       {"باراسيتامول", "اموكسيسيلين 500"}},
      {"no line end after the last line", "Adol\nBrufen", {"Adol", "Brufen"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteCsv(c.text);
    std::int32_t imported = -1;

    EXPECT_TRUE(drugs::ImportDrugs(app, DesktopFile(), &imported).done());

    EXPECT_EQ(NamesInMemory(), c.names);
    EXPECT_EQ(imported, static_cast<std::int32_t>(c.names.size()));
  }
}

TEST_F(DrugImport, AFileSavedAsUtf8IsReadAsUtf8) {
  for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
    WriteBytes(DesktopFile(), mark + "باراسيتامول,10\nAdol\n");
    EXPECT_TRUE(drugs::ImportDrugs(app, DesktopFile()).done());
    EXPECT_EQ(NamesInMemory(), (Names{"باراسيتامول", "Adol"}));
  }
}

TEST_F(DrugImport, A1500DrugFileFillsTheCatalogueAndBlankLinesDoNotCount) {
  std::string text;
  for (int n = 1; n <= 1500; ++n) text += "Drug " + std::to_string(n) + "\n" + (n % 100 ? "" : "\n");
  WriteCsv(text);

  EXPECT_TRUE(drugs::ImportDrugs(app, DesktopFile()).done());

  EXPECT_EQ(Drug(1500).drugName(), "Drug 1500");
}

TEST_F(DrugImport, MoreThan1500DrugsAreRefusedBeforeAnythingIsEmptied) {
  NameDrugs(1, 40);
  std::string text;
  for (int n = 1; n <= 1501; ++n) text += "Drug " + std::to_string(n) + "\n";
  WriteCsv(text);

  drugs::ImportDrugsFromDesktop(app);

  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_NE(ui.messages[0].text.find("1501"), std::string::npos);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_FALSE(app.ExitRequested());
  EXPECT_EQ(Drug(40).drugName(), "دواء 40");
  EXPECT_FALSE(DrugFileExists());
}

TEST_F(DrugImport, DocumentsRefuseTheImportOnceForEachTable) {
  struct Case {
    const char* what;
    bool ticket2;
    bool receipt2;
    int messages;
  };
  const Case cases[] = {
      {"receipt 2 holds a line", false, true, 1},
      {"ticket 2 holds a line", true, false, 1},
      {"both", true, true, 2},
  };
  WriteCsv("Adol\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app.drugs().Clear();
    NameDrugs(1, 3);
    app.tickets()[2].setDrugIndex(1, c.ticket2 ? 3 : 0);
    app.receipts()[2].setLineDrug(1, c.receipt2 ? 2 : 0);
    ui.messages.clear();

    drugs::ImportDrugsFromDesktop(app);

    EXPECT_EQ(ui.MessageTexts(),
              Names(static_cast<std::size_t>(c.messages), "لا يمكن تنفذي هذا الاجراء الا علي نسخة فارغة"));
    EXPECT_EQ(NamesInMemory(), (Names{"دواء 1", "دواء 2", "دواء 3"}));
    EXPECT_FALSE(app.ExitRequested());
    EXPECT_FALSE(DrugFileExists());
  }
}

TEST_F(DrugImport, AMissingFileIsReportedWithAnErrorIcon) {
  NameDrugs(1, 3);

  drugs::ImportDrugsFromDesktop(app);

  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].text, " tormo-data.csv  not present on your desktop");
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_FALSE(app.ExitRequested());
  EXPECT_EQ(Drug(3).drugName(), "دواء 3");
}

TEST_F(DrugImport, AFailedWriteKeepsTheOldCatalogueAndTheProgramRuns) {
  NameDrugs(1, 3);
  WriteCsv("Adol\n");
  BreakDataFolder();

  drugs::ImportDrugsFromDesktop(app);

  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_FALSE(app.ExitRequested());
  EXPECT_EQ(NamesInMemory(), (Names{"دواء 1", "دواء 2", "دواء 3"}));
}

}  // namespace
