#include "util/grid_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fakes.h"

namespace {

using util::Grid;
using Texts = std::vector<std::string>;

// A grid whose body rows have these texts.
Grid Filled(const std::vector<Texts>& body, int cols = 2) {
  Grid grid("Xxx", 1, cols);
  for (const Texts& row : body) grid.AppendRow(row);
  return grid;
}

std::vector<Texts> Body(const Grid& grid) {
  std::vector<Texts> rows;
  for (int row = 1; row < grid.Rows(); ++row) rows.push_back(grid.Row(row));
  return rows;
}

Texts Column(const Grid& grid, int col) {
  Texts texts;
  for (int row = 1; row < grid.Rows(); ++row) texts.push_back(grid.Text(row, col));
  return texts;
}

std::vector<int> Widths(const Grid& grid) {
  std::vector<int> widths;
  for (int col = 0; col < grid.Cols(); ++col) widths.push_back(grid.ColWidth(col));
  return widths;
}

TEST(GridSetHeaders, FillsUpToNineExistingHeaderCells) {
  Grid narrow("Xxx", 2, 3);
  narrow.SetText(1, 0, "body");
  util::GridSetHeaders(narrow, {"الرقم", "الاسم", "الكمية", "skipped"});
  EXPECT_EQ(narrow.Row(0), (Texts{"الرقم", "الاسم", "الكمية"}));
  EXPECT_EQ(narrow.Text(1, 0), "body");

  Grid wide("Xxx", 1, 12);
  wide.SetText(0, 11, "kept");
  util::GridSetHeaders(wide, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
  EXPECT_EQ(wide.Row(0), (Texts{"0", "1", "2", "3", "4", "5", "6", "7", "8", "", "", "kept"}));
}

TEST(FlxSetColumnWdth, ColumnIGetsTheIthWidth) {
  constexpr int d = Grid::kDefaultColWidth;
  struct Case {
    const char* widths;
    int cols;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"630-2910-960", 4, {630, 2910, 960, d}},
      {"100-200-300-400-500", 3, {100, 200, 300}},
      {"100--300-", 4, {100, d, 300, d}},
      {"", 2, {d, d}},
      {"1200.5-abc", 2, {1200, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.widths);
    Grid grid("Xxx", 1, c.cols);
    util::FlxSetColumnWdth(grid, c.widths);
    EXPECT_EQ(Widths(grid), c.expected);
  }
}

TEST(FlxSetColumnWdth, StopsAfterColumnFifty) {
  Grid grid("Xxx", 1, 60);
  std::string widths;
  for (int i = 0; i < 55; ++i) widths += std::to_string(100 + i) + "-";
  util::FlxSetColumnWdth(grid, widths);
  EXPECT_EQ(grid.ColWidth(50), 150);
  EXPECT_EQ(grid.ColWidth(51), Grid::kDefaultColWidth);
}

TEST(GridCopyWidthsToClipboard, CopiesTheLineThatSetsTheseWidths) {
  testing_support::TempFolder temp;
  testing_support::FakePlatform platform(temp.path());
  testing_support::ScriptedInteraction interaction;
  Grid grid("Xxx", 2, 3);
  util::FlxSetColumnWdth(grid, "630-2910-960");

  util::GridCopyWidthsToClipboard(platform, interaction, grid);

  const std::string expected = "FlxSetColumnWdth Xxx,\"630-2910-960\"";
  EXPECT_EQ(platform.clipboard, expected);
  EXPECT_EQ(interaction.MessageTexts(), Texts{"ColWidths is copied to clipborad " + expected});
  EXPECT_TRUE(grid.UserResizesColumns());
}

TEST(GridAlignment, CentresOrCentresAtTheTopEveryColumn) {
  Grid grid("Xxx", 2, 3);
  util::GridCenterAllColumns(grid);
  for (int col = 0; col < 3; ++col) EXPECT_EQ(grid.ColAlignment(col), 4);
  util::GridAlignTopCentre(grid);
  for (int col = 0; col < 3; ++col) EXPECT_EQ(grid.ColAlignment(col), 3);
}

TEST(GridColumnSum, AddsTheBodyAndRoundsHalvesToEven) {
  struct Case {
    const char* name;
    Texts cells;
    double expected;
  };
  const Case cases[] = {
      {"whole numbers", {"1", "2", "3"}, 6},
      {"not numbers count 0", {"10", "abc", "", "كمية"}, 10},
      {"leading numbers", {"12abc", " 3"}, 15},
      {"half down to even", {"2", "0.125"}, 2.12},
      {"half up to even", {"2", "0.375"}, 2.38},
      {"negative", {"-1.5", "0.25"}, -1.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid("Xxx", 1, 2);
    grid.SetText(0, 1, "100");  // the header counts as 0
    for (const std::string& cell : c.cells) grid.AppendRow({"x", cell});
    EXPECT_DOUBLE_EQ(util::GridColumnSum(grid, 1), c.expected);
  }
}

TEST(GridRowText, ConcatenatesTheTrimmedCellsZeroToSixty) {
  Grid grid("Xxx", 2, 70);
  grid.SetRow(1, {" a ", "", "ب  ب", "  "});
  grid.SetText(1, 60, "sixty");
  grid.SetText(1, 61, "left out");
  EXPECT_EQ(util::GridRowText(grid, 1), "aب  بsixty");
  EXPECT_EQ(util::GridRowText(grid, 5), "");
}

TEST(GridFindRowByText, FindsTheLastBodyRowWithExactlyTheText) {
  Grid grid = Filled({{"1", "دواء"}, {"2", "آخر"}, {"3", "دواء"}, {"4", "دواء "}});
  grid.SetText(0, 1, "الاسم");
  struct Case {
    const char* text;
    int column;
    int expected;
  };
  const Case cases[] = {
      {"دواء", 1, 3},      {"آخر", 1, 2},  {"دواء ", 1, 4}, {"الاسم", 1, 0},
      {"غير موجود", 1, 0}, {"دواء", 5, 0}, {"1", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(util::GridFindRowByText(grid, c.text, c.column), c.expected);
  }
}

TEST(GridRowForeColor, ColoursTheRowAndRestoresTheCurrentRow) {
  Grid grid("Xxx", 4, 3);
  grid.SetCurrentCell(1, 0);
  util::GridRowForeColor(grid, 2, util::Rgb(255, 0, 0));
  for (int col = 0; col < 3; ++col) {
    EXPECT_EQ(grid.CellForeColour(2, col), util::Rgb(255, 0, 0));
    EXPECT_FALSE(grid.CellForeColour(1, col).has_value());
  }
  EXPECT_EQ(grid.CurrentRow(), 1);
  EXPECT_EQ(grid.CurrentCol(), 2) << "the column is left on the last one";
}

TEST(GridSortByColumn, SortsDownToTheLastFilledCellOfTheColumn) {
  // Rows below the last non-empty cell of column 1 stay where they are, even
  // with text in other columns; empty cells above it take part.
  const std::vector<Texts> body = {{"a", "3"}, {"b", "1"},     {"c", ""},
                                   {"d", "2"}, {"tail 1", ""}, {"tail 2", ""}};
  struct Case {
    const char* key;
    Texts expected;
  };
  const Case cases[] = {
      {"123", {"c", "b", "d", "a", "tail 1", "tail 2"}},
      {"321", {"a", "d", "b", "c", "tail 1", "tail 2"}},
      {"AZ", {"c", "b", "d", "a", "tail 1", "tail 2"}},
      {"ZA", {"a", "d", "b", "c", "tail 1", "tail 2"}},
      {"az", {"a", "b", "c", "d", "tail 1", "tail 2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Grid grid = Filled(body);
    util::GridSortByColumn(grid, 1, c.key);
    EXPECT_EQ(Column(grid, 0), c.expected);
    EXPECT_EQ(grid.Rows(), 7);
  }
}

TEST(GridSortByColumn, TheColumnBecomesCurrentAndAnEmptyColumnSortsNothing) {
  Grid grid = Filled({{"b", ""}, {"a", ""}});
  util::GridSortByColumn(grid, 1, "AZ");
  EXPECT_EQ(Column(grid, 0), (Texts{"b", "a"}));
  util::GridSortByColumn(grid, 0, "AZ");
  EXPECT_EQ(Column(grid, 0), (Texts{"a", "b"}));
  EXPECT_EQ(grid.CurrentCol(), 0);

  Grid headerOnly("Xxx", 1, 2);
  util::GridSortByColumn(headerOnly, 0, "123");
  EXPECT_EQ(headerOnly.Rows(), 1);
}

TEST(GridRemoveBlankRows, KeepsRowsWithTextInReverseOrder) {
  Grid grid = Filled({{"a", ""}, {"", ""}, {"  ", " "}, {"", "b"}, {"c", "3"}, {"", ""}});
  grid.SetText(0, 0, "header");
  grid.SetCellForeColour(1, 0, util::Rgb(255, 0, 0));
  util::GridRemoveBlankRows(grid);
  EXPECT_EQ(Body(grid), (std::vector<Texts>{{"c", "3"}, {"", "b"}, {"a", ""}}));
  EXPECT_EQ(grid.Text(0, 0), "header");
  EXPECT_EQ(grid.CellForeColour(3, 0), util::Rgb(255, 0, 0)) << "colours go with their rows";
  EXPECT_TRUE(grid.Visible());
}

TEST(GridRemoveBlankRows, HandlesGridsOfAnySize) {
  Grid grid("Xxx", 40001, 1);
  for (int row = 1; row < grid.Rows(); row += 2) grid.SetText(row, 0, std::to_string(row));
  util::GridRemoveBlankRows(grid);
  ASSERT_EQ(grid.Rows(), 20001);
  EXPECT_EQ(grid.Text(1, 0), "39999");
  EXPECT_EQ(grid.Text(20000, 0), "1");
}

TEST(GridFilterKeep, KeepsTheMatchingRowsInReverseOrder) {
  const std::vector<Texts> body = {{"Panadol", "500"},     {"باراسيتامول", "1"}, {"", ""},
                                   {"panadol extra", "2"}, {"أسبرين", "PAN"},    {"Brufen", "400"}};
  struct Case {
    const char* text;
    Texts expected;  // column 0 of the body after the filter
  };
  const Case cases[] = {
      {"pan", {"أسبرين", "panadol extra", "Panadol"}},
      {"PANADOL", {"panadol extra", "Panadol"}},
      {"بارا", {"باراسيتامول"}},
      {"Extra2", {"panadol extra"}},  // the cells are joined without a separator
      {"none", {}},
      {"", {"Panadol", "باراسيتامول", "", "panadol extra", "أسبرين", "Brufen"}},
      {"   ", {"Panadol", "باراسيتامول", "", "panadol extra", "أسبرين", "Brufen"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Grid grid = Filled(body);
    util::GridFilterKeep(grid, c.text);
    EXPECT_EQ(Column(grid, 0), c.expected);
  }
}

TEST(GridFilterRemove, RemovesTheMatchingAndBlankRowsKeepingTheOrder) {
  const std::vector<Texts> body = {{"Panadol", "500"}, {"", ""},   {"باراسيتامول", "1"},
                                   {"Brufen", "400"},  {"  ", ""}, {"panadol extra", "2"},
                                   {"أسبرين", "100"}};
  struct Case {
    const char* text;
    Texts expected;
  };
  const Case cases[] = {
      {"PAN", {"باراسيتامول", "Brufen", "أسبرين"}},
      {"بارا", {"Panadol", "Brufen", "panadol extra", "أسبرين"}},
      {"00", {"باراسيتامول", "panadol extra"}},
      {"none", {"Panadol", "باراسيتامول", "Brufen", "panadol extra", "أسبرين"}},
      {"", {"Panadol", "", "باراسيتامول", "Brufen", "  ", "panadol extra", "أسبرين"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Grid grid = Filled(body);
    util::GridFilterRemove(grid, c.text);
    EXPECT_EQ(Column(grid, 0), c.expected);
  }
}

TEST(GridFilters, HandleGridsOfAnySize) {
  Grid grid("Xxx", 1, 1);
  for (int i = 1; i <= 12000; ++i) grid.AppendRow({(i % 2 ? "odd " : "even ") + std::to_string(i)});

  Grid kept = grid;
  util::GridFilterKeep(kept, "even");
  ASSERT_EQ(kept.Rows(), 6001);
  EXPECT_EQ(kept.Text(1, 0), "even 12000");

  Grid removed = grid;
  util::GridFilterRemove(removed, "even");
  ASSERT_EQ(removed.Rows(), 6001);
  EXPECT_EQ(removed.Text(1, 0), "odd 1");
  EXPECT_EQ(removed.Text(6000, 0), "odd 11999");
}

TEST(GridTrimTrailingBlankRows, RemovesBlankRowsAtTheBottom) {
  struct Case {
    const char* name;
    std::vector<Texts> body;
    int fixedCols;
    int expectedRows;
  };
  const Case cases[] = {
      {"trailing blanks", {{"a", "1"}, {"", ""}, {" ", "  "}}, 0, 2},
      {"blank in the middle stays", {{"a", "1"}, {"", ""}, {"b", ""}, {"", ""}}, 0, 4},
      {"fixed column text does not count", {{"a", "1"}, {"7", ""}, {"8", " "}}, 1, 2},
      {"row 1 always stays", {{"", ""}, {"", ""}}, 0, 2},
      {"nothing to trim", {{"a", "1"}}, 0, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid = Filled(c.body);
    grid.SetFixedCols(c.fixedCols);
    util::GridTrimTrailingBlankRows(grid);
    EXPECT_EQ(grid.Rows(), c.expectedRows);
  }
}

TEST(GridPadRows, AddsTheRowsThatFillTheVisibleHeight) {
  struct Case {
    int height;
    int rowHeight;
    int rows;
    int expectedRows;
  };
  const Case cases[] = {
      // (2400 - 0 * 240) / 240 = 10 rows added.
      {2400, 240, 1, 11},
      {2400, 240, 3, 11},
      {2400, 240, 9, 11},
      // The rows fill the height exactly: nothing.
      {2400, 240, 10, 10},
      {2400, 240, 12, 12},
      // (2500 - 9 * 240) / 240 = 1.41: one row.
      {2500, 240, 10, 11},
      {2500, 240, 11, 11},
      {2000, 300, 2, 7},
      {100, 240, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << " " << c.rowHeight << " " << c.rows);
    Grid grid("Xxx", c.rows, 2);
    grid.SetHeight(c.height);
    grid.SetRowHeight(c.rowHeight);
    util::GridPadRows(grid);
    EXPECT_EQ(grid.Rows(), c.expectedRows);
  }
}

TEST(GridScrollToLastFilled, PutsTheRowFiveAboveTheLastFilledOneAtTheTop) {
  struct Case {
    int lastFilled;  // 0: none
    int expectedTop;
  };
  const Case cases[] = {{20, 15}, {7, 2}, {6, 1}, {4, 1}, {0, 1}, {29, 24}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastFilled);
    Grid grid("Xxx", 30, 3);
    if (c.lastFilled > 0) grid.SetText(c.lastFilled, 2, "last");
    grid.SetText(c.lastFilled + 1, 1, " ");  // blank once trimmed
    grid.SetTopRow(10);
    util::GridScrollToLastFilled(grid);
    EXPECT_EQ(grid.TopRow(), c.expectedTop);
  }
}

TEST(GridClearRow, EmptiesEveryCellOfTheRow) {
  Grid grid = Filled({{"a", "1"}, {"b", "2"}});
  grid.SetCellForeColour(1, 1, util::Rgb(255, 0, 0));
  util::GridClearRow(grid, 1);
  EXPECT_EQ(Body(grid), (std::vector<Texts>{{"", ""}, {"b", "2"}}));
  EXPECT_EQ(grid.CellForeColour(1, 1), util::Rgb(255, 0, 0));
}

}  // namespace
