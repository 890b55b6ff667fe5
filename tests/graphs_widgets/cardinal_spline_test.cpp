#include "graphs/widgets/cardinal_spline.h"

#include <gtest/gtest.h>

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
  EXPECT_TRUE(CardinalSplinePath({}, 0.4).isEmpty());
}

}  // namespace
}  // namespace morvelin
