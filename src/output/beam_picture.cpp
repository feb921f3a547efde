#include "output/beam_picture.h"

namespace daved {

Rgb BeamColour(uint8_t colour_flags) {
  const auto level = [&](uint8_t bit) { return uint8_t(colour_flags & bit ? 255 : 0); };
  return {level(8), level(4), level(2)};
}

std::vector<BeamSegment> BeamSegments(std::span<const OutputRecord> frame) {
  std::vector<BeamSegment> segments;
  // The players send 255 - x and 255 - y; the controller turns them back, so the picture
  // stands as the drawing does.
  const auto field = [](uint8_t v) { return uint8_t(255 - v); };
  for (std::size_t i = 0; i < frame.size(); ++i) {
    const OutputRecord& to = frame[i];
    const OutputRecord& from = frame[i == 0 ? frame.size() - 1 : i - 1];
    const bool blank = (to[1] & 1) != 0;
    if (blank || to[0] == 0) continue;
    segments.push_back({field(from[2]), field(from[3]), field(to[2]), field(to[3]),
                        BeamColour(to[0])});
  }
  return segments;
}

double FeedMeter::Update(uint64_t points, Clock::time_point now) {
  if (!started_) {
    started_ = true;
    points_ = points;
    since_ = now;
    return rate_;
  }
  const double seconds = std::chrono::duration<double>(now - since_).count();
  if (seconds >= 0.5) {
    rate_ = double(points - points_) / seconds;
    points_ = points;
    since_ = now;
  }
  return rate_;
}

}  // namespace daved
