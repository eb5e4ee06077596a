#pragma once
// The printer device of tormo-cli's "--pdf FILE": one printer, "PDF", whose
// every ended page is written to the given file as a one-page PDF (a later
// page replaces an earlier one). Pages are measured and drawn by the same
// code as the program's own PDF printer (ui/page_painter.h), so both lay
// out and look alike.
//
// Qt's GUI module is started by the device itself, without a display
// (QT_QPA_PLATFORM=offscreen when the variable is unset), so the other
// commands of tormo-cli never start it.
#include <filesystem>
#include <memory>
#include <string_view>

#include "util/recording_print_device.h"

class QGuiApplication;

namespace app {

class PdfFileDevice : public util::RecordingPrintDevice {
 public:
  explicit PdfFileDevice(std::filesystem::path file);
  ~PdfFileDevice() override;
  PdfFileDevice(const PdfFileDevice&) = delete;
  PdfFileDevice& operator=(const PdfFileDevice&) = delete;

 protected:
  double MeasureText(std::string_view text, double points, bool bold) const override;
  bool SubmitPage(const util::PrintedPage& page) override;

 private:
  int argc_ = 1;
  char name_[10] = "tormo-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> gui_;
  std::filesystem::path file_;
};

}  // namespace app
