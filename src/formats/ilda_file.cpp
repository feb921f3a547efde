#include "formats/ilda_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <string_view>

#include "formats/file_io.h"
#include "formats/ilda_sections.h"
#include "model/palette.h"

namespace daved {
namespace {

constexpr std::size_t kHeaderSize = 32;
// Our end marker stops right after the record count, so a count of 0 is an end header as soon
// as these bytes are there.
constexpr std::size_t kEndMarkerSize = 26;
constexpr std::size_t kPointSize = 8;     // the format 0 record we write
constexpr std::size_t kMaxWord = 0xFFFF;  // record counts and frame numbers are 16-bit
constexpr uint8_t kLastPointBit = 0x80;
constexpr uint8_t kBlankBit = 0x40;

uint16_t Word(const uint8_t* at) { return uint16_t(at[0] << 8 | at[1]); }

// We keep 8 bits per coordinate: the high byte as a signed byte, floor(value / 256).
int32_t HighByte(const uint8_t* at) { return int8_t(at[0]); }

uint8_t BlankOf(uint8_t status) { return (status & kBlankBit) ? 1 : 0; }

// True-colour points take the nearest table entry. Neighbouring points mostly share a colour,
// so the last answer is kept instead of searching the table for every point.
class NearestColour {
 public:
  uint8_t operator()(uint8_t red, uint8_t green, uint8_t blue) {
    const Rgb colour{red, green, blue};
    if (!(colour == last_)) {
      last_ = colour;
      index_ = NearestPaletteIndex(colour);
    }
    return index_;
  }

 private:
  Rgb last_{};
  uint8_t index_ = NearestPaletteIndex(Rgb{});
};

// Record layouts of the frame formats: X, Y, [Z,] status, then a colour index (0, 1) or
// blue, green, red (4, 5).
struct Format0 {
  static constexpr std::size_t kSize = 8;
  Point operator()(const uint8_t* r) const {
    return {HighByte(r), HighByte(r + 2), HighByte(r + 4), r[7], kStateNormal, BlankOf(r[6])};
  }
};
struct Format1 {
  static constexpr std::size_t kSize = 6;
  Point operator()(const uint8_t* r) const {
    return {HighByte(r), HighByte(r + 2), 0, r[5], kStateNormal, BlankOf(r[4])};
  }
};
struct Format4 {
  static constexpr std::size_t kSize = 10;
  NearestColour& nearest;
  Point operator()(const uint8_t* r) const {
    const uint8_t colour = nearest(r[9], r[8], r[7]);
    return {HighByte(r), HighByte(r + 2), HighByte(r + 4), colour, kStateNormal, BlankOf(r[6])};
  }
};
struct Format5 {
  static constexpr std::size_t kSize = 8;
  NearestColour& nearest;
  Point operator()(const uint8_t* r) const {
    const uint8_t colour = nearest(r[7], r[6], r[5]);
    return {HighByte(r), HighByte(r + 2), 0, colour, kStateNormal, BlankOf(r[4])};
  }
};

template <typename Decode>
void AppendPoints(const uint8_t* records, std::size_t count, Decode decode,
                  std::vector<Point>& points) {
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i, records += Decode::kSize) {
    points.push_back(decode(records));
  }
}

// Walks the sections of one file. `at` is always the offset of the first byte not yet
// consumed, so it is also where reading stopped when it stops.
class SectionReader {
 public:
  SectionReader(std::span<const uint8_t> data, TILDAimage& image) : data_(data), image_(image) {}

  std::size_t at() const { return at_; }

  Status Run() {
    while (at_ < data_.size()) {
      const uint8_t* header = data_.data() + at_;
      const std::size_t left = data_.size() - at_;
      if (std::memcmp(header, "ILDA", std::min<std::size_t>(left, 4)) != 0) return ReadError();
      if (left < 8) return HeaderCut();
      const uint8_t format = header[7];
      const std::size_t recordSize = IldaRecordSize(format);
      if (recordSize == 0) return ReadError();
      if (left < kEndMarkerSize) return HeaderCut();
      const uint16_t count = Word(header + 24);
      if (count == 0 && format != 2) {
        at_ += std::min(left, kHeaderSize);
        return Done();
      }
      if (left < kHeaderSize) return HeaderCut();

      // Only whole records that are really there are read, whatever the count says.
      const std::size_t whole = std::min<std::size_t>(count, (left - kHeaderSize) / recordSize);
      const uint8_t* records = header + kHeaderSize;
      if (format == 2) {
        ReadPalette(header, count, records, whole);
      } else {
        ReadFrame(header, format, count, records, whole);
      }
      at_ += kHeaderSize + whole * recordSize;
      if (whole < count) return RecordsCut(format == 2, count, whole);
    }
    return Done();
  }

 private:
  void ReadFrame(const uint8_t* header, uint8_t format, uint16_t count, const uint8_t* records,
                 std::size_t whole) {
    TILDAframe& frame = image_.frames.emplace_back();
    frame.frameName.assign(reinterpret_cast<const char*>(header + 8), 8);
    frame.companyName.assign(reinterpret_cast<const char*>(header + 16), 8);
    frame.recordCount = count;
    frame.frameNumber = Word(header + 26);
    frame.totalFrames = Word(header + 28);
    frame.scannerHead = header[30];
    frame.future = header[31];
    switch (format) {
      case 0: AppendPoints(records, whole, Format0{}, frame.points); break;
      case 1: AppendPoints(records, whole, Format1{}, frame.points); break;
      case 4: AppendPoints(records, whole, Format4{nearest_}, frame.points); break;
      case 5: AppendPoints(records, whole, Format5{nearest_}, frame.points); break;
    }
  }

  void ReadPalette(const uint8_t* header, uint16_t count, const uint8_t* records,
                   std::size_t whole) {
    TILDAcolorplatte& palette = image_.palettes.emplace_back();
    palette.paletteName.assign(reinterpret_cast<const char*>(header + 8), 8);
    palette.companyName.assign(reinterpret_cast<const char*>(header + 16), 8);
    palette.entryCount = count;
    palette.paletteNumber = Word(header + 26);
    palette.thirdWord = Word(header + 28);
    palette.scannerHead = header[30];
    palette.future = header[31];
    palette.entries.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i, records += 3) {
      palette.entries.push_back({records[0], records[1], records[2]});
    }
  }

  Status Done() const { return {{}, at_}; }

  Status ReadError() const { return Status::Failed("Read Error!", at_); }

  Status HeaderCut() const {
    return Status::Failed("file ends inside a section header at byte " + std::to_string(at_), at_);
  }

  Status RecordsCut(bool palette, uint16_t count, std::size_t whole) const {
    const std::size_t number = palette ? image_.palettes.size() : image_.frames.size();
    const std::string kept = std::to_string(whole) + " of " + std::to_string(count);
    return Status::Failed(std::string("file ends inside ") + (palette ? "palette " : "frame ") +
                              std::to_string(number) + " (kept " + kept +
                              (palette ? " colours)" : " points)"),
                          at_);
  }

  std::span<const uint8_t> data_;
  TILDAimage& image_;
  std::size_t at_ = 0;
  NearestColour nearest_;
};

void PutWord(char* at, std::size_t value) {
  at[0] = char(value >> 8 & 0xFF);
  at[1] = char(value & 0xFF);
}

// "ILDA", three reserved bytes, format 0, names of eight 'I', then the record count.
char* PutHeaderStart(char* at, std::size_t count) {
  std::memcpy(at, "ILDA\0\0\0\0IIIIIIIIIIIIIIII", 24);
  PutWord(at + 24, count);
  return at + kEndMarkerSize;
}

char HighByteOf(int32_t value) { return char(int8_t(std::clamp(value, -128, 127))); }

}  // namespace

Status ParseIlda(std::span<const uint8_t> data, TILDAimage& image) {
  image.frames.clear();
  image.palettes.clear();
  SectionReader reader(data, image);
  try {
    return reader.Run();
  } catch (const std::bad_alloc&) {
    return Status::Failed("not enough memory to read the whole file", reader.at());
  }
}

Status LoadIlda(const std::filesystem::path& path, TILDAimage& image) {
  std::string bytes;
  try {
    // A file that cannot be read leaves the image as it was.
    if (Status read = ReadWholeFile(path, bytes); !read.ok()) return read;
  } catch (const std::bad_alloc&) {
    return Status::Failed("not enough memory to read the file");
  }
  return ParseIlda({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, image);
}

std::string EncodeIlda(const TILDAimage& image) {
  std::size_t total = kEndMarkerSize;
  for (const TILDAframe& frame : image.frames) {
    total += kHeaderSize + kPointSize * std::min(frame.points.size(), kMaxWord);
  }
  std::string out;
  out.reserve(total);
  AdviseHugePages(out.data(), total);
  out.resize(total);
  char* w = out.data();
  const std::size_t frames = image.frames.size();
  for (std::size_t i = 0; i < frames; ++i) {
    // Points past the 65535 a header can count are left out; SaveIlda refuses such frames.
    const std::vector<Point>& points = image.frames[i].points;
    const std::size_t count = std::min(points.size(), kMaxWord);
    w = PutHeaderStart(w, count);
    PutWord(w, std::min(i, kMaxWord));
    PutWord(w + 2, std::min(frames, kMaxWord));
    w += kHeaderSize - kEndMarkerSize;  // scanner head and future stay 0
    // X, Y, Z, status, colour; the low bytes and Z keep the buffer's zeros.
    for (std::size_t k = 0; k < count; ++k, w += kPointSize) {
      const Point& p = points[k];
      w[0] = HighByteOf(p.x);
      w[2] = HighByteOf(p.y);
      w[6] = char((p.blank ? kBlankBit : 0) | (k + 1 == count ? kLastPointBit : 0));
      w[7] = char(p.colour);
    }
  }
  PutHeaderStart(w, 0);
  return out;
}

Status SaveIlda(const std::filesystem::path& path, const TILDAimage& image) {
  for (std::size_t i = 0; i < image.frames.size(); ++i) {
    if (image.frames[i].points.size() > kMaxWord) {
      return Status::Failed("frame " + std::to_string(i + 1) + " has more than " +
                            std::to_string(kMaxWord) + " points, more than an ILDA frame holds");
    }
  }
  try {
    return WriteFileAtomically(path, EncodeIlda(image));
  } catch (const std::bad_alloc&) {
    return Status::Failed("not enough memory to write the file");
  }
}

}  // namespace daved
