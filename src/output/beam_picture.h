#pragma once
// What a controller draws from the frame it was sent, for the laser simulator window: the lit
// segments in field coordinates, and the rate at which points arrive.

#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "model/palette.h"
#include "output/point_pipeline.h"

namespace daved {

// One stretch the beam travels lit, in field coordinates (0..255, x to the right, y down, as
// the drawing editor shows the drawing). From and to the same place it is a dot.
struct BeamSegment {
  uint8_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  Rgb colour;
  friend bool operator==(const BeamSegment&, const BeamSegment&) = default;
};

// The colour the beam shows for a record's colour flags: full level on every lit channel.
Rgb BeamColour(uint8_t colour_flags);

// The segments of a frame drawn over and over: the beam moves from each record to the next
// (from the last back to the first) and is lit on the way when the target record is not blank
// and has a lit channel.
std::vector<BeamSegment> BeamSegments(std::span<const OutputRecord> frame);

// Points per second fed to a controller, from its running count of points.
class FeedMeter {
 public:
  using Clock = std::chrono::steady_clock;
  // Takes the count at `now`; the rate is renewed at most every half second so it stays
  // readable.
  double Update(uint64_t points, Clock::time_point now);
  double rate() const { return rate_; }

 private:
  bool started_ = false;
  uint64_t points_ = 0;
  Clock::time_point since_;
  double rate_ = 0;
};

}  // namespace daved
