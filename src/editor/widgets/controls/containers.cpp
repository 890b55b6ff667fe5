#include "editor/widgets/controls/containers.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

GroupBox::GroupBox(QWidget* parent, ControlClass cls)
    : QWidget(parent),
      Control(cls),
      captionColor_(desk::kText),
      fill_(desk::kGroupFill),
      border_(desk::kGroupBorder) {
  setFont(desk::Font(12));
}

void GroupBox::SetCaption(const QString& text) {
  caption_ = text;
  update();
}

void GroupBox::SetCaptionColor(const QColor& color) {
  captionColor_ = color;
  update();
}

void GroupBox::SetColors(const QColor& fill, const QColor& border) {
  fill_ = fill;
  border_ = border;
  update();
}

int GroupBox::CaptionHeight() const {
  return caption_.isEmpty() ? 0 : 16;
}

void GroupBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(border_, 1));
  p.setBrush(fill_);
  p.drawRoundedRect(r, 4, 4);
  if (!caption_.isEmpty()) {
    const QRectF band(r.left() + 1, r.top() + 1, r.width() - 2, CaptionHeight() - 1);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, fill_.lighter(118));
    g.setColorAt(1, fill_.lighter(104));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(band, 3, 3);
    p.setPen(captionColor_);
    p.setFont(font());
    p.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
}

Panel::Panel(QWidget* parent) : QWidget(parent), Control(ControlClass::Panel) {
  SetFill(desk::kWindow);
}

void Panel::SetFill(const QColor& color) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, color);
  setPalette(pal);
}

ScrollBox::ScrollBox(QWidget* parent)
    : QWidget(parent), Control(ControlClass::ScrollBox), contents_(new QWidget(this)) {}

void ScrollBox::SetContentsWidth(int width) {
  contents_->resize(width, height());
  ScrollTo(ScrollX());
}

void ScrollBox::ScrollTo(int x) {
  const int most = std::max(0, contents_->width() - width());
  contents_->move(-std::clamp(x, 0, most), 0);
}

void ScrollBox::resizeEvent(QResizeEvent*) {
  contents_->resize(contents_->width(), height());
  ScrollTo(ScrollX());
}

TabSheet::TabSheet(QWidget* parent) : QWidget(parent), Control(ControlClass::TabSheet) {
  setFont(desk::Font(12));
}

void TabSheet::SetCaption(const QString& text) {
  caption_ = text;
  if (framed_) update();
}

void TabSheet::SetFramed(bool framed) {
  framed_ = framed;
  update();
}

void TabSheet::paintEvent(QPaintEvent*) {
  if (!framed_) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(desk::kGroupBorder, 1));
  p.setBrush(desk::kGroupFill);
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  p.setPen(desk::kText);
  p.drawText(QRect(0, 1, width(), 15), Qt::AlignCenter, caption_);
}

PageControl::PageControl(QWidget* parent) : QStackedWidget(parent), Control(ControlClass::PageControl) {}

TabSheet* PageControl::Sheet(int index) const {
  return dynamic_cast<TabSheet*>(widget(index));
}

// Containers are controls: a press on them is theirs, it does not move the window.
void GroupBox::mousePressEvent(QMouseEvent* e) {
  e->accept();
}
void Panel::mousePressEvent(QMouseEvent* e) {
  e->accept();
}
void TabSheet::mousePressEvent(QMouseEvent* e) {
  e->accept();
}

}  // namespace morvelin
