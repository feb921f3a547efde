#include "formats/drawing_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "formats/file_io.h"
#include "formats/integer_text.h"

namespace daved {
namespace {

// Drawing file records: x, y, kind, colour, status.
constexpr std::size_t kRecordSize = 5;
constexpr uint8_t kLastOfObject = 0x80;
constexpr uint8_t kBlankBits = 0x7F;

// Text status codes: lit or blank, plus 128 on an object's last point.
constexpr int32_t kTextBlank = 1;
constexpr int32_t kTextLast = 128;

constexpr std::string_view kListHeader = "[DrawingList]";
constexpr std::string_view kNameKey = "DrawingName=";
constexpr std::string_view kLineEnd = "\r\n";

// A scale below 1 would divide by zero on saving; treat it as the plain laser scale.
int32_t UsableScale(int scale) { return scale < 1 ? 1 : scale; }

uint8_t FileCoordinate(int32_t value, int32_t scale) {
  return static_cast<uint8_t>(std::clamp(value / scale, 0, 255));
}

// ---- Text writing: sizes are counted first so that a whole frame list is built in one buffer.

// Digits from the bit width, corrected by one comparison: no division per number.
std::size_t DecimalLength(int64_t value) {
  static constexpr auto kPowersOfTen = [] {
    std::array<uint64_t, 20> powers{};
    uint64_t power = 1;
    for (uint64_t& p : powers) {
      p = power;
      power *= 10;  // wraps after the last entry, unused
    }
    return powers;
  }();
  const uint64_t magnitude =
      (value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value)) | 1;
  const std::size_t guess = std::bit_width(magnitude) * 1233 >> 12;  // 1233 / 4096 ~ log10(2)
  return (value < 0 ? 1 : 0) + guess + 1 - (magnitude < kPowersOfTen[guess] ? 1 : 0);
}

int32_t TextStatus(const Point& point, bool last) {
  return (last ? kTextLast : 0) + (point.blank != 0 ? kTextBlank : 0);
}

std::size_t DrawingTextLength(const Drawing& drawing) {
  std::size_t length = 0;
  for (const Object& object : drawing) {
    for (std::size_t i = 0; i < object.size(); ++i) {
      const Point& p = object[i];
      length += DecimalLength(p.x) + DecimalLength(p.y) + DecimalLength(p.kind) +
                DecimalLength(p.colour) + DecimalLength(p.state) +
                DecimalLength(TextStatus(p, i + 1 == object.size())) + 6;  // 5 commas and "|"
    }
  }
  return length;
}

// The caller sized the buffer with DrawingTextLength, so every write fits.
template <typename Integer>
char* WriteDecimal(char* out, Integer value) {
  return std::to_chars(out, out + 20, value).ptr;
}

char* WriteDrawingText(char* out, const Drawing& drawing) {
  for (const Object& object : drawing) {
    for (std::size_t i = 0; i < object.size(); ++i) {
      const Point& p = object[i];
      out = WriteDecimal(out, p.x);
      *out++ = ',';
      out = WriteDecimal(out, p.y);
      *out++ = ',';
      out = WriteDecimal(out, p.kind);
      *out++ = ',';
      out = WriteDecimal(out, p.colour);
      *out++ = ',';
      out = WriteDecimal(out, p.state);
      *out++ = ',';
      out = WriteDecimal(out, TextStatus(p, i + 1 == object.size()));
      *out++ = '|';
    }
  }
  return out;
}

char* WriteText(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// A string of `size` bytes to be overwritten; a frame list text runs to tens of megabytes.
std::string TextBuffer(std::size_t size) {
  std::string text;
  text.reserve(size);
  AdviseHugePages(text.data(), size);
  text.resize(size);
  return text;
}

// ---- Text reading.

// The lines of a text cut as SplitLines cuts them (LF or CR LF, no empty line after a final
// break), as views into the text: a frame list is read without copying each line.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : rest_(text) {}

  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    std::size_t end = rest_.find('\n');
    const std::size_t next = end == std::string_view::npos ? rest_.size() : end + 1;
    if (end == std::string_view::npos) end = rest_.size();
    if (end > 0 && rest_[end - 1] == '\r') --end;
    line = rest_.substr(0, end);
    rest_.remove_prefix(next);
    return true;
  }

 private:
  std::string_view rest_;
};

bool EndsObject(std::string_view status) { return status == "128" || status == "129"; }
bool IsBlank(std::string_view status) { return status == "1" || status == "129"; }

// The fields of one text piece: x, y, kind and colour as numbers, the status as text.
struct PieceFields {
  int32_t numbers[4] = {};
  std::string_view status;
  std::string_view bad;  // the field that is not a number
};

enum class Piece { kPoint, kTooFewFields, kBadNumber };

// Nearly every piece is plain digits: four numbers closed by commas, the state field, and a
// status of digits closed by "|". Such a piece is read in one pass, without first looking for
// its "|"; the end of the piece is returned. Anything else returns nullptr and the piece is
// read again by ReadPiece.
const char* ReadPlainPiece(const char* p, const char* end, PieceFields& out) {
  constexpr std::ptrdiff_t kSafeDigits = 9;  // cannot leave the 32-bit range
  const auto is_digit = [](char c) { return static_cast<unsigned>(c - '0') < 10; };
  for (int32_t& number : out.numbers) {
    const char* const start = p;
    uint32_t value = 0;
    while (p < end && p - start < kSafeDigits && is_digit(*p)) {
      value = value * 10 + static_cast<unsigned>(*p - '0');
      ++p;
    }
    if (p == start || p == end || *p != ',') return nullptr;
    number = static_cast<int32_t>(value);
    ++p;
  }
  while (p < end && *p != ',' && *p != '|') ++p;  // the point state field is read past
  if (p == end || *p != ',') return nullptr;
  const char* const status = ++p;
  while (p < end && is_digit(*p)) ++p;
  if (p == end || *p != '|') return nullptr;
  out.status = std::string_view(status, static_cast<std::size_t>(p - status));
  return p + 1;
}

// A piece is the text before one "|". Its first five fields end at the first five commas;
// the rest of it is the status field.
Piece ReadPiece(const char* piece, const char* bar, PieceFields& out) {
  std::string_view fields[5];
  const char* field = piece;
  for (std::string_view& f : fields) {
    const char* comma = std::find(field, bar, ',');
    if (comma == bar) return Piece::kTooFewFields;
    f = std::string_view(field, static_cast<std::size_t>(comma - field));
    field = comma + 1;
  }
  for (int i = 0; i < 4; ++i) {
    const std::optional<int32_t> number = ParseInt32(fields[i]);
    if (!number) {
      out.bad = fields[i];
      return Piece::kBadNumber;
    }
    out.numbers[i] = *number;
  }
  out.status = std::string_view(field, static_cast<std::size_t>(bar - field));
  return Piece::kPoint;
}

// Appends the points of a drawing text line to `drawing`. Each object is gathered in
// `scratch` (kept by the caller so its memory is reused from line to line) and stored at its
// exact size. On a bad number the points before it stay in `drawing`, and `reached` is the
// bad field's offset in the line.
Status ReadDrawingText(std::string_view line, Drawing& drawing, Object& scratch) {
  scratch.clear();
  const auto store_object = [&] {
    if (!scratch.empty()) drawing.emplace_back(scratch.begin(), scratch.end());
    scratch.clear();
  };
  const char* const begin = line.data();
  const char* const end = begin + line.size();
  const char* piece = begin;
  // Text after the last "|" is not a point.
  while (piece < end) {
    PieceFields fields;
    Piece read = Piece::kPoint;
    const char* next = ReadPlainPiece(piece, end, fields);
    if (next == nullptr) {
      const char* bar = static_cast<const char*>(std::memchr(piece, '|', end - piece));
      if (bar == nullptr) break;
      read = ReadPiece(piece, bar, fields);
      next = bar + 1;
    }
    piece = next;
    if (read == Piece::kTooFewFields) continue;  // not a point
    if (read == Piece::kBadNumber) {
      store_object();
      return Status::Failed(NotAnIntegerMessage(fields.bad),
                            static_cast<std::size_t>(fields.bad.data() - begin));
    }
    // A loaded point is always in the normal state.
    scratch.push_back({.x = fields.numbers[0],
                       .y = fields.numbers[1],
                       .kind = fields.numbers[2],
                       .colour = static_cast<uint8_t>(fields.numbers[3]),
                       .state = kStateNormal,
                       .blank = static_cast<uint8_t>(IsBlank(fields.status) ? 1 : 0)});
    if (EndsObject(fields.status)) store_object();
  }
  store_object();
  return {{}, line.size()};
}

}  // namespace

Status ParseDrawing(std::span<const uint8_t> data, Drawing& drawing, int scale) {
  const int32_t factor = UsableScale(scale);
  drawing.clear();
  const std::size_t count = data.size() / kRecordSize;  // a partial record at the end is ignored
  bool in_object = false;
  for (std::size_t i = 0; i < count; ++i) {
    const uint8_t* record = data.data() + i * kRecordSize;
    const uint8_t status = record[4];
    if (!in_object) drawing.emplace_back();
    drawing.back().push_back({.x = record[0] * factor,
                              .y = record[1] * factor,
                              .kind = record[2],
                              .colour = record[3],
                              .state = kStateNormal,
                              .blank = static_cast<uint8_t>((status & kBlankBits) != 0 ? 1 : 0)});
    in_object = (status & kLastOfObject) == 0;
  }
  return {{}, count * kRecordSize};
}

Status LoadDrawing(const std::filesystem::path& path, Drawing& drawing, int scale) {
  std::string bytes;
  if (Status status = ReadWholeFile(path, bytes); !status.ok()) return status;
  return ParseDrawing(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                      drawing, scale);
}

std::string EncodeDrawing(const Drawing& drawing, int scale) {
  const int32_t factor = UsableScale(scale);
  std::string bytes;
  bytes.reserve(CountPoints(drawing) * kRecordSize);
  for (const Object& object : drawing) {
    for (std::size_t i = 0; i < object.size(); ++i) {
      const Point& p = object[i];
      const uint8_t status = static_cast<uint8_t>((i + 1 == object.size() ? kLastOfObject : 0) |
                                                  (p.blank != 0 ? 1 : 0));
      const uint8_t record[kRecordSize] = {FileCoordinate(p.x, factor), FileCoordinate(p.y, factor),
                                           static_cast<uint8_t>(p.kind & 0xFF), p.colour, status};
      bytes.append(reinterpret_cast<const char*>(record), kRecordSize);
    }
  }
  return bytes;
}

Status SaveDrawing(const std::filesystem::path& path, const Drawing& drawing, int scale) {
  return WriteFileAtomically(path, EncodeDrawing(drawing, scale));
}

std::string DrawingToText(const Drawing& drawing) {
  std::string text = TextBuffer(DrawingTextLength(drawing));
  WriteDrawingText(text.data(), drawing);
  return text;
}

Status TextToDrawing(std::string_view line, Drawing& drawing) {
  drawing.clear();
  Object scratch;
  return ReadDrawingText(line, drawing, scratch);
}

Status ParseFrameList(std::string_view text, FrameList& frames) {
  frames.clear();
  LineCursor cursor(text);
  std::string_view line;
  std::size_t lines_read = 0;
  if (cursor.Next(line)) ++lines_read;  // the "[DrawingList]" header is not examined
  Object scratch;
  // The numbers after "DrawingName=" are not used: frames come in file order. A name line
  // with no text line after it ends the list without a frame.
  while (cursor.Next(line) && cursor.Next(line)) {
    Status status = ReadDrawingText(line, frames.emplace_back(), scratch);
    if (!status.ok()) return Status::Failed(std::move(status.error), lines_read + 1);
    lines_read += 2;
  }
  return {{}, lines_read};
}

Status LoadFrameList(const std::filesystem::path& path, FrameList& frames) {
  std::string text;
  if (Status status = ReadWholeFile(path, text); !status.ok()) return status;
  return ParseFrameList(text, frames);
}

std::string EncodeFrameList(const FrameList& frames) {
  std::size_t length = kListHeader.size() + kLineEnd.size();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    length += kNameKey.size() + DecimalLength(static_cast<int64_t>(i)) + kLineEnd.size() +
              DrawingTextLength(frames[i]) + kLineEnd.size();
  }
  std::string text = TextBuffer(length);
  char* out = WriteText(text.data(), kListHeader);
  out = WriteText(out, kLineEnd);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    out = WriteText(out, kNameKey);
    out = WriteDecimal(out, i);
    out = WriteText(out, kLineEnd);
    out = WriteDrawingText(out, frames[i]);
    out = WriteText(out, kLineEnd);
  }
  return text;
}

Status SaveFrameList(const std::filesystem::path& path, const FrameList& frames) {
  return WriteFileAtomically(path, EncodeFrameList(frames));
}

}  // namespace daved
