#include "editor/play_list.h"

#include <algorithm>

namespace daved {

Drawing MakePlayList(const Drawing& drawing) {
  Drawing list;
  list.reserve(drawing.size());
  for (const Object& object : drawing) {
    Object& entry = list.emplace_back();
    entry.reserve(object.size());
    for (const Point& p : object) {
      entry.push_back({std::clamp(p.x / kEditorScale, 0, 255), std::clamp(p.y / kEditorScale, 0, 255),
                       p.kind, p.colour, kStateNormal, uint8_t(p.blank != 0 ? 1 : 0)});
    }
  }
  return list;
}

}  // namespace daved
