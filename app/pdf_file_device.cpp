#include "app/pdf_file_device.h"

#include <QGuiApplication>
#include <cstdlib>
#include <system_error>

#include "ui/page_painter.h"

namespace app {

PdfFileDevice::PdfFileDevice(std::filesystem::path file)
    : util::RecordingPrintDevice({std::string(util::kPdfPrinterName)}), file_(std::move(file)) {
  if (QGuiApplication::instance() == nullptr) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    gui_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
}

PdfFileDevice::~PdfFileDevice() = default;

double PdfFileDevice::MeasureText(std::string_view text, double points, bool bold) const {
  return ui::PrintedTextWidth(text, points, bold);
}

bool PdfFileDevice::SubmitPage(const util::PrintedPage& page) {
  std::error_code ec;
  std::filesystem::remove(file_, ec);
  return ui::WritePdfPage(file_, page);
}

}  // namespace app
