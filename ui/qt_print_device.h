#pragma once
// The printer device on Qt PrintSupport. A page is kept as drawn (texts and
// lines in millimetres) and rendered when it ends: on the chosen printer as
// a job of its own (QPrinter, full page, so 0,0 is the paper's corner), or,
// for the "PDF" printer, into a PDF file of its own in the prints folder.
// Texts are drawn and measured as ui/page_painter.h does it, as are the
// pages of tormo-cli's PDF writer.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/page_painter.h"
#include "util/clock.h"
#include "util/recording_print_device.h"

class QPrinter;
class QPrintPreviewWidget;

namespace ui {

// The printers installed on the system, each with its default paper.
struct InstalledPrinter {
  std::string name;
  double paperWidth = 210;  // mm, portrait
  double paperHeight = 297;
};
struct InstalledPrinters {
  std::vector<InstalledPrinter> printers;
  std::string systemDefault;
};

class QtPrintDevice : public util::RecordingPrintDevice {
 public:
  using PrinterQuery = std::function<InstalledPrinters()>;

  // The CUPS queues, asked each time the list is needed (printers come and
  // go while the program runs).
  static InstalledPrinters SystemPrinters();

  // PDF jobs go to printsFolder, named by the job name and the clock's time
  // ("تذكرة 2025-01-31 14-05-09.pdf"). The active printer starts as the
  // system's default, or the PDF printer when there is none.
  QtPrintDevice(std::filesystem::path printsFolder, const util::Clock& clock,
                PrinterQuery installed = SystemPrinters);

  // The installed printers, then "PDF". An installed queue named "PDF" is
  // left out: that name is the file printer's.
  std::vector<std::string> DeviceNames() const override;
  // Also takes the new printer's paper size.
  bool SetActiveDevice(std::string_view name) override;

  // While held, ended pages are kept instead of submitted (a print preview
  // shows them first).
  void HoldPages(bool hold) { holding_ = hold; }
  std::vector<util::PrintedPage> TakeHeldPages();
  // Sends one ended page to its printer now, as one job.
  bool Submit(const util::PrintedPage& page);

  const std::filesystem::path& printsFolder() const { return printsFolder_; }
  // The file the last PDF job was written to (empty before the first).
  const std::filesystem::path& lastPdfFile() const { return lastPdfFile_; }

 protected:
  double MeasureText(std::string_view text, double points, bool bold) const override;
  bool SubmitPage(const util::PrintedPage& page) override;

 private:
  bool SubmitToPdf(const util::PrintedPage& page);
  bool SubmitToPrinter(const util::PrintedPage& page);
  std::filesystem::path NewPdfFile(const std::string& jobName) const;

  std::filesystem::path printsFolder_;
  const util::Clock& clock_;
  PrinterQuery installed_;
  bool holding_ = false;
  std::vector<util::PrintedPage> held_;
  std::filesystem::path lastPdfFile_;
};

// A print preview of ended pages, with "طباعة" (print, accepts) and
// "اغلاق" (close, rejects).
class PrintPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PrintPreviewDialog(std::vector<util::PrintedPage> pages, QWidget* parent = nullptr);
  ~PrintPreviewDialog() override;

  QPrintPreviewWidget* preview() const { return preview_; }

 private:
  void Paint(QPrinter* printer);

  std::vector<util::PrintedPage> pages_;
  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* preview_ = nullptr;
};

// Where a printout starts: runs it with its pages held, shows them in the
// preview and, when the user prints, sends each page as a job of its own.
// False when nothing was printed.
bool PrintWithPreview(QtPrintDevice& device, const std::function<void()>& printout,
                      QWidget* parent = nullptr);

}  // namespace ui
