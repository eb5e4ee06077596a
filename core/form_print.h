#pragma once
// The printer choice "Select Printer": the printer the printouts go to, the
// left and top offsets they add to every position, and the number of copies
// they print. The values live in the settings record.

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"
#include "util/print_device.h"

namespace core {

class FFFPrint : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFPrint";
  static constexpr std::string_view kCaption = "Select Printer";
  static constexpr std::string_view kNoPrinter = "(No Printer Installed)";
  // The results left in App::dialogResult.
  static constexpr std::string_view kOkResult = "ok";
  static constexpr std::string_view kCancelResult = "16711935";
  static constexpr std::string_view kClosedResult = "0";

  // Opening: the printers of the device with the stored one selected, the
  // stored offsets and copies (a stored count below 1 shows as 1). Until a
  // button closes the dialog its result is "0".
  FFFPrint(App& app, util::PrintDevice& device);
  std::string_view ScreenName() const override { return kName; }

  // "OK": makes the selected printer active, stores its name (100
  // characters), the offsets and the copies as typed (each the leading
  // number of its box), writes the settings record and closes with "ok".
  // False when the record could not be written (the message is shown; the
  // choice holds for this run and the dialog closes all the same).
  bool Ok();
  // "Cancel": closes with "16711935", storing nothing.
  void Cancel();
  // Closed any other way (the window's close button, Escape): "0".
  void Close();

  bool closed() const { return closed_; }

  // The controls. List1Index is the selected entry of List1, -1 for none.
  std::vector<std::string> List1;
  int List1Index = -1;
  std::string TextLeft;        // "Left", mm
  std::string TextTop;         // "Top", mm
  std::string TttPageCount;    // "Pages", copies

 private:
  void Finish(std::string_view result);

  App& app_;
  util::PrintDevice& device_;
  bool noPrinter_ = false;
  bool closed_ = false;
};

// The number of copies a printout prints: the stored count, at least 1.
int PrintCopies(const App& app);

// The messages of the printer settings entry.
inline constexpr std::string_view kNoPrinterToSet = "لا توجد طابعة مثبتة علي هذا الجهاز";
inline constexpr std::string_view kPdfPrinterHasNoSettings =
    "طابعة PDF تحفظ كل صفحة ملفا في مجلد prints داخل مجلد البرنامج وليس لها اعدادات";
inline constexpr std::string_view kNoPrinterSettingsTool =
    "لا توجد علي هذا الجهاز شاشة لاعدادات الطابعة\n"
    "ثبت البرنامج system-config-printer او اضبط الطابعة من اعدادات النظام";

// The printer settings entry of the main menu: shows the printer choice,
// then opens the printing preferences of the active printer
// (system-config-printer --configure-printer NAME). Where the active
// printer has none (the PDF printer, no printer) or the system has no such
// tool, a message says so.
void OpenPrinterSettings(App& app, util::PrintDevice& device);

}  // namespace core
