#include "editor/shape_generators.h"

#include <gtest/gtest.h>

#include <cmath>

#include "editor_test_support.h"

namespace daved {
namespace {

struct LineCase {
  QPoint a, b;
  int spacing;
  PointList expected;
};

TEST(LinePointsTest, SpacesPointsStrictlyBetweenTheEnds) {
  const LineCase cases[] = {
      {{0, 0}, {100, 0}, 20, {{20, 0}, {40, 0}, {60, 0}, {80, 0}}},
      {{0, 0}, {20, 0}, 20, {}},  // exactly one spacing long
      {{5, 5}, {5, 5}, 1, {}},
      {{0, 100}, {0, 0}, 30, {{0, 70}, {0, 40}, {0, 10}}},
      {{0, 0}, {100, 50}, 20, {{20, 10}, {40, 20}, {60, 30}, {80, 40}}},
      {{100, 50}, {0, 0}, 20, {{80, 40}, {60, 30}, {40, 20}, {20, 10}}},
      {{0, 0}, {50, 100}, 20, {{10, 20}, {20, 40}, {30, 60}, {40, 80}}},
      {{0, 0}, {10, 15}, 20, {}},  // no axis longer than the spacing
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(LinePoints(c.a, c.b, c.spacing), c.expected)
        << "from (" << c.a.x() << "," << c.a.y() << ") to (" << c.b.x() << "," << c.b.y() << ")";
  }
}

TEST(LinePointsTest, EndsWhenTheObliqueStepWouldBeZero) {
  // Spacing 1 at 45 degrees: more steps than pixels; one point per pixel instead.
  const PointList points = LinePoints({0, 0}, {10, 10}, 1);
  ASSERT_EQ(points.size(), 9u);
  EXPECT_EQ(points.front(), QPoint(1, 1));
  EXPECT_EQ(points.back(), QPoint(9, 9));
}

TEST(EllipsePointsTest, BoxOf100RunsClockwiseFromTheRightEndAndCloses) {
  const PointList points = EllipsePoints({100, 100}, {200, 200}, 20);
  ASSERT_GT(points.size(), 8u);
  EXPECT_EQ(points.front(), QPoint(200, 150));
  EXPECT_EQ(points.back(), points.front());
  EXPECT_GT(points[1].y(), 150);  // downwards first: clockwise on the screen
  EXPECT_LT(points[1].x(), 200);
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    const QPoint d = points[i] - points[i - 1];
    EXPECT_GE(d.x() * d.x() + d.y() * d.y(), 400) << "point " << i;
    EXPECT_GE(points[i].x(), 100);
    EXPECT_LE(points[i].x(), 200);
    EXPECT_GE(points[i].y(), 100);
    EXPECT_LE(points[i].y(), 200);
  }
  // The quarters meet at the bottom, the left end and the top in this order.
  const auto index = [&](auto pred) {
    return std::find_if(points.begin(), points.end(), pred) - points.begin();
  };
  const auto bottom = index([](QPoint p) { return p.y() >= 198; });
  const auto left = index([](QPoint p) { return p.x() <= 101; });
  const auto top = index([](QPoint p) { return p.y() <= 102; });
  EXPECT_LT(bottom, left);
  EXPECT_LT(left, top);
}

TEST(EllipsePointsTest, FlatBoxGivesNothing) {
  EXPECT_TRUE(EllipsePoints({100, 100}, {200, 100}, 5).empty());
  EXPECT_TRUE(EllipsePoints({100, 100}, {100, 300}, 5).empty());
}

TEST(ArcPointsTest, StartAboveTheCentreTurnsOneAndAQuarterTimes) {
  // Start straight up (angle 4.71), end left and slightly up (just above -pi): the angle falls
  // through the left side, the bottom, the right side and the top again.
  const QPoint centre(200, 200);
  const PointList points = ArcPoints(centre, {200, 100}, {100, 199}, 1);
  ASSERT_GT(points.size(), 600u);
  EXPECT_EQ(points.front(), QPoint(199, 100));
  EXPECT_LE(std::abs(points.back().x() - 100), 1);
  EXPECT_LE(std::abs(points.back().y() - 199), 2);
  const auto first = [&](auto pred) {
    return std::find_if(points.begin(), points.end(), pred) - points.begin();
  };
  const auto left = first([](QPoint p) { return p.x() <= 101; });
  const auto bottom = first([](QPoint p) { return p.y() >= 299; });
  const auto right = first([](QPoint p) { return p.x() >= 299; });
  const auto topAgain = std::find_if(points.begin() + right, points.end(),
                                     [](QPoint p) { return p.y() <= 101; }) - points.begin();
  EXPECT_LT(left, bottom);
  EXPECT_LT(bottom, right);
  EXPECT_LT(right, topAgain);
  EXPECT_LT(topAgain, std::ptrdiff_t(points.size()));
}

TEST(ArcPointsTest, RunsWithIncreasingAnglesWhenTheEndAngleIsLarger) {
  // Right (0) to below (pi/2): a quarter clockwise on the screen, thinned to 20.
  const PointList points = ArcPoints({0, 0}, {100, 0}, {0, 100}, 20);
  ASSERT_GE(points.size(), 5u);
  EXPECT_EQ(points.front(), QPoint(100, 0));
  for (std::size_t i = 1; i < points.size(); ++i) {
    EXPECT_GT(points[i].y(), points[i - 1].y());
    EXPECT_LT(points[i].x(), points[i - 1].x());
  }
}

TEST(ArcPointsTest, DegenerateClicksGiveNothing) {
  EXPECT_TRUE(ArcPoints({10, 10}, {10, 10}, {50, 50}, 1).empty());
  EXPECT_TRUE(ArcPoints({10, 10}, {50, 10}, {10, 10}, 1).empty());
  EXPECT_TRUE(ArcPoints({10, 10}, {50, 10}, {90, 10}, 1).empty());  // same angle
}

TEST(PolygonPointsTest, HexagonOfRadius100StartsNearSixtyDegreesAndCloses) {
  const PointList points = PolygonPoints({256, 256}, {356, 256}, 6);
  ASSERT_EQ(points.size(), 7u);
  EXPECT_NEAR(points[0].x(), 306, 1);
  EXPECT_NEAR(points[0].y(), 342, 1);
  EXPECT_EQ(points.back(), points.front());
  // Each vertex falls about a unit short of a side, so the last lies a little before angle 0.
  EXPECT_NEAR(points[5].x(), 356, 2);
  EXPECT_LT(points[5].y(), 256);
  EXPECT_GT(points[5].y(), 240);
}

TEST(PolygonPointsTest, ShortSidesGiveMoreVertices) {
  // Only the distance of the radius point counts, not its direction.
  EXPECT_EQ(PolygonPoints({256, 256}, {256, 56}, 100).size(), 108u + 1);
  EXPECT_TRUE(PolygonPoints({256, 256}, {256, 256}, 6).empty());
}

TEST(ThinTest, KeepsPointsAtLeastTheSpacingFromTheLastKept) {
  EXPECT_EQ(Thin({{0, 0}, {1, 0}, {3, 0}, {5, 0}, {6, 0}}, 3), (PointList{{0, 0}, {3, 0}, {6, 0}}));
  EXPECT_TRUE(Thin({}, 3).empty());
}

}  // namespace
}  // namespace daved
