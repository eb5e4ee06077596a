#pragma once
// The opening-balance screen: the heading, the grid of every drug, the
// chosen drug's name, the balance box, the month and year lists of the
// earliest expiry and "OK". Enter moves from the balance to the month, to
// the year, then to OK.

#include <QDialog>

#include "receipts/form_rasid_start.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class GridView;

class FormRasidStartView : public QDialog {
  Q_OBJECT
 public:
  FormRasidStartView(receipts::FormRasidStart& logic, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();
  void FollowFocus();

  receipts::FormRasidStart& logic_;
  GridView* grid_;
  QLabel* lllDrugName_;
  QLineEdit* textQ_;
  QComboBox* comboM_;
  QComboBox* comboY_;
  QPushButton* ok_;
};

}  // namespace ui
