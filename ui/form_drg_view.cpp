#include "ui/form_drg_view.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "ui/button.h"
#include "ui/style.h"

namespace ui {
namespace {

using drugs::BoxKind;
using drugs::DrgBox;
using drugs::FormDrg;

QString Rgb(util::Colour c) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(util::RedOf(c)).arg(util::GreenOf(c)).arg(util::BlueOf(c));
}

// The two halves of the screen below the name, top to bottom; the heading of
// the classifications stands before the first flag.
constexpr DrgBox kRightHalf[] = {DrgBox::Expire,     DrgBox::Rasid,   DrgBox::NormalOut,
                                 DrgBox::Minimum,    DrgBox::Maximum, DrgBox::ManualRate,
                                 DrgBox::Monaqsa,    DrgBox::Souq,    DrgBox::RasmShera,
                                 DrgBox::Temp,       DrgBox::Gadwal};
constexpr DrgBox kLeftHalf[] = {DrgBox::Makhzan,   DrgBox::Pharma,     DrgBox::UnidDesc,
                                DrgBox::MoraqbaId, DrgBox::DafterId,   DrgBox::MyCode,
                                DrgBox::Motawatina, DrgBox::Haml,      DrgBox::Omoma,
                                DrgBox::ZoTabiyaKhasa};

}  // namespace

FormDrgView::FormDrgView(drugs::FormDrg& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(QStringLiteral("FormDRG"));
  setWindowTitle(Q(FormDrg::kCaption));
  setLayoutDirection(Qt::RightToLeft);
  auto* layout = new QVBoxLayout(this);

  menuBar_ = new QMenuBar(this);
  QMenu* ready = menuBar_->addMenu(Q(drugs::kReadyCataloguesMenu));
  ready->setObjectName(QStringLiteral("mnuReadydata"));
  for (const auto& info : drugs::kCatalogueTemplates) {
    QAction* action = ready->addAction(Q(info.caption));
    action->setObjectName(Q(info.menuName));
    auto which = info.which;
    connect(action, &QAction::triggered, this, [this, which] {
      Act([this, which] { logic_.LoadTemplate(which); });
    });
  }
  layout->setMenuBar(menuBar_);

  // "<" at the left of the number and ">" at its right, as on paper.
  auto* navigation = new QHBoxLayout;
  navigation->addStretch();
  auto* next = new Button(ArrowCaption(FormDrg::kNextCaption), this);
  next->setObjectName(QStringLiteral("Command1"));
  lll_ = new QLabel(this);
  lll_->setObjectName(QStringLiteral("LLL"));
  lll_->setAlignment(Qt::AlignCenter);
  lll_->setMinimumWidth(90);
  lll_->setFont(ArabicFont(16, true));
  lll_->setFrameShape(QFrame::Panel);
  lll_->setFrameShadow(QFrame::Sunken);
  lll_->setCursor(Qt::PointingHandCursor);
  lll_->setToolTip(QStringLiteral("بحث"));
  lll_->installEventFilter(this);
  auto* previous = new Button(ArrowCaption(FormDrg::kPreviousCaption), this);
  previous->setObjectName(QStringLiteral("Command2"));
  for (auto* button : {next, previous}) {
    button->setFont(ArabicFont(14, true));
    button->setFixedWidth(56);
  }
  navigation->addWidget(next);
  navigation->addWidget(lll_);
  navigation->addWidget(previous);
  navigation->addStretch();
  layout->addLayout(navigation);
  connect(previous, &QPushButton::clicked, this, [this] { Act([this] { logic_.Previous(); }); });
  connect(next, &QPushButton::clicked, this, [this] { Act([this] { logic_.Next(); }); });

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(10);
  fields->setVerticalSpacing(6);
  auto makeBox = [&](DrgBox b) -> QWidget* {
    const auto& info = drugs::BoxInfo(b);
    QWidget* widget = nullptr;
    if (info.kind == BoxKind::Label) {
      auto* label = new QLabel(this);
      label->setFrameShape(QFrame::Panel);
      label->setFrameShadow(QFrame::Sunken);
      label->setMinimumHeight(30);
      label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
      label->setStyleSheet(QStringLiteral("QLabel { background-color: white; padding: 0 4px; }"));
      label->setCursor(Qt::PointingHandCursor);
      widget = label;
    } else {
      auto* edit = new QLineEdit(this);
      edit->setReadOnly(FormDrg::Locked(b));
      // Numbers and "True" / "False" at the right edge too, like the names.
      edit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
      edit->setStyleSheet(
          QStringLiteral("QLineEdit { background-color: %1; }").arg(Rgb(FormDrg::Background(b))));
      if (info.kind == BoxKind::Picker || info.kind == BoxKind::Toggle) {
        edit->setCursor(Qt::PointingHandCursor);
      }
      connect(edit, &QLineEdit::textEdited, this,
              [this, b](const QString& text) { logic_.SetText(b, text.toStdString()); });
      widget = edit;
    }
    widget->setObjectName(Q(info.control));
    widget->setFont(ArabicFont(12));
    widget->installEventFilter(this);
    boxes_[static_cast<std::size_t>(b)] = widget;
    return widget;
  };
  auto makeLabel = [&](DrgBox b) {
    auto* label = new QLabel(Q(drugs::BoxInfo(b).label), this);
    label->setFont(ArabicFont(11, true));
    return label;
  };

  fields->addWidget(makeLabel(DrgBox::DrugName), 0, 0);
  fields->addWidget(makeBox(DrgBox::DrugName), 0, 1, 1, 3);
  int row = 1;
  for (DrgBox b : kRightHalf) {
    fields->addWidget(makeLabel(b), row, 0);
    fields->addWidget(makeBox(b), row, 1);
    ++row;
  }
  row = 1;
  for (DrgBox b : kLeftHalf) {
    if (b == DrgBox::Motawatina) {
      auto* heading = new QLabel(Q(FormDrg::kClassifications), this);
      heading->setObjectName(QStringLiteral("LabelClassifications"));
      heading->setFont(ArabicFont(12, true));
      heading->setAlignment(Qt::AlignCenter);
      fields->addWidget(heading, row, 2, 1, 2);
      ++row;
    }
    fields->addWidget(makeLabel(b), row, 2);
    fields->addWidget(makeBox(b), row, 3);
    ++row;
  }
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);
  fields->setColumnMinimumWidth(1, 200);
  fields->setColumnMinimumWidth(3, 200);
  layout->addLayout(fields);

  auto* commands = new QHBoxLayout;
  commands->addStretch();
  auto* add = new Button(Q(FormDrg::kNewCaption), this);
  add->setObjectName(QStringLiteral("Command4"));
  auto* save = new Button(Q(FormDrg::kSaveCaption), this);
  save->setObjectName(QStringLiteral("Command3"));
  for (auto* button : {add, save}) {
    button->setFont(ArabicFont(13, true));
    button->setMinimumWidth(120);
    commands->addWidget(button);
  }
  commands->addStretch();
  layout->addLayout(commands);
  connect(add, &QPushButton::clicked, this, [this] { Act([this] { logic_.New(); }); });
  connect(save, &QPushButton::clicked, this, [this] { Act([this] { logic_.Save(); }); });

  Refresh();
}

template <class Action>
void FormDrgView::Act(Action action) {
  action();
  Refresh();
}

bool FormDrgView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == lll_) {
      Act([this] { logic_.Search(); });
      return true;
    }
    for (const auto& info : drugs::kDrgBoxes) {
      if (watched == box(info.box) && info.kind != BoxKind::Typed && info.kind != BoxKind::Shown) {
        Act([this, b = info.box] { logic_.Click(b); });
        return true;
      }
    }
  }
  if (event->type() == QEvent::KeyPress) {
    auto key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QLineEdit*>(watched)) {
      focusNextChild();
      return true;
    }
    // Space works a picker or a toggle from the keyboard, as a click does.
    for (const auto& info : drugs::kDrgBoxes) {
      if (key == Qt::Key_Space && watched == box(info.box) &&
          (info.kind == BoxKind::Picker || info.kind == BoxKind::Toggle)) {
        Act([this, b = info.box] { logic_.Click(b); });
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FormDrgView::Refresh() {
  if (logic_.closed()) {
    accept();
    return;
  }
  lll_->setText(QString::number(logic_.shownNumber()));
  for (const auto& info : drugs::kDrgBoxes) {
    QString text = Q(logic_.Text(info.box));
    if (auto* edit = qobject_cast<QLineEdit*>(box(info.box))) {
      if (edit->text() != text) edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(box(info.box))) {
      label->setText(text);
    }
  }
}

}  // namespace ui
