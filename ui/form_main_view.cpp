#include "ui/form_main_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

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

  menuBar()->setLayoutDirection(Qt::RightToLeft);
  menuBar()->setFont(ArabicFont(12));
  BuildMenus(nullptr, logic_.MenuBar());
  BuildQuickPanel();

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("PurgeProgress"));
  progress_->setLayoutDirection(Qt::RightToLeft);
  statusBar()->addPermanentWidget(progress_, 1);
  statusBar()->hide();
  logic_.SetPurgeProgress(
      [this](std::int32_t written, std::int32_t total) { PurgeProgress(written, total); });

  Refresh();
}

FormMainView::~FormMainView() { logic_.SetPurgeProgress({}); }

void FormMainView::BuildMenus(QMenu* parent, const std::vector<core::MenuEntry>& entries) {
  for (const auto& entry : entries) {
    if (entry.IsSeparator()) {
      if (parent != nullptr) parent->addSeparator();
      continue;
    }
    if (entry.IsSubmenu()) {
      QMenu* menu = parent != nullptr ? parent->addMenu(Q(entry.caption))
                                      : menuBar()->addMenu(Q(entry.caption));
      menu->setLayoutDirection(Qt::RightToLeft);
      menu->setFont(ArabicFont(12));
      if (!entry.name.empty()) menu->setObjectName(QString::fromStdString(entry.name));
      menuActions_.push_back(menu->menuAction());
      BuildMenus(menu, entry.entries);
      continue;
    }
    QAction* action = parent->addAction(Q(entry.caption));
    if (!entry.name.empty()) action->setObjectName(QString::fromStdString(entry.name));
    // The action belongs to the logic and lives as long as it; the entry's
    // caption and state are refreshed, its action stays.
    if (entry.action) {
      connect(action, &QAction::triggered, this, [this, run = entry.action] {
        run();
        if (!app_.ExitRequested()) Refresh();
      });
    }
    menuActions_.push_back(action);
  }
}

void FormMainView::RefreshMenus(const std::vector<core::MenuEntry>& entries, std::size_t& next) {
  for (const auto& entry : entries) {
    if (entry.IsSeparator()) continue;
    if (next >= menuActions_.size()) return;
    QAction* action = menuActions_[next++];
    action->setText(Q(entry.caption));
    action->setEnabled(entry.enabled);
    if (entry.IsSubmenu()) RefreshMenus(entry.entries, next);
  }
}

void FormMainView::BuildQuickPanel() {
  quickPanel_ = new QFrame(image_);
  quickPanel_->setObjectName(QStringLiteral("PPPQuick"));
  quickPanel_->setStyleSheet(QStringLiteral("#PPPQuick { background-color: %1; border-radius: 6px; }")
                                 .arg(ToQColor(core::FormMain::kQuickPanelColour).name()));
  auto* grid = new QGridLayout(quickPanel_);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->setSpacing(12);
  int i = 0;
  for (const auto& quick : logic_.QuickButtons()) {
    auto* button = new Button(Q(quick.caption), quickPanel_);
    button->setObjectName(QString::fromStdString(quick.name));
    button->setMinimumSize(150, 60);
    button->setFont(ArabicFont(15, true));
    // In a right-to-left layout column 0 is the rightmost.
    grid->addWidget(button, i / 4, i % 4);
    const bool isLogin = quick.name == "BtnLogin";
    connect(button, &QPushButton::clicked, this, [this, button, isLogin, run = quick.action] {
      // The login button hides itself while the login window is up.
      if (isLogin) button->hide();
      run();
      if (isLogin) button->show();
      if (!app_.ExitRequested()) Refresh();
    });
    quickButtons_.push_back(button);
    ++i;
  }
  quickPanel_->adjustSize();
}

void FormMainView::Refresh() {
  std::size_t next = 0;
  RefreshMenus(logic_.MenuBar(), next);
  const auto buttons = logic_.QuickButtons();
  for (std::size_t i = 0; i < buttons.size() && i < quickButtons_.size(); ++i) {
    quickButtons_[i]->setEnabled(buttons[i].enabled);
  }
  quickPanel_->setVisible(logic_.quickPanelVisible());
  CentreQuickPanel();
}

void FormMainView::CentreQuickPanel() {
  quickPanel_->move((image_->width() - quickPanel_->width()) / 2,
                    (image_->height() - quickPanel_->height()) / 2);
}

void FormMainView::PurgeProgress(std::int32_t written, std::int32_t total) {
  // While the purge yields, the window takes no commands.
  const bool running = written < total;
  menuBar()->setEnabled(!running);
  quickPanel_->setEnabled(!running);
  statusBar()->setVisible(running);
  progress_->setRange(0, total);
  progress_->setValue(written);
}

bool FormMainView::event(QEvent* event) {
  bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && !logic_.hidden()) {
    logic_.Activate();
    if (!app_.ExitRequested()) Refresh();
  }
  return handled;
}

bool FormMainView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_) {
    if (event->type() == QEvent::Resize) {
      image_->setPixmap(MainPicture(image_->size()));
      CentreQuickPanel();
    } else if (event->type() == QEvent::MouseButtonPress) {
      logic_.ImageClicked();
      Refresh();
    }
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
