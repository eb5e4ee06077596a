#include "ui/form_widgets.h"

#include "ui/grid_view.h"

#include "ui/style.h"

namespace ui {

QLabel* FormCaption(QWidget* parent, std::string_view text) {
  auto* label = new QLabel(Q(text), parent);
  label->setFont(ArabicFont(11, true));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QGridLayout* EntryRow(QWidget* parent,
                      std::initializer_list<std::pair<std::string_view, QWidget*>> entries,
                      QWidget* add) {
  auto* row = new QGridLayout;
  row->setHorizontalSpacing(8);
  int column = 0;
  for (const auto& [caption, box] : entries) {
    row->addWidget(FormCaption(parent, caption), 0, column);
    row->addWidget(box, 1, column);
    ++column;
  }
  row->addWidget(add, 1, column);
  // The name box takes the room that is left.
  row->setColumnStretch(1, 1);
  return row;
}

GridView* DocumentLines(util::Grid& grid, QWidget* parent, const char* name) {
  auto* view = new GridView(grid, parent);
  view->setLayoutDirection(Qt::LeftToRight);
  view->setObjectName(QString::fromLatin1(name));
  view->SetSelectWholeRows(true);
  view->setTabKeyNavigation(false);
  return view;
}

QLabel* FormValue(QWidget* parent, const char* name, int minimumWidth) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(ArabicFont(12, true));
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(minimumWidth);
  label->setStyleSheet(
      QStringLiteral("QLabel { background-color: white; color: rgb(20, 40, 70);"
                     "  border: 1px solid rgb(120, 140, 170); border-radius: 4px; padding: 2px 6px; }"));
  return label;
}

void SetTextIfChanged(QLineEdit* box, const std::string& text) {
  const QString value = Q(text);
  if (box->text() != value) box->setText(value);
}

void SetEditTextIfChanged(QComboBox* combo, const std::string& text) {
  const QString value = Q(text);
  if (combo->currentText() != value) combo->setEditText(value);
}

}  // namespace ui
