// The grid view shows its grid, follows its changes and reports clicks in
// grid rows and columns.

#include "ui/grid_view.h"

#include <gtest/gtest.h>

#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "util/grid_helpers.h"

namespace {

using util::Grid;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The drug list of a screen: a header and three drugs.
class GridViewTest : public ::testing::Test {
 protected:
  GridViewTest() {
    util::GridSetHeaders(grid, {"الرقم", "الصنف", "الكمية"});
    grid.SetRow(1, {"1", "باراسيتامول", "120"});
    grid.SetRow(2, {"2", "أموكسيسيلين", "35"});
    grid.SetRow(3, {"3", "Brufen 400", "7"});
    util::FlxSetColumnWdth(grid, "720-2880-1440");
  }

  QVariant Data(const ui::GridView& view, int row, int col, int role) const {
    return view.model()->data(view.model()->index(row, col), role);
  }

  Grid grid{"Xxx", 4, 3};
};

TEST_F(GridViewTest, TheModelShowsTheBodyRowsUnderTheHeader) {
  ui::GridView view(grid);
  EXPECT_EQ(view.model()->rowCount(), 3);
  EXPECT_EQ(view.model()->columnCount(), 3);
  EXPECT_EQ(view.model()->headerData(1, Qt::Horizontal).toString(), U("الصنف"));
  EXPECT_EQ(Data(view, 0, 1, Qt::DisplayRole).toString(), U("باراسيتامول"));
  EXPECT_EQ(Data(view, 2, 1, Qt::DisplayRole).toString(), U("Brufen 400"));
  EXPECT_EQ(view.objectName(), U("Xxx"));
}

TEST_F(GridViewTest, AlignmentAndColoursComeFromTheGrid) {
  grid.SetColAlignment(0, Grid::kAlignCentre);
  grid.SetColAlignment(1, Grid::kAlignCentreTop);
  util::GridRowForeColor(grid, 2, util::Rgb(200, 0, 0));
  ui::GridView view(grid);

  auto alignment = [&](int row, int col) {
    return Data(view, row, col, Qt::TextAlignmentRole).value<Qt::Alignment>();
  };
  EXPECT_EQ(alignment(0, 0), Qt::AlignCenter);
  EXPECT_EQ(alignment(0, 1), Qt::AlignHCenter | Qt::AlignTop);
  // The general alignment: numbers at the end, texts at the start.
  EXPECT_EQ(alignment(0, 2), Qt::AlignRight | Qt::AlignVCenter);
  grid.SetText(1, 2, "كثير");
  EXPECT_EQ(alignment(0, 2), Qt::AlignLeft | Qt::AlignVCenter);

  EXPECT_EQ(Data(view, 1, 1, Qt::ForegroundRole).value<QBrush>().color(), QColor(200, 0, 0));
  EXPECT_FALSE(Data(view, 0, 1, Qt::ForegroundRole).isValid());
}

TEST_F(GridViewTest, FollowsTheGridsChanges) {
  ui::GridView view(grid);
  QSignalSpy cellChanges(view.model(), &QAbstractItemModel::dataChanged);
  QSignalSpy resets(view.model(), &QAbstractItemModel::modelReset);

  grid.SetText(3, 1, "Brufen 600");
  EXPECT_EQ(Data(view, 2, 1, Qt::DisplayRole).toString(), U("Brufen 600"));
  EXPECT_EQ(cellChanges.count(), 1);
  EXPECT_EQ(resets.count(), 0);

  grid.AddRow();
  EXPECT_EQ(view.model()->rowCount(), 4);
  EXPECT_EQ(Data(view, 1, 1, Qt::DisplayRole).toString(), U("باراسيتامول"));

  util::GridFilterKeep(grid, "brufen");
  EXPECT_EQ(view.model()->rowCount(), 1);
  EXPECT_EQ(resets.count(), 2) << "a helper's many steps are shown once";

  grid.SetRows(1);
  EXPECT_EQ(view.model()->rowCount(), 0);
}

TEST_F(GridViewTest, WidthsInTwipsBecomePixels) {
  grid.SetCols(4);
  grid.SetColWidth(3, 0);
  ui::GridView view(grid);
  EXPECT_EQ(view.columnWidth(1), view.TwipsToPixelsX(2880));
  EXPECT_EQ(view.TwipsToPixelsX(1440), view.logicalDpiX());
  EXPECT_TRUE(view.isColumnHidden(3)) << "a column of width 0 is not shown";
  EXPECT_EQ(view.horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

  grid.SetColWidth(0, 1440);
  EXPECT_EQ(view.columnWidth(0), view.logicalDpiX());
}

TEST_F(GridViewTest, ColumnsResizedByTheUserGoBackToTheGridInTwips) {
  ui::GridView view(grid);
  grid.SetUserResizesColumns(true);
  EXPECT_EQ(view.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
  view.horizontalHeader()->resizeSection(1, view.logicalDpiX() * 3);
  EXPECT_EQ(grid.ColWidth(1), 3 * 1440);
}

TEST_F(GridViewTest, ClicksAndTheCurrentCellAreReportedInGridRowsAndColumns) {
  ui::GridView view(grid);
  view.resize(500, 300);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  std::vector<std::pair<int, int>> clicks;
  std::vector<std::pair<int, int>> moves;
  view.OnCellClicked([&](int row, int col) { clicks.emplace_back(row, col); });
  view.OnCurrentCellChanged([&](int row, int col) { moves.emplace_back(row, col); });

  const QRect cell = view.visualRect(view.model()->index(1, 2));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{2, 2}}));
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, 2}}));
  EXPECT_EQ(grid.CurrentRow(), 2);
  EXPECT_EQ(grid.CurrentCol(), 2);

  QHeaderView* header = view.horizontalHeader();
  const int x = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  EXPECT_EQ(clicks.back(), std::make_pair(0, 1));
  EXPECT_EQ(grid.CurrentRow(), 2) << "a header click selects nothing";

  // The grid's owner moves the cursor: the view follows, nothing is reported.
  grid.SetCurrentCell(3, 0);
  EXPECT_EQ(view.currentIndex(), view.model()->index(2, 0));
  EXPECT_EQ(moves.size(), 1u);
}

TEST_F(GridViewTest, IsShownRightToLeftWithTheFirstColumnOnTheRight) {
  ui::GridView view(grid);
  view.resize(view.sizeHint());
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.layoutDirection(), Qt::RightToLeft);
  const QRect first = view.visualRect(view.model()->index(0, 0));
  const QRect second = view.visualRect(view.model()->index(0, 1));
  EXPECT_GT(first.left(), second.left());
  EXPECT_GE(view.sizeHint().width(), view.TwipsToPixelsX(720 + 2880 + 1440));
}

TEST_F(GridViewTest, TheTopRowScrollsBothWays) {
  grid.SetRows(200);
  ui::GridView view(grid);
  view.resize(400, 200);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  grid.SetTopRow(50);
  EXPECT_EQ(view.verticalScrollBar()->value(), 49);
  EXPECT_EQ(view.rowAt(0), 49);
  view.verticalScrollBar()->setValue(9);
  EXPECT_EQ(grid.TopRow(), 10);
}

TEST_F(GridViewTest, HidesWhileTheGridIsHidden) {
  QWidget screen;
  auto* view = new ui::GridView(grid, &screen);
  grid.SetVisible(false);
  screen.show();
  EXPECT_FALSE(view->isVisible());
  grid.SetVisible(true);
  EXPECT_TRUE(view->isVisible());
}

TEST_F(GridViewTest, ShowsNothingOnceTheGridIsGone) {
  auto owned = std::make_unique<Grid>("Xxx", 5, 2);
  ui::GridView view(*owned);
  EXPECT_EQ(view.model()->rowCount(), 4);
  owned.reset();
  EXPECT_EQ(view.model()->rowCount(), 0);
  EXPECT_EQ(view.gridModel().grid(), nullptr);
}

}  // namespace
