#pragma once
// The main window: the picture over the whole window, the quick-button panel
// centred on it, and the menu bar built from the logic's menu data.

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/form_main.h"

namespace ui {

class FormEndView;

class FormMainView : public QMainWindow {
  Q_OBJECT
 public:
  FormMainView(core::App& app, core::FormMain& logic, QWidget* parent = nullptr);
  ~FormMainView() override;

  // Redraws from the logic's state: captions and enabled states of the menu
  // entries and quick buttons, the quick panel.
  void Refresh();
  QFrame* quickPanel() const { return quickPanel_; }
  QLabel* image() const { return image_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus(QMenu* parent, const std::vector<core::MenuEntry>& entries);
  // Walks the data in the order BuildMenus made the actions.
  void RefreshMenus(const std::vector<core::MenuEntry>& entries, std::size_t& next);
  void BuildQuickPanel();
  void CentreQuickPanel();
  void PurgeProgress(std::int32_t written, std::int32_t total);

  core::App& app_;
  core::FormMain& logic_;
  QLabel* image_;
  QFrame* quickPanel_;
  QProgressBar* progress_;
  // Every menu, submenu and command in the order of the menu data.
  std::vector<QAction*> menuActions_;
  std::vector<QPushButton*> quickButtons_;
  std::unique_ptr<FormEndView> endWindow_;
};

}  // namespace ui
