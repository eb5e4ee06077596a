#pragma once
// A printer device that keeps what is drawn: every text with its position,
// size and weight, every line with its ends and thickness, one page per
// job. Layout tests assert the millimetres of a printout on it; the Qt
// device builds on it and renders each page when it ends.

#include <string>
#include <string_view>
#include <vector>

#include "util/print_device.h"

namespace util {

// Positions are millimetres from the paper's left and top edges: the scale
// left in force when the text or line was drawn is already applied.
struct PrintedText {
  std::string text;
  double x = 0;
  double y = 0;
  double fontSize = 0;
  bool bold = false;
  bool operator==(const PrintedText&) const = default;
};

struct PrintedLine {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  int width = 1;
  bool operator==(const PrintedLine&) const = default;
};

struct PrintedPage {
  std::string device;
  std::string jobName;
  int orientation = PrintDevice::kPortrait;
  // The paper in portrait, mm.
  double paperWidth = 210;
  double paperHeight = 297;
  std::vector<PrintedText> texts;
  std::vector<PrintedLine> lines;

  bool empty() const { return texts.empty() && lines.empty(); }
};

class RecordingPrintDevice : public PrintDevice {
 public:
  // The text metric: 0.2 mm per point per character (code point), bold or
  // not. "abc" at 12 points is 7.2 mm wide.
  static constexpr double kMmPerPointPerCharacter = 0.2;
  static constexpr double kDefaultFontSize = 10;

  // The first name is the active printer; no names, no printer.
  explicit RecordingPrintDevice(std::vector<std::string> deviceNames = {"Printer"});

  void SetScaleModeMillimetres() override {}
  void SetOrientation(int orientation) override;
  int Orientation() const override { return page_.orientation; }
  void SetScaleLeft(double mm) override;
  double ScaleLeft() const override { return scaleLeft_; }
  double ScaleHeight() const override;
  void SetFontSize(double points) override;
  double FontSize() const override { return fontSize_; }
  void SetFontBold(bool bold) override { bold_ = bold; }
  bool FontBold() const override { return bold_; }
  void SetCurrentX(double mm) override;
  double CurrentX() const override { return x_; }
  void SetCurrentY(double mm) override;
  double CurrentY() const override { return y_; }
  void Print(std::string_view text) override;
  double TextWidth(std::string_view text) const override;
  void SetDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
  int DrawWidth() const override { return drawWidth_; }
  void Line(double x1, double y1, double x2, double y2) override;
  bool EndDoc() override;
  std::vector<std::string> DeviceNames() const override { return deviceNames_; }
  std::string DeviceName() const override { return active_; }
  bool SetActiveDevice(std::string_view name) override;
  void SetJobName(std::string_view name) override { jobName_ = std::string(name); }

  // The paper of the active printer in portrait, mm (A4 unless set).
  void SetPaperSize(double widthMm, double heightMm);
  // Makes EndDoc fail, as a spooler that refuses the job.
  void SetFailing(bool failing) { failing_ = failing; }

  // The pages submitted so far, one per job, and the page being drawn.
  const std::vector<PrintedPage>& jobs() const { return jobs_; }
  const PrintedPage& page() const { return page_; }

 protected:
  // The width in mm of the text at the given size.
  virtual double MeasureText(std::string_view text, double points, bool bold) const;
  // Sends the ended page out; true when it went.
  virtual bool SubmitPage(const PrintedPage& page);

 private:
  std::vector<std::string> deviceNames_;
  std::string active_;
  std::string jobName_;
  double paperWidth_ = 210;
  double paperHeight_ = 297;
  double scaleLeft_ = 0;
  double fontSize_ = kDefaultFontSize;
  bool bold_ = false;
  double x_ = 0;
  double y_ = 0;
  int drawWidth_ = 1;
  bool failing_ = false;
  PrintedPage page_;
  std::vector<PrintedPage> jobs_;
};

// Trims blanks (spaces, tabs, NULs) from both ends of a device name.
std::string_view TrimDeviceName(std::string_view name);

}  // namespace util
