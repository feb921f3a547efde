#include "model/palette.h"

#include <limits>

namespace daved {
namespace {

// v rounded to the nearest integer, halves upwards, for the non-negative v the table uses.
constexpr uint8_t Nearest(int numerator, int denominator) {
  return uint8_t((2 * numerator + denominator) / (2 * denominator));
}

// One hue ring of 66 entries from `first`, running through six legs between lo and hi.
constexpr void FillRing(std::array<Rgb, 256>& t, int first, int lo, int hi) {
  uint8_t step[12] = {};
  for (int k = 0; k < 12; ++k) step[k] = Nearest(lo * 11 + (hi - lo) * k, 11);
  const auto L = uint8_t(lo), H = uint8_t(hi);
  int i = first;
  for (int k = 0; k <= 11; ++k) t[i++] = {H, step[k], L};
  for (int k = 10; k >= 0; --k) t[i++] = {step[k], H, L};
  for (int k = 1; k <= 11; ++k) t[i++] = {L, H, step[k]};
  for (int k = 10; k >= 0; --k) t[i++] = {L, step[k], H};
  for (int k = 1; k <= 11; ++k) t[i++] = {step[k], L, H};
  for (int k = 10; k >= 1; --k) t[i++] = {H, L, step[k]};
}

constexpr std::array<Rgb, 256> BuildTable() {
  std::array<Rgb, 256> t{};
  t[0] = {0, 0, 0};
  t[1] = {255, 255, 255};
  t[2] = {255, 0, 0};
  t[3] = {255, 255, 0};
  t[4] = {0, 255, 0};
  t[5] = {0, 255, 255};
  t[6] = {0, 0, 255};
  t[7] = {255, 0, 255};
  FillRing(t, 8, 128, 255);
  FillRing(t, 74, 0, 255);
  FillRing(t, 140, 0, 128);
  // Four shades of red, yellow, green, cyan, blue and magenta; a hue's own channels are "on".
  constexpr bool on[6][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}, {1, 0, 1}};
  constexpr uint8_t shade[4][2] = {{255, 192}, {255, 64}, {192, 0}, {64, 0}};  // {on, off}
  for (int hue = 0; hue < 6; ++hue) {
    for (int s = 0; s < 4; ++s) {
      const auto level = [&](int channel) { return on[hue][channel] ? shade[s][0] : shade[s][1]; };
      t[206 + hue * 4 + s] = {level(0), level(1), level(2)};
    }
  }
  t[230] = {255, 96, 96};
  t[231] = {255, 255, 255};
  for (int index = 232; index <= 254; ++index) {
    const uint8_t grey = Nearest(32 * (255 - index), 3);
    t[index] = {grey, grey, grey};
  }
  t[255] = {0, 0, 0};
  return t;
}

constexpr std::array<Rgb, 256> kTable = BuildTable();

}  // namespace

const std::array<Rgb, 256>& ColourTable() { return kTable; }

uint8_t NearestPaletteIndex(Rgb colour) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < 256; ++i) {
    const int dr = int(kTable[i].r) - colour.r;
    const int dg = int(kTable[i].g) - colour.g;
    const int db = int(kTable[i].b) - colour.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return uint8_t(best);
}

}  // namespace daved
