#include "ui/button.h"

#include <QKeyEvent>

namespace ui {

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(QStringLiteral(
      "ui--Button {"
      "  background-color: rgb(236, 240, 244); color: rgb(20, 40, 70);"
      "  border: 1px solid rgb(120, 140, 170); border-radius: 8px; padding: 6px 14px;"
      "}"
      "ui--Button:hover { background-color: rgb(255, 236, 170); border-color: rgb(200, 150, 40); }"
      "ui--Button:focus { background-color: rgb(190, 225, 255); border: 2px solid rgb(30, 110, 200); }"
      "ui--Button:pressed { background-color: rgb(160, 200, 240); }"
      "ui--Button:disabled { background-color: rgb(210, 210, 210); color: rgb(140, 140, 140);"
      "  border-color: rgb(180, 180, 180); }"));
}

void Button::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

QString ArrowCaption(std::string_view arrow) {
  const QString ltr(QChar(0x200E));
  return ltr + QString::fromUtf8(arrow.data(), static_cast<qsizetype>(arrow.size())) + ltr;
}

}  // namespace ui
