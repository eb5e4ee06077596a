#pragma once
// The interaction seam: every message, question and modal screen a screen's
// logic shows goes through an Interaction. The program implements it with
// real dialogs; tests script the answers and record every text shown.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace util {

class PrintDevice;

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class Answer { Yes, No, Cancel };

// The logic of a modal screen. The program shows the view registered for its
// name; a test acts on the logic object directly.
class ModalScreen {
 public:
  virtual ~ModalScreen() = default;
  virtual std::string_view ScreenName() const = 0;
};

class Interaction {
 public:
  virtual ~Interaction() = default;

  virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::None,
                           std::string_view title = {}) = 0;
  // A Yes / No question; closing the box answers Cancel.
  virtual Answer AskYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question,
                          std::string_view title = {}) = 0;
  // A one-line input with a prompt; nothing when cancelled.
  virtual std::optional<std::string> InputBox(std::string_view prompt, std::string_view title = {},
                                              std::string_view initial = {}) = 0;
  // Shows the screen modally and returns when it closes.
  virtual void RunModal(ModalScreen& screen) = 0;

  // Starts a printout that draws its pages on the device. The program keeps
  // the pages, shows them in a print preview and sends them to the printer
  // only when the user prints; here they go straight to the device. False
  // when nothing went out (the preview was closed, or nothing was drawn).
  virtual bool RunPrintout(PrintDevice& device, const std::function<void()>& printout) {
    (void)device;
    printout();
    return true;
  }
};

}  // namespace util
