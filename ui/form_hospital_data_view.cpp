#include "ui/form_hospital_data_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {
namespace {

QLabel* Caption(QWidget* parent, std::string_view text) {
  auto* label = new QLabel(Q(text), parent);
  label->setFont(ArabicFont(11, true));
  label->setStyleSheet(QStringLiteral("color: white;"));
  return label;
}

}  // namespace

FormHospitalDataView::FormHospitalDataView(core::FormHospitaldata& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  using core::FormHospitaldata;
  setObjectName(Q(FormHospitaldata::kName));
  setWindowTitle(Q(FormHospitaldata::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setStyleSheet(
      QStringLiteral("QDialog#FormHospitaldata { background-color: rgb(77, 158, 213); }"));

  lll_ = new ClickLabel(QString(), this);
  lll_->setObjectName(QStringLiteral("LLL"));
  lll_->setFont(ArabicFont(12, true));
  lll_->setAlignment(Qt::AlignCenter);
  lll_->setMinimumSize(90, 30);
  lll_->setStyleSheet(
      QStringLiteral("background-color: rgb(255, 255, 225); color: rgb(20, 40, 70);"
                     " border: 1px solid rgb(30, 90, 160); border-radius: 6px; padding: 2px 8px;"));
  textName_ = new QLineEdit(this);
  textName_->setObjectName(QStringLiteral("TextName"));
  textName_->setReadOnly(true);
  textName_->setFont(ArabicFont(12, true));
  textName_->setMinimumWidth(300);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(lll_);
  numberRow->addStretch();
  form->addRow(Caption(this, FormHospitaldata::kLocalNumberLabel), numberRow);
  form->addRow(Caption(this, FormHospitaldata::kNameLabel), textName_);

  grid_ = new GridView(logic_.Xxx, this);
  grid_->setObjectName(QStringLiteral("Xxx"));
  grid_->SetSelectWholeRows(true);

  auto* save = new Button(Q(FormHospitaldata::kSaveCaption), this);
  save->setObjectName(QStringLiteral("CmdSave"));
  auto* close = new Button(Q(FormHospitaldata::kCloseCaption), this);
  close->setObjectName(QStringLiteral("CmdClose"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (auto* b : {save, close}) {
    b->setFont(ArabicFont(12, true));
    b->setMinimumWidth(100);
    buttons->addWidget(b);
  }
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addLayout(form);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);

  connect(lll_, &ClickLabel::clicked, this, [this] {
    logic_.ClickLLL();
    Refresh();
  });
  grid_->OnCellClicked([this](int row, int) { logic_.ClickRow(row); });
  connect(save, &QPushButton::clicked, this, [this] {
    (void)logic_.Save();
    if (logic_.closed()) accept();
  });
  connect(close, &QPushButton::clicked, this, &FormHospitalDataView::reject);

  Refresh();
  resize(sizeHint().width(), 560);
}

void FormHospitalDataView::Refresh() {
  lll_->setText(QString::number(logic_.LLL()));
  textName_->setText(Q(logic_.TextName()));
}

void FormHospitalDataView::reject() {
  if (!logic_.closed()) logic_.Close();
  QDialog::reject();
}

}  // namespace ui
