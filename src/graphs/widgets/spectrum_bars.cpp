#include "graphs/widgets/spectrum_bars.h"

#include <algorithm>

namespace morvelin {

void PaintSpectrumBars(QPainter& painter, std::span<const SpectrumBar> bars, int imageHeight) {
  const QColor colour(kSpectrumBarColour.red, kSpectrumBarColour.green, kSpectrumBarColour.blue);
  // The lines of one bar's columns overlap into one rectangle.
  for (const SpectrumBar& b : bars) {
    const int top = std::max(b.top + 1, 0);
    if (top >= imageHeight || b.columns <= 0) continue;
    const int left = b.left - (kSpectrumPenWidth - 1);
    painter.fillRect(left, top, b.columns + kSpectrumPenWidth - 1, imageHeight - top, colour);
  }
}

}  // namespace morvelin
