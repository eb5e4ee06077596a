#pragma once
// The recipient pick list's view: the search box, the list of names and the
// column of quick-name buttons (shown only where the window is wide enough
// for them). Also the label used as a button by the recipient screens.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "dispensing/form_ptnt.h"

namespace ui {

// A label that reports a left click, as the screens' "LLL..." labels do.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// Twips of the screens' design as pixels of this screen.
int TwipsToPixels(const QWidget* widget, int twips);

class FormPtntView : public QDialog {
  Q_OBJECT
 public:
  FormPtntView(dispensing::FFFPTNT& logic, QWidget* parent = nullptr);

  QLineEdit* text1() const { return text1_; }
  QListWidget* list1() const { return list1_; }
  const std::vector<QPushButton*>& quickButtons() const { return quick_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void RefreshList();
  void ChooseEntry(int index);

  dispensing::FFFPTNT& logic_;
  QLineEdit* text1_;
  QListWidget* list1_;
  std::vector<QPushButton*> quick_;
};

}  // namespace ui
