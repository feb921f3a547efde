#include "model/geometry.h"

#include <gtest/gtest.h>

namespace daved {
namespace {

TEST(EdgeCrossing, TableOfLines) {
  struct Case {
    const char* what;
    int x1, y1, x2, y2;
    EdgePoint left, right, top, bottom;
  };
  const Case cases[] = {
      // s = 2, offset -10.
      {"slanted", 10, 10, 20, 30, {0, -10}, {255, 500}, {5, 0}, {132, 255}},
      // s = 10/3, offset -17/3: results truncate towards zero, not downwards.
      {"negative offset", 2, 1, 5, 11, {0, -5}, {255, 844}, {1, 0}, {78, 255}},
      {"falling", 0, 200, 100, 100, {0, 200}, {255, -55}, {200, 0}, {-55, 255}},
      {"horizontal", 10, 50, 200, 50, {0, 50}, {255, 50}, {200, 50}, {200, 50}},
      {"vertical", 30, 10, 30, 200, {30, 200}, {30, 200}, {30, 0}, {30, 255}},
      {"zero length", 40, 60, 40, 60, {40, 60}, {40, 60}, {40, 60}, {40, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CrossLeftEdge(c.x1, c.y1, c.x2, c.y2), c.left);
    EXPECT_EQ(CrossRightEdge(c.x1, c.y1, c.x2, c.y2), c.right);
    EXPECT_EQ(CrossTopEdge(c.x1, c.y1, c.x2, c.y2), c.top);
    EXPECT_EQ(CrossBottomEdge(c.x1, c.y1, c.x2, c.y2), c.bottom);
  }
}

}  // namespace
}  // namespace daved
