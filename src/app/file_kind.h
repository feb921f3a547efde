#pragma once
// Which kind of file a path names, by its extension (ignoring letter case on the command line).

#include <filesystem>
#include <string>

namespace daved {

enum class FileKind { Unknown, Ilda, Drawing, FrameList, Segment, Show, Effect, EffectList };

FileKind KindOf(const std::filesystem::path& path);
std::string KindName(FileKind kind);

// "unknown file kind '.xyz' (expected .ild, .ddr, ...)"
std::string UnknownKindMessage(const std::filesystem::path& path);

}  // namespace daved
