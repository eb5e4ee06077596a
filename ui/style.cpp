#include "ui/style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ui {
namespace {

QString ArabicFamily() {
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"Noto Naskh Arabic", "Noto Sans Arabic", "Noto Kufi Arabic"}) {
    if (families.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
  }
  return QApplication::font().family();
}

void DrawCross(QPainter& p, QPointF centre, double arm, QColor colour) {
  QPainterPath cross;
  cross.setFillRule(Qt::WindingFill);
  double w = arm / 2.6;
  cross.addRoundedRect(QRectF(centre.x() - w / 2, centre.y() - arm, w, 2 * arm), w / 5, w / 5);
  cross.addRoundedRect(QRectF(centre.x() - arm, centre.y() - w / 2, 2 * arm, w), w / 5, w / 5);
  p.fillPath(cross.simplified(), colour);
}

}  // namespace

QFont ArabicFont(int pointSize, bool bold) {
  QFont f(ArabicFamily(), pointSize);
  f.setBold(bold);
  return f;
}

void ApplyApplicationStyle() {
  QApplication::setLayoutDirection(Qt::RightToLeft);
  QApplication::setFont(ArabicFont(11));
}

QPixmap MainPicture(QSize size) {
  QPixmap pixmap(size.expandedTo(QSize(1, 1)));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, pixmap.height());
  sky.setColorAt(0, QColor(77, 158, 213));
  sky.setColorAt(1, QColor(28, 84, 140));
  p.fillRect(pixmap.rect(), sky);
  double unit = std::min(pixmap.width(), pixmap.height()) / 10.0;
  QRadialGradient glow(QPointF(pixmap.width() * 0.5, pixmap.height() * 0.2), unit * 4);
  glow.setColorAt(0, QColor(255, 255, 255, 90));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(pixmap.rect(), glow);
  DrawCross(p, QPointF(pixmap.width() * 0.5, pixmap.height() * 0.2), unit * 1.6,
            QColor(46, 160, 90));
  p.setPen(QColor(255, 255, 255, 220));
  p.setFont(ArabicFont(std::max(12, static_cast<int>(unit / 2.2)), true));
  p.drawText(QRectF(0, pixmap.height() * 0.74, pixmap.width(), unit * 1.5), Qt::AlignCenter,
             QStringLiteral("صيدلية المستشفي"));
  return pixmap;
}

QPixmap StartPicture(QSize size) {
  QPixmap pixmap(size.expandedTo(QSize(1, 1)));
  pixmap.fill(QColor(192, 255, 192));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  double arm = std::min(pixmap.width(), pixmap.height()) * 0.3;
  DrawCross(p, QPointF(pixmap.width() * 0.5, pixmap.height() * 0.45), arm, QColor(46, 160, 90));
  return pixmap;
}

}  // namespace ui
