#include "util/grid_helpers.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "storage/helpers.h"

namespace util {
namespace {

constexpr int kMaxHeaders = 9;
constexpr int kMaxWidthColumn = 50;
constexpr int kRowTextLastColumn = 60;
constexpr int kScrollMargin = 5;

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool IsBlank(std::string_view text) { return TrimSpaces(text).empty(); }

bool RowHasText(const GridRowCells& cells) {
  return std::any_of(cells.begin(), cells.end(),
                     [](const GridCell& cell) { return !IsBlank(cell.text); });
}

// The text with its letter case folded: Latin (and every other cased
// script) compares without case; Arabic has none and stays as it is.
std::string FoldCase(std::string_view text) {
  icu::UnicodeString u = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  std::string folded;
  u.foldCase().toUTF8String(folded);
  return folded;
}

std::string RowText(const GridRowCells& cells) {
  std::string text;
  const std::size_t count = std::min(cells.size(), std::size_t{kRowTextLastColumn + 1});
  for (std::size_t c = 0; c < count; ++c) text += TrimSpaces(cells[c].text);
  return text;
}

// Puts the rows back below the header one by one at row 1: the last one put
// back ends up first.
void PutBackAtRowOne(Grid& grid, std::vector<GridRowCells> rows) {
  std::reverse(rows.begin(), rows.end());
  grid.AppendRows(std::move(rows));
}

// Keeps the body rows whose text contains (or does not contain) the folded
// text, put back at row 1.
void KeepRows(Grid& grid, std::string_view text, bool containing) {
  const std::string needle = FoldCase(text);
  std::vector<GridRowCells> body = grid.TakeBody();
  std::vector<GridRowCells> kept;
  for (auto& row : body) {
    const bool contains = FoldCase(RowText(row)).find(needle) != std::string::npos;
    if (contains == containing) kept.push_back(std::move(row));
  }
  PutBackAtRowOne(grid, std::move(kept));
}

}  // namespace

void GridSetHeaders(Grid& grid, std::initializer_list<std::string_view> captions) {
  int col = 0;
  for (std::string_view caption : captions) {
    if (col >= kMaxHeaders) break;
    if (col < grid.Cols()) grid.SetText(0, col, caption);
    ++col;
  }
}

void FlxSetColumnWdth(Grid& grid, std::string_view widths) {
  int col = 0;
  std::size_t start = 0;
  while (col <= kMaxWidthColumn && start <= widths.size()) {
    std::size_t end = widths.find('-', start);
    if (end == std::string_view::npos) end = widths.size();
    const std::string_view value = widths.substr(start, end - start);
    if (col < grid.Cols() && !IsBlank(value)) {
      grid.SetColWidth(col, static_cast<int>(storage::RoundHalfEven(LeadingNumber(value))));
    }
    ++col;
    start = end + 1;
  }
}

void GridCopyWidthsToClipboard(Platform& platform, Interaction& interaction, Grid& grid) {
  grid.SetUserResizesColumns(true);
  std::string widths;
  for (int col = 0; col < grid.Cols(); ++col) {
    if (col > 0) widths += '-';
    widths += std::to_string(grid.ColWidth(col));
  }
  const std::string text = "FlxSetColumnWdth " + grid.Name() + ",\"" + widths + "\"";
  platform.SetClipboardText(text);
  interaction.ShowMessage("ColWidths is copied to clipborad " + text);
}

void GridCenterAllColumns(Grid& grid) {
  for (int col = 0; col < grid.Cols(); ++col) grid.SetColAlignment(col, Grid::kAlignCentre);
}

void GridAlignTopCentre(Grid& grid) {
  for (int col = 0; col < grid.Cols(); ++col) grid.SetColAlignment(col, Grid::kAlignCentreTop);
}

double GridColumnSum(const Grid& grid, int column) {
  double sum = 0;
  for (int row = 1; row < grid.Rows(); ++row) sum += grid.Number(row, column);
  return storage::RoundHalfEven(sum, 2);
}

std::string GridRowText(const Grid& grid, int row) { return RowText(grid.Cells(row)); }

int GridFindRowByText(const Grid& grid, std::string_view text, int column) {
  if (column < 0 || column >= grid.Cols()) return 0;
  for (int row = grid.Rows() - 1; row >= 1; --row) {
    if (grid.Text(row, column) == text) return row;
  }
  return 0;
}

void GridRowForeColor(Grid& grid, int row, Colour colour) {
  if (row < 0 || row >= grid.Rows()) return;
  const int savedRow = grid.CurrentRow();
  for (int col = 0; col < grid.Cols(); ++col) {
    grid.SetCurrentCell(row, col);
    grid.SetCellForeColour(colour);
  }
  grid.SetCurrentRow(savedRow);
}

void GridSortByColumn(Grid& grid, int column, std::string_view key) {
  int code = 0;
  if (key == "AZ") code = Grid::kSortTextAscending;
  if (key == "ZA") code = Grid::kSortTextDescending;
  if (key == "123") code = Grid::kSortNumericAscending;
  if (key == "321") code = Grid::kSortNumericDescending;
  if (code == 0 || column < 0 || column >= grid.Cols()) return;
  int last = grid.Rows() - 1;
  while (last > 1 && grid.Text(last, column).empty()) --last;
  Grid::Batch batch(grid);
  grid.SetCurrentCol(column);
  grid.Sort(code, last);
}

void GridRemoveBlankRows(Grid& grid) {
  Grid::Batch batch(grid);
  grid.SetVisible(false);
  std::vector<GridRowCells> body = grid.TakeBody();
  std::erase_if(body, [](const GridRowCells& row) { return !RowHasText(row); });
  PutBackAtRowOne(grid, std::move(body));
  grid.SetVisible(true);
}

void GridFilterKeep(Grid& grid, std::string_view text) {
  if (IsBlank(text)) return;
  Grid::Batch batch(grid);
  KeepRows(grid, text, true);
}

void GridFilterRemove(Grid& grid, std::string_view text) {
  if (IsBlank(text)) return;
  Grid::Batch batch(grid);
  GridRemoveBlankRows(grid);
  KeepRows(grid, text, false);
}

void GridTrimTrailingBlankRows(Grid& grid) {
  const auto blank = [&grid](int row) {
    for (int col = grid.FixedCols(); col < grid.Cols(); ++col) {
      if (!IsBlank(grid.Text(row, col))) return false;
    }
    return true;
  };
  int rows = grid.Rows();
  while (rows > 2 && blank(rows - 1)) --rows;
  grid.SetRows(rows);
}

void GridPadRows(Grid& grid) {
  const long long rowHeight = grid.RowHeight();
  const long long height = grid.Height();
  const long long rows = grid.Rows();
  if (rowHeight <= 0 || rows * rowHeight >= height) return;
  const long long added = (height - (rows - 1) * rowHeight) / rowHeight;
  grid.SetRows(static_cast<int>(rows + added));
}

void GridScrollToLastFilled(Grid& grid) {
  int last = 0;
  for (int row = grid.Rows() - 1; row >= 1 && last == 0; --row) {
    if (RowHasText(grid.Cells(row))) last = row;
  }
  grid.SetTopRow(std::max(last - kScrollMargin, 1));
}

void GridClearRow(Grid& grid, int row) { grid.SetRow(row, {}); }

}  // namespace util
