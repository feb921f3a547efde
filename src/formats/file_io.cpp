#include "formats/file_io.h"

#include <QFile>
#include <QSaveFile>
#include <sys/mman.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace daved {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

QString QtPath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

}  // namespace

void AdviseHugePages(char* data, std::size_t size) {
  constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t begin = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

Status ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Status::Failed("is a folder, not a file");
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return Status::Failed(std::strerror(errno));
  std::string data;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > 0) {
    data.reserve(size);
    AdviseHugePages(data.data(), size);
    data.resize(size);
    data.resize(std::fread(data.data(), 1, size, file.get()));
  }
  // Whatever is left: a file that grew since its size was taken, or one without a size.
  char chunk[1 << 16];
  while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get())) {
    data.append(chunk, got);
  }
  if (std::ferror(file.get())) return Status::Failed(std::strerror(errno));
  bytes = std::move(data);
  return {};
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  QSaveFile file(QtPath(path));
  // Unbuffered, so every failed write is seen here: a buffered QSaveFile can lose the error of
  // its last flush and rename a cut-short file over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return Status::Failed(file.errorString().toStdString());
  }
  while (!bytes.empty()) {
    const qint64 written = file.write(bytes.data(), qint64(bytes.size()));
    if (written <= 0) {
      // A short write sets no error; the next attempt gives the reason (disk full, too large).
      const std::string why = file.errorString().toStdString();
      file.cancelWriting();
      return Status::Failed(why.empty() ? "the file could not be written completely" : why);
    }
    bytes.remove_prefix(std::size_t(written));
  }
  if (!file.commit()) return Status::Failed(file.errorString().toStdString());
  return {};
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text.substr(start, stop - start));
    start = next;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  std::string text;
  text.reserve(total);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

Status LoadLines(const std::filesystem::path& path, std::vector<std::string>& lines) {
  std::string text;
  Status status = ReadWholeFile(path, text);
  lines = SplitLines(text);
  return status;
}

Status SaveLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  return WriteFileAtomically(path, JoinLines(lines));
}

}  // namespace daved
