#pragma once
// The program-type window: four large buttons, no way to close it but a
// choice.

#include <QDialog>

#include "core/form_select_type.h"

namespace ui {

class FormSelectTypeView : public QDialog {
  Q_OBJECT
 public:
  FormSelectTypeView(core::FormSelectType& logic, QWidget* parent = nullptr);

 protected:
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  core::FormSelectType& logic_;
};

}  // namespace ui
