// Any bytes: the reader must stop cleanly, and what it kept must survive our writer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/ilda_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  daved::TILDAimage image;
  const daved::Status status = daved::ParseIlda({data, size}, image);
  if (status.reached > size) __builtin_trap();

  // Reading our own file back gives every point as written, up to the first empty frame
  // (its header is the end marker).
  const std::string bytes = daved::EncodeIlda(image);
  daved::TILDAimage back;
  if (!daved::ParseIlda({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, back)
           .ok()) {
    __builtin_trap();
  }
  std::size_t f = 0;
  for (; f < image.frames.size() && !image.frames[f].points.empty(); ++f) {
    const auto& before = image.frames[f].points;
    const auto& after = back.frames.at(f).points;
    if (after.size() != before.size()) __builtin_trap();
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (after[i].x != before[i].x || after[i].y != before[i].y ||
          after[i].colour != before[i].colour || after[i].blank != before[i].blank) {
        __builtin_trap();
      }
    }
  }
  if (back.frames.size() != f) __builtin_trap();
  return 0;
}
