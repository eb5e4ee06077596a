#include "util/grid_export.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;
using util::Grid;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The platform of the tests that also keeps every change of the pointer.
class PointerPlatform : public testing_support::FakePlatform {
 public:
  using FakePlatform::FakePlatform;
  void SetBusyCursor(bool busy) override {
    FakePlatform::SetBusyCursor(busy);
    pointer.push_back(busy);
  }
  std::vector<bool> pointer;
};

class GridExport : public ::testing::Test {
 protected:
  fs::path Desktop() const { return platform.DesktopFolder(); }

  TempFolder temp;
  PointerPlatform platform{temp.path()};
};

TEST_F(GridExport, CsvWritesEveryCellFollowedByACommaInCodePage1256) {
  struct Case {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    std::string bytes;
  };
  const Case cases[] = {
      {"two columns", {{"ا", "ب"}, {"1", "2"}}, "\xC7,\xC8,\r\n1,2,\r\n"},
      {"empty cells", {{"", "x", ""}, {"", "", ""}}, ",x,,\r\n,,,\r\n"},
      {"one column", {{"header"}, {"a,b"}}, "header,\r\na,b,\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid("Xxx", static_cast<int>(c.rows.size()), static_cast<int>(c.rows[0].size()));
    for (int row = 0; row < grid.Rows(); ++row)
      grid.SetRow(row, c.rows[static_cast<std::size_t>(row)]);
    const fs::path file = temp / "grid.csv";
    ASSERT_TRUE(util::GridSaveToCsv(platform, grid, file).ok());
    EXPECT_EQ(ReadBytes(file), c.bytes);
  }
}

TEST_F(GridExport, CsvWritesEveryRowOfALargeGrid) {
  Grid grid("Xxx", 6000, 1);
  for (int row = 0; row < grid.Rows(); ++row) grid.SetText(row, 0, std::to_string(row));
  const fs::path file = temp / "large.csv";
  ASSERT_TRUE(util::GridSaveToCsv(platform, grid, file).ok());
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 6000);
  EXPECT_TRUE(bytes.ends_with("5999,\r\n"));
  EXPECT_EQ(platform.pointer, (std::vector<bool>{true, false}));
  EXPECT_GT(platform.yields, 0) << "the screen stays alive while a long file is written";
}

TEST_F(GridExport, CsvWithAnEmptyPathDoesNothing) {
  const Grid grid("Xxx", 2, 2);
  EXPECT_TRUE(util::GridSaveToCsv(platform, grid, fs::path()).ok());
  EXPECT_TRUE(platform.pointer.empty());
}

TEST_F(GridExport, CsvIntoAMissingFolderFailsWithAMessage) {
  const Grid grid("Xxx", 2, 2);
  const auto status = util::GridSaveToCsv(platform, grid, temp / "missing" / "grid.csv");
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.message().empty());
  EXPECT_EQ(platform.pointer, (std::vector<bool>{true, false}));
}

// The entries of a workbook, read as a ZIP archive.
class Workbook {
 public:
  explicit Workbook(const fs::path& path) {
    int error = 0;
    archive_ = zip_open(path.string().c_str(), ZIP_RDONLY, &error);
  }
  ~Workbook() {
    if (archive_ != nullptr) zip_discard(archive_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  bool valid() const { return archive_ != nullptr; }

  std::optional<std::string> Entry(const char* name) const {
    zip_stat_t stat;
    if (archive_ == nullptr || zip_stat(archive_, name, 0, &stat) != 0) return std::nullopt;
    zip_file_t* file = zip_fopen(archive_, name, 0);
    if (file == nullptr) return std::nullopt;
    std::string content(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_fread(file, content.data(), stat.size);
    zip_fclose(file);
    if (read != static_cast<zip_int64_t>(stat.size)) return std::nullopt;
    return content;
  }

 private:
  zip_t* archive_ = nullptr;
};

// The attribute of the element that starts with `start` in the xml.
std::string Attribute(const std::string& xml, const std::string& start, const std::string& name) {
  const std::size_t at = xml.find(start);
  if (at == std::string::npos) return {};
  const std::size_t end = xml.find('>', at);
  const std::string element = xml.substr(at, end - at);
  std::smatch match;
  if (!std::regex_search(element, match, std::regex(" " + name + "=\"([^\"]*)\""))) return {};
  return match[1];
}

TEST_F(GridExport, ExcelWritesTheCellsTheirLookAndTheWidths) {
  Grid grid("Xxx", 3, 3);
  grid.SetRow(0, {"الرقم", "الاسم", "Qty"});
  grid.SetRow(1, {"12", "باراسيتامول", "2.50"});
  grid.SetRow(2, {"007", "Brufen 400", ""});
  grid.SetColWidth(0, 630);
  grid.SetColWidth(1, 2910);
  grid.SetColWidth(2, 1000);

  ASSERT_TRUE(util::GridSaveToExcel(platform, grid, "تقرير المريض").ok());
  EXPECT_EQ(platform.pointer, (std::vector<bool>{true, false}));

  const Workbook book(Desktop() / "تقرير المريض.xlsx");
  ASSERT_TRUE(book.valid());
  const std::string sheet = book.Entry("xl/worksheets/sheet1.xml").value_or("");
  const std::string strings = book.Entry("xl/sharedStrings.xml").value_or("");
  const std::string styles = book.Entry("xl/styles.xml").value_or("");
  ASSERT_FALSE(sheet.empty());

  for (const char* text : {"الرقم", "الاسم", "Qty", "باراسيتامول", "Brufen 400"}) {
    EXPECT_NE(strings.find(std::string(">") + text + "<"), std::string::npos) << text;
  }
  // Plain numbers become numbers, as typed into a sheet.
  EXPECT_NE(sheet.find("<c r=\"A2\" s=\"2\"><v>12</v></c>"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("<c r=\"C2\" s=\"2\"><v>2.5</v></c>"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"A3\" s=\"2\"><v>7</v></c>"), std::string::npos);
  // Every cell, the empty one too, carries its look: the first row its own.
  const std::string firstRowStyle = Attribute(sheet, "<c r=\"A1\"", "s");
  EXPECT_FALSE(firstRowStyle.empty());
  for (const char* cell : {"<c r=\"B1\"", "<c r=\"C1\""}) {
    EXPECT_EQ(Attribute(sheet, cell, "s"), firstRowStyle);
  }
  for (const char* cell : {"<c r=\"B2\"", "<c r=\"A3\"", "<c r=\"C3\""}) {
    EXPECT_EQ(Attribute(sheet, cell, "s"), "2") << cell;
  }
  EXPECT_NE(firstRowStyle, "2");
  EXPECT_EQ(sheet.find("<c r=\"D"), std::string::npos);
  EXPECT_EQ(sheet.find("<row r=\"4\""), std::string::npos);

  EXPECT_NE(styles.find("rgb=\"FFFAFAD2\""), std::string::npos) << styles;
  EXPECT_NE(styles.find("rgb=\"FF5AC8FA\""), std::string::npos);
  EXPECT_NE(styles.find("<b/>"), std::string::npos);
  EXPECT_NE(styles.find("horizontal=\"center\""), std::string::npos);

  // Widths in characters: twips / 100 (the sheet adds its cell padding).
  const double widths[] = {6.3, 29.1, 10.0};
  for (int col = 0; col < 3; ++col) {
    const std::string start = "<col min=\"" + std::to_string(col + 1) + "\"";
    const double width = std::stod("0" + Attribute(sheet, start, "width"));
    EXPECT_GE(width, widths[col]) << col;
    EXPECT_LT(width, widths[col] + 1) << col;
  }
}

TEST_F(GridExport, ExcelReplacesAnOldFile) {
  std::ofstream(Desktop() / "old.xlsx") << "not a workbook";
  const Grid grid("Xxx", 2, 2);
  ASSERT_TRUE(util::GridSaveToExcel(platform, grid, "old").ok());
  EXPECT_TRUE(Workbook(Desktop() / "old.xlsx").valid());
}

TEST(CheckExportFileName, RefusesNamesThatCouldLeaveTheFolder) {
  for (const char* name : {"../evil", "a/b", "a\\b", "..", "x..y", "/tmp/evil", "C:\\evil"}) {
    SCOPED_TRACE(name);
    const auto status = util::CheckExportFileName(name);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
  }
  for (const char* name : {"تقرير المريض", "Rates", "report 2024-01.v2"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(util::CheckExportFileName(name).ok());
  }
}

TEST_F(GridExport, ExcelWritesNothingForAnEmptyOrRefusedName) {
  const Grid grid("Xxx", 2, 2);
  for (const char* name : {"", "   ", "../evil", "a/b", "a\\b", "x..y"}) {
    SCOPED_TRACE(name);
    const auto status = util::GridSaveToExcel(platform, grid, name);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().empty());
  }
  EXPECT_TRUE(fs::is_empty(Desktop()));
  EXPECT_FALSE(fs::exists(temp / "evil.xlsx"));
  EXPECT_TRUE(platform.pointer.empty());
}

TEST_F(GridExport, ExcelFailsWhenTheOldFileCannotBeRemoved) {
  fs::create_directory(Desktop() / "busy.xlsx");
  const Grid grid("Xxx", 2, 2);
  const auto status = util::GridSaveToExcel(platform, grid, "busy");
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.message().empty());
  EXPECT_TRUE(fs::is_directory(Desktop() / "busy.xlsx"));
  EXPECT_EQ(platform.pointer, (std::vector<bool>{true, false}));
}

}  // namespace
