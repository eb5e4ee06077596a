#include "ui/qt_print_device.h"

#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>
#include <cstdio>
#include <system_error>

#include "ui/button.h"
#include "ui/style.h"
#include "util/dates.h"

namespace ui {
namespace {

constexpr double kMmPerInch = 25.4;

// Characters a file name may not hold become "_".
std::string FileNamePart(const std::string& name) {
  std::string out;
  for (unsigned char c : name) {
    bool bad = c < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
               c == '"' || c == '<' || c == '>' || c == '|';
    out.push_back(bad ? '_' : static_cast<char>(c));
  }
  while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
  return out.empty() ? std::string("print") : out;
}

}  // namespace

InstalledPrinters QtPrintDevice::SystemPrinters() {
  InstalledPrinters out;
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    InstalledPrinter printer{info.printerName().toStdString()};
    QPageSize size = info.defaultPageSize();
    if (size.isValid()) {
      QSizeF mm = size.size(QPageSize::Millimeter);
      printer.paperWidth = mm.width();
      printer.paperHeight = mm.height();
    }
    out.printers.push_back(std::move(printer));
  }
  out.systemDefault = QPrinterInfo::defaultPrinterName().toStdString();
  return out;
}

QtPrintDevice::QtPrintDevice(std::filesystem::path printsFolder, const util::Clock& clock,
                             PrinterQuery installed)
    : util::RecordingPrintDevice(std::vector<std::string>{}),
      printsFolder_(std::move(printsFolder)),
      clock_(clock),
      installed_(std::move(installed)) {
  std::string systemDefault = installed_ ? installed_().systemDefault : std::string();
  if (systemDefault.empty() || !SetActiveDevice(systemDefault)) {
    SetActiveDevice(util::kPdfPrinterName);
  }
}

std::vector<std::string> QtPrintDevice::DeviceNames() const {
  std::vector<std::string> names;
  if (installed_) {
    for (auto& printer : installed_().printers) {
      if (printer.name != util::kPdfPrinterName) names.push_back(std::move(printer.name));
    }
  }
  names.emplace_back(util::kPdfPrinterName);
  return names;
}

bool QtPrintDevice::SetActiveDevice(std::string_view name) {
  std::string wanted(util::TrimDeviceName(name));
  InstalledPrinter chosen{wanted};  // the PDF printer's paper is A4
  bool found = wanted == util::kPdfPrinterName;
  if (!found && installed_) {
    for (const auto& printer : installed_().printers) {
      if (util::TrimDeviceName(printer.name) == wanted) {
        chosen = printer;
        found = true;
        break;
      }
    }
  }
  if (!found || !util::RecordingPrintDevice::SetActiveDevice(wanted)) return false;
  SetPaperSize(chosen.paperWidth, chosen.paperHeight);
  return true;
}

double QtPrintDevice::MeasureText(std::string_view text, double points, bool bold) const {
  return PrintedTextWidth(text, points, bold);
}

bool QtPrintDevice::SubmitPage(const util::PrintedPage& page) {
  if (holding_) {
    held_.push_back(page);
    return true;
  }
  return Submit(page);
}

std::vector<util::PrintedPage> QtPrintDevice::TakeHeldPages() {
  return std::exchange(held_, {});
}

bool QtPrintDevice::Submit(const util::PrintedPage& page) {
  if (page.device == util::kPdfPrinterName) return SubmitToPdf(page);
  return SubmitToPrinter(page);
}

std::filesystem::path QtPrintDevice::NewPdfFile(const std::string& jobName) const {
  util::CivilDateTime t = util::ToCivil(clock_.Now());
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d-%02d-%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  const std::string base = FileNamePart(jobName) + " " + stamp;
  std::filesystem::path file = printsFolder_ / (base + ".pdf");
  for (int n = 2; std::filesystem::exists(file); ++n) {
    file = printsFolder_ / (base + " (" + std::to_string(n) + ").pdf");
  }
  return file;
}

bool QtPrintDevice::SubmitToPdf(const util::PrintedPage& page) {
  std::error_code ec;
  std::filesystem::create_directories(printsFolder_, ec);
  std::filesystem::path file = NewPdfFile(page.jobName);
  if (!WritePdfPage(file, page)) return false;
  lastPdfFile_ = file;
  return true;
}

bool QtPrintDevice::SubmitToPrinter(const util::PrintedPage& page) {
  QPrinterInfo info = QPrinterInfo::printerInfo(Q(page.device));
  if (info.isNull()) return false;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setPageOrientation(page.orientation == kLandscape ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
  printer.setDocName(Q(page.jobName.empty() ? std::string("Tormo") : page.jobName));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  RenderPage(painter, page, kMmPerInch / printer.resolution());
  return painter.end();
}

PrintPreviewDialog::PrintPreviewDialog(std::vector<util::PrintedPage> pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), printer_(std::make_unique<QPrinter>()) {
  setObjectName(QStringLiteral("PrintPreview"));
  setWindowTitle(QStringLiteral("معاينة قبل الطباعة"));
  setLayoutDirection(Qt::RightToLeft);
  // The preview draws into a file printer: it never talks to a spooler.
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setResolution(600);
  printer_->setFullPage(true);
  if (!pages_.empty()) printer_->setPageLayout(PageLayoutOf(pages_.front()));

  preview_ = new QPrintPreviewWidget(printer_.get(), this);
  preview_->setLayoutDirection(Qt::LeftToRight);
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { Paint(printer); });

  auto* print = new Button(QStringLiteral("طباعة"), this);
  print->setObjectName(QStringLiteral("CmdPrint"));
  auto* close = new Button(QStringLiteral("اغلاق"), this);
  close->setObjectName(QStringLiteral("CmdClose"));
  connect(print, &QPushButton::clicked, this, &QDialog::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  // Enter prints, Escape closes: a printout from the keyboard is one key
  // more than without the preview.
  print->setDefault(true);
  print->setFocus();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print);
  buttons->addWidget(close);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview_, 1);
  layout->addLayout(buttons);
  resize(900, 1000);
}

PrintPreviewDialog::~PrintPreviewDialog() = default;

void PrintPreviewDialog::Paint(QPrinter* printer) {
  QPainter painter;
  if (!painter.begin(printer)) return;
  bool first = true;
  for (const auto& page : pages_) {
    if (!first) printer->newPage();
    first = false;
    RenderPage(painter, page, kFileDotMm);
  }
  painter.end();
}

bool PrintWithPreview(QtPrintDevice& device, const std::function<void()>& printout,
                      QWidget* parent) {
  device.HoldPages(true);
  printout();
  device.HoldPages(false);
  std::vector<util::PrintedPage> pages = device.TakeHeldPages();
  if (pages.empty()) return false;
  PrintPreviewDialog dialog(pages, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  bool all = true;
  for (const auto& page : pages) all = device.Submit(page) && all;
  return all;
}

}  // namespace ui
