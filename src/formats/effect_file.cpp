#include "formats/effect_file.h"

#include <string_view>

#include "formats/file_io.h"

namespace daved {
namespace {

constexpr std::string_view kEffectKey = "EffectName=";
constexpr std::string_view kEffectListHeader = "[EffectList]";

}  // namespace

EffectList ParseEffectList(const std::vector<std::string>& lines, std::size_t first) {
  EffectList effects;
  for (std::size_t i = first; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    // The key may stand anywhere in the line, but the name always starts after the first 11
    // characters; a line holding the key is at least that long.
    if (line.find(kEffectKey) != std::string::npos) {
      effects.push_back({line.substr(kEffectKey.size()), {}});
    } else if (!effects.empty()) {
      effects.back().lines.push_back(line);
    }
  }
  return effects;
}

void AppendEffectList(const EffectList& effects, std::vector<std::string>& lines) {
  for (const NamedEffect& effect : effects) {
    lines.push_back(std::string(kEffectKey) + effect.name);
    lines.insert(lines.end(), effect.lines.begin(), effect.lines.end());
  }
}

Status LoadEffectList(const std::filesystem::path& path, EffectList& effects) {
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  // Lines before the header hold no effect anyway, so a file without one reads from the top.
  std::size_t first = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == kEffectListHeader) {
      first = i + 1;
      break;
    }
  }
  effects = ParseEffectList(lines, first);
  return {};
}

Status SaveEffectList(const std::filesystem::path& path, const EffectList& effects) {
  std::vector<std::string> lines{std::string(kEffectListHeader)};
  AppendEffectList(effects, lines);
  return SaveLines(path, lines);
}

Status LoadEffect(const std::filesystem::path& path, NamedEffect& effect) {
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  effect.name = path.filename().string();
  effect.lines.assign(lines.size() > 1 ? lines.begin() + 1 : lines.end(), lines.end());
  return {};
}

Status SaveEffect(const std::filesystem::path& path, const std::string& name,
                  const std::vector<std::string>& lines) {
  std::vector<std::string> all;
  all.reserve(lines.size() + 1);
  all.push_back(std::string(kEffectKey) + name + ".ect");
  all.insert(all.end(), lines.begin(), lines.end());
  return SaveLines(path, all);
}

}  // namespace daved
