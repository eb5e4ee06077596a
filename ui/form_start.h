#pragma once
// The start-up window: a small light-green window with a picture and the
// growing "Loading ...please wait" caption, shown while the tables load.

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "core/startup.h"

namespace ui {

class FormStart : public QWidget {
  Q_OBJECT
 public:
  explicit FormStart(QWidget* parent = nullptr);
  QString caption() const { return label_->text(); }

 public slots:
  void Tick();

 private:
  core::LoadingAnimation animation_;
  QLabel* picture_;
  QLabel* label_;
  QTimer timer_;
};

}  // namespace ui
