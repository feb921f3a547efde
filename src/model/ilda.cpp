#include "model/ilda.h"

namespace daved {

void DrawingToIldaFrame(const Drawing& drawing, TILDAframe& frame) {
  frame.points.clear();
  frame.points.reserve(CountPoints(drawing));
  for (const Object& object : drawing) {
    for (const Point& p : object) {
      frame.points.push_back({p.x - 128, 128 - p.y, p.kind, p.colour, kStateNormal, p.blank});
    }
  }
}

}  // namespace daved
