#pragma once
// Effect files (".ect"), effect list files (".ecl") and the effect list body that segment files
// end with.

#include <filesystem>
#include <string>
#include <vector>

#include "formats/status.h"

namespace daved {

struct NamedEffect {
  std::string name;                // list name, normally the file name such as wave.ect
  std::vector<std::string> lines;  // effect lines such as "ro:128,128,5"
};
using EffectList = std::vector<NamedEffect>;

// The effect list rule: from `first` on, a line containing "EffectName=" starts a new effect
// named by the line without its first 11 characters; other lines go to the current effect;
// lines before the first such line are ignored.
EffectList ParseEffectList(const std::vector<std::string>& lines, std::size_t first);
// "EffectName=<name>" and the effect's lines, for each effect.
void AppendEffectList(const EffectList& effects, std::vector<std::string>& lines);

// ".ecl": "[EffectList]" followed by the body.
Status LoadEffectList(const std::filesystem::path& path, EffectList& effects);
Status SaveEffectList(const std::filesystem::path& path, const EffectList& effects);

// ".ect": "EffectName=<name>.ect", then the effect lines. Loading names the effect after the
// file and drops the first line.
Status LoadEffect(const std::filesystem::path& path, NamedEffect& effect);
Status SaveEffect(const std::filesystem::path& path, const std::string& name,
                  const std::vector<std::string>& lines);

}  // namespace daved
