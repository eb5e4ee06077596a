#pragma once
// The hospital sub-data screen's view: the recipient number (a click
// chooses another), its name, the grid of drugs and requirements, "حفظ"
// and "X".

#include <QDialog>
#include <QLineEdit>

#include "core/form_hospital_data.h"
#include "ui/form_ptnt_view.h"
#include "ui/grid_view.h"

namespace ui {

class FormHospitalDataView : public QDialog {
  Q_OBJECT
 public:
  FormHospitalDataView(core::FormHospitaldata& logic, QWidget* parent = nullptr);

  GridView* grid() const { return grid_; }

 protected:
  void reject() override;

 private:
  void Refresh();

  core::FormHospitaldata& logic_;
  ClickLabel* lll_;
  QLineEdit* textName_;
  GridView* grid_;
};

}  // namespace ui
