#pragma once
// The fixed 256-entry colour table behind every preview and every output level.

#include <array>
#include <cstdint>

namespace daved {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

const std::array<Rgb, 256>& ColourTable();

inline Rgb PaletteColour(uint8_t index) { return ColourTable()[index]; }

// The table entry as a screen colour value: red in the low byte, blue in the high byte.
inline uint32_t PaletteColourValue(uint8_t index) {
  const Rgb c = PaletteColour(index);
  return uint32_t(c.r) | uint32_t(c.g) << 8 | uint32_t(c.b) << 16;
}

// The entry nearest to an RGB colour (least squared distance, lowest index on a tie); how
// true-colour ILDA points get their colour index.
uint8_t NearestPaletteIndex(Rgb colour);

}  // namespace daved
