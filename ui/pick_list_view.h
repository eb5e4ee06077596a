#pragma once
// The view of a small pick list (the therapeutic groups, the units): one
// list; a click on a name, or Enter on it, hands the row to the logic, which
// closes the list. Logic has kName, kCaption, list(), ClickItem(row) and
// closed().

#include <QDialog>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ui {

template <class Logic>
class PickListView : public QDialog {
 public:
  PickListView(Logic& logic, QWidget* parent = nullptr) : QDialog(parent), logic_(logic) {
    setObjectName(Q(Logic::kName));
    setWindowTitle(Q(Logic::kCaption));
    setLayoutDirection(Qt::RightToLeft);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(ArabicFont(12));
    for (const auto& name : logic_.list()) list_->addItem(Q(name));
    list_->setMinimumSize(460, 440);
    layout->addWidget(list_);
    auto pick = [this](QListWidgetItem* item) {
      logic_.ClickItem(list_->row(item));
      if (logic_.closed()) accept();
    };
    connect(list_, &QListWidget::itemClicked, this, pick);
    connect(list_, &QListWidget::itemActivated, this, pick);
  }

  QListWidget* list() const { return list_; }

 private:
  Logic& logic_;
  QListWidget* list_;
};

}  // namespace ui
