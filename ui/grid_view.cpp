#include "ui/grid_view.h"

#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "ui/style.h"

namespace ui {
namespace {

constexpr int kTwipsPerInch = 1440;
// Room above and below a line of text in a row.
constexpr int kRowPadding = 4;
const QColor kFixedCellBackground(0xEE, 0xEE, 0xEE);

// The text, trimmed of spaces, is a number as a whole.
bool IsNumber(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  double value = 0;
  const auto result = std::from_chars(begin, end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

GridModel::GridModel(util::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid), rows_(grid.Rows()), cols_(grid.Cols()) {
  watchId_ = grid.Watch(
      [this](util::GridChange change, int row, int col) { OnGridChange(change, row, col); });
}

GridModel::~GridModel() {
  if (grid_ != nullptr) grid_->Unwatch(watchId_);
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(rows_ - 1, 0);
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

Qt::Alignment GridModel::AlignmentOf(int code, const std::string& text) {
  switch (code) {
    case util::Grid::kAlignLeftTop:
      return Qt::AlignLeft | Qt::AlignTop;
    case util::Grid::kAlignLeftCentre:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case util::Grid::kAlignLeftBottom:
      return Qt::AlignLeft | Qt::AlignBottom;
    case util::Grid::kAlignCentreTop:
      return Qt::AlignHCenter | Qt::AlignTop;
    case util::Grid::kAlignCentre:
      return Qt::AlignCenter;
    case util::Grid::kAlignCentreBottom:
      return Qt::AlignHCenter | Qt::AlignBottom;
    case util::Grid::kAlignRightTop:
      return Qt::AlignRight | Qt::AlignTop;
    case util::Grid::kAlignRightCentre:
      return Qt::AlignRight | Qt::AlignVCenter;
    case util::Grid::kAlignRightBottom:
      return Qt::AlignRight | Qt::AlignBottom;
    default:
      return (IsNumber(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (grid_ == nullptr || !index.isValid()) return {};
  const int row = index.row() + 1;
  const int col = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
      const std::string& text = grid_->Text(row, col);
      if (role == Qt::ToolTipRole && text.empty()) return {};
      return Q(text);
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(AlignmentOf(grid_->ColAlignment(col), grid_->Text(row, col)));
    case Qt::ForegroundRole:
      if (const auto colour = grid_->CellForeColour(row, col)) return QBrush(ToQColor(*colour));
      return {};
    case Qt::BackgroundRole:
      if (col < grid_->FixedCols()) return QBrush(kFixedCellBackground);
      return {};
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (grid_ == nullptr) return {};
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  }
  switch (role) {
    case Qt::DisplayRole:
      return Q(grid_->Text(0, section));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
      if (const auto colour = grid_->CellForeColour(0, section)) return QBrush(ToQColor(*colour));
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::OnGridChange(util::GridChange change, int row, int col) {
  switch (change) {
    case util::GridChange::Cell: {
      const int first = col < 0 ? 0 : col;
      const int last = col < 0 ? cols_ - 1 : col;
      if (last < 0 || last >= cols_) return;
      if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, first, last);
      } else if (row > 0 && row < rows_) {
        emit dataChanged(index(row - 1, first), index(row - 1, last));
      }
      return;
    }
    case util::GridChange::Layout:
      beginResetModel();
      rows_ = grid_->Rows();
      cols_ = grid_->Cols();
      endResetModel();
      emit lookChanged();
      emit cursorChanged();
      return;
    case util::GridChange::Look:
      if (rows_ > 1 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 2, cols_ - 1));
      emit lookChanged();
      return;
    case util::GridChange::Cursor:
      emit cursorChanged();
      return;
    case util::GridChange::Gone:
      beginResetModel();
      grid_ = nullptr;
      rows_ = 0;
      cols_ = 0;
      endResetModel();
      return;
  }
}

GridView::GridView(util::Grid& grid, QWidget* parent)
    : QTableView(parent), model_(new GridModel(grid, this)) {
  setObjectName(QString::fromStdString(grid.Name()));
  setLayoutDirection(Qt::RightToLeft);
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setHighlightSections(false);
  // A header cell is clicked like a cell of row 0; it does not select the
  // column below it.
  disconnect(horizontalHeader(), &QHeaderView::sectionPressed, this, nullptr);
  disconnect(horizontalHeader(), &QHeaderView::sectionEntered, this, nullptr);

  connect(model_, &GridModel::lookChanged, this, &GridView::ApplyLook);
  connect(model_, &GridModel::cursorChanged, this, &GridView::ApplyCursor);
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (clicked_) clicked_(index.row() + 1, index.column());
  });
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (doubleClicked_) doubleClicked_(index.row() + 1, index.column());
  });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
    if (clicked_) clicked_(0, section);
  });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            util::Grid* g = model_->grid();
            if (following_ || g == nullptr || !current.isValid()) return;
            g->SetCurrentCell(current.row() + 1, current.column());
            if (currentChanged_) currentChanged_(current.row() + 1, current.column());
          });
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    util::Grid* g = model_->grid();
    if (following_ || g == nullptr) return;
    g->SetTopRow(value + 1);
  });
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int section, int, int size) {
            util::Grid* g = model_->grid();
            if (following_ || g == nullptr || size <= 0) return;
            g->SetColWidth(section, PixelsToTwipsX(size));
          });

  ApplyLook();
  ApplyCursor();
}

void GridView::SetSelectWholeRows(bool whole) {
  setSelectionBehavior(whole ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

int GridView::TwipsToPixelsX(int twips) const {
  return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpiX() / kTwipsPerInch));
}

int GridView::TwipsToPixelsY(int twips) const {
  return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpiY() / kTwipsPerInch));
}

int GridView::PixelsToTwipsX(int pixels) const {
  const int dpi = std::max(logicalDpiX(), 1);
  return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

QSize GridView::sizeHint() const {
  const util::Grid* g = model_->grid();
  if (g == nullptr) return QTableView::sizeHint();
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int col = 0; col < g->Cols(); ++col) width += TwipsToPixelsX(g->ColWidth(col));
  return {width, std::max(TwipsToPixelsY(g->Height()), horizontalHeader()->sizeHint().height())};
}

void GridView::ApplyLook() {
  const util::Grid* g = model_->grid();
  if (g == nullptr) return;
  following_ = true;
  const int textHeight = fontMetrics().height() + kRowPadding;
  verticalHeader()->setDefaultSectionSize(std::max(TwipsToPixelsY(g->RowHeight()), textHeight));
  horizontalHeader()->setSectionResizeMode(g->UserResizesColumns() ? QHeaderView::Interactive
                                                                   : QHeaderView::Fixed);
  for (int col = 0; col < g->Cols(); ++col) {
    const int twips = g->ColWidth(col);
    setColumnHidden(col, twips <= 0);
    if (twips > 0) setColumnWidth(col, TwipsToPixelsX(twips));
  }
  following_ = false;
  ApplyVisibility();
  updateGeometry();
}

void GridView::ApplyCursor() {
  const util::Grid* g = model_->grid();
  if (g == nullptr) return;
  following_ = true;
  if (g->CurrentRow() >= 1) {
    const QModelIndex current = model_->index(g->CurrentRow() - 1, g->CurrentCol());
    if (current != currentIndex()) {
      selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    }
  }
  // The scroll range follows the rows only once the geometry is brought up
  // to date.
  updateGeometries();
  verticalScrollBar()->setValue(g->TopRow() - 1);
  following_ = false;
}

void GridView::ApplyVisibility() {
  const util::Grid* g = model_->grid();
  if (g == nullptr) return;
  // A view the grid hid is shown again by it: a view inside a screen at
  // once (it appears with its screen), a window only if it was on screen.
  if (!g->Visible()) {
    if (hiddenByGrid_) return;
    hiddenByGrid_ = true;
    windowWasShown_ = isVisible();
    hide();
  } else if (hiddenByGrid_) {
    hiddenByGrid_ = false;
    if (!isWindow() || windowWasShown_) show();
  }
}

}  // namespace ui
