#include "graphs/widgets/cardinal_spline.h"

#include <algorithm>

namespace morvelin {

QPainterPath CardinalSplinePath(std::span<const PixelPoint> pts, double tension) {
  QPainterPath path;
  const int n = int(pts.size());
  if (n == 0) return path;
  auto at = [&](int i) {
    const PixelPoint& p = pts[std::clamp(i, 0, n - 1)];
    return QPointF(p.x, p.y);
  };
  path.reserve(n);
  path.moveTo(at(0));
  const double k = tension / 3.0;
  for (int i = 0; i + 1 < n; ++i) {
    const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
  }
  return path;
}

}  // namespace morvelin
