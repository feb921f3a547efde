#include "formats/segment_file.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "formats/drawing_file.h"
#include "formats/file_io.h"
#include "formats/integer_text.h"

namespace daved {
namespace {

constexpr std::string_view kSectionHeader = "[SectionContent]";
constexpr std::string_view kDrawingListHeader = "[DrawingList]";
constexpr std::string_view kEffectListHeader = "[EffectList]";
constexpr std::string_view kDrawingKey = "DrawingName=";

// Far beyond any real segment; keeps one hand-edited number from allocating gigabytes of empty
// drawings.
constexpr int32_t kMaxDrawingCount = 1 << 16;

using Cells = std::array<std::string, 4>;

std::size_t FindLine(const std::vector<std::string>& lines, std::string_view text,
                     std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i] == text) return i;
  }
  return std::string::npos;
}

// Row lines run from line 1 (line 0 is the header, never examined) to the line before
// "[DrawingList]"; without that line there are no rows.
struct Sections {
  std::size_t rowEnd = 0;
  std::size_t drawingsFrom = 0;  // the line after "[DrawingList]", or the end
};

Sections FindSections(const std::vector<std::string>& lines) {
  const std::size_t header = FindLine(lines, kDrawingListHeader, 0);
  if (header == std::string::npos) return {0, lines.size()};
  return {header, header + 1};
}

// Each cell is the text up to the next "|"; the last "|" may be missing. Cells past the
// fourth are not read, missing ones are empty.
Cells SplitCells(std::string_view row) {
  Cells cells;
  std::size_t start = 0;
  for (std::string& cell : cells) {
    if (start > row.size()) break;
    std::size_t bar = row.find('|', start);
    if (bar == std::string_view::npos) bar = row.size();
    cell = row.substr(start, bar - start);
    start = bar + 1;
  }
  return cells;
}

// An empty number cell counts 0.
std::optional<int32_t> CellNumber(const std::string& cell) {
  if (cell.empty()) return 0;
  return ParseInt32(cell);
}

}  // namespace

Status ParseSegment(const std::vector<std::string>& lines, std::vector<TSectionRecord>& rows) {
  rows.clear();
  const Sections sections = FindSections(lines);
  // Where each "DrawingName=<n>" line stands; the first of equal lines wins.
  std::unordered_map<std::string_view, std::size_t> drawingLine;
  for (std::size_t i = sections.drawingsFrom; i < lines.size(); ++i) {
    if (lines[i].starts_with(kDrawingKey)) drawingLine.emplace(lines[i], i);
  }

  for (std::size_t i = 1; i < sections.rowEnd; ++i) {
    Cells cells = SplitCells(lines[i]);
    TSectionRecord row;
    row.drawingNumber = std::move(cells[0]);
    row.effectName = std::move(cells[2]);
    const std::optional<int32_t> time = CellNumber(cells[1]);
    if (!time) return Status::Failed(NotAnIntegerMessage(cells[1]), i);
    row.time = *time;
    const std::optional<int32_t> colourMode = CellNumber(cells[3]);
    if (!colourMode) return Status::Failed(NotAnIntegerMessage(cells[3]), i);
    row.colourMode = *colourMode;

    // Every row reads its own copy, so two rows naming one drawing never share points.
    const auto found = drawingLine.find(std::string(kDrawingKey) + row.drawingNumber);
    if (found != drawingLine.end() && found->second + 1 < lines.size()) {
      const std::size_t textLine = found->second + 1;
      if (Status status = TextToDrawing(lines[textLine], row.drawing); !status.ok()) {
        return Status::Failed(std::move(status.error), textLine);
      }
    }
    rows.push_back(std::move(row));
  }
  return {};
}

Status LoadSegment(const std::filesystem::path& path, std::vector<TSectionRecord>& rows) {
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  return ParseSegment(lines, rows);
}

Status SegmentDuration(const std::filesystem::path& path, int64_t& duration) {
  duration = 0;
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  const std::size_t rowEnd = FindSections(lines).rowEnd;
  for (std::size_t i = 1; i < rowEnd; ++i) {
    const std::string time = SplitCells(lines[i])[1];
    const std::optional<int32_t> value = CellNumber(time);
    if (!value) return Status::Failed(NotAnIntegerMessage(time), i);
    duration += *value;
  }
  return {};
}

Status ParseSegmentContent(const std::vector<std::string>& lines, SegmentContent& content) {
  content = {};
  const Sections sections = FindSections(lines);
  for (std::size_t i = 1; i < sections.rowEnd; ++i) content.rows.push_back(SplitCells(lines[i]));

  const std::size_t effectsAt = FindLine(lines, kEffectListHeader, sections.rowEnd);
  const std::size_t drawingsEnd = effectsAt == std::string::npos ? lines.size() : effectsAt;
  Status status;
  for (std::size_t i = sections.drawingsFrom; i < drawingsEnd; ++i) {
    if (!lines[i].starts_with(kDrawingKey)) continue;
    // A number whose text line is missing names no drawing.
    if (i + 1 >= drawingsEnd) break;
    const std::string_view number = std::string_view(lines[i]).substr(kDrawingKey.size());
    const std::optional<int32_t> index = ParseInt32(number);
    if (!index) {
      status = Status::Failed(NotAnIntegerMessage(number), i);
      break;
    }
    if (*index < 0 || *index >= kMaxDrawingCount) {
      status = Status::Failed("drawing number " + std::string(number) + " is out of range", i);
      break;
    }
    if (std::size_t(*index) >= content.drawings.size()) content.drawings.resize(*index + 1);
    content.drawings[*index] = lines[++i];
  }
  if (content.drawings.empty()) content.drawings.emplace_back();
  if (status.ok() && effectsAt != std::string::npos) {
    content.effects = ParseEffectList(lines, effectsAt + 1);
  }
  return status;
}

Status LoadSegmentContent(const std::filesystem::path& path, SegmentContent& content) {
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  return ParseSegmentContent(lines, content);
}

std::vector<std::string> SegmentLines(const SegmentContent& content) {
  std::vector<std::string> lines{std::string(kSectionHeader)};
  for (const Cells& cells : content.rows) {
    std::string row;
    for (const std::string& cell : cells) row += cell + '|';
    lines.push_back(std::move(row));
  }
  lines.emplace_back(kDrawingListHeader);
  std::size_t count = content.drawings.size();
  while (count > 0 && content.drawings[count - 1].empty()) --count;
  for (std::size_t k = 0; k < count; ++k) {
    lines.push_back(std::string(kDrawingKey) + std::to_string(k));
    lines.push_back(content.drawings[k]);
  }
  if (count == 0) {
    lines.push_back(std::string(kDrawingKey) + "0");
    lines.emplace_back();
  }
  lines.emplace_back(kEffectListHeader);
  AppendEffectList(content.effects, lines);
  return lines;
}

Status SaveSegment(const std::filesystem::path& path, const SegmentContent& content) {
  return SaveLines(path, SegmentLines(content));
}

}  // namespace daved
