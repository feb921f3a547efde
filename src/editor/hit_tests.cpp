#include "editor/hit_tests.h"

namespace daved {

bool PointHit(const Point& point, QPoint click) {
  return click.x() - 5 < point.x && point.x < click.x() + 5 && click.y() - 5 < point.y &&
         point.y < click.y() + 5;
}

bool SegmentHit(const Point& a, const Point& b, QPoint click) {
  if (a.x == b.x && a.y == b.y) return PointHit(a, click);
  // Doubles: coordinates moved or scaled far off the canvas must not overflow.
  const double x = click.x();
  const double y = click.y();
  const double ay = a.y, by = b.y, ax = a.x, bx = b.x;
  const double across = (ay - by) * x + (bx - ax) * y + (ax * by - bx * ay);
  const double squaredDistance = across * across / ((ay - by) * (ay - by) + (bx - ax) * (bx - ax));
  const bool betweenX = (ax - x) * (bx - x) < 0;
  const bool betweenY = (ay - y) * (by - y) < 0;
  return squaredDistance < 5 && (betweenX || betweenY);
}

std::optional<PointRef> FindPointHit(const Drawing& drawing, QPoint click) {
  for (std::size_t o = 0; o < drawing.size(); ++o) {
    for (std::size_t i = 0; i < drawing[o].size(); ++i) {
      if (PointHit(drawing[o][i], click)) return PointRef{o, i};
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> FindSegmentHit(const Object& object, QPoint click) {
  for (std::size_t i = 1; i < object.size(); ++i) {
    if (SegmentHit(object[i - 1], object[i], click)) return i;
  }
  return std::nullopt;
}

}  // namespace daved
