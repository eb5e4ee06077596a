#include "util/recording_print_device.h"

#include <cmath>
#include <utility>

namespace util {
namespace {

bool Finite(double v) { return std::isfinite(v); }

std::size_t CodePoints(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++n;
  }
  return n;
}

}  // namespace

std::string_view TrimDeviceName(std::string_view name) {
  constexpr std::string_view kBlanks(" \t\0", 3);
  auto first = name.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  auto last = name.find_last_not_of(kBlanks);
  return name.substr(first, last - first + 1);
}

RecordingPrintDevice::RecordingPrintDevice(std::vector<std::string> deviceNames)
    : deviceNames_(std::move(deviceNames)) {
  if (!deviceNames_.empty()) active_ = deviceNames_.front();
}

void RecordingPrintDevice::SetOrientation(int orientation) {
  if (orientation == kPortrait || orientation == kLandscape) page_.orientation = orientation;
}

void RecordingPrintDevice::SetScaleLeft(double mm) {
  if (Finite(mm)) scaleLeft_ = mm;
}

double RecordingPrintDevice::ScaleHeight() const {
  return page_.orientation == kLandscape ? paperWidth_ : paperHeight_;
}

void RecordingPrintDevice::SetFontSize(double points) {
  if (Finite(points) && points > 0) fontSize_ = points;
}

void RecordingPrintDevice::SetCurrentX(double mm) {
  if (Finite(mm)) x_ = mm;
}

void RecordingPrintDevice::SetCurrentY(double mm) {
  if (Finite(mm)) y_ = mm;
}

void RecordingPrintDevice::Print(std::string_view text) {
  double width = TextWidth(text);
  if (!text.empty()) {
    page_.texts.push_back({std::string(text), x_ - scaleLeft_, y_, fontSize_, bold_});
  }
  x_ += width;
}

double RecordingPrintDevice::TextWidth(std::string_view text) const {
  double width = MeasureText(text, fontSize_, bold_);
  return Finite(width) ? width : 0;
}

double RecordingPrintDevice::MeasureText(std::string_view text, double points, bool) const {
  return kMmPerPointPerCharacter * points * static_cast<double>(CodePoints(text));
}

void RecordingPrintDevice::Line(double x1, double y1, double x2, double y2) {
  if (!Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2)) return;
  page_.lines.push_back({x1 - scaleLeft_, y1, x2 - scaleLeft_, y2, drawWidth_});
}

bool RecordingPrintDevice::EndDoc() {
  PrintedPage ended = std::exchange(page_, PrintedPage{});
  x_ = 0;
  y_ = 0;
  scaleLeft_ = 0;
  if (ended.empty() || active_.empty() || failing_) return false;
  ended.device = active_;
  ended.jobName = jobName_;
  ended.paperWidth = paperWidth_;
  ended.paperHeight = paperHeight_;
  return SubmitPage(ended);
}

bool RecordingPrintDevice::SubmitPage(const PrintedPage& page) {
  jobs_.push_back(page);
  return true;
}

bool RecordingPrintDevice::SetActiveDevice(std::string_view name) {
  std::string_view wanted = TrimDeviceName(name);
  for (const auto& device : DeviceNames()) {
    if (TrimDeviceName(device) == wanted) {
      active_ = device;
      return true;
    }
  }
  return false;
}

void RecordingPrintDevice::SetPaperSize(double widthMm, double heightMm) {
  if (Finite(widthMm) && Finite(heightMm) && widthMm > 0 && heightMm > 0) {
    paperWidth_ = widthMm;
    paperHeight_ = heightMm;
  }
}

}  // namespace util
