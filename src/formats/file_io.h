#pragma once
// Whole-file reads and safe writes shared by every format.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/status.h"

namespace daved {

// Reads the whole file into `bytes`. On failure `bytes` is left empty and the error says why.
Status ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Writes to a temporary file in the target's folder and renames it over the target, so a
// failed write never destroys the old file.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Asks the kernel for huge pages on a large fresh buffer before it is first written: a page
// fault per 4 KB makes filling tens of megabytes several times slower. Only advice.
void AdviseHugePages(char* data, std::size_t size);

// Text files end their lines with CR LF on writing and with CR LF or LF on reading; a line
// break at the very end does not make an empty last line.
std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);
Status LoadLines(const std::filesystem::path& path, std::vector<std::string>& lines);
Status SaveLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace daved
