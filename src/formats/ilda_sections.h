#pragma once
// The section headers of an ILDA file in order, for listings: what `daved info` shows.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace daved {

struct IldaSection {
  std::size_t offset = 0;  // of the header in the file
  int format = 0;
  std::string name;
  std::string company;
  int recordCount = 0;
  int number = 0;  // frame or palette number
  int total = 0;   // total frames (third word for palettes)
};

// Walks the headers the way the reader does (each section's records skipped by its format's
// record size) and stops at the end header, at a header that is not "ILDA" or of an unknown
// format, or where the data ends.
std::vector<IldaSection> ListIldaSections(std::span<const uint8_t> data);

// Bytes per record of a section format, or 0 for a format the reader does not know.
std::size_t IldaRecordSize(int format);

}  // namespace daved
