#pragma once
// Show files (".seq"): the music, then three tracks of "name|time" entries.

#include <filesystem>
#include <string>
#include <vector>

#include "formats/status.h"
#include "model/records.h"

namespace daved {

// Replaces the show's music and tracks, without loading the entries' content. A missing
// "[Track2]", "[Track3]" or "[Music]" section leaves that part empty.
Status LoadShow(const std::filesystem::path& path, TSequence& show);
Status ParseShow(const std::vector<std::string>& lines, TSequence& show);
// The same, and every entry's content from the program folder's "Section" or "Frames" folder.
Status LoadShowForPlay(const std::filesystem::path& path, const std::filesystem::path& programFolder,
                       TSequence& show);
// Loads a ".sec" entry's rows or an ".ilf" entry's frames; a missing file leaves them empty.
Status LoadEntryContent(TSequenceRecord& entry, const std::filesystem::path& programFolder);

// Names and times are written in lower case; a track without entries is written as "|".
std::vector<std::string> ShowLines(const TSequence& show);
Status SaveShow(const std::filesystem::path& path, const TSequence& show);

}  // namespace daved
