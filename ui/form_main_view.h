#pragma once
// The main window: the picture over the whole window, the quick-button panel
// centred on it, and the menu bar.

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <memory>
#include <vector>

#include "core/form_main.h"

namespace ui {

class Button;
class FormEndView;

class FormMainView : public QMainWindow {
  Q_OBJECT
 public:
  FormMainView(core::App& app, core::FormMain& logic, QWidget* parent = nullptr);
  ~FormMainView() override;

  // Redraws from the logic's state.
  void Refresh();
  QFrame* quickPanel() const { return quickPanel_; }

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CentreQuickPanel();

  core::App& app_;
  core::FormMain& logic_;
  QLabel* image_;
  QFrame* quickPanel_;
  QMenu* patientMenu_;
  QAction* patientsEdit_;
  QAction* maridHistory_;
  QAction* hospitalsEdit_;
  std::unique_ptr<FormEndView> endWindow_;
};

}  // namespace ui
