#include "editor/editor_config.h"

#include <algorithm>
#include <array>
#include <optional>

#include "formats/integer_text.h"

namespace daved {
namespace {

constexpr std::array<std::size_t, 6> kLines = {1, 3, 5, 7, 9, 11};
constexpr std::size_t kConfigLines = 50;

}  // namespace

Status ReadEditorConfig(const std::vector<std::string>& lines, EditorConfig& config) {
  std::array<int32_t, kLines.size()> values{};
  for (std::size_t i = 0; i < kLines.size(); ++i) {
    const std::size_t line = kLines[i];
    if (line >= lines.size()) {
      return Status::Failed("Daved.ini ends before line " + std::to_string(line), line);
    }
    const std::optional<int32_t> value = ParseInt32(lines[line]);
    if (!value) return Status::Failed(NotAnIntegerMessage(lines[line]), line);
    values[i] = *value;
  }
  config.background = uint8_t(values[0] & 0xFF);
  config.neutral = uint8_t(values[1] & 0xFF);
  config.gridX = values[2];
  config.gridY = values[3];
  config.pointSpacing = std::max(values[4], kMinPointSpacing);
  config.polygonSides = std::max(values[5], kMinPolygonSides);
  return {};
}

void WriteEditorConfig(const EditorConfig& config, std::vector<std::string>& lines) {
  if (lines.size() < kConfigLines) lines.resize(kConfigLines);
  const std::array<int, kLines.size()> values = {config.background, config.neutral,
                                                 config.gridX,      config.gridY,
                                                 config.pointSpacing, config.polygonSides};
  for (std::size_t i = 0; i < kLines.size(); ++i) lines[kLines[i]] = std::to_string(values[i]);
}

}  // namespace daved

namespace daved {

FieldCommit CommitNumberField(const std::string& text, int current, int least) {
  if (text.empty()) return {current, std::to_string(current), {}};
  const std::optional<int32_t> typed = ParseInt32(text);
  if (!typed) return {current, text, NotAnIntegerMessage(text)};
  const int value = std::max(*typed, least);
  return {value, value == *typed ? text : std::to_string(value), {}};
}

}  // namespace daved
