#include "ui/form_users_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

FormUsersView::FormUsersView(core::FormUsers& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(Q(core::FormUsers::kName));
  setWindowTitle(Q(core::FormUsers::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);
  setStyleSheet(
      QStringLiteral("QDialog { background-color: rgb(77, 158, 213); }"
                     "QLabel { color: white; }"
                     "QLabel#LLL { background-color: white; color: rgb(20, 40, 70);"
                     "  border: 1px solid rgb(20, 60, 110); border-radius: 6px; }"));

  auto* heading = new QLabel(Q(core::FormUsers::kHeading), this);
  heading->setObjectName(QStringLiteral("Heading"));
  heading->setFont(ArabicFont(14, true));
  heading->setAlignment(Qt::AlignCenter);

  auto* users = new QGridLayout;
  users->setSpacing(8);
  for (int k = 1; k <= core::FormUsers::kUserButtons; ++k) {
    auto* button = new Button(QString::number(k), this);
    button->setObjectName(QStringLiteral("Btn1_%1").arg(k));
    button->setFont(ArabicFont(14, true));
    button->setMinimumSize(64, 44);
    connect(button, &QPushButton::clicked, this, [this, k] {
      logic_.ChooseUser(k);
      Refresh();
      textPass_->setFocus();
    });
    users->addWidget(button, (k - 1) / 3, (k - 1) % 3);
  }

  lll_ = new QLabel(this);
  lll_->setObjectName(QStringLiteral("LLL"));
  lll_->setFont(ArabicFont(18, true));
  lll_->setAlignment(Qt::AlignCenter);
  lll_->setMinimumSize(64, 44);

  auto* prompt = new QLabel(Q(core::FormUsers::kPrompt), this);
  prompt->setObjectName(QStringLiteral("Prompt"));
  prompt->setFont(ArabicFont(12, true));

  textPass_ = new QLineEdit(this);
  textPass_->setObjectName(QStringLiteral("TextPass"));
  textPass_->setEchoMode(QLineEdit::Password);
  textPass_->setLayoutDirection(Qt::LeftToRight);
  textPass_->setFont(ArabicFont(14));
  textPass_->setMinimumWidth(180);
  connect(textPass_, &QLineEdit::textEdited, this,
          [this](const QString& typed) { logic_.TextPass = typed.toStdString(); });
  connect(textPass_, &QLineEdit::returnPressed, this, &FormUsersView::Ok);

  auto* ok = new Button(Q(core::FormUsers::kOkLabel), this);
  ok->setObjectName(QStringLiteral("CmdOk"));
  ok->setFont(ArabicFont(12, true));
  ok->setMinimumSize(110, 40);
  connect(ok, &QPushButton::clicked, this, &FormUsersView::Ok);

  auto* chosen = new QHBoxLayout;
  chosen->addStretch();
  chosen->addWidget(lll_);
  chosen->addStretch();

  auto* password = new QHBoxLayout;
  password->addWidget(prompt);
  password->addWidget(textPass_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 20);
  layout->setSpacing(12);
  layout->addWidget(heading);
  layout->addLayout(users);
  layout->addLayout(chosen);
  layout->addLayout(password);
  layout->addWidget(ok, 0, Qt::AlignHCenter);

  Refresh();
}

void FormUsersView::Refresh() {
  lll_->setText(Q(logic_.LLL));
  textPass_->setText(Q(logic_.TextPass));
}

void FormUsersView::Ok() {
  logic_.TextPass = textPass_->text().toStdString();
  if (logic_.Ok()) {
    accept();
    return;
  }
  textPass_->setFocus();
}

void FormUsersView::reject() {
  logic_.Close();
  QDialog::reject();
}

void FormUsersView::closeEvent(QCloseEvent* event) {
  logic_.Close();
  QDialog::closeEvent(event);
}

}  // namespace ui
