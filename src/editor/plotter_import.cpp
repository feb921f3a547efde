#include "editor/plotter_import.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "formats/file_io.h"
#include "formats/integer_text.h"
#include "model/thumbnail.h"

namespace daved {
namespace {

constexpr int kPlacedExtent = 512;  // the figure is shrunk until its larger side fits this
constexpr int kCanvasBottom = 510;  // the plotter's y grows upwards, the canvas's downwards

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool StartsWithCommand(std::string_view line, std::string_view command) {
  return Trim(line).starts_with(command);
}

std::string LineError(std::size_t index, const std::string& what) {
  return "line " + std::to_string(index + 1) + ": " + what;
}

// The coordinates after "PU" or "PD": numbers separated by blanks or commas, one ";" at the end.
Status ReadCoordinates(std::string_view parameters, std::size_t line, std::vector<int32_t>& out) {
  parameters = Trim(parameters);
  if (parameters.ends_with(';')) parameters.remove_suffix(1);
  parameters = Trim(parameters);
  if (parameters.empty()) return {};
  while (true) {
    const std::size_t comma = parameters.find(',');
    std::string_view field = Trim(parameters.substr(0, comma));
    if (field.empty()) return Status::Failed(LineError(line, "a coordinate is missing"), line);
    while (!field.empty()) {
      std::size_t end = 0;
      while (end < field.size() && !IsBlank(field[end])) ++end;
      const std::string_view number = field.substr(0, end);
      const std::optional<int32_t> value = ParseInt32(number);
      if (!value) return Status::Failed(LineError(line, NotAnIntegerMessage(number)), line);
      out.push_back(*value);
      field = Trim(field.substr(end));
    }
    if (comma == std::string_view::npos) break;
    parameters.remove_prefix(comma + 1);
  }
  if (out.size() % 2 != 0) {
    return Status::Failed(LineError(line, "the last x has no y"), line);
  }
  return {};
}

std::optional<std::size_t> FindLine(const std::vector<std::string>& lines, std::size_t from,
                                    bool (*matches)(std::string_view)) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (matches(lines[i])) return i;
  }
  return std::nullopt;
}

bool IsSectionStart(std::string_view line) { return StartsWithCommand(line, "LT"); }
bool IsPenSelectZero(std::string_view line) { return line == "SP0;"; }

}  // namespace

Status ParsePlotter(std::string_view text, uint8_t colour, Drawing& objects) {
  objects.clear();
  const std::vector<std::string> lines = SplitLines(text);
  const std::optional<std::size_t> first = FindLine(lines, 0, IsSectionStart);
  if (!first) return Status::Failed(kNoPenSectionMessage, lines.size());

  Drawing parsed;
  std::vector<int32_t> coordinates;
  std::size_t next = *first + 1;
  bool last = false;
  while (!last) {
    // A section runs up to and including the next "LT" line; the last one up to "SP0;", and
    // without that line it is not read at all, leaving an empty object.
    std::optional<std::size_t> end = FindLine(lines, next, IsSectionStart);
    if (!end) {
      last = true;
      end = FindLine(lines, next, IsPenSelectZero);
    }
    Object object;
    const std::size_t stop = end ? *end + 1 : next;
    for (std::size_t i = next; i < stop; ++i) {
      if (!StartsWithCommand(lines[i], "PU") && !StartsWithCommand(lines[i], "PD")) continue;
      coordinates.clear();
      if (Status s = ReadCoordinates(Trim(lines[i]).substr(2), i, coordinates); !s.ok()) return s;
      for (std::size_t k = 0; k < coordinates.size(); k += 2) {
        object.push_back({coordinates[k], coordinates[k + 1], kLinePoint, colour, kStateNormal, 0});
      }
    }
    parsed.push_back(std::move(object));
    next = stop;
  }
  objects = std::move(parsed);
  return {};
}

void ThinObject(Object& object, int fine) {
  if (object.empty()) return;
  const int64_t limit = int64_t(fine) * fine;
  std::size_t reference = 0;
  std::size_t kept = 1;
  for (std::size_t i = 1; i < object.size(); ++i) {
    const Point& r = object[reference];
    const Point& p = object[i];
    const int64_t dx = int64_t(p.x) - r.x;
    const int64_t dy = int64_t(p.y) - r.y;
    if (dx * dx + dy * dy < limit && dx != 0 && dy != 0) continue;
    object[kept] = p;
    reference = kept++;
  }
  object.resize(kept);
}

void PlacePlotterFigure(Drawing& objects, int size, int fine) {
  // 64-bit while placing: plotter units may span the whole 32-bit range.
  int64_t minX = std::numeric_limits<int64_t>::max(), minY = minX;
  int64_t maxX = std::numeric_limits<int64_t>::min(), maxY = maxX;
  for (const Object& object : objects) {
    for (const Point& p : object) {
      minX = std::min<int64_t>(minX, p.x);
      maxX = std::max<int64_t>(maxX, p.x);
      minY = std::min<int64_t>(minY, p.y);
      maxY = std::max<int64_t>(maxY, p.y);
    }
  }
  if (minX > maxX) return;  // no point at all

  int64_t divisor = std::max((maxX - minX) / kPlacedExtent, (maxY - minY) / kPlacedExtent);
  if (divisor == 0) divisor = 1;
  divisor *= kPlotterSizeMax - std::clamp(size, 0, kPlotterSizeMax) + 1;
  for (Object& object : objects) {
    for (Point& p : object) {
      p.x = int32_t((p.x - minX) / divisor);
      p.y = int32_t(kCanvasBottom - (p.y - minY) / divisor);
    }
    if (!object.empty()) object.front().blank = 1;
    ThinObject(object, std::clamp(fine, 0, kPlotterFineMax));
  }
}

Status ImportPlotter(std::string_view text, const PlotterSettings& settings, Drawing& objects) {
  if (Status s = ParsePlotter(text, settings.colour, objects); !s.ok()) return s;
  PlacePlotterFigure(objects, settings.size, settings.fine);
  return {};
}

Status ImportPlotterFile(const std::filesystem::path& path, const PlotterSettings& settings,
                         Drawing& objects) {
  objects.clear();
  std::string text;
  if (Status s = ReadWholeFile(path, text); !s.ok()) return s;
  return ImportPlotter(text, settings, objects);
}

QImage PlotterPreview(const Drawing& objects) {
  constexpr int kSide = kCanvasSize / 2;
  constexpr int kHalfScale = 2;
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::black);
  for (Object object : objects) DrawPointList(image, object, 0, kHalfScale);
  return image;
}

void AppendImportedObjects(EditorDocument& document, Drawing objects) {
  document.DeselectAll();
  for (Object& object : objects) {
    document.drawing.push_back(std::move(object));
    const std::size_t o = document.drawing.size() - 1;
    for (std::size_t i = 0; i < document.drawing[o].size(); ++i) document.Select({o, i});
  }
  if (!document.selection.empty()) document.RecordUndoStep();
}

}  // namespace daved
