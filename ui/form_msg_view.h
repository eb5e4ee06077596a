#pragma once
// The text window's view.

#include <QDialog>

#include "core/form_msg.h"

namespace ui {

class FormMsgView : public QDialog {
  Q_OBJECT
 public:
  FormMsgView(core::FormMsg& logic, QWidget* parent = nullptr);
};

}  // namespace ui
