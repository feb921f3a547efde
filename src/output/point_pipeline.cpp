#include "output/point_pipeline.h"

#include <algorithm>

namespace daved {
namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr double kPi = 3.1415926;  // the value of π the transform has always used
}  // namespace

TransformSettings TakeTransformSettings(const OutputSettings& settings, const OutputFlags& flags) {
  TransformSettings t;
  t.invert_x = flags.invert_x.load(kRelaxed);
  t.invert_y = flags.invert_y.load(kRelaxed);
  const double angle = settings.rotation_angle.load(kRelaxed) * kPi / 180.0;
  t.cos_t = std::cos(angle);
  t.sin_t = std::sin(angle);
  t.horizontal_offset = settings.horizontal_offset.load(kRelaxed);
  t.vertical_offset = settings.vertical_offset.load(kRelaxed);
  // Sizes stay within the track bars' range so the size step cannot overflow.
  t.horizontal_size = std::clamp(settings.horizontal_size.load(kRelaxed), 0, 40);
  t.vertical_size = std::clamp(settings.vertical_size.load(kRelaxed), 0, 40);
  return t;
}

ColourFlagsTable MakeColourFlagsTable(const ColourScale& scale) {
  ColourFlagsTable table{};
  for (int i = 0; i < 256; ++i) table[i] = ColourFlags(ScaleColour(scale, uint8_t(i)));
  return table;
}

ColourScale TakeColourScale(const OutputSettings& settings) {
  return {settings.red_depth.load(kRelaxed), settings.green_depth.load(kRelaxed),
          settings.blue_depth.load(kRelaxed), settings.brightness.load(kRelaxed)};
}

}  // namespace daved
