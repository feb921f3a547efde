#pragma once
// Segment files (".sec"): rows, the drawings they name, and the effects they use.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/effect_file.h"
#include "formats/status.h"
#include "model/records.h"

namespace daved {

// A segment as the segment editor holds it: each row's four cells as text, each drawing as its
// text line, and the effect list.
struct SegmentContent {
  std::vector<std::array<std::string, 4>> rows;  // drawing number, time, effect name, colour mode
  std::vector<std::string> drawings;             // drawing text lines, numbered from 0
  EffectList effects;
};

// Replaces `rows` with the segment's rows, each with its own copy of the drawing it names.
Status LoadSegment(const std::filesystem::path& path, std::vector<TSectionRecord>& rows);
Status ParseSegment(const std::vector<std::string>& lines, std::vector<TSectionRecord>& rows);
// The sum of the rows' times.
Status SegmentDuration(const std::filesystem::path& path, int64_t& duration);

// The whole file as the editor keeps it (rows as text, drawings as text, effect list).
// A "DrawingName=" number places its drawing at that index, the list growing with empty
// drawings; a list read empty gets one empty drawing, as the editor never holds none.
Status LoadSegmentContent(const std::filesystem::path& path, SegmentContent& content);
Status ParseSegmentContent(const std::vector<std::string>& lines, SegmentContent& content);
// Writes the layout the readers expect; empty drawings at the end of the list are left out
// (an all-empty list keeps one empty drawing).
std::vector<std::string> SegmentLines(const SegmentContent& content);
Status SaveSegment(const std::filesystem::path& path, const SegmentContent& content);

}  // namespace daved
