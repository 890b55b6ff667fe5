#pragma once
// Paints the spectrum bars onto the graph picture.

#include <QPainter>
#include <span>

#include "graphs/spectrum.h"

namespace morvelin {

// Each drawn column is a vertical line of the 2-pixel bar pen (the column and the one left of
// it) from the bottom edge up to the bar's top, the top row itself not painted.
void PaintSpectrumBars(QPainter& painter, std::span<const SpectrumBar> bars, int imageHeight);

}  // namespace morvelin
