#include "ui/form_select_type_view.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

FormSelectTypeView::FormSelectTypeView(core::FormSelectType& logic, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), logic_(logic) {
  setObjectName(QStringLiteral("FormSelectType"));
  setWindowTitle(QStringLiteral("نوع البرنامج"));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog { background-color: rgb(77, 158, 213); }"));
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(14);
  layout->setContentsMargins(28, 28, 28, 28);
  int index = 0;
  for (const auto& caption : logic_.ButtonCaptions()) {
    int choice = ++index;
    auto* button = new Button(QString::fromStdString(caption), this);
    button->setObjectName(QStringLiteral("Command%1").arg(choice));
    button->setMinimumSize(520, 64);
    button->setFont(ArabicFont(16, true));
    connect(button, &QPushButton::clicked, this, [this, choice] {
      logic_.Choose(choice);
      if (logic_.closed()) accept();
    });
    layout->addWidget(button);
  }
  adjustSize();
}

void FormSelectTypeView::closeEvent(QCloseEvent* event) {
  if (logic_.closed()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace ui
