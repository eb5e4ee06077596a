#pragma once
// Printed pages on Qt's GUI module alone: the face of printed text, the
// width a text takes in it, and a recorded page drawn on a painter or
// written to a PDF file. The program's printer device and tormo-cli's PDF
// writer both print through these, so their pages lay out and look alike.
//
// Texts are shaped and laid out right to left in the Arabic face.

#include <QFont>
#include <QPageLayout>
#include <filesystem>
#include <string_view>

#include "util/recording_print_device.h"

class QPainter;

namespace ui {

// The resolution text widths are measured at, also the PDF files'
// resolution.
inline constexpr int kMeasureDpi = 1200;
// A device pixel of a PDF file and of the print preview: a dot of a 600 dpi
// printer, so that line widths look as on paper.
inline constexpr double kFileDotMm = 25.4 / 600.0;

// The face of printed text: the Arabic face (Noto Naskh Arabic where
// installed) at the size in points, without hinting.
QFont PrintFont(double points, bool bold);

// The width in mm of one line of text in the print face, measured at
// kMeasureDpi; trailing blanks count. 0 for no text.
double PrintedTextWidth(std::string_view text, double points, bool bold);

// The page's paper, in its orientation, without margins.
QPageLayout PageLayoutOf(const util::PrintedPage& page);

// Draws the page on a painter whose origin is the paper's top-left corner,
// at the painter device's resolution. A line's width is its number of
// device pixels, each dotMm wide.
void RenderPage(QPainter& painter, const util::PrintedPage& page, double dotMm);

// Writes the page to `file` as a one-page PDF at kMeasureDpi, titled by the
// page's job name. False when the file was not written.
bool WritePdfPage(const std::filesystem::path& file, const util::PrintedPage& page);

}  // namespace ui
