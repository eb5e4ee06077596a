#pragma once
// The identity screen's view: three labelled boxes, "ok" and "Cancel".

#include <QDialog>
#include <QLineEdit>

#include "core/form_pharmacy_info.h"

namespace ui {

class FormPharmacyInfoView : public QDialog {
  Q_OBJECT
 public:
  FormPharmacyInfoView(core::FormPharmacyInfo& logic, QWidget* parent = nullptr);

 protected:
  // The window's close button and Escape close without storing.
  void reject() override;

 private:
  void Ok();

  core::FormPharmacyInfo& logic_;
  QLineEdit* governorate_;
  QLineEdit* hospital_;
  QLineEdit* department_;
};

}  // namespace ui
