#include "ui/page_painter.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <numeric>
#include <system_error>
#include <vector>

namespace ui {
namespace {

constexpr double kMmPerInch = 25.4;

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString PrintFamily() {
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"Noto Naskh Arabic", "Noto Sans Arabic", "Noto Kufi Arabic"}) {
    if (families.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
  }
  return QGuiApplication::font().family();
}

// One line of text laid out right to left, its left edge at 0 and its top
// at 0, not wrapped, trailing blanks kept (they take their place at the
// left end, as in the measured width).
void LayOut(QTextLayout& layout) {
  QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
  option.setTextDirection(Qt::RightToLeft);
  option.setWrapMode(QTextOption::NoWrap);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) {
    line.setLineWidth(1.0e7);
    line.setPosition(QPointF(0, 0));
  }
  layout.endLayout();
}

// Draws the glyphs of a shaped run in the order they stand on the page,
// left to right. The shapes and places are those of the layout; only the
// order in which they go into a PDF changes: PDF readers join glyphs given
// left to right into words and give right-to-left words back in logical
// order, while a run given in logical order falls apart into single letters.
void DrawLeftToRight(QPainter& painter, QPointF origin, QGlyphRun run) {
  const QList<quint32> indexes = run.glyphIndexes();
  const QList<QPointF> positions = run.positions();
  std::vector<qsizetype> order(static_cast<std::size_t>(indexes.size()));
  std::iota(order.begin(), order.end(), qsizetype{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](qsizetype a, qsizetype b) { return positions[a].x() < positions[b].x(); });
  QList<quint32> visualIndexes;
  QList<QPointF> visualPositions;
  for (qsizetype i : order) {
    visualIndexes.push_back(indexes[i]);
    visualPositions.push_back(positions[i]);
  }
  run.setGlyphIndexes(visualIndexes);
  run.setPositions(visualPositions);
  run.setRightToLeft(false);
  painter.drawGlyphRun(origin, run);
}

}  // namespace

QFont PrintFont(double points, bool bold) {
  QFont font(PrintFamily());
  font.setBold(bold);
  font.setPointSizeF(points);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

double PrintedTextWidth(std::string_view text, double points, bool bold) {
  if (text.empty()) return 0;
  QImage measure(1, 1, QImage::Format_ARGB32);
  const int dotsPerMeter = static_cast<int>(kMeasureDpi / 0.0254 + 0.5);
  measure.setDotsPerMeterX(dotsPerMeter);
  measure.setDotsPerMeterY(dotsPerMeter);
  QTextLayout layout(Text(text), PrintFont(points, bold), &measure);
  LayOut(layout);
  const double width = layout.lineCount() > 0 ? layout.lineAt(0).naturalTextWidth() : 0.0;
  return width * kMmPerInch / measure.logicalDpiX();
}

QPageLayout PageLayoutOf(const util::PrintedPage& page) {
  return QPageLayout(QPageSize(QSizeF(page.paperWidth, page.paperHeight), QPageSize::Millimeter),
                     page.orientation == util::PrintDevice::kLandscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void RenderPage(QPainter& painter, const util::PrintedPage& page, double dotMm) {
  QPaintDevice* device = painter.device();
  const double pxX = device->logicalDpiX() / kMmPerInch;
  const double pxY = device->logicalDpiY() / kMmPerInch;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const auto& line : page.lines) {
    QPen pen(Qt::black);
    pen.setWidthF(line.width * dotMm * pxX);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(line.x1 * pxX, line.y1 * pxY), QPointF(line.x2 * pxX, line.y2 * pxY));
  }
  painter.setPen(Qt::black);
  for (const auto& text : page.texts) {
    QTextLayout layout(Text(text.text), PrintFont(text.fontSize, text.bold), device);
    LayOut(layout);
    const QPointF origin(text.x * pxX, text.y * pxY);
    for (const QGlyphRun& run : layout.glyphRuns()) DrawLeftToRight(painter, origin, run);
  }
  painter.restore();
}

bool WritePdfPage(const std::filesystem::path& file, const util::PrintedPage& page) {
  {
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setResolution(kMeasureDpi);
    writer.setPageLayout(PageLayoutOf(page));
    writer.setTitle(Text(page.jobName));
    writer.setCreator(QStringLiteral("Tormo"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    RenderPage(painter, page, kFileDotMm);
    if (!painter.end()) return false;
  }
  std::error_code ec;
  return std::filesystem::exists(file, ec);
}

}  // namespace ui
