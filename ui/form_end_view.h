#pragma once
// The closing window "Wait": borderless and dark; its activation runs the
// close sequence, which ends the program.

#include <QWidget>

#include "maintenance/form_end.h"

namespace ui {

class FormEndView : public QWidget {
  Q_OBJECT
 public:
  explicit FormEndView(core::App& app, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  maintenance::FormEnd logic_;
};

}  // namespace ui
