#pragma once
// ILDA files (".ild"). The system keeps 8 bits per coordinate: the high byte of each 16-bit
// value is read, and written with a zero low byte.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "formats/status.h"
#include "model/ilda.h"

namespace daved {

// Replaces the image's content with the sections in `data`. Frame sections of formats 0, 1, 4
// and 5 and palette sections (format 2) are read; a frame holds exactly the records its header
// counts. On a bad section the error is "Read Error!"; on data that ends inside a header or
// record the error says so. Either way the image keeps every whole section and point read.
Status ParseIlda(std::span<const uint8_t> data, TILDAimage& image);
Status LoadIlda(const std::filesystem::path& path, TILDAimage& image);

// Every frame as a format 0 section named "IIIIIIII", then the 26-byte end marker.
std::string EncodeIlda(const TILDAimage& image);
Status SaveIlda(const std::filesystem::path& path, const TILDAimage& image);

}  // namespace daved
