#include "util/grid.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace util {
namespace {

const std::string kEmptyText;
const GridRowCells kNoCells;

// Text sort keys in the Arabic locale's order (Latin words sort among
// themselves by letter, case only breaking ties). Without a collator the
// texts' own bytes are the keys, which is code point order for UTF-8.
std::vector<std::string> TextSortKeys(const std::vector<const std::string*>& texts) {
  std::vector<std::string> keys;
  keys.reserve(texts.size());
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(icu::Locale("ar"), status));
  if (U_FAILURE(status) || !collator) {
    for (const std::string* t : texts) keys.push_back(*t);
    return keys;
  }
  std::vector<std::uint8_t> buffer(256);
  for (const std::string* t : texts) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(*t);
    int32_t length = collator->getSortKey(u, buffer.data(), static_cast<int32_t>(buffer.size()));
    if (length > static_cast<int32_t>(buffer.size())) {
      buffer.resize(static_cast<std::size_t>(length));
      length = collator->getSortKey(u, buffer.data(), static_cast<int32_t>(buffer.size()));
    }
    // The key ends with a zero byte, which is left out.
    const std::size_t n = length > 0 ? static_cast<std::size_t>(length) - 1 : 0;
    keys.emplace_back(reinterpret_cast<const char*>(buffer.data()), n);
  }
  return keys;
}

}  // namespace

Grid::Grid(std::string name, int rows, int cols) : name_(std::move(name)) {
  s_.cols = std::max(cols, 1);
  s_.colWidths.assign(static_cast<std::size_t>(s_.cols), kDefaultColWidth);
  s_.colAlignments.assign(static_cast<std::size_t>(s_.cols), kAlignGeneral);
  s_.rows.assign(static_cast<std::size_t>(std::max(rows, 1)),
                 GridRowCells(static_cast<std::size_t>(s_.cols)));
  s_.currentRow = std::min(1, Rows() - 1);
  ClampCursor();
}

Grid::~Grid() { Notify(GridChange::Gone); }

Grid& Grid::operator=(const Grid& other) {
  if (this != &other) {
    s_ = other.s_;
    Notify(GridChange::Layout);
  }
  return *this;
}

Grid& Grid::operator=(Grid&& other) {
  if (this != &other) {
    s_ = std::move(other.s_);
    Notify(GridChange::Layout);
  }
  return *this;
}

bool Grid::HasCell(int row, int col) const {
  return row >= 0 && row < Rows() && col >= 0 && col < s_.cols;
}

void Grid::ClampCursor() {
  s_.currentRow = std::clamp(s_.currentRow, 0, Rows() - 1);
  s_.currentCol = std::clamp(s_.currentCol, 0, s_.cols - 1);
  s_.topRow = std::clamp(s_.topRow, 1, std::max(Rows() - 1, 1));
}

void Grid::Notify(GridChange change, int row, int col) {
  ++w_.version;
  if (w_.batchDepth > 0 && change != GridChange::Gone) {
    w_.pending = true;
    return;
  }
  if (w_.list.empty()) return;
  // An observer may unregister itself while being told.
  const auto observers = w_.list;
  for (const auto& [id, observer] : observers) {
    if (observer) observer(change, row, col);
  }
}

void Grid::SetRows(int rows) {
  rows = std::max(rows, 1);
  if (rows == Rows()) return;
  s_.rows.resize(static_cast<std::size_t>(rows), GridRowCells(static_cast<std::size_t>(s_.cols)));
  ClampCursor();
  Notify(GridChange::Layout);
}

void Grid::SetCols(int cols) {
  cols = std::max(cols, 1);
  if (cols == s_.cols) return;
  s_.cols = cols;
  for (auto& row : s_.rows) row.resize(static_cast<std::size_t>(cols));
  s_.colWidths.resize(static_cast<std::size_t>(cols), kDefaultColWidth);
  s_.colAlignments.resize(static_cast<std::size_t>(cols), kAlignGeneral);
  s_.fixedCols = std::min(s_.fixedCols, cols);
  ClampCursor();
  Notify(GridChange::Layout);
}

void Grid::SetFixedCols(int cols) {
  cols = std::clamp(cols, 0, s_.cols);
  if (cols == s_.fixedCols) return;
  s_.fixedCols = cols;
  Notify(GridChange::Layout);
}

void Grid::SetCurrentRow(int row) { SetCurrentCell(row, s_.currentCol); }
void Grid::SetCurrentCol(int col) { SetCurrentCell(s_.currentRow, col); }

void Grid::SetCurrentCell(int row, int col) {
  row = std::clamp(row, 0, Rows() - 1);
  col = std::clamp(col, 0, s_.cols - 1);
  if (row == s_.currentRow && col == s_.currentCol) return;
  s_.currentRow = row;
  s_.currentCol = col;
  Notify(GridChange::Cursor, row, col);
}

void Grid::SetTopRow(int row) {
  row = std::clamp(row, 1, std::max(Rows() - 1, 1));
  if (row == s_.topRow) return;
  s_.topRow = row;
  Notify(GridChange::Cursor);
}

const std::string& Grid::Text(int row, int col) const {
  if (!HasCell(row, col)) return kEmptyText;
  return s_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].text;
}

void Grid::SetText(int row, int col, std::string_view text) {
  if (!HasCell(row, col)) return;
  std::string& cell = s_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].text;
  if (cell == text) return;
  cell.assign(text);
  Notify(GridChange::Cell, row, col);
}

double Grid::Number(int row, int col) const { return LeadingNumber(Text(row, col)); }

std::vector<std::string> Grid::Row(int row) const {
  std::vector<std::string> texts;
  if (row < 0 || row >= Rows()) return texts;
  texts.reserve(static_cast<std::size_t>(s_.cols));
  for (const GridCell& cell : s_.rows[static_cast<std::size_t>(row)]) texts.push_back(cell.text);
  return texts;
}

void Grid::SetRow(int row, const std::vector<std::string>& texts) {
  if (row < 0 || row >= Rows()) return;
  GridRowCells& cells = s_.rows[static_cast<std::size_t>(row)];
  bool changed = false;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const std::string& text = c < texts.size() ? texts[c] : kEmptyText;
    if (cells[c].text != text) {
      cells[c].text = text;
      changed = true;
    }
  }
  if (changed) Notify(GridChange::Cell, row, -1);
}

int Grid::AppendRow(const std::vector<std::string>& texts) {
  Batch batch(*this);
  SetRows(Rows() + 1);
  SetRow(Rows() - 1, texts);
  return Rows() - 1;
}

void Grid::AddRow() {
  s_.rows.insert(s_.rows.begin() + 1, GridRowCells(static_cast<std::size_t>(s_.cols)));
  ClampCursor();
  Notify(GridChange::Layout);
}

const GridRowCells& Grid::Cells(int row) const {
  if (row < 0 || row >= Rows()) return kNoCells;
  return s_.rows[static_cast<std::size_t>(row)];
}

std::vector<GridRowCells> Grid::TakeBody() {
  std::vector<GridRowCells> body(std::make_move_iterator(s_.rows.begin() + 1),
                                 std::make_move_iterator(s_.rows.end()));
  s_.rows.resize(1);
  ClampCursor();
  Notify(GridChange::Layout);
  return body;
}

void Grid::AppendRows(std::vector<GridRowCells> rows) {
  if (rows.empty()) return;
  for (auto& row : rows) {
    row.resize(static_cast<std::size_t>(s_.cols));
    s_.rows.push_back(std::move(row));
  }
  ClampCursor();
  Notify(GridChange::Layout);
}

int Grid::ColWidth(int col) const {
  if (col < 0 || col >= s_.cols) return 0;
  return s_.colWidths[static_cast<std::size_t>(col)];
}

void Grid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= s_.cols) return;
  twips = std::max(twips, 0);
  int& width = s_.colWidths[static_cast<std::size_t>(col)];
  if (width == twips) return;
  width = twips;
  Notify(GridChange::Look, -1, col);
}

void Grid::SetRowHeight(int twips) {
  twips = std::max(twips, 1);
  if (twips == s_.rowHeight) return;
  s_.rowHeight = twips;
  Notify(GridChange::Look);
}

void Grid::SetHeight(int twips) {
  twips = std::max(twips, 0);
  if (twips == s_.height) return;
  s_.height = twips;
  Notify(GridChange::Look);
}

int Grid::ColAlignment(int col) const {
  if (col < 0 || col >= s_.cols) return kAlignGeneral;
  return s_.colAlignments[static_cast<std::size_t>(col)];
}

void Grid::SetColAlignment(int col, int code) {
  if (col < 0 || col >= s_.cols) return;
  int& alignment = s_.colAlignments[static_cast<std::size_t>(col)];
  if (alignment == code) return;
  alignment = code;
  Notify(GridChange::Look, -1, col);
}

void Grid::SetCellForeColour(Colour colour) {
  SetCellForeColour(s_.currentRow, s_.currentCol, colour);
}

void Grid::SetCellForeColour(int row, int col, Colour colour) {
  if (!HasCell(row, col)) return;
  auto& cell = s_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  if (cell.colour == colour) return;
  cell.colour = colour;
  Notify(GridChange::Cell, row, col);
}

std::optional<Colour> Grid::CellForeColour(int row, int col) const {
  if (!HasCell(row, col)) return std::nullopt;
  return s_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].colour;
}

void Grid::Sort(int code) { Sort(code, Rows() - 1); }

void Grid::Sort(int code, int lastRow) {
  const bool numeric = code == kSortNumericAscending || code == kSortNumericDescending;
  const bool text = code == kSortTextAscending || code == kSortTextDescending;
  if (!numeric && !text) return;
  const bool descending = code == kSortNumericDescending || code == kSortTextDescending;
  lastRow = std::min(lastRow, Rows() - 1);
  if (lastRow < 2) return;
  const auto col = static_cast<std::size_t>(s_.currentCol);
  const auto n = static_cast<std::size_t>(lastRow);  // rows 1..lastRow
  auto body = [&](std::size_t i) -> GridRowCells& { return s_.rows[1 + i]; };

  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (numeric) {
    std::vector<double> keys(n);
    for (std::size_t i = 0; i < n; ++i) keys[i] = LeadingNumber(body(i)[col].text);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
  } else {
    std::vector<const std::string*> texts(n);
    for (std::size_t i = 0; i < n; ++i) texts[i] = &body(i)[col].text;
    const std::vector<std::string> keys = TextSortKeys(texts);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return descending ? keys[b] < keys[a] : keys[a] < keys[b];
    });
  }

  std::vector<GridRowCells> sorted;
  sorted.reserve(n);
  for (std::size_t i : order) sorted.push_back(std::move(body(i)));
  for (std::size_t i = 0; i < n; ++i) body(i) = std::move(sorted[i]);
  Notify(GridChange::Layout);
}

void Grid::SetUserResizesColumns(bool on) {
  if (on == s_.userResizesColumns) return;
  s_.userResizesColumns = on;
  Notify(GridChange::Look);
}

void Grid::SetVisible(bool visible) {
  if (visible == s_.visible) return;
  s_.visible = visible;
  Notify(GridChange::Look);
}

int Grid::Watch(Observer observer) {
  const int id = w_.nextId++;
  w_.list.emplace_back(id, std::move(observer));
  return id;
}

void Grid::Unwatch(int id) {
  std::erase_if(w_.list, [id](const auto& entry) { return entry.first == id; });
}

Grid::Batch::Batch(Grid& grid) : grid_(grid) { ++grid_.w_.batchDepth; }

Grid::Batch::~Batch() {
  if (--grid_.w_.batchDepth > 0 || !grid_.w_.pending) return;
  grid_.w_.pending = false;
  // Counted once more: the version moved with each change already.
  grid_.Notify(GridChange::Layout);
}

}  // namespace util
