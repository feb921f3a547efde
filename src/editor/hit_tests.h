#pragma once
// Which point or segment a click on the canvas touches.

#include <QPoint>
#include <optional>

#include "model/point.h"

namespace daved {

// A point of the drawing by position: object index, point index within it.
struct PointRef {
  std::size_t object = 0;
  std::size_t point = 0;
  friend bool operator==(const PointRef&, const PointRef&) = default;
};

// Within 4 pixels of the click on both axes.
bool PointHit(const Point& point, QPoint click);

// The segment from `a` to `b`: within a squared distance of 5 from its line and strictly between
// its ends on at least one axis; a segment of no length is hit as its point.
bool SegmentHit(const Point& a, const Point& b, QPoint click);

// The first point hit, objects and points in order.
std::optional<PointRef> FindPointHit(const Drawing& drawing, QPoint click);

// The index of the end point of the first segment of `object` that is hit.
std::optional<std::size_t> FindSegmentHit(const Object& object, QPoint click);

}  // namespace daved
