#pragma once
// The recipient editor's view: the record number (a click chooses another),
// the name and number boxes, the state-expense panel, the three buttons,
// the edit menu and the blinking status line.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <vector>

#include "dispensing/form_marid_edit.h"
#include "ui/form_ptnt_view.h"

namespace ui {

class FormMaridEditView : public QDialog {
  Q_OBJECT
 public:
  FormMaridEditView(dispensing::FormMaridEdit& logic, QWidget* parent = nullptr);

  QTimer& blinkTimer() { return blink_; }
  // Shows the logic's state in the controls.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* Box(const char* name, std::string& text);
  // Runs an action of the logic, then shows its state.
  template <class Action>
  void Act(Action action) {
    action();
    Refresh();
  }

  dispensing::FormMaridEdit& logic_;
  ClickLabel* lll_;
  QLabel* nameCaption_;
  QLabel* numberCaption_;
  QLineEdit* textName_;
  QLineEdit* textNid_;
  QLineEdit* textQPeriod_;
  QLineEdit* textQMony_;
  QLineEdit* textQId_;
  ClickLabel* startDate_;
  ClickLabel* classy_;
  QLabel* status_;
  std::vector<QLineEdit*> boxes_;
  QTimer blink_;
};

}  // namespace ui
