#include "ui/form_inn_view.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/form_widgets.h"
#include "ui/grid_view.h"
#include "ui/style.h"

namespace ui {
namespace {

using receipts::FormInn;

QComboBox* EditableCombo(QWidget* parent, const char* name, const std::vector<std::string>& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setFont(ArabicFont(12));
  combo->setMaxVisibleItems(20);
  for (const auto& item : items) combo->addItem(Q(item));
  combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
  combo->completer()->setFilterMode(Qt::MatchContains);
  return combo;
}

}  // namespace

FormInnView::FormInnView(FormInn& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  setObjectName(Q(FormInn::kName));
  setWindowTitle(Q(FormInn::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog#FormInn { background-color: rgb(214, 230, 245); }"));

  // The edit menu.
  menu_ = new QMenuBar(this);
  auto* edit = menu_->addMenu(Q(FormInn::kEditMenu));
  edit->setObjectName(QStringLiteral("mnu_Edit"));
  auto* changeDate = edit->addAction(Q(FormInn::kChangeDateMenu));
  changeDate->setObjectName(QStringLiteral("mnu_Edit_ChangrDate"));
  auto* deleteAll = edit->addAction(Q(FormInn::kDeleteAllMenu));
  deleteAll->setObjectName(QStringLiteral("MnuDeleteAllFat"));
  connect(changeDate, &QAction::triggered, this, [this] { Act([this] { logic_.ChangeDate(); }); });
  connect(deleteAll, &QAction::triggered, this,
          [this] { Act([this] { logic_.DeleteWholeOrder(); }); });

  // The order: number, browsing, new order, date and weekday.
  auto* previous = new Button(ArrowCaption(FormInn::kPreviousCaption), this);
  previous->setObjectName(QStringLiteral("Command2"));
  auto* next = new Button(ArrowCaption(FormInn::kNextCaption), this);
  next->setObjectName(QStringLiteral("Command4"));
  auto* newOrder = new Button(Q(FormInn::kNewOrderCaption), this);
  newOrder->setObjectName(QStringLiteral("Command3"));
  lll_ = FormValue(this, "LLL", 70);
  lllDate_ = FormValue(this, "LLLDate", 210);
  lllDate_->setLayoutDirection(Qt::LeftToRight);
  cccDay_ = FormValue(this, "CCCDay", 80);
  connect(previous, &QPushButton::clicked, this, [this] { Act([this] { logic_.Previous(); }); });
  connect(next, &QPushButton::clicked, this, [this] { Act([this] { logic_.Next(); }); });
  connect(newOrder, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.NewOrder(); }, true); });

  // Laid out as "< n >" is read: the previous order on the left.
  auto* order = new QHBoxLayout;
  order->addWidget(next);
  order->addWidget(lll_);
  order->addWidget(previous);
  order->addSpacing(12);
  order->addWidget(newOrder);
  order->addStretch();
  order->addWidget(cccDay_);
  order->addWidget(lllDate_);

  // The entries of a line.
  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFont(ArabicFont(12));
  text1_->setAlignment(Qt::AlignCenter);
  text1_->setFixedWidth(90);
  combo1_ = EditableCombo(this, "Combo1", logic_.Combo1List());
  combo1_->setMinimumWidth(300);
  text2_ = new QLineEdit(this);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setFont(ArabicFont(12));
  text2_->setAlignment(Qt::AlignCenter);
  text2_->setFixedWidth(100);
  comboExpire_ = EditableCombo(this, "ComboExpire", logic_.ComboExpireList());
  comboExpire_->setLayoutDirection(Qt::LeftToRight);
  comboExpire_->setFixedWidth(120);
  command8_ = new Button(Q(FormInn::kAddCaption), this);
  command8_->setObjectName(QStringLiteral("Command8"));

  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& typed) {
    logic_.SetText1(typed.toStdString());
    Refresh();
  });
  connect(text1_, &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInText1(); }, true); });
  connect(combo1_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { logic_.Combo1 = text.toStdString(); });
  connect(combo1_->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInCombo1(); }, true); });
  connect(text2_, &QLineEdit::textEdited, this,
          [this](const QString& typed) { logic_.Text2 = typed.toStdString(); });
  connect(text2_, &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInText2(); }, true); });
  connect(comboExpire_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { logic_.ComboExpire = text.toStdString(); });
  connect(comboExpire_->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInComboExpire(); }, true); });
  connect(command8_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.AddLine(); }, true); });

  auto* entries = EntryRow(this,
                           {{FormInn::kNumberLabel, text1_},
                            {FormInn::kNameLabel, combo1_},
                            {FormInn::kQuantityLabel, text2_},
                            {FormInn::kExpiryLabel, comboExpire_}},
                           command8_);

  // The lines; a click on a row removes it.
  grid_ = DocumentLines(logic_.xxx(), this, "xxx");
  grid_->setMinimumHeight(grid_->TwipsToPixelsY(5400));
  grid_->OnCellClicked([this](int row, int) { Act([this, row] { logic_.ClickRow(row); }); });

  // Supplier, writer and Send / Back.
  lllMrd_ = new QPushButton(this);
  lllMrd_->setObjectName(QStringLiteral("LLLMRD"));
  lllMrd_->setAutoDefault(false);
  lllMrd_->setCursor(Qt::PointingHandCursor);
  lllMrd_->setFont(ArabicFont(12, true));
  lllMrd_->setMinimumWidth(260);
  lllMrd_->setStyleSheet(
      QStringLiteral("QPushButton { background-color: white; color: rgb(20, 40, 70);"
                     "  border: 1px solid rgb(120, 140, 170); border-radius: 4px; padding: 4px 8px; }"
                     "QPushButton:hover { background-color: rgb(255, 236, 170); }"));
  connect(lllMrd_, &QPushButton::clicked, this, [this] { Act([this] { logic_.ChooseSupplier(); }); });
  lllUserId_ = FormValue(this, "lllUserId", 50);
  command7_ = new Button(QString(), this);
  command7_->setObjectName(QStringLiteral("Command7"));
  command7_->setMinimumWidth(110);
  connect(command7_, &QPushButton::clicked, this, [this] { Act([this] { logic_.SendOrBack(); }); });

  auto* footer = new QHBoxLayout;
  footer->addWidget(FormCaption(this, FormInn::kSupplierLabel));
  footer->addWidget(lllMrd_, 1);
  footer->addSpacing(16);
  footer->addWidget(FormCaption(this, FormInn::kUserLabel));
  footer->addWidget(lllUserId_);
  footer->addSpacing(16);
  footer->addWidget(command7_);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_);
  layout->setContentsMargins(14, 8, 14, 12);
  layout->setSpacing(10);
  layout->addLayout(order);
  layout->addLayout(entries);
  layout->addWidget(grid_, 1);
  layout->addLayout(footer);

  Refresh();
  resize(sizeHint().expandedTo(QSize(grid_->sizeHint().width() + 28, 640)));
}

template <class Action>
void FormInnView::Act(Action action, bool followFocus) {
  action();
  Refresh();
  if (followFocus) FollowFocus();
}

void FormInnView::Refresh() {
  const QSignalBlocker b1(text1_);
  const QSignalBlocker b2(combo1_);
  const QSignalBlocker b3(text2_);
  const QSignalBlocker b4(comboExpire_);
  lll_->setText(Q(logic_.LLL()));
  lllDate_->setText(Q(logic_.LLLDate()));
  cccDay_->setText(Q(logic_.CCCDay()));
  SetTextIfChanged(text1_, logic_.Text1);
  SetEditTextIfChanged(combo1_, logic_.Combo1);
  SetTextIfChanged(text2_, logic_.Text2);
  SetEditTextIfChanged(comboExpire_, logic_.ComboExpire);
  lllMrd_->setText(Q(logic_.LLLMRD()));
  lllUserId_->setText(Q(logic_.lllUserId()));
  command7_->setText(Q(logic_.Command7()));

  const bool enabled = logic_.entriesEnabled();
  const QColor back = ToQColor(logic_.entryColour());
  const QString look = QStringLiteral("background-color: %1;").arg(back.name());
  // The combo boxes take the colour in their text box, so that their arrow
  // keeps its look.
  for (QLineEdit* box : {text1_, combo1_->lineEdit(), text2_, comboExpire_->lineEdit()}) {
    if (box->styleSheet() != look) box->setStyleSheet(look);
  }
  for (QWidget* entry : {static_cast<QWidget*>(text1_), static_cast<QWidget*>(combo1_),
                         static_cast<QWidget*>(text2_), static_cast<QWidget*>(comboExpire_)}) {
    entry->setEnabled(enabled);
  }
  command8_->setEnabled(enabled);
}

void FormInnView::FollowFocus() {
  switch (logic_.focus()) {
    case FormInn::Focus::Text1:
      text1_->setFocus();
      break;
    case FormInn::Focus::Combo1:
      combo1_->setFocus();
      break;
    case FormInn::Focus::Text2:
      text2_->setFocus();
      text2_->selectAll();
      break;
    case FormInn::Focus::ComboExpire:
      comboExpire_->setFocus();
      comboExpire_->lineEdit()->selectAll();
      break;
  }
}

void FormInnView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FollowFocus();
}

}  // namespace ui
