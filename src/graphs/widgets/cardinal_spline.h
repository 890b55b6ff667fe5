#pragma once
// A cardinal spline through points as a path of cubic segments.

#include <QPainterPath>
#include <QRectF>
#include <span>

#include "graphs/curve_points.h"

namespace morvelin {

// The tangent at each point is tension x (next - previous); the end points stand in for
// their missing neighbours. Tension 0.5 gives a Catmull-Rom spline.
QPainterPath CardinalSplinePath(std::span<const QPointF> points, double tension);
QPainterPath CardinalSplinePath(std::span<const PixelPoint> points, double tension);

// A box holding segments first..last (segment i runs from point i to point i + 1): their end
// and control points, which enclose each cubic segment.
QRectF CardinalSplineBounds(std::span<const QPointF> points, int first, int last, double tension);

}  // namespace morvelin
