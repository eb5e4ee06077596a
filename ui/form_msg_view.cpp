#include "ui/form_msg_view.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

FormMsgView::FormMsgView(core::FormMsg& logic, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FFFMSG"));
  setWindowTitle(Q(logic.title()));
  setLayoutDirection(Qt::RightToLeft);
  resize(620, 460);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(Q(logic.title()), this);
  title->setObjectName(QStringLiteral("Title"));
  title->setFont(ArabicFont(14, true));
  layout->addWidget(title);
  auto* body = new QPlainTextEdit(this);
  body->setObjectName(QStringLiteral("Body"));
  body->setReadOnly(true);
  body->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QString text = Q(logic.body());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  body->setPlainText(text);
  layout->addWidget(body);
  auto* ok = new Button(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace ui
