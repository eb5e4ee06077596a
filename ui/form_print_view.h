#pragma once
// The printer choice "Select Printer": the printer list, the Left, Top and
// Pages boxes, OK and Cancel.

#include <QDialog>

#include "core/form_print.h"

class QLineEdit;
class QListWidget;

namespace ui {

class FormPrintView : public QDialog {
  Q_OBJECT
 public:
  FormPrintView(core::FFFPrint& logic, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }

 public slots:
  // Escape and the window's close button: closed without a choice.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  core::FFFPrint& logic_;
  QListWidget* list_;
};

}  // namespace ui
