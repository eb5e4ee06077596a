#include "ui/form_start.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui/style.h"

namespace ui {

FormStart::FormStart(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FormStart"));
  setFixedSize(460, 280);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 255, 192));
  setPalette(pal);

  picture_ = new QLabel(this);
  picture_->setGeometry(rect());
  picture_->setPixmap(StartPicture(size()));

  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setLayoutDirection(Qt::LeftToRight);
  label_->setAttribute(Qt::WA_TranslucentBackground);
  label_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  QFont font = label_->font();
  font.setPointSize(24);
  font.setBold(true);
  label_->setFont(font);
  label_->setGeometry(16, height() - 70, width() - 32, 50);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  if (auto* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  timer_.setInterval(50);
  connect(&timer_, &QTimer::timeout, this, &FormStart::Tick);
  timer_.start();
}

void FormStart::Tick() { label_->setText(QString::fromStdString(animation_.Tick())); }

}  // namespace ui
