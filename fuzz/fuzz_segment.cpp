// Segment files and effect lists from arbitrary bytes: the readers must stop cleanly, and what
// they read must write out as a file they read again without complaint.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/effect_file.h"
#include "formats/file_io.h"
#include "formats/segment_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      daved::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));

  std::vector<daved::TSectionRecord> rows;
  (void)daved::ParseSegment(lines, rows);
  (void)daved::ParseEffectList(lines, 0);

  daved::SegmentContent content;
  if (daved::ParseSegmentContent(lines, content).ok()) {
    daved::SegmentContent again;
    if (!daved::ParseSegmentContent(daved::SegmentLines(content), again).ok()) __builtin_trap();
    if (again.rows != content.rows) __builtin_trap();
  }
  return 0;
}
