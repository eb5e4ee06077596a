#include "ui/form_main_view.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QMenuBar>
#include <QMouseEvent>

#include "ui/button.h"
#include "ui/form_end_view.h"
#include "ui/style.h"

namespace ui {

FormMainView::FormMainView(core::App& app, core::FormMain& logic, QWidget* parent)
    : QMainWindow(parent), app_(app), logic_(logic) {
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(Q(core::FormMain::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setStyleSheet(QStringLiteral("QMainWindow { background-color: %1; }")
                    .arg(ToQColor(core::FormMain::kBackground).name()));

  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setScaledContents(true);
  image_->setMinimumSize(1, 1);
  image_->installEventFilter(this);
  setCentralWidget(image_);

  patientMenu_ = menuBar()->addMenu(QString());
  patientsEdit_ = patientMenu_->addAction(QString());
  maridHistory_ = patientMenu_->addAction(QString());
  hospitalsEdit_ = patientMenu_->addAction(QStringLiteral("بيانات المستشفيات الفرعية"));
  patientsEdit_->setEnabled(false);
  maridHistory_->setEnabled(false);
  hospitalsEdit_->setEnabled(false);

  quickPanel_ = new QFrame(image_);
  quickPanel_->setObjectName(QStringLiteral("PPPQuick"));
  quickPanel_->setStyleSheet(QStringLiteral("#PPPQuick { background-color: rgb(64, 64, 64); border-radius: 6px; }"));
  auto* grid = new QGridLayout(quickPanel_);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setSpacing(12);
  struct Quick {
    const char* name;
    const char* caption;
  };
  const Quick buttons[] = {
      {"BtnLogin", "تسجيل الدخول"}, {"BtnDrugs", "الادوية"},    {"BtnWarid", "الوارد"},
      {"BtnMonsarif", "المنصرف"},   {"BtnYawmy", "يومي"},       {"Command9", "شهري"},
      {"BtnRawakid", "الرواكد"},    {"BtnCancel", "الغاء"},
  };
  for (int i = 0; i < 8; ++i) {
    auto* button = new Button(QString::fromUtf8(buttons[i].caption), quickPanel_);
    button->setObjectName(QString::fromLatin1(buttons[i].name));
    button->setMinimumSize(150, 60);
    button->setFont(ArabicFont(15, true));
    // In a right-to-left layout column 0 is the rightmost.
    grid->addWidget(button, i / 4, i % 4);
    if (i == 7) {
      connect(button, &QPushButton::clicked, this, [this] {
        logic_.HideQuickPanel();
        Refresh();
      });
    } else {
      // These open the daily screens, which arrive with their own features.
      button->setEnabled(false);
    }
  }
  quickPanel_->adjustSize();
  Refresh();
}

FormMainView::~FormMainView() = default;

void FormMainView::Refresh() {
  const auto& menus = logic_.menus();
  patientMenu_->setTitle(Q(menus.muPatient));
  patientsEdit_->setText(Q(menus.mnuPatientsedit));
  maridHistory_->setText(Q(menus.mnuMaridHisrory));
  // The hospital sub-data screen follows the program type once it is part of
  // the program; until then its entry stays disabled.
  hospitalsEdit_->setEnabled(false);
  quickPanel_->setVisible(logic_.quickPanelVisible());
  CentreQuickPanel();
}

void FormMainView::CentreQuickPanel() {
  quickPanel_->move((image_->width() - quickPanel_->width()) / 2,
                    (image_->height() - quickPanel_->height()) / 2);
}

bool FormMainView::event(QEvent* event) {
  bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && !logic_.hidden()) {
    logic_.Activate();
    if (!app_.ExitRequested()) Refresh();
  }
  return handled;
}

void FormMainView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  image_->setPixmap(MainPicture(image_->size()));
  CentreQuickPanel();
}

bool FormMainView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_ && event->type() == QEvent::MouseButtonPress) {
    logic_.ImageClicked();
    Refresh();
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormMainView::closeEvent(QCloseEvent* event) {
  if (app_.ExitRequested()) {
    event->accept();
    return;
  }
  logic_.RequestClose();
  hide();
  if (!endWindow_) endWindow_ = std::make_unique<FormEndView>(app_);
  endWindow_->show();
  event->accept();
}

}  // namespace ui
