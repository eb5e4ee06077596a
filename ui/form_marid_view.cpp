#include "ui/form_marid_view.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ui {

FormMaridView::FormMaridView(dispensing::FormMarid& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(Q(dispensing::FormMarid::kName));
  setWindowTitle(Q(logic_.caption()));
  setLayoutDirection(Qt::RightToLeft);
  setStyleSheet(QStringLiteral("QDialog#FormMarid { background-color: rgb(77, 158, 213); }"));

  prompt_ = new QLabel(this);
  prompt_->setObjectName(QStringLiteral("LLLSelectMaridTitle"));
  prompt_->setFont(ArabicFont(12, true));
  prompt_->setStyleSheet(QStringLiteral("color: white;"));
  patientId_ = new ClickLabel(QString(), this);
  patientId_->setObjectName(QStringLiteral("LLLpatientId"));
  patientId_->setFont(ArabicFont(13, true));
  patientId_->setMinimumWidth(320);
  patientId_->setMinimumHeight(34);
  patientId_->setAlignment(Qt::AlignCenter);
  patientId_->setStyleSheet(
      QStringLiteral("background-color: rgb(255, 255, 225); color: rgb(20, 40, 70);"
                     " border: 1px solid rgb(30, 90, 160); border-radius: 6px; padding: 2px 8px;"));

  tickets_ = new GridView(logic_.Xxx, this);
  tickets_->setObjectName(QStringLiteral("Xxx"));
  tickets_->SetSelectWholeRows(true);
  drugs_ = new GridView(logic_.xxx2, this);
  drugs_->setObjectName(QStringLiteral("xxx2"));

  auto* top = new QHBoxLayout;
  top->addWidget(prompt_);
  top->addWidget(patientId_, 1);
  auto* grids = new QHBoxLayout;
  grids->addWidget(tickets_);
  grids->addWidget(drugs_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addLayout(top);
  layout->addLayout(grids, 1);

  connect(patientId_, &ClickLabel::clicked, this, [this] {
    logic_.ClickPatient();
    Refresh();
  });
  tickets_->OnCellClicked([this](int row, int) { logic_.ClickTicket(row); });

  Refresh();
  resize(sizeHint().width(), 480);
}

void FormMaridView::Refresh() {
  prompt_->setText(Q(logic_.LLLSelectMaridTitle()));
  patientId_->setText(Q(logic_.LLLpatientId()));
}

}  // namespace ui
