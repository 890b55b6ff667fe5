#include "graphs/widgets/band_point.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtMath>

#include "graphs/curve_layout.h"
#include "graphs/curve_points.h"

namespace morvelin {

namespace {

// Drawn at the screen's resolution; at scale factor 1 one pixel a pixel.
QPixmap PointPicture(const QString& text, qreal dpr) {
  const int side = qCeil(kPointSize * dpr);
  QPixmap pm(side, side);
  pm.setDevicePixelRatio(dpr);
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
    : QWidget(parent), index_(index), picture_(PointPicture(LabelOf(index), 1.0)) {
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
  // The screen's backing store, or an image rendered into.
  const QPaintDevice* target = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
  const qreal dpr = target ? target->devicePixelRatioF() : devicePixelRatioF();
  if (picture_.devicePixelRatio() != dpr) picture_ = PointPicture(LabelOf(index_), dpr);
  p.drawPixmap(0, 0, picture_);
}

}  // namespace morvelin
