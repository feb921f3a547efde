#pragma once
// An ILDA file in memory. Points of a frame are in ILDA coordinates: -128..127, y upwards,
// with the ILDA Z value in `kind`.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/point.h"

namespace daved {

struct TILDAframe {
  std::string frameName;
  std::string companyName;
  int32_t recordCount = 0;
  int32_t frameNumber = 0;
  int32_t totalFrames = 0;
  uint8_t scannerHead = 0;
  uint8_t future = 0;
  std::vector<Point> points;
};

// Kept only so that a file reads to its end: no colour is ever taken from a palette.
struct TILDAcolorplatte {
  std::string paletteName;
  std::string companyName;
  int32_t entryCount = 0;
  int32_t paletteNumber = 0;
  int32_t thirdWord = 0;
  uint8_t scannerHead = 0;
  uint8_t future = 0;
  std::vector<std::array<uint8_t, 3>> entries;  // red, green, blue
};

struct TILDAimage {
  std::vector<TILDAframe> frames;
  std::vector<TILDAcolorplatte> palettes;
};

// Replaces the frame's points with every point of a drawing in laser coordinates:
// ILDA x = x - 128, ILDA y = 128 - y, state 0. The header fields stay as they are.
void DrawingToIldaFrame(const Drawing& drawing, TILDAframe& frame);

}  // namespace daved
