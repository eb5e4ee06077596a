#include "util/grid.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using util::Grid;
using util::GridChange;
using Texts = std::vector<std::string>;

// The texts of one column, rows 1 and below.
Texts Column(const Grid& grid, int col) {
  Texts texts;
  for (int row = 1; row < grid.Rows(); ++row) texts.push_back(grid.Text(row, col));
  return texts;
}

Grid Filled(const std::vector<Texts>& body, int cols = 2) {
  Grid grid("Xxx", 1, cols);
  for (const Texts& row : body) grid.AppendRow(row);
  return grid;
}

// Every change told to an observer, as (change, row, column).
class Recorder {
 public:
  explicit Recorder(Grid& grid)
      : grid_(grid), id_(grid.Watch([this](GridChange change, int row, int col) {
          seen.emplace_back(change, row, col);
        })) {}
  ~Recorder() { grid_.Unwatch(id_); }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  std::vector<std::tuple<GridChange, int, int>> seen;

 private:
  Grid& grid_;
  int id_;
};

TEST(Grid, StartsWithAHeaderRowAndEmptyCells) {
  const Grid grid("Xxx", 3, 4);
  EXPECT_EQ(grid.Name(), "Xxx");
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Cols(), 4);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.FixedCols(), 0);
  EXPECT_EQ(grid.CurrentRow(), 1);
  EXPECT_EQ(grid.CurrentCol(), 0);
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(grid.RowHeight(), 240);
  EXPECT_GT(grid.Height(), 0);
  EXPECT_EQ(grid.ColWidth(3), Grid::kDefaultColWidth);
  EXPECT_EQ(grid.ColAlignment(0), Grid::kAlignGeneral);
  EXPECT_EQ(grid.Row(2), (Texts{"", "", "", ""}));
  EXPECT_FALSE(grid.CellForeColour(1, 1).has_value());
}

TEST(Grid, SettingOneRowEmptiesTheBodyAndNewRowsAreEmpty) {
  Grid grid = Filled({{"a", "b"}, {"c", "d"}});
  grid.SetText(0, 0, "header");
  grid.SetRows(1);
  EXPECT_EQ(grid.Rows(), 1);
  EXPECT_EQ(grid.Text(0, 0), "header");
  grid.SetRows(3);
  EXPECT_EQ(Column(grid, 0), (Texts{"", ""}));
  grid.SetRows(0);
  EXPECT_EQ(grid.Rows(), 1) << "the header row always stays";
}

TEST(Grid, ColumnsGrowAndShrinkInEveryRow) {
  Grid grid = Filled({{"a", "b"}});
  grid.SetColWidth(1, 500);
  grid.SetCols(4);
  EXPECT_EQ(grid.Row(1), (Texts{"a", "b", "", ""}));
  EXPECT_EQ(grid.ColWidth(1), 500);
  EXPECT_EQ(grid.ColWidth(3), Grid::kDefaultColWidth);
  grid.SetCols(1);
  EXPECT_EQ(grid.Row(1), (Texts{"a"}));
  EXPECT_EQ(grid.ColWidth(1), 0) << "a missing column has no width";
}

TEST(Grid, CellsOutsideTheGridReadEmptyAndAreNotWritten) {
  Grid grid("Xxx", 2, 2);
  for (auto [row, col] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
    grid.SetText(row, col, "x");
    grid.SetCellForeColour(row, col, util::Rgb(255, 0, 0));
    EXPECT_EQ(grid.Text(row, col), "");
    EXPECT_FALSE(grid.CellForeColour(row, col).has_value());
  }
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Cols(), 2);
}

TEST(Grid, CellsReadAsNumbersByTheirLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"12", 12}, {"12.5", 12.5}, {" -3.5", -3.5}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"كمية", 0},
  };
  Grid grid("Xxx", 2, 1);
  for (const auto& [text, number] : cases) {
    SCOPED_TRACE(text);
    grid.SetText(1, 0, text);
    EXPECT_DOUBLE_EQ(grid.Number(1, 0), number);
  }
}

TEST(Grid, SetRowWritesFromColumnZeroAndEmptiesTheRest) {
  Grid grid("Xxx", 2, 3);
  grid.SetRow(1, {"a", "b", "c"});
  grid.SetCellForeColour(1, 2, util::Rgb(0, 0, 255));
  grid.SetRow(1, {"x"});
  EXPECT_EQ(grid.Row(1), (Texts{"x", "", ""}));
  EXPECT_EQ(grid.CellForeColour(1, 2), util::Rgb(0, 0, 255)) << "colours stay";
  grid.SetRow(1, {"1", "2", "3", "4"});
  EXPECT_EQ(grid.Row(1), (Texts{"1", "2", "3"}));
  EXPECT_EQ(grid.AppendRow({"p", "q"}), 2);
  EXPECT_EQ(grid.Row(2), (Texts{"p", "q", ""}));
}

TEST(Grid, AddRowInsertsAnEmptyRowBelowTheHeaderAndRowsKeepTheirColours) {
  Grid grid = Filled({{"a", "1"}, {"b", "2"}});
  grid.SetText(0, 0, "h");
  grid.SetCellForeColour(1, 0, util::Rgb(255, 0, 0));
  grid.AddRow();
  EXPECT_EQ(grid.Rows(), 4);
  EXPECT_EQ(grid.Text(0, 0), "h");
  EXPECT_EQ(Column(grid, 0), (Texts{"", "a", "b"}));
  EXPECT_FALSE(grid.CellForeColour(1, 0).has_value());
  EXPECT_EQ(grid.CellForeColour(2, 0), util::Rgb(255, 0, 0));

  Grid headerOnly("Xxx", 1, 2);
  headerOnly.AddRow();
  EXPECT_EQ(headerOnly.Rows(), 2);
}

TEST(Grid, TheCurrentCellStaysInsideTheGridAndTakesColours) {
  Grid grid("Xxx", 5, 3);
  grid.SetCurrentCell(4, 2);
  grid.SetCellForeColour(util::Rgb(0, 128, 0));
  EXPECT_EQ(grid.CellForeColour(4, 2), util::Rgb(0, 128, 0));
  grid.SetRows(3);
  EXPECT_EQ(grid.CurrentRow(), 2);
  grid.SetCurrentCell(10, -4);
  EXPECT_EQ(grid.CurrentRow(), 2);
  EXPECT_EQ(grid.CurrentCol(), 0);
  grid.SetTopRow(9);
  EXPECT_EQ(grid.TopRow(), 2);
  grid.SetTopRow(0);
  EXPECT_EQ(grid.TopRow(), 1) << "the top row is a body row";
}

TEST(Grid, SortOrdersTheBodyRowsByTheCurrentColumn) {
  struct Case {
    const char* name;
    int code;
    Texts keys;
    Texts expected;
  };
  const Case cases[] = {
      {"numeric ascending",
       Grid::kSortNumericAscending,
       {"10", "9", "abc", "2.5", "-1"},
       {"-1", "abc", "2.5", "9", "10"}},
      {"numeric descending",
       Grid::kSortNumericDescending,
       {"10", "9", "abc", "2.5", "-1"},
       {"10", "9", "2.5", "abc", "-1"}},
      {"text ascending",
       Grid::kSortTextAscending,
       {"10", "9", "2", "banana", "Apple"},
       {"10", "2", "9", "Apple", "banana"}},
      {"text descending",
       Grid::kSortTextDescending,
       {"cherry", "Apple", "banana"},
       {"cherry", "banana", "Apple"}},
      {"arabic ascending",
       Grid::kSortTextAscending,
       {"ياسين", "باسم", "أحمد", "تامر"},
       {"أحمد", "باسم", "تامر", "ياسين"}},
      {"arabic descending",
       Grid::kSortTextDescending,
       {"باسم", "ياسين", "تامر"},
       {"ياسين", "تامر", "باسم"}},
      {"unknown code", 5, {"b", "a"}, {"b", "a"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid("Xxx", 1, 2);
    grid.SetText(0, 1, "header");
    for (const std::string& key : c.keys) grid.AppendRow({"row of " + key, key});
    grid.SetCurrentCol(1);
    grid.Sort(c.code);
    EXPECT_EQ(Column(grid, 1), c.expected);
    EXPECT_EQ(grid.Text(0, 1), "header");
    for (int row = 1; row < grid.Rows(); ++row) {
      EXPECT_EQ(grid.Text(row, 0), "row of " + grid.Text(row, 1)) << "rows move whole";
    }
  }
}

TEST(Grid, SortIsStableAndMovesColoursWithTheirRows) {
  for (int code : {Grid::kSortNumericAscending, Grid::kSortNumericDescending,
                   Grid::kSortTextAscending, Grid::kSortTextDescending}) {
    SCOPED_TRACE(code);
    Grid grid = Filled({{"first", "5"}, {"x", "7"}, {"second", "5"}, {"third", "5"}});
    grid.SetCellForeColour(3, 0, util::Rgb(255, 0, 0));
    grid.SetCurrentCol(1);
    grid.Sort(code);
    Texts fives;
    for (int row = 1; row < grid.Rows(); ++row) {
      if (grid.Text(row, 1) == "5") fives.push_back(grid.Text(row, 0));
      EXPECT_EQ(grid.CellForeColour(row, 0).has_value(), grid.Text(row, 0) == "second");
    }
    EXPECT_EQ(fives, (Texts{"first", "second", "third"}));
  }
}

TEST(Grid, SortUpToALastRowLeavesTheRowsBelowInPlace) {
  Grid grid = Filled({{"c"}, {"a"}, {"b"}, {"z"}, {"y"}}, 1);
  grid.Sort(Grid::kSortTextAscending, 3);
  EXPECT_EQ(Column(grid, 0), (Texts{"a", "b", "c", "z", "y"}));
}

TEST(Grid, TakeBodyAndAppendRowsMoveWholeRows) {
  Grid grid = Filled({{"a", "1"}, {"b", "2"}}, 2);
  grid.SetCellForeColour(2, 1, util::Rgb(1, 2, 3));
  std::vector<util::GridRowCells> body = grid.TakeBody();
  EXPECT_EQ(grid.Rows(), 1);
  ASSERT_EQ(body.size(), 2u);
  body.push_back({{"only one cell", std::nullopt}});
  grid.AppendRows(body);
  EXPECT_EQ(grid.Row(3), (Texts{"only one cell", ""}));
  EXPECT_EQ(grid.CellForeColour(2, 1), util::Rgb(1, 2, 3));
}

TEST(GridObservers, AreToldWhatChanged) {
  using C = GridChange;
  struct Case {
    const char* name;
    void (*act)(Grid&);
    std::vector<std::tuple<GridChange, int, int>> expected;
  };
  const Case cases[] = {
      {"cell text", [](Grid& g) { g.SetText(2, 1, "x"); }, {{C::Cell, 2, 1}}},
      {"same text again", [](Grid& g) { g.SetText(2, 1, ""); }, {}},
      {"cell colour", [](Grid& g) { g.SetCellForeColour(1, 0, 5); }, {{C::Cell, 1, 0}}},
      {"whole row", [](Grid& g) { g.SetRow(1, {"a"}); }, {{C::Cell, 1, -1}}},
      {"rows", [](Grid& g) { g.SetRows(5); }, {{C::Layout, -1, -1}}},
      {"add row", [](Grid& g) { g.AddRow(); }, {{C::Layout, -1, -1}}},
      {"width", [](Grid& g) { g.SetColWidth(1, 100); }, {{C::Look, -1, 1}}},
      {"alignment", [](Grid& g) { g.SetColAlignment(0, 4); }, {{C::Look, -1, 0}}},
      {"visible", [](Grid& g) { g.SetVisible(false); }, {{C::Look, -1, -1}}},
      {"current cell", [](Grid& g) { g.SetCurrentCell(2, 1); }, {{C::Cursor, 2, 1}}},
      {"batch",
       [](Grid& g) {
         Grid::Batch batch(g);
         g.SetText(1, 1, "a");
         g.SetRows(6);
         g.SetColWidth(0, 10);
       },
       {{C::Layout, -1, -1}}},
      {"empty batch", [](Grid& g) { Grid::Batch batch(g); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Grid grid("Xxx", 3, 2);
    Recorder recorder(grid);
    const auto before = grid.Version();
    c.act(grid);
    EXPECT_EQ(recorder.seen, c.expected);
    EXPECT_EQ(grid.Version() > before, !c.expected.empty());
  }
}

TEST(GridObservers, CanLeaveAndHearTheGridGo) {
  std::vector<GridChange> seen;
  auto grid = std::make_unique<Grid>("Xxx");
  const int id = grid->Watch([&](GridChange change, int, int) { seen.push_back(change); });
  grid->SetText(1, 1, "a");
  grid->Unwatch(id);
  grid->SetText(1, 1, "b");
  EXPECT_EQ(seen, (std::vector<GridChange>{GridChange::Cell}));

  grid->Watch([&](GridChange change, int, int) { seen.push_back(change); });
  grid.reset();
  EXPECT_EQ(seen.back(), GridChange::Gone);
}

TEST(GridObservers, StayWithTheirGridWhenItIsCopiedOrAssigned) {
  Grid screenGrid("Xxx", 2, 2);
  Recorder recorder(screenGrid);
  Grid copy = screenGrid;
  copy.SetText(1, 1, "only in the copy");
  EXPECT_TRUE(recorder.seen.empty());

  Grid report("Report", 4, 3);
  report.SetText(3, 2, "total");
  screenGrid = report;
  EXPECT_EQ(screenGrid.Name(), "Xxx") << "the grid keeps its own name";
  EXPECT_EQ(screenGrid.Text(3, 2), "total");
  EXPECT_EQ(recorder.seen.size(), 1u);
  EXPECT_EQ(std::get<0>(recorder.seen[0]), GridChange::Layout);
}

}  // namespace
