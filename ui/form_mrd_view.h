#pragma once
// The supplier dialog: a tool window with the list of suppliers, "تعديل"
// and the send button; "تعديل" makes it taller to show the rename and add
// buttons.

#include <QDialog>

#include "receipts/form_mrd.h"

class QListWidget;
class QPushButton;

namespace ui {

class FormMrdView : public QDialog {
  Q_OBJECT
 public:
  FormMrdView(receipts::FormMrd& logic, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }

 private:
  // Redraws from the logic; closes once the logic has closed.
  void Refresh();

  receipts::FormMrd& logic_;
  QListWidget* list_;
  QPushButton* rename_;
  QPushButton* add_;
};

}  // namespace ui
