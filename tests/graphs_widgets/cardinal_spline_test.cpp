#include "graphs/widgets/cardinal_spline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace morvelin {
namespace {

TEST(CardinalSpline, PassesThroughEveryPointWithCardinalTangents) {
  const PixelPoint pts[] = {{0, 10}, {3, 4}, {6, 8}, {9, 8}};
  struct Case {
    double tension;
    // First segment's control points.
    QPointF c1, c2;
  };
  const Case cases[] = {
      {0.0, {0, 10}, {3, 4}},                                                       // straight lines
      {0.4, {0.4 * 3 / 3, 10 - 0.4 * 6 / 3}, {3 - 0.4 * 6 / 3, 4 - 0.4 * -2 / 3}},  // ends stand in
      {0.5, {0.5, 9}, {2, 4 + 1.0 / 3}},
  };
  for (const Case& c : cases) {
    const QPainterPath path = CardinalSplinePath(pts, c.tension);
    ASSERT_EQ(path.elementCount(), 1 + 3 * 3);
    EXPECT_TRUE(path.elementAt(0).isMoveTo());
    for (int s = 0; s < 3; ++s) {
      const QPainterPath::Element end = path.elementAt(3 + 3 * s);
      EXPECT_EQ(QPointF(end), QPointF(pts[s + 1].x, pts[s + 1].y));
    }
    EXPECT_NEAR(path.elementAt(1).x, c.c1.x(), 1e-9) << c.tension;
    EXPECT_NEAR(path.elementAt(1).y, c.c1.y(), 1e-9) << c.tension;
    EXPECT_NEAR(path.elementAt(2).x, c.c2.x(), 1e-9) << c.tension;
    EXPECT_NEAR(path.elementAt(2).y, c.c2.y(), 1e-9) << c.tension;
  }
  EXPECT_TRUE(CardinalSplinePath(std::span<const PixelPoint>{}, 0.4).isEmpty());
}

TEST(CardinalSpline, BoundsHoldEverySegmentTheyName) {
  const std::vector<QPointF> pts{{0, 10}, {3, 4}, {6, 30}, {9, 8}, {12, -5}, {15, 9}};
  const double k = 0.4 / 3;
  auto at = [&](int j) { return pts[std::clamp(j, 0, int(pts.size()) - 1)]; };
  struct Case {
    int first, last;
  };
  for (const Case& c : {Case{0, 4}, Case{1, 2}, Case{3, 3}, Case{-2, 9}}) {
    const QRectF box = CardinalSplineBounds(pts, c.first, c.last, 0.4).adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
    for (int i = std::max(c.first, 0); i <= std::min(c.last, 4); ++i) {
      const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
      const QPointF c1 = p1 + (p2 - p0) * k, c2 = p2 - (p3 - p1) * k;
      for (double t = 0; t <= 1.0; t += 1.0 / 64) {
        const double u = 1 - t;
        const QPointF on = u * u * u * p1 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p2;
        EXPECT_TRUE(box.contains(on)) << c.first << ".." << c.last << " segment " << i << " t " << t;
      }
    }
  }
  // Segments 1..2 leave the ends of the curve out.
  EXPECT_GT(CardinalSplineBounds(pts, 1, 2, 0.4).left(), 2.0);
  EXPECT_LT(CardinalSplineBounds(pts, 1, 2, 0.4).right(), 10.0);
}

}  // namespace
}  // namespace morvelin
