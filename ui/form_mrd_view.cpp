#include "ui/form_mrd_view.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {
namespace {

int TwipsToPixels(const QWidget& widget, int twips) { return twips * widget.logicalDpiY() / 1440; }

}  // namespace

FormMrdView::FormMrdView(receipts::FormMrd& logic, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowCloseButtonHint), logic_(logic) {
  using receipts::FormMrd;
  setObjectName(QStringLiteral("FFFMRD"));
  setWindowTitle(Q(FormMrd::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  auto* layout = new QVBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setFont(ArabicFont(12));
  layout->addWidget(list_, 1);

  auto addButton = [&](std::string_view caption, const char* name) {
    auto* button = new Button(Q(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
  };
  auto* edit = addButton(FormMrd::kEditCaption, "CmdEdit");
  auto* send = addButton(FormMrd::kSendCaption, "CmdSend");
  rename_ = addButton(FormMrd::kRenameCaption, "CmdRename");
  add_ = addButton(FormMrd::kAddCaption, "CmdAdd");

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { logic_.Select(row); });
  connect(edit, &QPushButton::clicked, this, [this] {
    logic_.Edit();
    Refresh();
  });
  connect(send, &QPushButton::clicked, this, [this] {
    logic_.Send();
    Refresh();
  });
  connect(rename_, &QPushButton::clicked, this, [this] {
    logic_.Rename();
    Refresh();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    logic_.Add();
    Refresh();
  });
  setMinimumWidth(TwipsToPixels(*this, 6000));
  Refresh();
}

void FormMrdView::Refresh() {
  if (logic_.closed()) {
    accept();
    return;
  }
  QStringList names;
  for (const auto& name : logic_.list()) names << Q(name);
  QStringList shown;
  for (int i = 0; i < list_->count(); ++i) shown << list_->item(i)->text();
  if (names != shown) {
    QSignalBlocker block(list_);
    list_->clear();
    list_->addItems(names);
  }
  {
    QSignalBlocker block(list_);
    list_->setCurrentRow(logic_.selected());
  }
  rename_->setVisible(logic_.tall());
  add_->setVisible(logic_.tall());
  setFixedHeight(TwipsToPixels(*this, logic_.height()));
}

}  // namespace ui
