#include "ui/form_input_box_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

FormInputBoxView::FormInputBoxView(core::FormInputBox& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(QStringLiteral("FFFIB"));
  setWindowTitle(QStringLiteral("Varavizid"));
  setLayoutDirection(Qt::RightToLeft);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(Q(logic_.title()), this);
  title->setObjectName(QStringLiteral("Title"));
  title->setWordWrap(true);
  title->setMinimumWidth(420);
  layout->addWidget(title);
  input_ = new QLineEdit(Q(logic_.userInput()), this);
  input_->setObjectName(QStringLiteral("UserInput"));
  layout->addWidget(input_);
  auto* buttons = new QHBoxLayout;
  auto* ok = new Button(QStringLiteral("OK"), this);
  auto* help = new Button(QStringLiteral("Help"), this);
  auto* cancel = new Button(QStringLiteral("Cancel"), this);
  buttons->addWidget(ok);
  buttons->addWidget(help);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  auto accept = [this] {
    logic_.SetUserInput(input_->text().toStdString());
    logic_.Ok();
    QDialog::accept();
  };
  connect(input_, &QLineEdit::returnPressed, this, accept);
  connect(ok, &QPushButton::clicked, this, accept);
  connect(help, &QPushButton::clicked, this, [this] { logic_.Help(); });
  connect(cancel, &QPushButton::clicked, this, &FormInputBoxView::reject);
}

void FormInputBoxView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  input_->selectAll();
  input_->setFocus();
}

void FormInputBoxView::reject() {
  logic_.Cancel();
  QDialog::reject();
}

}  // namespace ui
