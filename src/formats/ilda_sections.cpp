#include "formats/ilda_sections.h"

#include <cstring>

namespace daved {
namespace {

constexpr std::size_t kHeaderSize = 32;

int Word(const uint8_t* p) { return p[0] << 8 | p[1]; }

std::string Text8(const uint8_t* p) {
  std::size_t n = 0;
  while (n < 8 && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

}  // namespace

std::size_t IldaRecordSize(int format) {
  switch (format) {
    case 0: return 8;
    case 1: return 6;
    case 2: return 3;
    case 4: return 10;
    case 5: return 8;
    default: return 0;
  }
}

std::vector<IldaSection> ListIldaSections(std::span<const uint8_t> data) {
  std::vector<IldaSection> sections;
  std::size_t at = 0;
  constexpr std::size_t kEndHeaderSize = 26;  // writers may leave out the last six bytes
  while (data.size() - at >= kEndHeaderSize) {
    const uint8_t* h = data.data() + at;
    if (std::memcmp(h, "ILDA", 4) != 0) break;
    const int format = h[7];
    const int count = Word(h + 24);
    const bool whole = data.size() - at >= kHeaderSize;
    if (count == 0 && format != 2) {  // the end header
      sections.push_back({at, format, Text8(h + 8), Text8(h + 16), 0, 0, 0});
      break;
    }
    const std::size_t recordSize = IldaRecordSize(format);
    if (recordSize == 0 || !whole) break;
    sections.push_back({at, format, Text8(h + 8), Text8(h + 16), count, Word(h + 26), Word(h + 28)});
    at += kHeaderSize + recordSize * std::size_t(count);
    if (at > data.size()) break;
  }
  return sections;
}

}  // namespace daved
