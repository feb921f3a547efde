#include "convert/point_reduction.h"

namespace daved {

Object ReduceObject(const Object& source, int threshold) {
  Object kept;
  if (source.empty()) return kept;
  const int64_t limit = int64_t(threshold) * threshold;
  const auto keep = [&kept](const Point& p) {
    kept.push_back({p.x, p.y, p.kind, p.colour, kStateNormal, p.blank});
  };
  keep(source.front());
  for (std::size_t i = 1; i < source.size(); ++i) {
    const int64_t dx = int64_t(source[i].x) - source[i - 1].x;
    const int64_t dy = int64_t(source[i].y) - source[i - 1].y;
    if (dx * dx + dy * dy > limit) keep(source[i]);
  }
  return kept;
}

Drawing ReduceDrawing(const Drawing& source, int threshold) {
  Drawing reduced;
  reduced.reserve(source.size());
  for (const Object& object : source) reduced.push_back(ReduceObject(object, threshold));
  return reduced;
}

}  // namespace daved
