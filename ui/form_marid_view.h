#pragma once
// The recipient history's view: the prompt, the recipient's name (a click
// chooses another), the ticket grid and the drug grid side by side.

#include <QDialog>
#include <QLabel>

#include "dispensing/form_marid.h"
#include "ui/form_ptnt_view.h"
#include "ui/grid_view.h"

namespace ui {

class FormMaridView : public QDialog {
  Q_OBJECT
 public:
  FormMaridView(dispensing::FormMarid& logic, QWidget* parent = nullptr);

  ClickLabel* patientLabel() const { return patientId_; }
  GridView* tickets() const { return tickets_; }
  GridView* drugs() const { return drugs_; }

 private:
  void Refresh();

  dispensing::FormMarid& logic_;
  QLabel* prompt_;
  ClickLabel* patientId_;
  GridView* tickets_;
  GridView* drugs_;
};

}  // namespace ui
