#include "ui/form_oot_view.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string_view>
#include <utility>

#include "ui/button.h"
#include "ui/form_widgets.h"
#include "ui/grid_view.h"
#include "ui/style.h"

namespace ui {
namespace {

using dispensing::FormOot;

// A value the user clicks (or reaches with Tab and presses Enter on) to
// change it.
QPushButton* ClickableValue(QWidget* parent, const char* name, int minimumWidth) {
  auto* button = new Button(QString(), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(ArabicFont(12, true));
  button->setMinimumWidth(minimumWidth);
  button->setStyleSheet(
      QStringLiteral("QPushButton { background-color: white; color: rgb(20, 40, 70);"
                     "  border: 1px solid rgb(120, 140, 170); border-radius: 4px; padding: 4px 8px; }"
                     "QPushButton:hover { background-color: rgb(255, 236, 170); }"
                     "QPushButton:focus { border: 2px solid rgb(30, 110, 200); }"));
  return button;
}

QLineEdit* Box(QWidget* parent, const char* name, int width) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(ArabicFont(12));
  box->setAlignment(Qt::AlignCenter);
  box->setFixedWidth(width);
  return box;
}

}  // namespace

FormOotView::FormOotView(FormOot& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  setObjectName(Q(FormOot::kName));
  setWindowTitle(Q(FormOot::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog#FormOot { background-color: rgb(214, 230, 245); }"));

  // The menus: the printouts and the margin, the open tickets, the edits.
  menu_ = new QMenuBar(this);
  auto* print = menu_->addMenu(Q(FormOot::kPrintMenu));
  print->setObjectName(QStringLiteral("mnu_Print"));
  for (FormOot::PrintEntry entry : FormOot::kPrintEntries) {
    auto* action = print->addAction(Q(FormOot::PrintEntryCaption(entry)));
    action->setObjectName(QStringLiteral("mnu_Print%1").arg(static_cast<int>(entry)));
    connect(action, &QAction::triggered, this,
            [this, entry] { Act([this, entry] { logic_.Print(entry); }); });
  }
  print->addSeparator();
  auto* margin = print->addAction(Q(FormOot::kMarginTitle));
  margin->setObjectName(QStringLiteral("mnu_Margin"));
  connect(margin, &QAction::triggered, this,
          [this] { Act([this] { logic_.SetHorizontalMargin(); }); });

  auto* reports = menu_->addMenu(Q(FormOot::kReportsMenu));
  reports->setObjectName(QStringLiteral("mnu_Reports"));
  auto* unsaved = reports->addAction(Q(FormOot::kUnsavedEntry));
  unsaved->setObjectName(QStringLiteral("mnu_Unsaved"));
  connect(unsaved, &QAction::triggered, this,
          [this] { Act([this] { logic_.ShowUnsavedTickets(); }); });

  auto* edit = menu_->addMenu(Q(FormOot::kEditMenu));
  edit->setObjectName(QStringLiteral("mnu_Edit"));
  auto* addDrug = edit->addAction(Q(FormOot::kAddDrugEntry));
  addDrug->setObjectName(QStringLiteral("mnu_AddDrug"));
  addDrug->setShortcut(QKeySequence(Qt::Key_F4));
  auto* ticketDate = edit->addAction(Q(FormOot::kTicketDateEntry));
  ticketDate->setObjectName(QStringLiteral("mnu_ChangeDate"));
  auto* groupDates = edit->addAction(Q(FormOot::kGroupDatesEntry));
  groupDates->setObjectName(QStringLiteral("mnu_ChangeGroupDates"));
  connect(addDrug, &QAction::triggered, this,
          [this] { Act([this] { logic_.PickDrugFromList(); }, true); });
  connect(ticketDate, &QAction::triggered, this,
          [this] { Act([this] { logic_.ChangeTicketDate(); }); });
  connect(groupDates, &QAction::triggered, this,
          [this] { Act([this] { logic_.ChangeGroupDates(); }); });

  // The ticket: number (a click goes to another), browsing, new ticket,
  // date and weekday.
  // "<" on the left goes back, ">" on the right goes on.
  auto* previous = new Button(ArrowCaption(FormOot::kPreviousCaption), this);
  previous->setObjectName(QStringLiteral("Command2"));
  auto* next = new Button(ArrowCaption(FormOot::kNextCaption), this);
  next->setObjectName(QStringLiteral("Command4"));
  command3_ = new Button(Q(FormOot::kNewCaption), this);
  command3_->setObjectName(QStringLiteral("Command3"));
  lll_ = ClickableValue(this, "LLL", 80);
  lllDate_ = FormValue(this, "LLLDate", 210);
  lllDate_->setLayoutDirection(Qt::LeftToRight);
  cccDay_ = FormValue(this, "CCCDay", 80);
  btnMonthlyfat_ = FormValue(this, "BtnMonthlyfat", 60);
  connect(previous, &QPushButton::clicked, this, [this] { Act([this] { logic_.Previous(); }); });
  connect(next, &QPushButton::clicked, this, [this] { Act([this] { logic_.Next(); }); });
  connect(command3_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.NewTicket(); }, true); });
  connect(lll_, &QPushButton::clicked, this, [this] { Act([this] { logic_.GoToTicket(); }); });

  // Laid out as "< n >" is read: the previous ticket on the left.
  auto* ticket = new QHBoxLayout;
  ticket->addWidget(next);
  ticket->addWidget(lll_);
  ticket->addWidget(previous);
  ticket->addSpacing(12);
  ticket->addWidget(command3_);
  ticket->addStretch();
  ticket->addWidget(btnMonthlyfat_);
  ticket->addWidget(cccDay_);
  ticket->addWidget(lllDate_);

  // The entries of a line.
  text1_ = Box(this, "Text1", 90);
  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setEditable(true);
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  combo1_->setFont(ArabicFont(12));
  combo1_->setMaxVisibleItems(20);
  for (const auto& item : logic_.Combo1List()) combo1_->addItem(Q(item));
  combo1_->completer()->setCompletionMode(QCompleter::PopupCompletion);
  combo1_->completer()->setFilterMode(Qt::MatchStartsWith);
  combo1_->setMinimumWidth(300);
  textRasid_ = Box(this, "TextRasid", 90);
  textRasid_->setReadOnly(true);
  textRasid_->setFocusPolicy(Qt::NoFocus);
  text2_ = Box(this, "Text2", 90);
  command8_ = new Button(Q(FormOot::kAddCaption), this);
  command8_->setObjectName(QStringLiteral("Command8"));

  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& typed) {
    logic_.SetText1(typed.toStdString());
    Refresh();
  });
  connect(text1_, &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInText1(); }, true); });
  connect(combo1_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& typed) {
    logic_.SetCombo1(typed.toStdString());
    Refresh();
  });
  connect(combo1_, &QComboBox::activated, this, [this](int index) {
    const std::string name = combo1_->itemText(index).toStdString();
    Act([this, name] { logic_.PickCombo1(name); });
  });
  connect(combo1_->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInCombo1(); }, true); });
  connect(text2_, &QLineEdit::textEdited, this,
          [this](const QString& typed) { logic_.Text2 = typed.toStdString(); });
  connect(text2_, &QLineEdit::returnPressed, this,
          [this] { Act([this] { logic_.EnterInText2(); }, true); });
  connect(command8_, &QPushButton::clicked, this, [this] { Act([this] { logic_.Add(); }, true); });
  combo1_->installEventFilter(this);
  combo1_->lineEdit()->installEventFilter(this);

  auto* entries = EntryRow(this,
                           {{FormOot::kNumberLabel, text1_},
                            {FormOot::kNameLabel, combo1_},
                            {FormOot::kBalanceLabel, textRasid_},
                            {FormOot::kQuantityLabel, text2_}},
                           command8_);

  // The lines.
  grid_ = DocumentLines(logic_.Xxx(), this, "Xxx");
  grid_->OnCellClicked([this](int row, int) { Act([this, row] { logic_.ClickRow(row); }, true); });
  grid_->OnCellDoubleClicked(
      [this](int row, int) { Act([this, row] { logic_.DoubleClickRow(row); }); });

  // The recipient: a click chooses it; "M" edits it, "..." shows its
  // history; "^" is the local backup (not available in this installation
  // yet) and "P" prints the last layout again.
  lllMaridTitle_ = FormCaption(this, FormOot::kDesignRecipientTitle);
  lllMaridTitle_->setObjectName(QStringLiteral("LLLMaridTitle"));
  lllMarid_ = ClickableValue(this, "LLLMarid", 260);
  editRecipient_ = new Button(QStringLiteral("M"), this);
  editRecipient_->setObjectName(QStringLiteral("LLLMaridEdit"));
  history_ = new Button(QStringLiteral("..."), this);
  history_->setObjectName(QStringLiteral("Label6"));
  backup_ = new Button(QStringLiteral("^"), this);
  backup_->setObjectName(QStringLiteral("Label7"));
  backup_->setEnabled(false);
  reprint_ = new Button(QStringLiteral("P"), this);
  reprint_->setObjectName(QStringLiteral("LLLPRINT"));
  for (QWidget* small : {static_cast<QWidget*>(editRecipient_), static_cast<QWidget*>(backup_),
                         static_cast<QWidget*>(reprint_)}) {
    small->setAttribute(Qt::WA_Hover);
    small->installEventFilter(this);
  }
  connect(lllMarid_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.ChooseRecipient(); }); });
  connect(editRecipient_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.EditRecipient(); }); });
  connect(history_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.RecipientHistory(); }); });
  connect(reprint_, &QPushButton::clicked, this, [this] { Act([this] { logic_.Reprint(); }); });

  auto* recipient = new QHBoxLayout;
  recipient->addWidget(lllMaridTitle_);
  recipient->addWidget(lllMarid_, 1);
  recipient->addWidget(history_);
  recipient->addSpacing(12);
  recipient->addWidget(editRecipient_);
  recipient->addWidget(backup_);
  recipient->addWidget(reprint_);

  // The state-expense panel.
  pppNafaqa_ = new QWidget(this);
  pppNafaqa_->setObjectName(QStringLiteral("PPPNafaqa"));
  lllClassy_ = FormValue(pppNafaqa_, "LLLClassy", 60);
  lllQValue_ = FormValue(pppNafaqa_, "LLLQValue", 70);
  lllQValueUpToNow_ = FormValue(pppNafaqa_, "LLLQValueUpToNow", 70);
  lllQPeriod_ = FormValue(pppNafaqa_, "LLLQPeriod", 60);
  lllQDate_ = FormValue(pppNafaqa_, "LLLQDate", 100);
  lllQarar_ = ClickableValue(pppNafaqa_, "LLLQARAR", 100);
  lllMonyMarid_ = FormValue(pppNafaqa_, "LLLMonyMarid", 70);
  lllAge_ = ClickableValue(pppNafaqa_, "LLLAge", 50);
  connect(lllQarar_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.EditDecisionNumber(); }); });
  connect(lllAge_, &QPushButton::clicked, this, [this] { Act([this] { logic_.EditAge(); }); });
  auto* panel = new QGridLayout(pppNafaqa_);
  panel->setContentsMargins(0, 0, 0, 0);
  const std::pair<std::string_view, QWidget*> cells[] = {
      {FormOot::kDecisionNumberCaption, lllQarar_},
      {FormOot::kDecisionStartCaption, lllQDate_},
      {FormOot::kDaysLeftCaption, lllQPeriod_},
      {FormOot::kDecisionAmountCaption, lllQValue_},
      {FormOot::kDecisionTotalCaption, lllQValueUpToNow_},
      {FormOot::kCurrentTicketCaption, lllMonyMarid_},
      {FormOot::kClassificationCaption, lllClassy_},
      {FormOot::kAgeCaption, lllAge_},
  };
  int column = 0;
  for (const auto& [caption, value] : cells) {
    panel->addWidget(FormCaption(pppNafaqa_, caption), 0, column);
    panel->addWidget(value, 1, column);
    ++column;
  }

  // The status lines, the writer and save / unsave.
  lllStatus_ = new QLabel(this);
  lllStatus_->setObjectName(QStringLiteral("LLLStatus"));
  lllStatus_->setFont(ArabicFont(11));
  lllStatus_->setWordWrap(true);
  lllCode_ = new QLabel(this);
  lllCode_->setObjectName(QStringLiteral("LLLCode"));
  lllCode_->setFont(ArabicFont(11));
  lllUserId_ = FormValue(this, "LLLUserId", 50);
  command7_ = new Button(QString(), this);
  command7_->setObjectName(QStringLiteral("Command7"));
  command7_->setMinimumWidth(110);
  connect(command7_, &QPushButton::clicked, this,
          [this] { Act([this] { logic_.SaveOrUnsave(); }, true); });
  // From the keyboard, wherever the focus is: Ctrl+S saves or unsaves,
  // Ctrl+P prints the last layout again.
  // (Shortcuts of their own: a button's caption sets its shortcut anew.)
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated,
          command7_, &QPushButton::click);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated,
          reprint_, &QPushButton::click);

  auto* user = new QVBoxLayout;
  user->setSpacing(2);
  user->addWidget(FormCaption(this, FormOot::kUserCaption));
  user->addWidget(lllUserId_);

  auto* footer = new QHBoxLayout;
  footer->addWidget(lllStatus_, 1);
  footer->addWidget(lllCode_);
  footer->addSpacing(16);
  footer->addLayout(user);
  footer->addWidget(command7_);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_);
  layout->setContentsMargins(14, 8, 14, 12);
  layout->setSpacing(10);
  layout->addLayout(ticket);
  layout->addLayout(entries);
  layout->addWidget(grid_, 1);
  layout->addLayout(recipient);
  layout->addWidget(pppNafaqa_);
  layout->addLayout(footer);

  Refresh();
  resize(sizeHint().expandedTo(QSize(grid_->sizeHint().width() + 28, 680)));
}

template <class Action>
void FormOotView::Act(Action action, bool followFocus) {
  action();
  Refresh();
  if (followFocus) FollowFocus();
}

void FormOotView::Refresh() {
  const QSignalBlocker b1(text1_);
  const QSignalBlocker b2(combo1_);
  const QSignalBlocker b3(text2_);
  lll_->setText(Q(logic_.LLL()));
  lllDate_->setText(Q(logic_.LLLDate()));
  cccDay_->setText(Q(logic_.CCCDay()));
  btnMonthlyfat_->setText(Q(logic_.BtnMonthlyfat()));
  command3_->setVisible(logic_.Command3Visible());
  SetTextIfChanged(text1_, logic_.Text1);
  SetEditTextIfChanged(combo1_, logic_.Combo1);
  SetTextIfChanged(textRasid_, logic_.TextRasid);
  SetTextIfChanged(text2_, logic_.Text2);

  lllMaridTitle_->setText(Q(logic_.LLLMaridTitle()));
  lllMarid_->setText(Q(logic_.LLLMarid()));
  const QString recipientLook =
      QStringLiteral("QPushButton#LLLMarid { background-color: %1; color: rgb(20, 40, 70);"
                     "  border: 1px solid rgb(120, 140, 170); border-radius: 4px; padding: 4px 8px; }"
                     "QPushButton#LLLMarid:focus { border: 2px solid rgb(30, 110, 200); }")
          .arg(ToQColor(logic_.LLLMaridColour()).name());
  if (lllMarid_->styleSheet() != recipientLook) lllMarid_->setStyleSheet(recipientLook);

  pppNafaqa_->setVisible(logic_.PPPNafaqaVisible());
  lllClassy_->setText(Q(logic_.LLLClassy()));
  lllQValue_->setText(Q(logic_.LLLQValue()));
  lllQValueUpToNow_->setText(Q(logic_.LLLQValueUpToNow()));
  lllQPeriod_->setText(Q(logic_.LLLQPeriod()));
  lllQDate_->setText(Q(logic_.LLLQDate()));
  lllQarar_->setText(Q(logic_.LLLQARAR()));
  lllMonyMarid_->setText(Q(logic_.LLLMonyMarid()));
  lllAge_->setText(Q(logic_.LLLAge()));

  lllStatus_->setText(Q(logic_.LLLStatus()));
  lllCode_->setText(Q(logic_.LLLCode()));
  lllUserId_->setText(Q(logic_.LLLUserId()));
  command7_->setText(Q(logic_.Command7()));

  const bool enabled = logic_.entriesEnabled();
  const QString look =
      QStringLiteral("background-color: %1;").arg(ToQColor(logic_.entryColour()).name());
  for (QLineEdit* box : {text1_, combo1_->lineEdit(), textRasid_, text2_}) {
    if (box->styleSheet() != look) box->setStyleSheet(look);
  }
  for (QWidget* entry : {static_cast<QWidget*>(text1_), static_cast<QWidget*>(combo1_),
                         static_cast<QWidget*>(text2_), static_cast<QWidget*>(command8_)}) {
    entry->setEnabled(enabled);
  }
}

void FormOotView::FollowFocus() {
  const bool selected = logic_.focusTextSelected();
  switch (logic_.focus()) {
    case FormOot::Focus::Text1:
      text1_->setFocus();
      if (selected) text1_->selectAll();
      break;
    case FormOot::Focus::Combo1:
      combo1_->setFocus();
      if (selected) combo1_->lineEdit()->selectAll();
      break;
    case FormOot::Focus::Text2:
      text2_->setFocus();
      if (selected) text2_->selectAll();
      break;
    case FormOot::Focus::Command3:
      command3_->setFocus();
      break;
  }
}

void FormOotView::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FollowFocus();
}

void FormOotView::mousePressEvent(QMouseEvent* event) {
  QDialog::mousePressEvent(event);
  Act([this] { logic_.ClickBackground(); });
}

bool FormOotView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == combo1_ || watched == combo1_->lineEdit()) &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F4) {
    Act([this] { logic_.PickDrugFromList(); }, true);
    return true;
  }
  // The small buttons are hover widgets: HoverEnter reaches the disabled
  // "^" as well.
  if (event->type() == QEvent::HoverEnter) {
    if (watched == editRecipient_) Act([this] { logic_.HoverEditRecipient(); });
    if (watched == backup_) Act([this] { logic_.HoverBackup(); });
    if (watched == reprint_) Act([this] { logic_.HoverPrint(); });
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ui
