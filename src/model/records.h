#pragma once
// Segment rows and show entries as the segment and show files hold them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/point.h"

namespace daved {

// One row of a segment: which drawing, for how long, with which effect and colour mode.
struct TSectionRecord {
  std::string drawingNumber;  // kept as text, as the row cell holds it
  int32_t time = 0;
  std::string effectName;
  int32_t colourMode = 0;
  Drawing drawing;  // this row's own copy of the drawing it names
};

// One entry of a show track: a segment (".sec") or a frame list (".ilf") and its time.
struct TSequenceRecord {
  std::string name;
  int32_t time = 0;
  std::vector<TSectionRecord> rows;  // filled when a segment's content is loaded
  FrameList frames;                  // filled when a frame list's content is loaded
};

// A show: the music and three tracks.
struct TSequence {
  std::string music;
  std::array<std::vector<TSequenceRecord>, 3> tracks;
};

}  // namespace daved
