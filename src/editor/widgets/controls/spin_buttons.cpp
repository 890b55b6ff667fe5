#include "editor/widgets/controls/spin_buttons.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent), Control(ControlClass::SpinButtons) {
  setFocusPolicy(Qt::TabFocus);
}

void SpinButtons::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int h = height() / 2;
  for (int half = 0; half < 2; ++half) {
    const QRectF r(0.5, half * h + 0.5, width() - 1.0, (half ? height() - h : h) - 1.0);
    const bool down = held_ == (half ? -1 : 1);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(down ? QColor(0x70, 0x70, 0x70) : QColor(0xc4, 0xc4, 0xc4));
    p.drawRect(r);
    const QPointF c = r.center();
    const double s = std::min(r.width(), r.height()) * 0.28;
    QPolygonF tri;
    if (half == 0)
      tri << QPointF(c.x() - s, c.y() + s / 2) << QPointF(c.x() + s, c.y() + s / 2)
          << QPointF(c.x(), c.y() - s / 2);
    else
      tri << QPointF(c.x() - s, c.y() - s / 2) << QPointF(c.x() + s, c.y() - s / 2)
          << QPointF(c.x(), c.y() + s / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? QColor(0x20, 0x20, 0x20) : QColor(0x80, 0x80, 0x80));
    p.drawPolygon(tri);
  }
  if (hasFocus()) desk::DrawFocusFrame(p, rect());
}

void SpinButtons::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Up:
      emit UpClicked();
      break;
    case Qt::Key_Down:
      emit DownClicked();
      break;
    default:
      QWidget::keyPressEvent(e);
  }
}

void SpinButtons::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  held_ = e->position().y() < height() / 2 ? 1 : -1;
  update();
}

void SpinButtons::mouseReleaseEvent(QMouseEvent* e) {
  const int was = held_;
  held_ = 0;
  update();
  if (!rect().contains(e->position().toPoint())) return;
  if (was == 1) emit UpClicked();
  if (was == -1) emit DownClicked();
}

}  // namespace morvelin
