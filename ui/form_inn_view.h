#pragma once
// The receipt screen: the order's number with "<" and ">", "طلبية جديدة",
// the order's date and weekday; the number, name, quantity and expiry
// entries with "اضف"; the grid of the lines; the supplier (a click chooses
// it), the writer's number and Send / Back; the edit menu. Enter moves from
// entry to entry as the logic says and adds the line from the expiry box.

#include <QDialog>

#include "receipts/form_inn.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace ui {

class GridView;

class FormInnView : public QDialog {
  Q_OBJECT
 public:
  FormInnView(receipts::FormInn& logic, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Redraws every control from the logic.
  void Refresh();
  // Moves the input focus where the logic says it belongs.
  void FollowFocus();
  // Runs a user action on the logic, then redraws (and follows the focus
  // for the actions of the keyboard flow).
  template <class Action>
  void Act(Action action, bool followFocus = false);

  receipts::FormInn& logic_;
  QMenuBar* menu_;
  QLabel* lll_;
  QLabel* lllDate_;
  QLabel* cccDay_;
  QLineEdit* text1_;
  QComboBox* combo1_;
  QLineEdit* text2_;
  QComboBox* comboExpire_;
  QPushButton* command8_;
  GridView* grid_;
  QPushButton* lllMrd_;
  QLabel* lllUserId_;
  QPushButton* command7_;
};

}  // namespace ui
