#pragma once
// Where the line through two points meets an edge of the laser field (x = 0, x = 255, y = 0,
// y = 255), in single precision with results truncated towards zero.

namespace daved {

struct EdgePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const EdgePoint&, const EdgePoint&) = default;
};

EdgePoint CrossLeftEdge(int x1, int y1, int x2, int y2);
EdgePoint CrossRightEdge(int x1, int y1, int x2, int y2);
EdgePoint CrossTopEdge(int x1, int y1, int x2, int y2);
EdgePoint CrossBottomEdge(int x1, int y1, int x2, int y2);

}  // namespace daved
