#pragma once
// The drawing editor's lines of Daved.ini: 1 background colour, 3 neutral colour, 5 and 7 the
// horizontal and vertical grid spacing, 9 point spacing, 11 polygon sides.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/status.h"

namespace daved {

inline constexpr int kMinPointSpacing = 1;
inline constexpr int kMinPolygonSides = 3;

struct EditorConfig {
  uint8_t background = 0;  // colour index of the canvas
  uint8_t neutral = 0;     // colour index of blank moves; 0 leaves them out
  int gridX = 0;           // grid spacing in canvas pixels; below 1 draws no grid
  int gridY = 0;
  int pointSpacing = kMinPointSpacing;
  int polygonSides = kMinPolygonSides;

  friend bool operator==(const EditorConfig&, const EditorConfig&) = default;
};

// Reads lines 1 to 11. Colours keep their low 8 bits; spacing and sides are raised to their
// least values. On a missing line or a value that is not a decimal integer `config` is left as
// it was and the error names the line (`reached`).
Status ReadEditorConfig(const std::vector<std::string>& lines, EditorConfig& config);

// Writes lines 1 to 11, leaving the others; a shorter list is first filled up to 50 lines.
void WriteEditorConfig(const EditorConfig& config, std::vector<std::string>& lines);

}  // namespace daved

namespace daved {

// "Spazio punto" and "Lato poligono" when Enter is pressed or the field loses the focus.
struct FieldCommit {
  int value = 0;
  std::string text;   // what the field shows afterwards
  std::string error;  // a number too large: refused, value and text as they were
};
// An empty field shows the current value again; a number below `least` becomes `least`;
// numbers above the up-down range stay as typed.
FieldCommit CommitNumberField(const std::string& text, int current, int least);

}  // namespace daved
