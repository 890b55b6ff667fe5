#include "editor/widgets/controls/track_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent, ControlClass cls)
    : QWidget(parent), Control(cls), orientation_(orientation) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetPosition(pos_);
  update();
}

void TrackBar::SetPosition(int pos) {
  pos = std::clamp(pos, min_, max_);
  if (pos == pos_) return;
  pos_ = pos;
  update();
  emit Changed(pos_);
}

void TrackBar::SetLook(const TrackBarLook& look) {
  look_ = look;
  update();
}

void TrackBar::SetHighlighted(bool on) {
  if (on == highlighted_) return;
  highlighted_ = on;
  update();
}

QSize TrackBar::sizeHint() const {
  return orientation_ == Qt::Horizontal ? QSize(120, look_.thumbWidth + 4) : QSize(look_.thumbWidth + 4, 120);
}

int TrackBar::TravelLength() const {
  const int along = orientation_ == Qt::Horizontal ? width() : height();
  return std::max(1, along - look_.thumbLength - 2);
}

int TrackBar::ThumbOffset() const {
  if (max_ == min_) return 0;
  return static_cast<int>(std::lround(double(pos_ - min_) * TravelLength() / double(max_ - min_)));
}

double TrackBar::AlongTravel(QPointF p) const {
  // Distance from the minimum end, in pixels of the thumb's leading edge.
  return orientation_ == Qt::Horizontal ? p.x() - 1 : height() - 1 - p.y();
}

int TrackBar::PositionAt(QPointF p) const {
  const double t = std::clamp((AlongTravel(p) - grabOffset_) / TravelLength(), 0.0, 1.0);
  return min_ + static_cast<int>(std::lround(t * (max_ - min_)));
}

void TrackBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool on = isEnabled();
  const int g = look_.grooveThickness;
  const int half = look_.thumbLength / 2;
  const int off = ThumbOffset();
  QRectF groove, done, thumb;
  if (orientation_ == Qt::Horizontal) {
    const double cy = height() / 2.0;
    groove = QRectF(1 + half, cy - g / 2.0, width() - 2 - 2 * half, g);
    done = QRectF(groove.left(), groove.top(), off, g);
    thumb = QRectF(1 + off, cy - look_.thumbWidth / 2.0, look_.thumbLength, look_.thumbWidth);
  } else {
    const double cx = width() / 2.0;
    groove = QRectF(cx - g / 2.0, 1 + half, g, height() - 2 - 2 * half);
    done = QRectF(groove.left(), groove.bottom() - off, g, off);
    thumb = QRectF(cx - look_.thumbWidth / 2.0, height() - 1 - off - look_.thumbLength, look_.thumbWidth,
                   look_.thumbLength);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(on ? look_.groove : look_.disabledGroove);
  p.drawRoundedRect(groove, g / 2.0, g / 2.0);
  if (on) {
    p.setBrush(look_.completed);
    p.drawRoundedRect(done, g / 2.0, g / 2.0);
  }
  const QColor cap = !on                           ? look_.disabledThumb
                     : (highlighted_ || dragging_) ? look_.thumbPressed
                                                   : look_.thumb;
  QLinearGradient grad(thumb.topLeft(),
                       orientation_ == Qt::Horizontal ? thumb.topRight() : thumb.bottomLeft());
  grad.setColorAt(0, cap.lighter(125));
  grad.setColorAt(0.5, cap);
  grad.setColorAt(1, cap.darker(135));
  p.setBrush(grad);
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  p.drawRoundedRect(thumb.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.2));
  if (orientation_ == Qt::Horizontal)
    p.drawLine(QPointF(thumb.center().x(), thumb.top() + 3), QPointF(thumb.center().x(), thumb.bottom() - 3));
  else
    p.drawLine(QPointF(thumb.left() + 3, thumb.center().y()), QPointF(thumb.right() - 3, thumb.center().y()));
  if (hasFocus()) desk::DrawFocusFrame(p, rect());
}

void TrackBar::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const double at = AlongTravel(e->position());
  const int off = ThumbOffset();
  if (at >= off && at <= off + look_.thumbLength) {
    grabOffset_ = at - off;
  } else {
    grabOffset_ = look_.thumbLength / 2.0;
  }
  dragging_ = true;
  SetPosition(PositionAt(e->position()));
  update();
}

void TrackBar::mouseMoveEvent(QMouseEvent* e) {
  if (dragging_) SetPosition(PositionAt(e->position()));
}

void TrackBar::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
  update();
}

void TrackBar::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
      SetPosition(pos_ + 1);
      break;
    case Qt::Key_Down:
    case Qt::Key_Left:
      SetPosition(pos_ - 1);
      break;
    case Qt::Key_PageUp:
      SetPosition(pos_ + 10);
      break;
    case Qt::Key_PageDown:
      SetPosition(pos_ - 10);
      break;
    case Qt::Key_Home:
      SetPosition(min_);
      break;
    case Qt::Key_End:
      SetPosition(max_);
      break;
    default:
      QWidget::keyPressEvent(e);
  }
}

void TrackBar::wheelEvent(QWheelEvent* e) {
  // One step per notch (120 eighths of a degree), upward or away from the user raising the
  // value; finer wheels add up to whole notches. The step goes through SetPosition like a drag.
  const QPoint delta = e->angleDelta();
  wheelRest_ += delta.y() != 0 ? delta.y() : -delta.x();
  const int steps = wheelRest_ / kWheelNotch;
  wheelRest_ -= steps * kWheelNotch;
  if (steps != 0) SetPosition(pos_ + steps);
  e->accept();
}

}  // namespace morvelin
