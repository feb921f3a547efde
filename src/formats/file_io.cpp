#include "formats/file_io.h"

#include <QFile>
#include <QSaveFile>
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

Status ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Status::Failed("is a folder, not a file");
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return Status::Failed(std::strerror(errno));
  std::string data;
  char chunk[1 << 16];
  // Size the buffer once when the size is known; a file that grows or shrinks meanwhile
  // still reads correctly through the loop below.
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec) data.reserve(size);
  for (;;) {
    if (data.capacity() > data.size()) {
      const std::size_t before = data.size();
      data.resize(data.capacity());
      const std::size_t got = std::fread(data.data() + before, 1, data.size() - before, file.get());
      data.resize(before + got);
      if (got == 0) break;
    } else {
      const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
      if (got == 0) break;
      data.append(chunk, got);
    }
  }
  if (std::ferror(file.get())) return Status::Failed(std::strerror(errno));
  bytes = std::move(data);
  return {};
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  QSaveFile file(QtPath(path));
  if (!file.open(QIODevice::WriteOnly)) return Status::Failed(file.errorString().toStdString());
  if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
    const std::string why = file.errorString().toStdString();
    file.cancelWriting();
    return Status::Failed(why);
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
