#include "model/geometry.h"

namespace daved {
namespace {

// The line through the two points as y = slope * x + offset, in single precision.
struct Line {
  float slope;
  float offset;
};

Line LineThrough(int x1, int y1, int x2, int y2) {
  const float slope = float(y2 - y1) / float(x2 - x1);
  return {slope, float(y1) - float(x1) * slope};
}

int Truncate(float v) { return static_cast<int>(v); }

}  // namespace

EdgePoint CrossLeftEdge(int x1, int y1, int x2, int y2) {
  if (x1 == x2) return {x2, y2};
  if (y1 == y2) return {0, y2};
  return {0, Truncate(LineThrough(x1, y1, x2, y2).offset)};
}

EdgePoint CrossRightEdge(int x1, int y1, int x2, int y2) {
  if (x1 == x2) return {x2, y2};
  if (y1 == y2) return {255, y2};
  const Line line = LineThrough(x1, y1, x2, y2);
  return {255, Truncate(255.0f * line.slope + line.offset)};
}

EdgePoint CrossTopEdge(int x1, int y1, int x2, int y2) {
  if (x1 == x2) return y1 == y2 ? EdgePoint{x2, y2} : EdgePoint{x2, 0};
  if (y1 == y2) return {x2, y2};
  const Line line = LineThrough(x1, y1, x2, y2);
  return {Truncate(-line.offset / line.slope), 0};
}

EdgePoint CrossBottomEdge(int x1, int y1, int x2, int y2) {
  if (x1 == x2) return y1 == y2 ? EdgePoint{x2, y2} : EdgePoint{x2, 255};
  if (y1 == y2) return {x2, y2};
  const Line line = LineThrough(x1, y1, x2, y2);
  return {Truncate((255.0f - line.offset) / line.slope), 255};
}

}  // namespace daved
