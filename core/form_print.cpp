#include "core/form_print.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/settings.h"
#include "util/numbers.h"

namespace core {
namespace {

std::string FormatSingle(float v) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

float ToSingle(double v) {
  if (!std::isfinite(v) || std::fabs(v) > 3.4e38) return 0;
  return static_cast<float>(v);
}

// A typed whole number: rounded half to even, held to the Integer range.
std::int16_t ToInteger(double v) {
  if (std::isnan(v)) return 0;
  double r = std::nearbyint(v);
  if (r < -32768) return -32768;
  if (r > 32767) return 32767;
  return static_cast<std::int16_t>(r);
}

}  // namespace

FFFPrint::FFFPrint(App& app, util::PrintDevice& device) : app_(app), device_(device) {
  app_.dialogResult = std::string(kClosedResult);
  List1 = device_.DeviceNames();
  if (List1.empty()) {
    List1.emplace_back(kNoPrinter);
    noPrinter_ = true;
  }

  const auto& settings = app_.settings();
  // The stored printer; with none stored (or one no longer installed) the
  // active one, which starts as the system's default.
  for (const std::string& wanted : {settings.printerName(), device_.DeviceName()}) {
    if (List1Index >= 0 || wanted.empty()) continue;
    for (std::size_t i = 0; i < List1.size(); ++i) {
      if (List1[i] == wanted) {
        List1Index = static_cast<int>(i);
        break;
      }
    }
  }
  TextLeft = FormatSingle(settings.printLeft());
  TextTop = FormatSingle(settings.printTop());
  TttPageCount = std::to_string(PrintCopies(app_));
}

bool FFFPrint::Ok() {
  std::string selected;
  if (List1Index >= 0 && static_cast<std::size_t>(List1Index) < List1.size()) {
    selected = List1[static_cast<std::size_t>(List1Index)];
  }
  // The placeholder of an empty list is no printer: the system default stays.
  if (noPrinter_) selected.clear();
  if (!selected.empty()) device_.SetActiveDevice(selected);

  auto& settings = app_.settings();
  settings.setPrinterName(selected);
  settings.setPrintLeft(ToSingle(util::LeadingNumber(TextLeft)));
  settings.setPrintTop(ToSingle(util::LeadingNumber(TextTop)));
  settings.setPrintPages(ToInteger(util::LeadingNumber(TttPageCount)));
  bool saved = app_.Report(SaveSettings(app_));
  Finish(kOkResult);
  return saved;
}

void FFFPrint::Cancel() { Finish(kCancelResult); }

void FFFPrint::Close() {
  if (!closed_) Finish(kClosedResult);
}

void FFFPrint::Finish(std::string_view result) {
  app_.dialogResult = std::string(result);
  closed_ = true;
}

int PrintCopies(const App& app) {
  int pages = app.settings().printPages();
  return pages < 1 ? 1 : pages;
}

void OpenPrinterSettings(App& app, util::PrintDevice& device) {
  FFFPrint dialog(app, device);
  app.interaction().RunModal(dialog);

  std::string name = device.DeviceName();
  if (name.empty()) {
    app.interaction().ShowMessage(kNoPrinterToSet, util::MessageIcon::Information);
  } else if (name == util::kPdfPrinterName) {
    app.interaction().ShowMessage(kPdfPrinterHasNoSettings, util::MessageIcon::Information);
  } else if (!app.platform().StartProgram("system-config-printer",
                                          {"--configure-printer", name})) {
    app.interaction().ShowMessage(kNoPrinterSettingsTool, util::MessageIcon::Information);
  }
}

}  // namespace core
