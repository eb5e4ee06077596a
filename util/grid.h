#pragma once
// The text grid behind every list and report on screen: a header row 0 and
// body rows of text cells, column widths in twips, column alignment codes,
// cell text colours, a current cell and a top row. A screen's logic fills it
// from the tables and reads totals back; the Qt view shows it and follows its
// changes through the observers.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "util/numbers.h"

namespace util {

struct GridCell {
  std::string text;
  // The text colour; nothing for the grid's default colour.
  std::optional<Colour> colour;

  bool operator==(const GridCell&) const = default;
};
// One row's cells, texts and colours together, so that rows carry their
// colours when they are inserted, sorted or filtered.
using GridRowCells = std::vector<GridCell>;

// What an observer is told.
enum class GridChange {
  Cell,    // the texts or colours of one cell (row, column), or of a whole row (row, -1)
  Layout,  // rows, columns, their order or many cells at once: redraw everything
  Look,    // widths, alignment, row height, height, visibility, column resizing
  Cursor,  // the current cell or the top row
  Gone,    // the grid is being destroyed
};

class Grid {
 public:
  // Column alignment codes: 0..8 are left/centre/right times top/centre/
  // bottom; 9 (the default) puts texts at the start and numbers at the end.
  static constexpr int kAlignLeftTop = 0;
  static constexpr int kAlignLeftCentre = 1;
  static constexpr int kAlignLeftBottom = 2;
  static constexpr int kAlignCentreTop = 3;
  static constexpr int kAlignCentre = 4;
  static constexpr int kAlignCentreBottom = 5;
  static constexpr int kAlignRightTop = 6;
  static constexpr int kAlignRightCentre = 7;
  static constexpr int kAlignRightBottom = 8;
  static constexpr int kAlignGeneral = 9;

  // Sort codes: they sort the body rows by the current column.
  static constexpr int kSortNumericAscending = 3;
  static constexpr int kSortNumericDescending = 4;
  static constexpr int kSortTextAscending = 7;
  static constexpr int kSortTextDescending = 8;

  static constexpr int kDefaultColWidth = 960;   // twips
  static constexpr int kDefaultRowHeight = 240;  // twips
  static constexpr int kDefaultHeight = 2880;    // twips: twelve default rows

  using Observer = std::function<void(GridChange change, int row, int col)>;

  // A grid of `rows` rows (the header row 0 included, at least 1) and `cols`
  // columns (at least 1), all cells empty.
  explicit Grid(std::string name = {}, int rows = 2, int cols = 2);
  ~Grid();
  // A copy takes the cells and settings, not the observers. Assigning keeps
  // this grid's name and observers and tells them everything changed.
  Grid(const Grid& other) = default;
  Grid(Grid&& other) = default;
  Grid& operator=(const Grid& other);
  Grid& operator=(Grid&& other);

  const std::string& Name() const { return name_; }

  // Rows, the header row 0 included. Setting 1 empties the body; new rows
  // are empty.
  int Rows() const { return static_cast<int>(s_.rows.size()); }
  void SetRows(int rows);
  int Cols() const { return s_.cols; }
  void SetCols(int cols);
  // Row 0 is the one fixed row: the body starts at row 1.
  int FixedRows() const { return 1; }
  int FixedCols() const { return s_.fixedCols; }
  void SetFixedCols(int cols);

  // The cell that cell-level settings and sorting act on.
  int CurrentRow() const { return s_.currentRow; }
  int CurrentCol() const { return s_.currentCol; }
  void SetCurrentRow(int row);
  void SetCurrentCol(int col);
  void SetCurrentCell(int row, int col);
  // The first visible body row.
  int TopRow() const { return s_.topRow; }
  void SetTopRow(int row);

  // Cell texts; a cell outside the grid reads empty and is not written.
  const std::string& Text(int row, int col) const;
  void SetText(int row, int col, std::string_view text);
  // The cell read as a number: its leading number, 0 when it has none.
  double Number(int row, int col) const;
  // The row's texts, one per column.
  std::vector<std::string> Row(int row) const;
  // Sets the row's texts from column 0; the cells after the last text are
  // emptied, texts beyond the last column are left out. Colours stay.
  void SetRow(int row, const std::vector<std::string>& texts);
  // Adds a row at the bottom with these texts; returns its number.
  int AppendRow(const std::vector<std::string>& texts = {});
  // Inserts an empty row at position 1, directly below the header (when the
  // grid has only the header, the new row is row 1).
  void AddRow();

  // Whole rows with their colours.
  const GridRowCells& Cells(int row) const;
  // Removes every body row and returns them; the grid keeps its header.
  std::vector<GridRowCells> TakeBody();
  // Adds rows at the bottom, each fitted to the column count.
  void AppendRows(std::vector<GridRowCells> rows);

  // Column widths in twips (1/1440 inch).
  int ColWidth(int col) const;
  void SetColWidth(int col, int twips);
  // Row height in twips (every row has the same height).
  int RowHeight() const { return s_.rowHeight; }
  void SetRowHeight(int twips);
  // The visible height of the grid on its screen, in twips.
  int Height() const { return s_.height; }
  void SetHeight(int twips);

  int ColAlignment(int col) const;
  void SetColAlignment(int col, int code);

  // Text colours: of the current cell, or of any cell.
  void SetCellForeColour(Colour colour);
  void SetCellForeColour(int row, int col, Colour colour);
  std::optional<Colour> CellForeColour(int row, int col) const;

  // Sorts the body rows by the current column with a sort code (stable:
  // equal keys keep their order). The second form sorts rows 1..lastRow
  // only; the rows below stay where they are. Other codes do nothing.
  // Numbers are the cells' leading numbers; texts are compared as words of
  // the Arabic locale (letter case counts only between equal words).
  void Sort(int code);
  void Sort(int code, int lastRow);

  bool UserResizesColumns() const { return s_.userResizesColumns; }
  void SetUserResizesColumns(bool on);
  bool Visible() const { return s_.visible; }
  void SetVisible(bool visible);

  // Observers are told of every change as it happens; the number returned
  // unregisters. Version() counts the changes.
  int Watch(Observer observer);
  void Unwatch(int id);
  std::uint64_t Version() const { return w_.version; }

  // While a Batch lives, observers are not told of each change; when the
  // last one ends they are told once that everything changed.
  class Batch {
   public:
    explicit Batch(Grid& grid);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Grid& grid_;
  };

 private:
  struct State {
    std::vector<GridRowCells> rows;
    int cols = 0;
    int fixedCols = 0;
    std::vector<int> colWidths;
    std::vector<int> colAlignments;
    int rowHeight = kDefaultRowHeight;
    int height = kDefaultHeight;
    int currentRow = 0;
    int currentCol = 0;
    int topRow = 1;
    bool visible = true;
    bool userResizesColumns = false;
  };
  // Observers belong to one grid object: a copy starts without any.
  struct Watchers {
    Watchers() = default;
    Watchers(const Watchers&) {}
    Watchers& operator=(const Watchers&) { return *this; }
    std::vector<std::pair<int, Observer>> list;
    int nextId = 1;
    int batchDepth = 0;
    bool pending = false;
    std::uint64_t version = 0;
  };

  bool HasCell(int row, int col) const;
  void ClampCursor();
  void Notify(GridChange change, int row = -1, int col = -1);

  std::string name_;
  State s_;
  Watchers w_;
};

}  // namespace util
