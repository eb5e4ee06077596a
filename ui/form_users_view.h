#pragma once
// The login window: the nine user buttons, the chosen user's number, the
// password box (Enter in it is OK) and "موافق".

#include <QDialog>

#include "core/form_users.h"

class QLabel;
class QLineEdit;

namespace ui {

class FormUsersView : public QDialog {
  Q_OBJECT
 public:
  FormUsersView(core::FormUsers& logic, QWidget* parent = nullptr);

  QLineEdit* passwordBox() const { return textPass_; }
  QLabel* chosenUserLabel() const { return lll_; }

 public slots:
  // Escape and the window's close button: closed without a login.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Refresh();
  void Ok();

  core::FormUsers& logic_;
  QLabel* lll_;
  QLineEdit* textPass_;
};

}  // namespace ui
