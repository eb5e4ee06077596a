#pragma once
// The drawing helpers every printout shares, on the printer device's
// operations. All lengths are millimetres from the paper's top-left corner.
// A step the device cannot carry out is skipped; the helpers never throw.

#include <string_view>

#include "util/print_device.h"

namespace util {

// Prints the text centred in the box boxLeft .. boxLeft + boxWidth, its top
// at `top`: x = boxLeft + (boxWidth - text width) / 2. With a font size
// above 0 that size is set first (and measured with) and the size before
// it is restored afterwards.
void PrintCentered(PrintDevice& device, std::string_view text, double boxWidth, double boxLeft,
                   double top, double fontSize = 0);

// Prints the text with its right edge at boxLeft + boxWidth, its top at
// `top`, in the current font.
void PrintRightAligned(PrintDevice& device, std::string_view text, double boxWidth,
                       double boxLeft, double top);

// A line from (x, y) to (x + length, y).
void DrawHLine(PrintDevice& device, double x, double y, double length);
// A line from (x, y) to (x, y + length).
void DrawVLine(PrintDevice& device, double x, double y, double length);

// When enabled is not 0, the four sides of the box: the horizontal lines at
// y and y + height (width long), then the vertical lines at x and x + width
// (height long). Nothing when enabled is 0.
void DrawBox(PrintDevice& device, double x, double y, double width, double height, int enabled);

// The separators a width list of PrintTableGrid may use.
enum class WidthSeparators {
  Semicolon,          // "30;30;30;35;45"
  SemicolonCommaDash  // also "30,30,30" and "30-30-30"
};

// The ruling of a table: sets millimetres and the draw width, then draws
// the vertical lines at `left` and after each column (at the running sum of
// the widths), each from `top` down rows x rowHeight, then the rows + 1
// horizontal lines at top + i x rowHeight (i = 0 .. rows) from `left`
// across the sum of the widths. Each column width is the leading number of
// its piece of the list (an empty piece is a column 0 mm wide); an empty
// list has no columns.
void PrintTableGrid(PrintDevice& device, double left, double top, int rows, double rowHeight,
                    int lineWidth, std::string_view widths,
                    WidthSeparators separators = WidthSeparators::Semicolon);

}  // namespace util
