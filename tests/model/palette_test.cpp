#include "model/palette.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace daved {
namespace {

TEST(Palette, NamedEntries) {
  struct Case {
    int index;
    Rgb colour;
  };
  const Case cases[] = {
      {0, {0, 0, 0}},         {255, {0, 0, 0}},         {1, {255, 255, 255}},
      {231, {255, 255, 255}}, {2, {255, 0, 0}},         {3, {255, 255, 0}},
      {4, {0, 255, 0}},       {5, {0, 255, 255}},       {6, {0, 0, 255}},
      {7, {255, 0, 255}},     {8, {255, 128, 128}},     {73, {255, 128, 140}},
      {74, {255, 0, 0}},      {85, {255, 255, 0}},      {139, {255, 0, 23}},
      {140, {128, 0, 0}},     {205, {128, 0, 12}},      {206, {255, 192, 192}},
      {211, {255, 255, 64}},  {224, {0, 0, 192}},       {229, {64, 0, 64}},
      {230, {255, 96, 96}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PaletteColour(uint8_t(c.index)), c.colour) << "index " << c.index;
  }
}

TEST(Palette, GreysRunDownFrom232To254) {
  const int greys[] = {245, 235, 224, 213, 203, 192, 181, 171, 160, 149, 139, 128,
                       117, 107, 96,  85,  75,  64,  53,  43,  32,  21,  11};
  for (int i = 0; i < 23; ++i) {
    const uint8_t g = uint8_t(greys[i]);
    EXPECT_EQ(PaletteColour(uint8_t(232 + i)), (Rgb{g, g, g})) << "index " << 232 + i;
  }
}

// Each ring's first leg runs the rising channel through the ring's twelve steps.
TEST(Palette, RingStepsOnTheFirstLeg) {
  struct Ring {
    int first;
    uint8_t lo, hi;
    std::array<uint8_t, 12> steps;
  };
  const Ring rings[] = {
      {8, 128, 255, {128, 140, 151, 163, 174, 186, 197, 209, 220, 232, 243, 255}},
      {74, 0, 255, {0, 23, 46, 70, 93, 116, 139, 162, 185, 209, 232, 255}},
      {140, 0, 128, {0, 12, 23, 35, 47, 58, 70, 81, 93, 105, 116, 128}},
  };
  for (const Ring& ring : rings) {
    for (int k = 0; k < 12; ++k) {
      EXPECT_EQ(PaletteColour(uint8_t(ring.first + k)), (Rgb{ring.hi, ring.steps[k], ring.lo}))
          << "index " << ring.first + k;
    }
    // The legs start where the hue turns: green full, blue rising, green falling, red rising,
    // blue falling.
    const int f = ring.first;
    EXPECT_EQ(PaletteColour(uint8_t(f + 12)), (Rgb{ring.steps[10], ring.hi, ring.lo}));
    EXPECT_EQ(PaletteColour(uint8_t(f + 23)), (Rgb{ring.lo, ring.hi, ring.steps[1]}));
    EXPECT_EQ(PaletteColour(uint8_t(f + 34)), (Rgb{ring.lo, ring.steps[10], ring.hi}));
    EXPECT_EQ(PaletteColour(uint8_t(f + 45)), (Rgb{ring.steps[1], ring.lo, ring.hi}));
    EXPECT_EQ(PaletteColour(uint8_t(f + 56)), (Rgb{ring.hi, ring.lo, ring.steps[10]}));
  }
}

// A ring is a closed walk round the hue circle: neighbours, the last and the first included,
// differ in exactly one channel.
TEST(Palette, RingsChangeOneChannelAtATime) {
  for (int first : {8, 74, 140}) {
    for (int i = 0; i < 66; ++i) {
      const Rgb a = PaletteColour(uint8_t(first + i));
      const Rgb b = PaletteColour(uint8_t(first + (i + 1) % 66));
      const int changed = (a.r != b.r) + (a.g != b.g) + (a.b != b.b);
      EXPECT_EQ(changed, 1) << "between " << first + i << " and " << first + (i + 1) % 66;
    }
  }
}

TEST(Palette, ScreenValueHasRedInTheLowByte) {
  EXPECT_EQ(PaletteColourValue(8), 0x8080FFu);
  EXPECT_EQ(PaletteColourValue(224), 0xC00000u);
}

TEST(Palette, NearestIndexPrefersTheLowestOfEqualEntries) {
  EXPECT_EQ(NearestPaletteIndex({255, 255, 255}), 1);  // also 231
  EXPECT_EQ(NearestPaletteIndex({0, 0, 0}), 0);        // also 255
  EXPECT_EQ(NearestPaletteIndex({250, 3, 4}), 2);      // red, also 74
  EXPECT_EQ(NearestPaletteIndex({255, 96, 97}), 230);
}

}  // namespace
}  // namespace daved
