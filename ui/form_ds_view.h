#pragma once
// The drug search: the letter buttons in one column, the refrigerator,
// schedule and special-nature buttons, the name search box and the list.
// The down-arrow key in the search box moves to the list.

#include <QDialog>

#include "drugs/form_ds.h"

class QLineEdit;
class QListWidget;

namespace ui {

class FormDsView : public QDialog {
  Q_OBJECT
 public:
  FormDsView(drugs::FormDs& logic, QWidget* parent = nullptr);

  QLineEdit* searchBox() const { return text1_; }
  QListWidget* list() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Redraws the list from the logic, follows its focus and closes once the
  // logic has closed.
  void Refresh();

  drugs::FormDs& logic_;
  QLineEdit* text1_;
  QListWidget* list_;
};

}  // namespace ui
