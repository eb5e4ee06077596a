#pragma once
// Messages, questions, inputs and modal screens as real dialogs. Each modal
// screen's view is registered under the name of its logic class.

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "util/interaction.h"

namespace ui {

class QtInteraction : public util::Interaction {
 public:
  using ViewFactory = std::function<std::unique_ptr<QDialog>(util::ModalScreen&, QWidget* parent)>;

  // Dialogs open over this window (the active window when unset).
  void SetParentWindow(QWidget* parent) { parent_ = parent; }
  void RegisterView(std::string name, ViewFactory factory);

  void ShowMessage(std::string_view text, util::MessageIcon icon, std::string_view title) override;
  util::Answer AskYesNo(std::string_view text, util::MessageIcon icon,
                        std::string_view title) override;
  std::optional<std::string> InputBox(std::string_view prompt, std::string_view title,
                                      std::string_view initial) override;
  void RunModal(util::ModalScreen& screen) override;
  // On the program's printer the pages are shown in the print preview first.
  bool RunPrintout(util::PrintDevice& device, const std::function<void()>& printout) override;

 private:
  QWidget* Parent() const;
  QPointer<QWidget> parent_;
  std::map<std::string, ViewFactory, std::less<>> views_;
};

// Registers View as the view of the modal screen Logic (named Logic::kName).
template <class Logic, class View>
void RegisterView(QtInteraction& interaction) {
  interaction.RegisterView(std::string(Logic::kName),
                           [](util::ModalScreen& screen, QWidget* parent) -> std::unique_ptr<QDialog> {
                             return std::make_unique<View>(static_cast<Logic&>(screen), parent);
                           });
}

}  // namespace ui
