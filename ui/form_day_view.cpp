#include "ui/form_day_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {
namespace {

QLineEdit* Box(QWidget* parent, const char* name, std::string& text, int width) {
  auto* box = new QLineEdit(Q(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setLayoutDirection(Qt::LeftToRight);
  box->setAlignment(Qt::AlignCenter);
  box->setFont(ArabicFont(13, true));
  box->setFixedWidth(width);
  QObject::connect(box, &QLineEdit::textChanged, parent,
                   [&text](const QString& typed) { text = typed.toStdString(); });
  return box;
}

QLabel* Caption(QWidget* parent, std::string_view text) {
  auto* label = new QLabel(Q(text), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(ArabicFont(11, true));
  return label;
}

}  // namespace

FormDayView::FormDayView(core::FFFDay& logic, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), logic_(logic) {
  setObjectName(Q(core::FFFDay::kName));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);
  setStyleSheet(
      QStringLiteral("QDialog#FFFDay { background-color: rgb(236, 244, 252);"
                     "  border: 2px solid rgb(30, 90, 160); }"));

  text1_ = Box(this, "Text1", logic_.Text1, 52);
  text2_ = Box(this, "Text2", logic_.Text2, 52);
  text3_ = Box(this, "Text3", logic_.Text3, 76);
  connect(text1_, &QLineEdit::returnPressed, this, [this] {
    logic_.EnterInDay();
    FollowFocus();
  });
  connect(text2_, &QLineEdit::returnPressed, this, [this] {
    logic_.EnterInMonth();
    FollowFocus();
  });
  connect(text3_, &QLineEdit::returnPressed, this, [this] {
    logic_.EnterInYear();
    FollowFocus();
  });

  auto* boxes = new QGridLayout;
  boxes->setHorizontalSpacing(8);
  boxes->addWidget(Caption(this, core::FFFDay::kDayLabel), 0, 0);
  boxes->addWidget(Caption(this, core::FFFDay::kMonthLabel), 0, 1);
  boxes->addWidget(Caption(this, core::FFFDay::kYearLabel), 0, 2);
  boxes->addWidget(text1_, 1, 0, Qt::AlignHCenter);
  boxes->addWidget(text2_, 1, 1, Qt::AlignHCenter);
  boxes->addWidget(text3_, 1, 2, Qt::AlignHCenter);

  auto* action = Caption(this, core::FFFDay::kActionLabel);
  action->setObjectName(QStringLiteral("Action"));
  ok_ = new Button(Q(core::FFFDay::kOkLabel), this);
  ok_->setObjectName(QStringLiteral("CmdOk"));
  auto* cancel = new Button(Q(core::FFFDay::kCancelLabel), this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  connect(ok_, &QPushButton::clicked, this, &FormDayView::Ok);
  connect(cancel, &QPushButton::clicked, this, &FormDayView::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(action);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(10);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  adjustSize();
}

void FormDayView::FollowFocus() {
  switch (logic_.focus()) {
    case core::FFFDay::Focus::Day:
      text1_->setFocus();
      text1_->selectAll();
      break;
    case core::FFFDay::Focus::Month:
      text2_->setFocus();
      text2_->selectAll();
      break;
    case core::FFFDay::Focus::Year:
      text3_->setFocus();
      text3_->selectAll();
      break;
    case core::FFFDay::Focus::Ok:
      ok_->setFocus();
      break;
  }
}

void FormDayView::Ok() {
  if (logic_.Ok()) {
    accept();
    return;
  }
  FollowFocus();
}

void FormDayView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FollowFocus();
}

void FormDayView::reject() {
  if (!logic_.closed()) logic_.Cancel();
  QDialog::reject();
}

void FormDayView::closeEvent(QCloseEvent* event) {
  if (!logic_.closed()) logic_.Cancel();
  QDialog::closeEvent(event);
}

}  // namespace ui
