#include "ui/form_ds_view.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

FormDsView::FormDsView(drugs::FormDs& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  using drugs::FormDs;
  setObjectName(QStringLiteral("FFFDS"));
  setWindowTitle(Q(FormDs::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  auto* layout = new QHBoxLayout(this);

  // The letters in one column, top to bottom.
  auto* letters = new QVBoxLayout;
  letters->setSpacing(2);
  for (int i = 0; i < static_cast<int>(FormDs::kLetters.size()); ++i) {
    auto* button = new Button(Q(FormDs::kLetters[static_cast<std::size_t>(i)]), this);
    button->setObjectName(QStringLiteral("CMDL%1").arg(i));
    button->setFont(ArabicFont(11, true));
    button->setFixedSize(42, 26);
    button->setStyleSheet(button->styleSheet() +
                          QStringLiteral("ui--Button { padding: 0px; border-radius: 5px; }"));
    connect(button, &QPushButton::clicked, this, [this, i] {
      logic_.Letter(i);
      Refresh();
    });
    letters->addWidget(button);
  }
  layout->addLayout(letters);

  auto* right = new QVBoxLayout;
  auto* searchRow = new QHBoxLayout;
  auto* label = new QLabel(Q(FormDs::kSearchLabel), this);
  label->setFont(ArabicFont(12, true));
  searchRow->addWidget(label);
  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFont(ArabicFont(12));
  text1_->installEventFilter(this);
  searchRow->addWidget(text1_, 1);
  right->addLayout(searchRow);

  auto* kinds = new QHBoxLayout;
  auto addKind = [&](std::string_view caption, const char* name, void (FormDs::*action)()) {
    auto* button = new Button(Q(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, action] {
      (logic_.*action)();
      Refresh();
    });
    kinds->addWidget(button);
  };
  addKind(FormDs::kRefrigeratorCaption, "Command1", &FormDs::Refrigerator);
  addKind(FormDs::kScheduleCaption, "Command2", &FormDs::Schedule);
  addKind(FormDs::kSpecialNatureCaption, "Command3", &FormDs::SpecialNature);
  right->addLayout(kinds);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setFont(ArabicFont(12));
  list_->setMinimumSize(360, 320);
  right->addWidget(list_, 1);
  layout->addLayout(right, 1);

  connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) {
    logic_.SetSearchText(text.toStdString());
    Refresh();
  });
  auto pick = [this](QListWidgetItem* item) {
    logic_.ClickItem(list_->row(item));
    Refresh();
  };
  connect(list_, &QListWidget::itemClicked, this, pick);
  connect(list_, &QListWidget::itemActivated, this, pick);
}

bool FormDsView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text1_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
    logic_.DownArrow();
    Refresh();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void FormDsView::Refresh() {
  if (logic_.closed()) {
    accept();
    return;
  }
  QStringList names;
  names.reserve(static_cast<qsizetype>(logic_.list().size()));
  for (const auto& name : logic_.list()) names << Q(name);
  list_->clear();
  list_->addItems(names);
  if (logic_.focus() == drugs::FormDs::Focus::List) list_->setFocus();
}

}  // namespace ui
