#include "app/file_kind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace daved {
namespace {

constexpr std::array<std::pair<const char*, FileKind>, 7> kExtensions{{
    {".ild", FileKind::Ilda},
    {".ddr", FileKind::Drawing},
    {".ilf", FileKind::FrameList},
    {".sec", FileKind::Segment},
    {".seq", FileKind::Show},
    {".ect", FileKind::Effect},
    {".ecl", FileKind::EffectList},
}};

}  // namespace

FileKind KindOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  for (const auto& [name, kind] : kExtensions) {
    if (extension == name) return kind;
  }
  return FileKind::Unknown;
}

std::string KindName(FileKind kind) {
  switch (kind) {
    case FileKind::Ilda: return "ilda";
    case FileKind::Drawing: return "drawing";
    case FileKind::FrameList: return "frame list";
    case FileKind::Segment: return "segment";
    case FileKind::Show: return "show";
    case FileKind::Effect: return "effect";
    case FileKind::EffectList: return "effect list";
    case FileKind::Unknown: break;
  }
  return "unknown";
}

std::string UnknownKindMessage(const std::filesystem::path& path) {
  std::string message = "unknown file kind '" + path.extension().string() + "' (expected";
  for (const auto& [name, kind] : kExtensions) message += std::string(" ") + name;
  return message + ")";
}

}  // namespace daved
