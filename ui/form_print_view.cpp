#include "ui/form_print_view.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <memory>
#include <string>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {
namespace {

QLineEdit* Box(QWidget* parent, const char* name, std::string& text) {
  auto* box = new QLineEdit(Q(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setLayoutDirection(Qt::LeftToRight);
  box->setMaximumWidth(110);
  QObject::connect(box, &QLineEdit::textEdited, parent,
                   [&text](const QString& typed) { text = typed.toStdString(); });
  return box;
}

}  // namespace

FormPrintView::FormPrintView(core::FFFPrint& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(QString::fromLatin1(core::FFFPrint::kName.data(),
                                    static_cast<qsizetype>(core::FFFPrint::kName.size())));
  setWindowTitle(Q(core::FFFPrint::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setModal(true);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List1"));
  list_->setLayoutDirection(Qt::LeftToRight);
  list_->setMinimumSize(360, 160);
  for (const auto& name : logic_.List1) list_->addItem(Q(name));
  list_->setCurrentRow(logic_.List1Index);
  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { logic_.List1Index = row; });

  auto* boxes = new QFormLayout;
  boxes->addRow(QStringLiteral("Left"), Box(this, "TextLeft", logic_.TextLeft));
  boxes->addRow(QStringLiteral("Top"), Box(this, "TextTop", logic_.TextTop));
  boxes->addRow(QStringLiteral("Pages"), Box(this, "TttPageCount", logic_.TttPageCount));

  auto* ok = new Button(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("CmdOk"));
  auto* cancel = new Button(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  // Enter anywhere in the dialog is "OK".
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    logic_.Ok();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    logic_.Cancel();
    QDialog::reject();
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
}

void FormPrintView::reject() {
  logic_.Close();
  QDialog::reject();
}

void FormPrintView::closeEvent(QCloseEvent* event) {
  logic_.Close();
  QDialog::closeEvent(event);
}


}  // namespace ui
