#pragma once
// Small pieces the document screens (receipts, tickets) build their forms
// from, and the redraw helpers that leave a box alone while its text is
// already right (so typing is never disturbed).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <string>
#include <string_view>

namespace ui {

// A bold centred caption above a box.
QLabel* FormCaption(QWidget* parent, std::string_view text);
// A read-only value in a white framed box.
QLabel* FormValue(QWidget* parent, const char* name, int minimumWidth);

void SetTextIfChanged(QLineEdit* box, const std::string& text);
void SetEditTextIfChanged(QComboBox* combo, const std::string& text);

}  // namespace ui
