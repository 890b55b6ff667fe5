#pragma once
// A cardinal spline through integer points as a path of cubic segments.

#include <QPainterPath>
#include <span>

#include "graphs/curve_points.h"

namespace morvelin {

// The tangent at each point is tension x (next - previous); the end points stand in for
// their missing neighbours. Tension 0.5 gives a Catmull-Rom spline.
QPainterPath CardinalSplinePath(std::span<const PixelPoint> points, double tension);

}  // namespace morvelin
