#pragma once
// The push button of every screen: rounded corners, a hover colour and a
// focus colour, Enter and Space click it.

#include <QPushButton>

namespace ui {

class Button : public QPushButton {
  Q_OBJECT
 public:
  explicit Button(const QString& caption, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
