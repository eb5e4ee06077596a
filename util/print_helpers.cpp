#include "util/print_helpers.h"

#include <vector>

#include "util/numbers.h"

namespace util {
namespace {

std::vector<double> ColumnWidths(std::string_view widths, WidthSeparators separators) {
  std::vector<double> out;
  if (widths.empty()) return out;
  std::string_view seps = separators == WidthSeparators::Semicolon ? ";" : ";,-";
  std::size_t start = 0;
  for (;;) {
    std::size_t end = widths.find_first_of(seps, start);
    out.push_back(LeadingNumber(widths.substr(start, end - start)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return out;
}

}  // namespace

void PrintCentered(PrintDevice& device, std::string_view text, double boxWidth, double boxLeft,
                   double top, double fontSize) {
  device.SetScaleModeMillimetres();
  double previousSize = device.FontSize();
  if (fontSize > 0) device.SetFontSize(fontSize);
  device.SetCurrentX(boxLeft + (boxWidth - device.TextWidth(text)) / 2);
  device.SetCurrentY(top);
  device.Print(text);
  if (fontSize > 0) device.SetFontSize(previousSize);
}

void PrintRightAligned(PrintDevice& device, std::string_view text, double boxWidth,
                       double boxLeft, double top) {
  device.SetCurrentX(boxLeft + boxWidth - device.TextWidth(text));
  device.SetCurrentY(top);
  device.Print(text);
}

void DrawHLine(PrintDevice& device, double x, double y, double length) {
  device.Line(x, y, x + length, y);
}

void DrawVLine(PrintDevice& device, double x, double y, double length) {
  device.Line(x, y, x, y + length);
}

void DrawBox(PrintDevice& device, double x, double y, double width, double height, int enabled) {
  if (enabled == 0) return;
  DrawHLine(device, x, y, width);
  DrawHLine(device, x, y + height, width);
  DrawVLine(device, x, y, height);
  DrawVLine(device, x + width, y, height);
}

void PrintTableGrid(PrintDevice& device, double left, double top, int rows, double rowHeight,
                    int lineWidth, std::string_view widths, WidthSeparators separators) {
  device.SetScaleModeMillimetres();
  device.SetDrawWidth(lineWidth);
  const double height = rows * rowHeight;
  double x = left;
  DrawVLine(device, x, top, height);
  for (double width : ColumnWidths(widths, separators)) {
    x += width;
    DrawVLine(device, x, top, height);
  }
  const double across = x - left;
  for (int i = 0; i <= rows; ++i) DrawHLine(device, left, top + i * rowHeight, across);
}

}  // namespace util
