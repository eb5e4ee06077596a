#pragma once
// The interaction seam: every message, question and modal screen a screen's
// logic shows goes through an Interaction. The program implements it with
// real dialogs; tests script the answers and record every text shown.

#include <optional>
#include <string>
#include <string_view>

namespace util {

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
};

}  // namespace util
