#pragma once
// The ticket screen: the ticket's number with "<" and ">", "جديد", its date
// and weekday; the number, name, balance and quantity entries with "اضف";
// the grid of the lines (a click takes the line's drug, a double click
// removes it); the recipient with its editor and history, the state-expense
// panel, the status lines and save / unsave; the edit menu. Enter moves from
// entry to entry as the logic says and F4 in the name box opens the pick list.

#include <QDialog>

#include "dispensing/form_oot.h"

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QMenuBar;
class QMouseEvent;
class QPushButton;
class QWidget;

namespace ui {

class GridView;

class FormOotView : public QDialog {
  Q_OBJECT
 public:
  FormOotView(dispensing::FormOot& logic, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Redraws every control from the logic.
  void Refresh();
  // Moves the input focus where the logic says it belongs.
  void FollowFocus();
  // Runs a user action on the logic, then redraws (and follows the focus
  // for the actions of the keyboard flow).
  template <class Action>
  void Act(Action action, bool followFocus = false);

  dispensing::FormOot& logic_;
  QMenuBar* menu_;
  QPushButton* lll_;
  QLabel* lllDate_;
  QLabel* cccDay_;
  QLabel* btnMonthlyfat_;
  QPushButton* command3_;
  QLineEdit* text1_;
  QComboBox* combo1_;
  QLineEdit* textRasid_;
  QLineEdit* text2_;
  QPushButton* command8_;
  GridView* grid_;
  QLabel* lllMaridTitle_;
  QPushButton* lllMarid_;
  QPushButton* editRecipient_;
  QPushButton* history_;
  QPushButton* backup_;
  QPushButton* reprint_;
  QWidget* pppNafaqa_;
  QLabel* lllClassy_;
  QLabel* lllQValue_;
  QLabel* lllQValueUpToNow_;
  QLabel* lllQPeriod_;
  QLabel* lllQDate_;
  QPushButton* lllQarar_;
  QLabel* lllMonyMarid_;
  QPushButton* lllAge_;
  QLabel* lllStatus_;
  QLabel* lllCode_;
  QLabel* lllUserId_;
  QPushButton* command7_;
};

}  // namespace ui
