#pragma once
// The push button of every screen: rounded corners, a hover colour and a
// focus colour, Enter and Space click it.

#include <QPushButton>
#include <QString>
#include <string_view>

namespace ui {

class Button : public QPushButton {
  Q_OBJECT
 public:
  explicit Button(const QString& caption, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The caption of an arrow button ("<", ">"): between left-to-right marks,
// so that the right-to-left screens do not draw it mirrored.
QString ArrowCaption(std::string_view arrow);

}  // namespace ui
