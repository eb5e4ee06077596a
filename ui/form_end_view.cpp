#include "ui/form_end_view.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ui {

FormEndView::FormEndView(core::App& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), logic_(app) {
  setObjectName(QStringLiteral("FormEnd"));
  setFixedSize(320, 140);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(maintenance::FormEnd::kBackground));
  setPalette(pal);
  auto* caption = new QLabel(Q(maintenance::FormEnd::kCaption), this);
  caption->setAlignment(Qt::AlignCenter);
  QFont font = caption->font();
  font.setPointSize(28);
  font.setBold(true);
  caption->setFont(font);
  caption->setStyleSheet(QStringLiteral("color: %1;").arg(
      ToQColor(maintenance::FormEnd::kCaptionColour).name()));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  if (auto* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void FormEndView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The close sequence runs once the window is on screen.
  QTimer::singleShot(0, this, [this] { logic_.Activate(); });
}

}  // namespace ui
