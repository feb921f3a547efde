#pragma once
// Daved.ini, the program's settings: a list of lines addressed from 0, one decimal value on each
// odd line 1 to 49 (line 35 holds a path). Even lines are never read; a fresh file names there
// the value below them, and whatever a user put there is kept.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/status.h"

namespace daved {

inline constexpr std::string_view kConfigFileName = "Daved.ini";

// The folders beside Daved.ini that hold the user's work.
inline constexpr std::array<std::string_view, 9> kWorkFolders = {
    "Drawing", "ILDAimage", "Section", "Effect", "EffectLIST",
    "Music",   "Frames",    "Sequence", "quickframe"};

// Creates the program folder and each missing work folder.
Status PrepareProgramFolder(const std::filesystem::path& folder);

// The 50 lines of a fresh Daved.ini: the initial value of every control on its odd line.
std::vector<std::string> InitialConfigLines();

// Loads folder/Daved.ini into `lines`. A missing file is first written with the initial values
// (otherwise every size would read 0 and nothing would show); `created` tells it was. A file that
// cannot be read leaves `lines` empty and the error says why.
Status LoadConfig(const std::filesystem::path& folder, std::vector<std::string>& lines,
                  bool& created);

// The first value line from `first` to `last` (0-based, odd) that is missing or not a decimal
// integer (the path line excepted), as a message naming the line as an editor counts it, from 1.
// `reached` is the 0-based line.
Status CheckConfigLines(const std::vector<std::string>& lines, std::size_t first = 1,
                        std::size_t last = 49);

// Readies the lines for writing back: fills them up to 50 lines and puts the initial value into
// every value line that is not a decimal integer, so a damaged file is mended at closing instead
// of failing again at every start. Other lines stay as they are.
void MendConfigLines(std::vector<std::string>& lines);

// Writes the lines to folder/Daved.ini through a temporary file, so a failed write keeps the old.
Status SaveConfig(const std::filesystem::path& folder, const std::vector<std::string>& lines);

}  // namespace daved
