#include "ui/form_pharmacy_info_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {

FormPharmacyInfoView::FormPharmacyInfoView(core::FormPharmacyInfo& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(QStringLiteral("FormPharmacyInfo"));
  setWindowTitle(Q(core::FormPharmacyInfo::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  setStyleSheet(QStringLiteral("QDialog { background-color: rgb(77, 158, 213); }"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto box = [this, form](const char* name, std::string_view label, const std::string& text) {
    auto* edit = new QLineEdit(Q(text), this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(320);
    edit->setFont(ArabicFont(13));
    auto* caption = new QLabel(Q(label), this);
    caption->setFont(ArabicFont(12, true));
    form->addRow(caption, edit);
    return edit;
  };
  governorate_ = box("TttMohafaza", core::FormPharmacyInfo::kGovernorateLabel, logic_.TttMohafaza);
  hospital_ = box("TttMostashfa", core::FormPharmacyInfo::kHospitalLabel, logic_.TttMostashfa);
  department_ = box("TttQism", core::FormPharmacyInfo::kDepartmentLabel, logic_.TttQism);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  auto* ok = new Button(QStringLiteral("ok"), this);
  ok->setObjectName(QStringLiteral("CmdOk"));
  auto* cancel = new Button(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CmdCancel"));
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &FormPharmacyInfoView::Ok);
  connect(cancel, &QPushButton::clicked, this, [this] { logic_.Cancel(); });
}

void FormPharmacyInfoView::Ok() {
  logic_.TttMohafaza = governorate_->text().toStdString();
  logic_.TttMostashfa = hospital_->text().toStdString();
  logic_.TttQism = department_->text().toStdString();
  logic_.Ok();
  if (logic_.closed()) accept();
}

void FormPharmacyInfoView::reject() {
  logic_.Close();
  QDialog::reject();
}

}  // namespace ui
