#pragma once
// The date dialog: a small borderless window with the day, month and year
// boxes, "موافق" and "الغاء". Enter moves from box to box and then to OK.

#include <QDialog>

#include "core/form_day.h"

class QLineEdit;
class QPushButton;

namespace ui {

class FormDayView : public QDialog {
  Q_OBJECT
 public:
  FormDayView(core::FFFDay& logic, QWidget* parent = nullptr);

  QLineEdit* dayBox() const { return text1_; }
  QLineEdit* monthBox() const { return text2_; }
  QLineEdit* yearBox() const { return text3_; }

 public slots:
  // Escape: cancelled.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Moves the input focus where the logic says it belongs.
  void FollowFocus();
  void Ok();

  core::FFFDay& logic_;
  QLineEdit* text1_;
  QLineEdit* text2_;
  QLineEdit* text3_;
  QPushButton* ok_;
};

}  // namespace ui
