#include "formats/show_file.h"

#include <optional>
#include <string_view>

#include "formats/drawing_file.h"
#include "formats/file_io.h"
#include "formats/integer_text.h"
#include "formats/segment_file.h"

namespace daved {
namespace {

constexpr std::string_view kMusicHeader = "[Music]";
constexpr std::array<std::string_view, 3> kTrackHeaders = {"[Track1]", "[Track2]", "[Track3]"};

bool IsHeader(std::string_view line) {
  return line == kMusicHeader || line == kTrackHeaders[0] || line == kTrackHeaders[1] ||
         line == kTrackHeaders[2];
}

// The lines after a header up to the next header or the end of the file, so that a file missing
// a section still reads the others. Empty when the header is missing.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

Span Section(const std::vector<std::string>& lines, std::string_view header) {
  std::size_t begin = 0;
  while (begin < lines.size() && lines[begin] != header) ++begin;
  if (begin == lines.size()) return {};
  std::size_t end = ++begin;
  while (end < lines.size() && !IsHeader(lines[end])) ++end;
  return {begin, end};
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return text;
}

// The show editor stores names in lower case while the files on disk may not be, so a name is
// looked up ignoring case. Only a plain file name is looked up: an entry never reaches outside
// its folder.
std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder,
                                                  const std::string& name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of("/\\") != std::string::npos) {
    return std::nullopt;
  }
  std::error_code ec;
  const std::filesystem::path exact = folder / name;
  if (std::filesystem::is_regular_file(exact, ec)) return exact;
  const std::string wanted = LowerAscii(name);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (LowerAscii(it->path().filename().string()) == wanted &&
        std::filesystem::is_regular_file(it->path(), ec)) {
      return it->path();
    }
  }
  return std::nullopt;
}

}  // namespace

Status ParseShow(const std::vector<std::string>& lines, TSequence& show) {
  show = {};
  const Span music = Section(lines, kMusicHeader);
  if (music.begin < music.end) show.music = lines[music.begin];

  for (std::size_t track = 0; track < kTrackHeaders.size(); ++track) {
    const Span span = Section(lines, kTrackHeaders[track]);
    for (std::size_t i = span.begin; i < span.end; ++i) {
      // A line without "|" has an empty name and is all time.
      const std::string_view line = lines[i];
      const std::size_t bar = line.find('|');
      TSequenceRecord entry;
      std::string_view time = line;
      if (bar != std::string_view::npos) {
        entry.name = line.substr(0, bar);
        time = line.substr(bar + 1);
      }
      if (!TrimSpaces(time).empty()) {
        const std::optional<int32_t> value = ParseInt32(TrimSpaces(time));
        if (!value) return Status::Failed(NotAnIntegerMessage(time), i);
        entry.time = *value;
      }
      show.tracks[track].push_back(std::move(entry));
    }
  }
  return {};
}

Status LoadShow(const std::filesystem::path& path, TSequence& show) {
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  return ParseShow(lines, show);
}

Status LoadEntryContent(TSequenceRecord& entry, const std::filesystem::path& programFolder) {
  entry.rows.clear();
  entry.frames.clear();
  // The extension test is case-sensitive: the show editor writes names in lower case.
  Status status;
  if (entry.name.ends_with(".sec")) {
    if (const auto file = FindInFolder(programFolder / "Section", entry.name)) {
      status = LoadSegment(*file, entry.rows);
    }
  } else if (entry.name.ends_with(".ilf")) {
    if (const auto file = FindInFolder(programFolder / "Frames", entry.name)) {
      status = LoadFrameList(*file, entry.frames);
    }
  }
  if (!status.ok()) status.error = entry.name + ": " + status.error;
  return status;
}

Status LoadShowForPlay(const std::filesystem::path& path,
                       const std::filesystem::path& programFolder, TSequence& show) {
  std::vector<std::string> lines;
  if (Status status = LoadLines(path, lines); !status.ok()) return status;
  // Entries read before a bad line still get their content.
  const Status parsed = ParseShow(lines, show);
  for (auto& track : show.tracks) {
    for (TSequenceRecord& entry : track) {
      if (Status status = LoadEntryContent(entry, programFolder); !status.ok()) return status;
    }
  }
  return parsed;
}

std::vector<std::string> ShowLines(const TSequence& show) {
  std::vector<std::string> lines{std::string(kMusicHeader), show.music};
  for (std::size_t track = 0; track < kTrackHeaders.size(); ++track) {
    lines.emplace_back(kTrackHeaders[track]);
    for (const TSequenceRecord& entry : show.tracks[track]) {
      lines.push_back(LowerAscii(entry.name) + '|' + std::to_string(entry.time));
    }
    if (show.tracks[track].empty()) lines.emplace_back("|");
  }
  return lines;
}

Status SaveShow(const std::filesystem::path& path, const TSequence& show) {
  return SaveLines(path, ShowLines(show));
}

}  // namespace daved
