#pragma once
// The per-point output pipeline: the output transform, the colour levels, the 4-byte output
// record, and the small settings packets. Plain inline functions on values: a player takes one
// copy of the settings per pass and then runs every point without a lock, an allocation or a
// virtual call.

#include <array>
#include <cmath>
#include <cstdint>

#include "model/palette.h"
#include "output/output_settings.h"

namespace daved {

// What `TransformPoint` reads, copied once per pass (the sine and cosine included).
struct TransformSettings {
  bool invert_x = false;
  bool invert_y = false;
  double cos_t = 1.0;
  double sin_t = 0.0;
  double horizontal_offset = 0.0;
  double vertical_offset = 0.0;
  int32_t horizontal_size = 20;  // 0..40
  int32_t vertical_size = 20;
};

TransformSettings TakeTransformSettings(const OutputSettings& settings, const OutputFlags& flags);

// What `ScaleColour` reads, copied once per pass.
struct ColourScale {
  uint8_t red_depth = 100;
  uint8_t green_depth = 100;
  uint8_t blue_depth = 100;
  uint8_t brightness = 100;
  friend bool operator==(const ColourScale&, const ColourScale&) = default;
};

ColourScale TakeColourScale(const OutputSettings& settings);

struct ControllerPoint {
  uint8_t x = 0;
  uint8_t y = 0;
  friend bool operator==(const ControllerPoint&, const ControllerPoint&) = default;
};

namespace pipeline_detail {

// The size step on one axis: distances from 128 scaled by size / 20 in integer arithmetic,
// stopping at the edges, so the result is always 0..255.
inline uint8_t SizeAxis(double value, int32_t size) {
  // Far-off values land on an edge either way; bounding them first keeps the truncation and
  // the products defined whatever an effect produced (a NaN goes to the low edge).
  constexpr double kBound = 1e6;
  value = value > -kBound ? (value < kBound ? value : kBound) : -kBound;
  const auto v = static_cast<int32_t>(value);  // truncates towards zero
  if (v > 128) {
    const int32_t d = (v - 128) * size / 20;
    return static_cast<uint8_t>(128 + (d < 127 ? d : 127));
  }
  const int32_t d = (128 - v) * size / 20;
  return static_cast<uint8_t>(128 - (d < 128 ? d : 128));
}

}  // namespace pipeline_detail

// Working coordinates (255 - x, 255 - y, then the player's effects) to controller x and y:
// inversion, rotation about (128, 128), offsets, size, clamp. The rotation is not skipped at
// exactly (128, 128): it gives 128 there anyway.
inline ControllerPoint TransformPoint(const TransformSettings& t, double x, double y) {
  if (t.invert_x) x = 255.0 - x;
  if (t.invert_y) y = 255.0 - y;
  const double dx = x - 128.0;
  const double dy = y - 128.0;
  x = 128.0 + dx * t.cos_t - dy * t.sin_t;
  y = 128.0 + dx * t.sin_t + dy * t.cos_t;
  x -= t.horizontal_offset;
  y -= t.vertical_offset;
  // The size step always yields 0..255, so the final clamp has nothing left to do.
  return {pipeline_detail::SizeAxis(x, t.horizontal_size),
          pipeline_detail::SizeAxis(y, t.vertical_size)};
}

// The colour table levels of `colour` scaled by depth × brightness / 10000 per channel,
// each limited to 255.
inline Rgb ScaleColour(const ColourScale& scale, uint8_t colour) {
  const Rgb c = PaletteColour(colour);
  const auto level = [&](uint8_t value, uint8_t depth) {
    const int32_t l = int32_t(value) * depth * scale.brightness / 10000;
    return static_cast<uint8_t>(l < 255 ? l : 255);
  };
  return {level(c.r, scale.red_depth), level(c.g, scale.green_depth),
          level(c.b, scale.blue_depth)};
}

// One output point on the wire: colour flags, status, x, y.
using OutputRecord = std::array<uint8_t, 4>;
inline constexpr std::size_t kRecordSize = 4;
inline constexpr std::size_t kMaxRecordsPerPacket = 16384;  // 65536 bytes

// 0 when dark; otherwise 1 + 2 (blue) + 4 (green) + 8 (red) for each channel that is lit.
inline uint8_t ColourFlags(Rgb levels) {
  if ((levels.r | levels.g | levels.b) == 0) return 0;
  return static_cast<uint8_t>(1 | (levels.b ? 2 : 0) | (levels.g ? 4 : 0) | (levels.r ? 8 : 0));
}

inline OutputRecord MakeOutputRecord(uint8_t colour_flags, uint8_t blank, int32_t kind,
                                     ControllerPoint p) {
  const auto status = static_cast<uint8_t>((blank ? 1 : 0) | (kind > 1 ? 2 : 0));
  return {colour_flags, status, p.x, p.y};
}

inline OutputRecord MakeOutputRecord(Rgb levels, uint8_t blank, int32_t kind, ControllerPoint p) {
  return MakeOutputRecord(ColourFlags(levels), blank, kind, p);
}

// The colour flags of every colour index under one colour scale. The record needs only the
// flags, so a pass looks its points up here instead of scaling each one.
using ColourFlagsTable = std::array<uint8_t, 256>;
ColourFlagsTable MakeColourFlagsTable(const ColourScale& scale);

// Leaves the beam dark at the centre: what a controller gets when output stops.
inline constexpr OutputRecord kParkRecord = {0, 1, 128, 128};

using SettingsPacket = std::array<uint8_t, 2>;        // output delay, speed byte
using ColourSettingsPacket = std::array<uint8_t, 4>;  // red, green, blue depth, brightness

inline SettingsPacket MakeSettingsPacket(uint8_t output_delay, uint8_t speed) {
  return {output_delay, speed};
}

inline ColourSettingsPacket MakeColourSettingsPacket(const ColourScale& scale) {
  return {scale.red_depth, scale.green_depth, scale.blue_depth, scale.brightness};
}

}  // namespace daved
