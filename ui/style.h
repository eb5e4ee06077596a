#pragma once
// Colours, fonts and pictures shared by the screens.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string_view>

#include "util/numbers.h"

namespace ui {

inline QColor ToQColor(util::Colour c) {
  return QColor(util::RedOf(c), util::GreenOf(c), util::BlueOf(c));
}
inline QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The application's Arabic face (Noto Naskh Arabic where installed).
QFont ArabicFont(int pointSize = 11, bool bold = false);
// Right to left, the Arabic face, and the look of the screens.
void ApplyApplicationStyle();

// The picture of the main window, drawn at the given size.
QPixmap MainPicture(QSize size);
// The small picture of the start-up window.
QPixmap StartPicture(QSize size);

}  // namespace ui
