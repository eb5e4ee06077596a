#pragma once
// The input dialog's view: the title line, the text box (its content
// selected when the dialog opens), "OK", "Help", "Cancel".

#include <QDialog>
#include <QLineEdit>

#include "core/form_input_box.h"

namespace ui {

class FormInputBoxView : public QDialog {
  Q_OBJECT
 public:
  FormInputBoxView(core::FormInputBox& logic, QWidget* parent = nullptr);
  QLineEdit* input() const { return input_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  core::FormInputBox& logic_;
  QLineEdit* input_;
};

}  // namespace ui
