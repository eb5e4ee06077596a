#pragma once
// Small pieces the document screens (receipts, tickets) build their forms
// from, and the redraw helpers that leave a box alone while its text is
// already right (so typing is never disturbed).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QGridLayout>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "util/grid.h"

namespace ui {

// A bold centred caption above a box.
QLabel* FormCaption(QWidget* parent, std::string_view text);
// A read-only value in a white framed box.
QLabel* FormValue(QWidget* parent, const char* name, int minimumWidth);

class GridView;

// The entry row of a document screen: each box under its caption, in
// reading order from the right, then the add button.
QGridLayout* EntryRow(QWidget* parent,
                      std::initializer_list<std::pair<std::string_view, QWidget*>> entries,
                      QWidget* add);

// The grid of a document's lines: whole rows are selected and Tab passes
// on to the next control. The columns are numbered from the money (or
// expiry) columns to the drug number, so they are laid out from the left:
// the number reads first from the right, then the drug and its quantity,
// as on the printed documents.
GridView* DocumentLines(util::Grid& grid, QWidget* parent, const char* name);

void SetTextIfChanged(QLineEdit* box, const std::string& text);
void SetEditTextIfChanged(QComboBox* combo, const std::string& text);

}  // namespace ui
