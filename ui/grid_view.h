#pragma once
// The one Qt view of a util::Grid. GridModel shows the grid to Qt's item
// views: the header row 0 is the horizontal header, body row r is model row
// r - 1. GridView is the table a screen places: right to left, widths in
// twips turned into pixels, the cells' colours and alignment, and the user's
// clicks and current cell handed back in grid rows and columns. Both follow
// the grid's changes; the grid must not be replaced while they show it (it
// may be destroyed first: the view then shows nothing).

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

#include "util/grid.h"

namespace ui {

class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridModel(util::Grid& grid, QObject* parent = nullptr);
  ~GridModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Nothing once the grid has been destroyed.
  util::Grid* grid() const { return grid_; }

  // The Qt alignment of a grid alignment code; for the general code 9 it
  // depends on the text: numbers at the end of the cell, other texts at its
  // start (left and right follow the layout direction).
  static Qt::Alignment AlignmentOf(int code, const std::string& text);

 signals:
  // Widths, row height, visibility or column resizing changed.
  void lookChanged();
  // The grid's current cell or top row changed.
  void cursorChanged();

 private:
  void OnGridChange(util::GridChange change, int row, int col);

  util::Grid* grid_;
  int watchId_ = 0;
  // The shape last announced to the views.
  int rows_ = 0;
  int cols_ = 0;
};

class GridView : public QTableView {
  Q_OBJECT
 public:
  // (row, column) in grid coordinates: row 0 is the header.
  using CellHandler = std::function<void(int row, int col)>;

  explicit GridView(util::Grid& grid, QWidget* parent = nullptr);

  GridModel& gridModel() const { return *model_; }

  // A click on a cell, or on a header cell (row 0).
  void OnCellClicked(CellHandler handler) { clicked_ = std::move(handler); }
  void OnCellDoubleClicked(CellHandler handler) { doubleClicked_ = std::move(handler); }
  // The user moved the current cell (with the mouse or the keyboard); the
  // grid's current cell has been moved already. Changes made by the grid's
  // owner are not reported back.
  void OnCurrentCellChanged(CellHandler handler) { currentChanged_ = std::move(handler); }

  // Whole rows are selected instead of single cells.
  void SetSelectWholeRows(bool whole);

  // 1440 twips are one inch of the screen's logical resolution.
  int TwipsToPixelsX(int twips) const;
  int TwipsToPixelsY(int twips) const;
  int PixelsToTwipsX(int pixels) const;

  QSize sizeHint() const override;

 private:
  void ApplyLook();
  void ApplyCursor();
  void ApplyVisibility();

  GridModel* model_;
  CellHandler clicked_;
  CellHandler doubleClicked_;
  CellHandler currentChanged_;
  // Set while the view follows the grid, so that its own signals are not
  // written back into the grid.
  bool following_ = false;
  bool hiddenByGrid_ = false;
  bool windowWasShown_ = false;
};

}  // namespace ui
