#include "ui/form_ptnt_view.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <cmath>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

int TwipsToPixels(const QWidget* widget, int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * widget->logicalDpiX() / 1440.0));
}

FormPtntView::FormPtntView(dispensing::FFFPTNT& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(Q(dispensing::FFFPTNT::kName));
  setWindowTitle(Q(logic_.caption()));
  setLayoutDirection(Qt::RightToLeft);
  setStyleSheet(QStringLiteral("QDialog#FFFPTNT { background-color: rgb(77, 158, 213); }"));

  auto* search = new QLabel(Q(dispensing::FFFPTNT::kSearchLabel), this);
  search->setFont(ArabicFont(11, true));
  search->setStyleSheet(QStringLiteral("color: white;"));
  text1_ = new QLineEdit(Q(logic_.Text1()), this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFont(ArabicFont(12));
  text1_->installEventFilter(this);
  list1_ = new QListWidget(this);
  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setFont(ArabicFont(12));
  list1_->installEventFilter(this);

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(search);
  listColumn->addWidget(text1_);
  listColumn->addWidget(list1_, 1);

  auto* buttonColumn = new QVBoxLayout;
  buttonColumn->setSpacing(2);
  for (int i = 0; i < dispensing::FFFPTNT::kQuickButtons; ++i) {
    auto* button =
        new Button(Q(dispensing::FFFPTNT::kQuickCaptions[static_cast<std::size_t>(i)]), this);
    button->setObjectName(QStringLiteral("CmdReady%1").arg(i));
    button->setFont(ArabicFont(10, true));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(72, 26);
    button->setStyleSheet(button->styleSheet() + QStringLiteral("ui--Button { padding: 1px 4px; }"));
    button->setVisible(logic_.quickButtonsShown());
    connect(button, &QPushButton::clicked, this, [this, i] {
      logic_.QuickButton(i);
      RefreshList();
    });
    buttonColumn->addWidget(button);
    quick_.push_back(button);
  }
  buttonColumn->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addLayout(listColumn, 1);
  layout->addLayout(buttonColumn);

  connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) {
    logic_.SetText1(text.toStdString());
    RefreshList();
  });
  connect(text1_, &QLineEdit::returnPressed, this, [this] {
    logic_.EnterInText1();
    if (logic_.closed()) accept();
  });
  connect(list1_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ChooseEntry(list1_->row(item)); });

  RefreshList();
  resize(TwipsToPixels(this, logic_.width()), 520);
}

void FormPtntView::RefreshList() {
  list1_->clear();
  QStringList names;
  names.reserve(static_cast<qsizetype>(logic_.List1().size()));
  for (const auto& name : logic_.List1()) names << Q(name);
  list1_->addItems(names);
}

void FormPtntView::ChooseEntry(int index) {
  logic_.ChooseEntry(index);
  if (logic_.closed()) accept();
}

bool FormPtntView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == text1_ && key == Qt::Key_Down) {
      list1_->setFocus();
      if (list1_->currentRow() < 0 && list1_->count() > 0) list1_->setCurrentRow(0);
      return true;
    }
    if (watched == list1_ && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
      if (list1_->currentRow() >= 0) ChooseEntry(list1_->currentRow());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FormPtntView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  text1_->setFocus();
}

void FormPtntView::reject() {
  logic_.Close();
  QDialog::reject();
}

}  // namespace ui
