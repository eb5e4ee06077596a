#include "ui/form_marid_edit_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {
namespace {

using dispensing::FormMaridEdit;

QLabel* Caption(QWidget* parent, std::string_view text) {
  auto* label = new QLabel(Q(text), parent);
  label->setFont(ArabicFont(11, true));
  label->setStyleSheet(QStringLiteral("color: white;"));
  return label;
}

ClickLabel* ValueLabel(QWidget* parent, const char* name) {
  auto* label = new ClickLabel(QString(), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(ArabicFont(12, true));
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(130);
  label->setMinimumHeight(30);
  label->setStyleSheet(
      QStringLiteral("background-color: rgb(255, 255, 225); color: rgb(20, 40, 70);"
                     " border: 1px solid rgb(30, 90, 160); border-radius: 6px; padding: 2px 8px;"));
  return label;
}

}  // namespace

QLineEdit* FormMaridEditView::Box(const char* name, std::string& text) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setFont(ArabicFont(12));
  box->installEventFilter(this);
  // What the user types is the logic's text at once.
  connect(box, &QLineEdit::textEdited, this,
          [&text](const QString& typed) { text = typed.toStdString(); });
  boxes_.push_back(box);
  return box;
}

FormMaridEditView::FormMaridEditView(FormMaridEdit& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(Q(FormMaridEdit::kName));
  setWindowTitle(Q(logic_.caption()));
  setLayoutDirection(Qt::RightToLeft);
  setStyleSheet(QStringLiteral("QDialog#FormMaridEdit { background-color: rgb(77, 158, 213); }"
                               " QGroupBox { color: white; font-weight: bold; }"));

  auto* menuBar = new QMenuBar(this);
  auto* edit = menuBar->addMenu(Q(FormMaridEdit::kEditMenu));
  QAction* replaceEntry = edit->addAction(Q(FormMaridEdit::kReplaceMenuEntry));
  replaceEntry->setObjectName(QStringLiteral("mnuReplace"));

  lll_ = ValueLabel(this, "LLL");
  textName_ = Box("TextName", logic_.TextName);
  textName_->setMinimumWidth(360);
  textNid_ = Box("Textnid", logic_.Textnid);
  nameCaption_ = Caption(this, {});
  nameCaption_->setObjectName(QStringLiteral("LLLMostashfaOrpatient"));
  numberCaption_ = Caption(this, {});
  numberCaption_->setObjectName(QStringLiteral("LLLNID"));

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(lll_);
  numberRow->addStretch();
  form->addRow(Caption(this, FormMaridEdit::kLocalNumberLabel), numberRow);
  form->addRow(nameCaption_, textName_);
  form->addRow(numberCaption_, textNid_);

  auto* panel = new QGroupBox(Q(FormMaridEdit::kPanelCaption), this);
  panel->setObjectName(QStringLiteral("PppNafaqa"));
  panel->setFont(ArabicFont(11, true));
  textQPeriod_ = Box("TextQPeriod", logic_.TextQPeriod);
  textQMony_ = Box("TextQMony", logic_.TextQMony);
  textQId_ = Box("TextQID", logic_.TextQID);
  for (QLineEdit* number : {textNid_, textQPeriod_, textQMony_, textQId_}) {
    number->setAlignment(Qt::AlignCenter);
  }
  startDate_ = ValueLabel(this, "LLLStartDate");
  classy_ = ValueLabel(this, "LLLClassy");
  auto* panelForm = new QFormLayout(panel);
  panelForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panelForm->addRow(Caption(panel, FormMaridEdit::kPeriodLabel), textQPeriod_);
  panelForm->addRow(Caption(panel, FormMaridEdit::kAmountLabel), textQMony_);
  panelForm->addRow(Caption(panel, FormMaridEdit::kDecisionNumberLabel), textQId_);
  panelForm->addRow(Caption(panel, FormMaridEdit::kStartLabel), startDate_);
  panelForm->addRow(Caption(panel, FormMaridEdit::kClassLabel), classy_);

  auto* save = new Button(Q(FormMaridEdit::kSaveCaption), this);
  save->setObjectName(QStringLiteral("Command1"));
  auto* create = new Button(Q(FormMaridEdit::kNewCaption), this);
  create->setObjectName(QStringLiteral("Command2"));
  auto* replace = new Button(Q(FormMaridEdit::kReplaceCaption), this);
  replace->setObjectName(QStringLiteral("Command3"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (auto* b : {save, create, replace}) {
    b->setFont(ArabicFont(12, true));
    b->setMinimumWidth(110);
    buttons->addWidget(b);
  }
  buttons->addStretch();

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("LLLStatus"));
  status_->setFont(ArabicFont(11, true));
  status_->setWordWrap(true);
  status_->setMinimumHeight(48);
  status_->setAlignment(Qt::AlignLeading | Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->setContentsMargins(14, 10, 14, 10);
  layout->addLayout(form);
  layout->addWidget(panel);
  layout->addLayout(buttons);
  layout->addWidget(status_);

  connect(lll_, &ClickLabel::clicked, this, [this] { Act([this] { logic_.ClickLLL(); }); });
  connect(classy_, &ClickLabel::clicked, this, [this] { Act([this] { logic_.ClickClassy(); }); });
  connect(startDate_, &ClickLabel::clicked, this,
          [this] { Act([this] { logic_.ClickStartDate(); }); });
  connect(save, &QPushButton::clicked, this, [this] { Act([this] { (void)logic_.Save(); }); });
  connect(create, &QPushButton::clicked, this, [this] { Act([this] { logic_.New(); }); });
  connect(replace, &QPushButton::clicked, this, [this] { Act([this] { logic_.Replace(); }); });
  connect(replaceEntry, &QAction::triggered, this, [this] { Act([this] { logic_.Replace(); }); });

  blink_.setInterval(FormMaridEdit::kBlinkMilliseconds);
  connect(&blink_, &QTimer::timeout, this, [this] { Act([this] { logic_.BlinkTick(); }); });
  blink_.start();

  Refresh();
  resize(560, sizeHint().height());
}

void FormMaridEditView::Refresh() {
  setWindowTitle(Q(logic_.caption()));
  lll_->setText(QString::number(logic_.LLL()));
  nameCaption_->setText(Q(logic_.LLLMostashfaOrpatient()));
  numberCaption_->setText(Q(logic_.LLLNID()));
  const std::pair<QLineEdit*, const std::string*> boxes[] = {
      {textName_, &logic_.TextName},   {textNid_, &logic_.Textnid},
      {textQPeriod_, &logic_.TextQPeriod}, {textQMony_, &logic_.TextQMony},
      {textQId_, &logic_.TextQID}};
  for (const auto& [box, text] : boxes) {
    const QString shown = Q(*text);
    if (box->text() != shown) {
      QSignalBlocker block(box);
      box->setText(shown);
    }
  }
  startDate_->setText(Q(logic_.LLLStartDate()));
  classy_->setText(Q(logic_.LLLClassy()));
  status_->setText(Q(logic_.LLLStatus()));
  status_->setStyleSheet(
      QStringLiteral("color: %1; background-color: rgb(40, 40, 40); padding: 4px;")
          .arg(ToQColor(logic_.statusColour()).name()));
}

bool FormMaridEditView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Enter moves on to the next control.
      focusNextChild();
      return true;
    }
  } else if (event->type() == QEvent::KeyRelease && watched == textName_) {
    Act([this] { logic_.NameTyped(textName_->text().toStdString()); });
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ui
