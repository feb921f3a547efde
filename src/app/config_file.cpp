#include "app/config_file.h"

#include <optional>
#include <system_error>

#include "formats/file_io.h"
#include "formats/integer_text.h"
#include "output/output_settings.h"

namespace daved {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMediaPlayerPathLine = 35;

// The values the drawing editor (lines 1..11) and the show editor (45..49) start with; the output
// settings' own initial values fill lines 13..43.
struct InitialValue {
  std::size_t line;
  const char* name;  // written on the even line above the value
  int value;
};
constexpr std::array kEditorAndShowValues = {
    InitialValue{1, "Background colour", 0},
    InitialValue{3, "Neutral colour", 8},
    InitialValue{5, "Horizontal grid spacing", 20},
    InitialValue{7, "Vertical grid spacing", 20},
    InitialValue{9, "Point spacing", 10},
    InitialValue{11, "Polygon sides", 6},
    InitialValue{45, "Show track 1 controller", 0},
    InitialValue{47, "Show track 2 controller", 1},
    InitialValue{49, "Show track 3 controller", 2},
};
constexpr std::array<const char*, 16> kOutputNames = {
    "Horizontal offset", "Vertical offset", "Rotation angle", "Scan speed",
    "Horizontal size",   "Vertical size",   "Output delay",   "Pipe number",
    "ILDA frame interval", "Text width sizing", "Quick play text width sizing",
    "Media player path", "Red depth", "Green depth", "Blue depth", "Brightness"};

}  // namespace

Status PrepareProgramFolder(const fs::path& folder) {
  std::error_code error;
  for (const std::string_view name : kWorkFolders) {
    fs::create_directories(folder / name, error);
    if (error) {
      return Status::Failed("Cannot create " + (folder / name).string() + ": " + error.message());
    }
  }
  return {};
}

std::vector<std::string> InitialConfigLines() {
  std::vector<std::string> lines(kConfigLineCount);
  for (const InitialValue& v : kEditorAndShowValues) {
    lines[v.line - 1] = v.name;
    lines[v.line] = std::to_string(v.value);
  }
  const OutputSettings initial;
  WriteOutputSettings(initial, lines);
  for (std::size_t i = 0; i < kOutputNames.size(); ++i) {
    lines[kFirstOutputSettingsLine - 1 + 2 * i] = kOutputNames[i];
  }
  return lines;
}

Status LoadConfig(const fs::path& folder, std::vector<std::string>& lines, bool& created) {
  const fs::path path = folder / kConfigFileName;
  created = false;
  std::error_code error;
  if (!fs::exists(path, error) && !error) {
    lines = InitialConfigLines();
    created = true;
    return SaveLines(path, lines);
  }
  return LoadLines(path, lines);
}

Status CheckConfigLines(const std::vector<std::string>& lines, std::size_t first,
                        std::size_t last) {
  for (std::size_t line = first | 1; line <= last; line += 2) {
    const std::string where = std::string(kConfigFileName) + " line " + std::to_string(line + 1);
    if (line >= lines.size()) {
      return Status::Failed(std::string(kConfigFileName) + " ends before line " +
                                std::to_string(line + 1),
                            line);
    }
    if (line == kMediaPlayerPathLine) continue;
    if (!ParseInt32(lines[line])) {
      return Status::Failed(where + ": " + NotAnIntegerMessage(lines[line]), line);
    }
  }
  return {};
}

void MendConfigLines(std::vector<std::string>& lines) {
  const std::vector<std::string> initial = InitialConfigLines();
  if (lines.size() < initial.size()) {
    lines.insert(lines.end(), initial.begin() + std::ptrdiff_t(lines.size()), initial.end());
  }
  for (std::size_t line = 1; line < initial.size(); line += 2) {
    if (line != kMediaPlayerPathLine && !ParseInt32(lines[line])) {
      lines[line] = initial[line];
    }
  }
}

Status SaveConfig(const fs::path& folder, const std::vector<std::string>& lines) {
  return SaveLines(folder / kConfigFileName, lines);
}

}  // namespace daved
