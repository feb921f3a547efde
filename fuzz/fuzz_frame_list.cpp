// Frame list files and drawing text lines: any text must read without harm, and what was
// read must write back and read again the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/drawing_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  daved::FrameList frames;
  daved::ParseFrameList(text, frames);
  daved::FrameList again;
  if (!daved::ParseFrameList(daved::EncodeFrameList(frames), again).ok() || again != frames) {
    __builtin_trap();
  }

  daved::Drawing drawing;
  daved::TextToDrawing(text, drawing);
  daved::Drawing drawing_again;
  if (!daved::TextToDrawing(daved::DrawingToText(drawing), drawing_again).ok() ||
      drawing_again != drawing) {
    __builtin_trap();
  }
  return 0;
}
