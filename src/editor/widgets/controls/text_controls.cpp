#include "editor/widgets/controls/text_controls.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

Label::Label(QWidget* parent, ControlClass cls) : QLabel(parent), Control(cls) {
  setFont(desk::Font(12));
  setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, desk::kText);
  setPalette(pal);
}

void Label::SetCaptionColor(const QColor& color) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, color);
  setPalette(pal);
}

void Label::SetBackground(const QColor& color) {
  background_ = color;
  setAutoFillBackground(color.isValid());
  if (color.isValid()) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
  }
}

void Label::SetHalo(bool on) {
  halo_ = on;
  update();
}

void Label::paintEvent(QPaintEvent* e) {
  if (!halo_) {
    QLabel::paintEvent(e);
    return;
  }
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::WindowText);
  const QColor halo = ink.lightnessF() < 0.5 ? QColor(255, 255, 255, 220) : QColor(0, 0, 0, 220);
  const QFontMetrics fm(font());
  const int w = fm.horizontalAdvance(text());
  int x = 2;
  if (alignment() & Qt::AlignRight) x = width() - w - 2;
  if (alignment() & Qt::AlignHCenter) x = (width() - w) / 2;
  const int y = (height() + fm.ascent() - fm.descent()) / 2;
  QPainterPath path;
  path.addText(x, y, font(), text());
  p.strokePath(path, QPen(halo, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(path, ink);
}

void Label::mousePressEvent(QMouseEvent* e) {
  // A label nobody listens to is part of the surface around it (the title bar moves the window).
  if (!isSignalConnected(QMetaMethod::fromSignal(&Label::Clicked))) {
    e->ignore();
    return;
  }
  if (e->button() == Qt::LeftButton) emit Clicked();
  e->accept();
}

void Label::mouseDoubleClickEvent(QMouseEvent* e) {
  emit DoubleClicked();
  QLabel::mouseDoubleClickEvent(e);
}

StatusPane::StatusPane(QWidget* parent)
    : QWidget(parent), Control(ControlClass::StatusPane), color_(desk::kPaneText) {
  setFont(desk::Font(12));
}

void StatusPane::SetCaption(const QString& text) {
  if (text == caption_) return;
  caption_ = text;
  update();
}

void StatusPane::SetCaptionColor(const QColor& color) {
  color_ = color;
  update();
}

void StatusPane::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  p.fillRect(r, desk::kPaneFill);
  p.setPen(QColor(0x50, 0x50, 0x50));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(0xc8, 0xc8, 0xc8));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.setPen(isEnabled() ? color_ : QColor(0x80, 0x80, 0x80));
  p.setFont(font());
  p.drawText(rect().adjusted(kTextInset, 0, -kTextInset, 0), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

void StatusPane::mouseDoubleClickEvent(QMouseEvent*) {
  emit DoubleClicked();
}

Edit::Edit(QWidget* parent) : QLineEdit(parent), Control(ControlClass::Edit) {
  setFont(desk::Font(12));
  setFrame(false);
  setAlignment(Qt::AlignCenter);
  setTextMargins(1, 0, 1, 0);
  SetBackground(desk::kEditNormal);
}

void Edit::SetBackground(const QColor& color) {
  background_ = color;
  QPalette pal = palette();
  pal.setColor(QPalette::Base, color);
  pal.setColor(QPalette::Text, desk::kText);
  setPalette(pal);
}

void Edit::mousePressEvent(QMouseEvent* e) {
  QLineEdit::mousePressEvent(e);
  if (e->button() == Qt::LeftButton) emit Clicked();
}

void Edit::focusInEvent(QFocusEvent* e) {
  // An edit of no size (where a page switch parks the focus) has no caret to show: its blinking
  // would wake the idle program twice a second for nothing.
  if (width() <= 0 || height() <= 0) {
    QWidget::focusInEvent(e);
    return;
  }
  QLineEdit::focusInEvent(e);
}

void Edit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  emit Exited();
}

}  // namespace morvelin
