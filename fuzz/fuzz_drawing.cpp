// Drawing files: any bytes must read without harm, and what was read must write back.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "formats/drawing_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  for (int scale : {1, daved::kEditorScale}) {
    daved::Drawing drawing;
    daved::ParseDrawing(bytes, drawing, scale);
    const std::string encoded = daved::EncodeDrawing(drawing, scale);
    // Blank bits and the last object's end mark are normalised; the drawing is the same.
    daved::Drawing again;
    daved::ParseDrawing(std::span(reinterpret_cast<const uint8_t*>(encoded.data()), encoded.size()),
                        again, scale);
    if (again != drawing) __builtin_trap();
  }
  return 0;
}
