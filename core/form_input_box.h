#pragma once
// The input dialog: a title line, one text box and "OK", "Help", "Cancel".
// Its answer is the shared dialog result of the run, emptied when the dialog
// opens: the box's text after OK or Enter, empty after Cancel or a close.

#include <string>
#include <string_view>

#include "core/app.h"
#include "util/interaction.h"

namespace core {

class FormInputBox : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFIB";

  // Opening the dialog empties the run's dialog result.
  FormInputBox(App& app, std::string title, std::string userInput = {}, std::string helpText = {});
  std::string_view ScreenName() const override { return kName; }

  const std::string& title() const { return title_; }
  const std::string& userInput() const { return userInput_; }
  void SetUserInput(std::string text) { userInput_ = std::move(text); }

  void Ok();
  void Cancel();
  // Shows the help text (empty unless the caller set one).
  void Help();
  bool closed() const { return closed_; }

 private:
  App& app_;
  std::string title_;
  std::string userInput_;
  std::string helpText_;
  bool closed_ = false;
};

// Shows the input dialog modally and returns the dialog result.
std::string AskInput(App& app, std::string title, std::string initial = {});

}  // namespace core
