#include "ui/form_rasid_start_view.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/grid_view.h"
#include "ui/style.h"

namespace ui {
namespace {

using receipts::FormRasidStart;

QComboBox* ChoiceList(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setFont(ArabicFont(12));
  combo->setMinimumWidth(90);
  return combo;
}

// The list's items from the logic, and its choice.
void ShowChoice(QComboBox* combo, const std::vector<std::string>& items, const std::string& chosen) {
  QStringList texts;
  for (const auto& item : items) texts << Q(item);
  QStringList shown;
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  if (texts != shown) {
    combo->clear();
    combo->addItems(texts);
  }
  combo->setCurrentIndex(combo->findText(Q(chosen)));
}

bool IsEnter(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

FormRasidStartView::FormRasidStartView(FormRasidStart& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(Q(FormRasidStart::kName));
  setWindowTitle(Q(FormRasidStart::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog#FormRasidStart { background-color: rgb(214, 230, 245); }"));

  auto* heading = new QLabel(Q(FormRasidStart::kHeading), this);
  heading->setObjectName(QStringLiteral("Label3"));
  heading->setFont(ArabicFont(13, true));
  heading->setAlignment(Qt::AlignCenter);
  heading->setWordWrap(true);
  heading->setStyleSheet(QStringLiteral("QLabel { color: rgb(150, 20, 20); }"));

  grid_ = new GridView(logic_.xxx(), this);
  grid_->setObjectName(QStringLiteral("xxx"));
  grid_->SetSelectWholeRows(true);
  grid_->setMinimumHeight(grid_->TwipsToPixelsY(5400));
  grid_->OnCellClicked([this](int row, int) {
    logic_.ClickRow(row);
    Refresh();
    FollowFocus();
  });

  lllDrugName_ = new QLabel(this);
  lllDrugName_->setObjectName(QStringLiteral("LLLDrugName"));
  lllDrugName_->setFont(ArabicFont(14, true));
  lllDrugName_->setAlignment(Qt::AlignCenter);
  lllDrugName_->setMinimumHeight(34);
  lllDrugName_->setStyleSheet(
      QStringLiteral("QLabel { background-color: white; color: rgb(20, 40, 70);"
                     "  border: 1px solid rgb(120, 140, 170); border-radius: 4px; }"));

  textQ_ = new QLineEdit(this);
  textQ_->setObjectName(QStringLiteral("TextQ"));
  textQ_->setFont(ArabicFont(13, true));
  textQ_->setAlignment(Qt::AlignCenter);
  textQ_->setFixedWidth(140);
  connect(textQ_, &QLineEdit::textChanged, this,
          [this](const QString& typed) { logic_.TextQ = typed.toStdString(); });
  connect(textQ_, &QLineEdit::returnPressed, this, [this] {
    logic_.EnterInTextQ();
    FollowFocus();
  });

  comboM_ = ChoiceList(this, "ComboM");
  comboY_ = ChoiceList(this, "ComboY");
  connect(comboM_, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { logic_.ComboM = text.toStdString(); });
  connect(comboY_, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { logic_.ComboY = text.toStdString(); });
  comboM_->installEventFilter(this);
  comboY_->installEventFilter(this);

  ok_ = new Button(Q(FormRasidStart::kOkCaption), this);
  ok_->setObjectName(QStringLiteral("Command2"));
  ok_->setMinimumWidth(110);
  connect(ok_, &QPushButton::clicked, this, [this] {
    logic_.Ok();
    Refresh();
  });

  auto* quantityLabel = new QLabel(Q(FormRasidStart::kQuantityLabel), this);
  quantityLabel->setFont(ArabicFont(11, true));
  auto* expiryLabel = new QLabel(Q(FormRasidStart::kExpiryLabel), this);
  expiryLabel->setFont(ArabicFont(11, true));

  auto* entries = new QGridLayout;
  entries->setHorizontalSpacing(10);
  entries->addWidget(quantityLabel, 0, 0, Qt::AlignHCenter);
  entries->addWidget(expiryLabel, 0, 1, 1, 2, Qt::AlignHCenter);
  entries->addWidget(textQ_, 1, 0, Qt::AlignHCenter);
  entries->addWidget(comboM_, 1, 1);
  entries->addWidget(comboY_, 1, 2);
  entries->addWidget(ok_, 1, 3);
  entries->setColumnStretch(4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(10);
  layout->addWidget(heading);
  layout->addWidget(grid_, 1);
  layout->addWidget(lllDrugName_);
  layout->addLayout(entries);

  Refresh();
  resize(QSize(grid_->sizeHint().width() + 28, 680));
}

void FormRasidStartView::Refresh() {
  const QSignalBlocker b1(textQ_);
  const QSignalBlocker b2(comboM_);
  const QSignalBlocker b3(comboY_);
  lllDrugName_->setText(Q(logic_.LLLDrugName()));
  if (textQ_->text() != Q(logic_.TextQ)) textQ_->setText(Q(logic_.TextQ));
  ShowChoice(comboM_, logic_.ComboMList(), logic_.ComboM);
  ShowChoice(comboY_, logic_.ComboYList(), logic_.ComboY);
  const bool enabled = logic_.inputsEnabled();
  textQ_->setEnabled(enabled);
  comboM_->setEnabled(enabled);
  comboY_->setEnabled(enabled);
  ok_->setEnabled(enabled);
}

void FormRasidStartView::FollowFocus() {
  switch (logic_.focus()) {
    case FormRasidStart::Focus::Grid:
      grid_->setFocus();
      break;
    case FormRasidStart::Focus::TextQ:
      textQ_->setFocus();
      textQ_->selectAll();
      break;
    case FormRasidStart::Focus::ComboM:
      comboM_->setFocus();
      break;
    case FormRasidStart::Focus::ComboY:
      comboY_->setFocus();
      break;
    case FormRasidStart::Focus::Ok:
      ok_->setFocus();
      break;
  }
}

bool FormRasidStartView::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == comboM_ || watched == comboY_) && IsEnter(event)) {
    if (watched == comboM_) {
      logic_.EnterInComboM();
    } else {
      logic_.EnterInComboY();
    }
    FollowFocus();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ui
