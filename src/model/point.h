#pragma once
// The laser point and the lists built from it, shared by every window and player.

#include <cstdint>
#include <vector>

namespace daved {

// Point kinds. An ILDA frame's points keep the ILDA Z value in `kind` instead.
inline constexpr int32_t kLinePoint = 0;  // generated along a shape
inline constexpr int32_t kVertex = 2;     // a corner or end placed by a tool
inline constexpr int32_t kDot = 3;        // the single point of a one-point object

// Point states.
inline constexpr uint8_t kStateNormal = 0;
inline constexpr uint8_t kStateSelected = 1;
inline constexpr uint8_t kStateDeleted = 2;  // removed by the next preview pass

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  int32_t kind = 0;
  uint8_t colour = 0;  // index into the colour table
  uint8_t state = 0;
  uint8_t blank = 0;   // 1: the beam travels dark to this point

  friend bool operator==(const Point&, const Point&) = default;
};

// One polyline: the segment ending at point i is lit in point i's colour unless point i is blank.
using Object = std::vector<Point>;
using Drawing = std::vector<Object>;
// An animation: one drawing per frame.
using FrameList = std::vector<Drawing>;

// Laser coordinates run 0..255 per axis, y downwards; the drawing editor works at twice that.
inline constexpr int kEditorScale = 2;

inline std::size_t CountPoints(const Drawing& drawing) {
  std::size_t n = 0;
  for (const Object& object : drawing) n += object.size();
  return n;
}

}  // namespace daved
