#include "app/pdf_file_device.h"

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <system_error>
#include <vector>

namespace app {
namespace {

constexpr double kMmPerInch = 25.4;
// The measuring resolution, also the file's resolution.
constexpr int kDpi = 1200;
// A device pixel of a line: a dot of a 600 dpi printer.
constexpr double kDotMm = kMmPerInch / 600.0;

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont PrintFont(double points, bool bold) {
  QString family = QGuiApplication::font().family();
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"Noto Naskh Arabic", "Noto Sans Arabic", "Noto Kufi Arabic"}) {
    if (families.contains(QString::fromLatin1(name))) {
      family = QString::fromLatin1(name);
      break;
    }
  }
  QFont font(family);
  font.setBold(bold);
  font.setPointSizeF(points);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// One line laid out right to left from 0, 0, not wrapped, trailing blanks
// kept.
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

// The glyphs of a shaped run in the order they stand on the page, so that
// PDF readers join them into words.
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

PdfFileDevice::PdfFileDevice(std::filesystem::path file)
    : util::RecordingPrintDevice({std::string(util::kPdfPrinterName)}), file_(std::move(file)) {
  if (QGuiApplication::instance() == nullptr) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    gui_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
}

PdfFileDevice::~PdfFileDevice() = default;

double PdfFileDevice::MeasureText(std::string_view text, double points, bool bold) const {
  if (text.empty()) return 0;
  QImage measure(1, 1, QImage::Format_ARGB32);
  const int dotsPerMeter = static_cast<int>(kDpi / 0.0254 + 0.5);
  measure.setDotsPerMeterX(dotsPerMeter);
  measure.setDotsPerMeterY(dotsPerMeter);
  QTextLayout layout(Text(text), PrintFont(points, bold), &measure);
  LayOut(layout);
  const double width = layout.lineCount() > 0 ? layout.lineAt(0).naturalTextWidth() : 0.0;
  return width * kMmPerInch / measure.logicalDpiX();
}

bool PdfFileDevice::SubmitPage(const util::PrintedPage& page) {
  std::error_code ec;
  std::filesystem::remove(file_, ec);
  {
    QPdfWriter writer(QString::fromStdString(file_.string()));
    writer.setResolution(kDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(page.paperWidth, page.paperHeight), QPageSize::Millimeter),
                    page.orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(Text(page.jobName));
    writer.setCreator(QStringLiteral("Tormo"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const double px = writer.logicalDpiX() / kMmPerInch;
    const double py = writer.logicalDpiY() / kMmPerInch;
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& line : page.lines) {
      QPen pen(Qt::black);
      pen.setWidthF(line.width * kDotMm * px);
      pen.setCapStyle(Qt::SquareCap);
      painter.setPen(pen);
      painter.drawLine(QPointF(line.x1 * px, line.y1 * py), QPointF(line.x2 * px, line.y2 * py));
    }
    painter.setPen(Qt::black);
    for (const auto& text : page.texts) {
      QTextLayout layout(Text(text.text), PrintFont(text.fontSize, text.bold), &writer);
      LayOut(layout);
      const QPointF origin(text.x * px, text.y * py);
      for (const QGlyphRun& run : layout.glyphRuns()) DrawLeftToRight(painter, origin, run);
    }
    if (!painter.end()) return false;
  }
  return std::filesystem::exists(file_, ec);
}

}  // namespace app
