#pragma once
// The drug screen: the number between "<" and ">", the boxes of the drug
// with their labels (locked boxes grey or pale yellow), the classifications,
// "جديد" and "حفظ", and the menu of ready catalogues. Enter in a box moves on
// to the next one.

#include <QDialog>
#include <array>

#include "drugs/form_drg.h"

class QLabel;
class QMenuBar;
class QWidget;

namespace ui {

class FormDrgView : public QDialog {
  Q_OBJECT
 public:
  FormDrgView(drugs::FormDrg& logic, QWidget* parent = nullptr);

  // The widget of a box: a line edit, or the unit label.
  QWidget* box(drugs::DrgBox box) const { return boxes_[static_cast<std::size_t>(box)]; }
  QLabel* numberLabel() const { return lll_; }
  QMenuBar* menuBar() const { return menuBar_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Redraws every box from the logic; closes once the logic has closed.
  void Refresh();
  // Runs a user action on the logic, then redraws.
  template <class Action>
  void Act(Action action);

  drugs::FormDrg& logic_;
  std::array<QWidget*, drugs::kDrgBoxCount> boxes_{};
  QLabel* lll_;
  QMenuBar* menuBar_;
};

}  // namespace ui
