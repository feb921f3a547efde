// Show files from arbitrary bytes: the reader must stop cleanly, and a show it read must write
// out as a file it reads again with the same music and entries.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/file_io.h"
#include "formats/show_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      daved::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  daved::TSequence show;
  if (!daved::ParseShow(lines, show).ok()) return 0;

  daved::TSequence again;
  if (!daved::ParseShow(daved::ShowLines(show), again).ok()) __builtin_trap();
  if (again.music != show.music) __builtin_trap();
  for (std::size_t t = 0; t < show.tracks.size(); ++t) {
    // An empty track is written as "|", which reads back as one entry without a name.
    if (again.tracks[t].size() != std::max<std::size_t>(show.tracks[t].size(), 1)) __builtin_trap();
    for (std::size_t i = 0; i < show.tracks[t].size(); ++i) {
      if (again.tracks[t][i].time != show.tracks[t][i].time) __builtin_trap();
    }
  }
  return 0;
}
