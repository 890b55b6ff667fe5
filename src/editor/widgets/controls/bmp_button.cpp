#include "editor/widgets/controls/bmp_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

BmpButton::BmpButton(QWidget* parent, ControlClass cls) : QWidget(parent), Control(cls) {
  setFocusPolicy(Qt::TabFocus);
  setFont(desk::Font(12));
}

void BmpButton::SetCaption(const QString& text) {
  caption_ = text;
  update();
}

void BmpButton::SetCaptionColor(const QColor& color) {
  captionColor_ = color;
  update();
}

void BmpButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  update();
}

void BmpButton::SetLook(const ButtonLook& look) {
  look_ = look;
  update();
}

QSize BmpButton::sizeHint() const {
  return QSize(fontMetrics().horizontalAdvance(caption_) + 16, 24);
}

void BmpButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool pressed = down_ != held_;  // holding the mouse shows the other picture
  QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  QColor top = pressed ? look_.pressedTop : look_.normalTop;
  QColor bottom = pressed ? look_.pressedBottom : look_.normalBottom;
  if (!isEnabled()) {
    top = top.lighter(115);
    bottom = bottom.lighter(115);
  } else if (hover_) {
    top = top.lighter(108);
  }
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.setPen(QPen(look_.border, 1));
  p.drawRoundedRect(r, look_.radius, look_.radius);
  // A thin inner highlight reads as a raised key; pressed keys lose it.
  if (!pressed) {
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(r.topLeft() + QPointF(look_.radius, 1), r.topRight() + QPointF(-look_.radius, 1));
  }
  if (look_.phaseGlyph) {
    const double d = std::min(width(), height()) * 0.55;
    const QPointF c = r.center();
    p.setPen(QPen(pressed ? QColor(0xff, 0xd0, 0x60) : QColor(0x20, 0x20, 0x20), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, d / 2.6, d / 2.6);
    p.drawLine(c + QPointF(-d / 2, d / 2), c + QPointF(d / 2, -d / 2));
  }
  if (!caption_.isEmpty()) {
    // A disabled caption stays readable on dark faces as on light ones.
    const bool darkFace = (top.lightnessF() + bottom.lightnessF()) / 2 < 0.5;
    const QColor disabled = darkFace ? QColor(0xb4, 0xb8, 0xbc) : QColor(0x60, 0x60, 0x60);
    p.setPen(isEnabled() ? captionColor_ : disabled);
    p.setFont(font());
    p.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
  if (hasFocus()) desk::DrawFocusFrame(p, rect());
}

void BmpButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  held_ = true;
  update();
}

void BmpButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !held_) return;
  held_ = false;
  update();
  if (rect().contains(e->position().toPoint())) emit Clicked();
}

void BmpButton::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    // A held key presses once: two-state buttons would flicker otherwise.
    if (!e->isAutoRepeat()) Click();
    return;
  }
  QWidget::keyPressEvent(e);
}

void BmpButton::enterEvent(QEnterEvent*) {
  hover_ = true;
  update();
}

void BmpButton::leaveEvent(QEvent*) {
  hover_ = false;
  update();
}

}  // namespace morvelin
