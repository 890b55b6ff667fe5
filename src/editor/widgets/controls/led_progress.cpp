#include "editor/widgets/controls/led_progress.h"

#include <QPainter>
#include <algorithm>

#include "editor/widgets/controls/desk_style.h"

namespace morvelin {

LedProgress::LedProgress(QWidget* parent) : QWidget(parent), Control(ControlClass::Progress) {
  setFont(desk::Font(12, true));
}

void LedProgress::SetPercent(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == percent_) return;
  percent_ = percent;
  update();
}

void LedProgress::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0x10, 0x12, 0x14));
  const int textW = 44;
  const int segW = 6;
  const int gap = 2;
  const int n = std::max(1, (width() - textW - 6) / (segW + gap));
  const int lit = (percent_ * n + 50) / 100;
  for (int i = 0; i < n; ++i) {
    const QRect seg(4 + i * (segW + gap), 4, segW, height() - 8);
    p.fillRect(seg, i < lit ? QColor(0x30, 0xe0, 0x50) : QColor(0x1e, 0x3a, 0x22));
  }
  p.setPen(QColor(0x30, 0xe0, 0x50));
  p.setFont(font());
  p.drawText(QRect(width() - textW, 0, textW - 2, height()), Qt::AlignCenter,
             QString::number(percent_) + "%");
}

}  // namespace morvelin
