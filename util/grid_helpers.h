#pragma once
// The grid helpers every screen shares: headers, column widths, alignment,
// sums, colours, sorting, filtering and the handling of blank rows. Body rows
// are rows 1 and below; new rows always go in at row 1, directly below the
// header.

#include <initializer_list>
#include <string>
#include <string_view>

#include "util/grid.h"
#include "util/interaction.h"
#include "util/platform.h"

namespace util {

// Header cells (0, 0) .. (0, 8) take up to nine captions; a column that does
// not exist is skipped, and the headers after the last caption are kept.
void GridSetHeaders(Grid& grid, std::initializer_list<std::string_view> captions);

// widths: twips joined by "-" ("630-2910-960"); column i (0 to 50) takes the
// i-th value. Missing or empty values and missing columns are skipped.
void FlxSetColumnWdth(Grid& grid, std::string_view widths);

// Lets the user resize the columns, then puts
//   FlxSetColumnWdth <name>,"<widths joined by ->"
// on the clipboard and shows "ColWidths is copied to clipborad " followed by
// that text: the widths set by hand go back into the screen's code this way.
void GridCopyWidthsToClipboard(Platform& platform, Interaction& interaction, Grid& grid);

// Alignment 4 (centred) for every column.
void GridCenterAllColumns(Grid& grid);
// Alignment 3 (centred, top) for every column.
void GridAlignTopCentre(Grid& grid);

// The sum of the numeric values of the column's body cells (the header
// counts as 0), rounded to 2 decimals, halves to even.
double GridColumnSum(const Grid& grid, int column);

// The row's cells 0 to 60, each trimmed of spaces, concatenated.
std::string GridRowText(const Grid& grid, int row);

// The last body row whose cell in the column equals the text exactly; 0 when
// none does.
int GridFindRowByText(const Grid& grid, std::string_view text, int column);

// Every cell of the row gets the text colour, set through the current cell;
// the current row is restored afterwards (the current column is left on the
// last column).
void GridRowForeColor(Grid& grid, int row, Colour colour);

// Sorts by the column with the key "AZ" (text ascending), "ZA" (text
// descending), "123" (numeric ascending) or "321" (numeric descending); any
// other key sorts nothing. Only the rows from 1 down to the last row whose
// cell in the column is not empty take part; the rows below stay where they
// are. The column becomes the current column.
void GridSortByColumn(Grid& grid, int column, std::string_view key);

// Keeps the body rows that have any text (a cell not blank once trimmed of
// spaces), in reverse order: each is put back in at row 1.
void GridRemoveBlankRows(Grid& grid);

// Nothing when the trimmed text is empty. Otherwise keeps the body rows whose
// GridRowText contains the text, letter case ignored, in reverse order: each
// is put back in at row 1.
void GridFilterKeep(Grid& grid, std::string_view text);

// Nothing when the trimmed text is empty. Otherwise GridRemoveBlankRows, then
// keeps the rows whose GridRowText does not contain the text, letter case
// ignored, each put back in at row 1: the two reversals leave the kept rows
// in their earlier order.
void GridFilterRemove(Grid& grid, std::string_view text);

// Removes the empty rows at the bottom (a row is empty when its cells outside
// the fixed columns are blank once trimmed); row 1 always stays.
void GridTrimTrailingBlankRows(Grid& grid);

// When the rows fill less than the grid's visible height, adds
// (height - (rows - 1) * row height) / row height empty rows, cut to a whole
// number.
void GridPadRows(Grid& grid);

// Makes the row five above the last row with any text the top row; the top
// row is 1 when that row would be above row 1.
void GridScrollToLastFilled(Grid& grid);

// Empties every cell of the row (the colours stay).
void GridClearRow(Grid& grid, int row);

}  // namespace util
