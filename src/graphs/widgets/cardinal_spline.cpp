#include "graphs/widgets/cardinal_spline.h"

#include <algorithm>
#include <vector>

namespace morvelin {

namespace {

// The two control points of segment i.
struct Segment {
  QPointF from, c1, c2, to;
};

Segment SegmentAt(std::span<const QPointF> pts, int i, double k) {
  const int n = int(pts.size());
  auto at = [&](int j) { return pts[std::clamp(j, 0, n - 1)]; };
  const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
  return {p1, p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2};
}

}  // namespace

QPainterPath CardinalSplinePath(std::span<const QPointF> pts, double tension) {
  QPainterPath path;
  const int n = int(pts.size());
  if (n == 0) return path;
  path.reserve(n);
  path.moveTo(pts[0]);
  const double k = tension / 3.0;
  for (int i = 0; i + 1 < n; ++i) {
    const Segment s = SegmentAt(pts, i, k);
    path.cubicTo(s.c1, s.c2, s.to);
  }
  return path;
}

QPainterPath CardinalSplinePath(std::span<const PixelPoint> pts, double tension) {
  std::vector<QPointF> real;
  real.reserve(pts.size());
  for (const PixelPoint& p : pts) real.emplace_back(p.x, p.y);
  return CardinalSplinePath(std::span<const QPointF>(real), tension);
}

QRectF CardinalSplineBounds(std::span<const QPointF> pts, int first, int last, double tension) {
  const int n = int(pts.size());
  first = std::max(first, 0);
  last = std::min(last, n - 2);
  if (n == 0) return {};
  if (last < first) return QRectF(pts[std::clamp(first, 0, n - 1)], QSizeF(0, 0));
  qreal left = pts[first].x(), right = left, top = pts[first].y(), bottom = top;
  const double k = tension / 3.0;
  for (int i = first; i <= last; ++i) {
    const Segment s = SegmentAt(pts, i, k);
    for (const QPointF& p : {s.from, s.c1, s.c2, s.to}) {
      left = std::min(left, p.x());
      right = std::max(right, p.x());
      top = std::min(top, p.y());
      bottom = std::max(bottom, p.y());
    }
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

}  // namespace morvelin
