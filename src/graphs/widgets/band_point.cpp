#include "graphs/widgets/band_point.h"

#include <QPainter>

#include "graphs/curve_layout.h"
#include "graphs/curve_points.h"

namespace morvelin {

namespace {

QPixmap PointPicture(const QString& text) {
  QPixmap pm(kPointSize, kPointSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kBandPointColour.red, kBandPointColour.green, kBandPointColour.blue));
  p.drawEllipse(QRectF(0, 0, kPointSize, kPointSize));
  QFont font("Arial");
  font.setPixelSize(text.size() > 1 ? 9 : 11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, kPointSize, kPointSize), Qt::AlignCenter, text);
  return pm;
}

}  // namespace

BandPoint::BandPoint(int index, QWidget* parent)
    : QWidget(parent), index_(index), picture_(PointPicture(LabelOf(index))) {
  setObjectName(NameOf(index));
  setProperty("Tag", index);
  setFixedSize(kPointSize, kPointSize);
  setAttribute(Qt::WA_NoSystemBackground);
}

QString BandPoint::NameOf(int index) {
  if (index == kHighPassPoint) return QStringLiteral("HPF");
  if (index == kLowPassPoint) return QStringLiteral("LPF");
  return QStringLiteral("EP%1").arg(index + 1);
}

QString BandPoint::LabelOf(int index) {
  if (index == kHighPassPoint) return QStringLiteral("H");
  if (index == kLowPassPoint) return QStringLiteral("L");
  return QString::number(index + 1);
}

void BandPoint::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

}  // namespace morvelin
