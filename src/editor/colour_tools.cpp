#include "editor/colour_tools.h"

#include <QImageReader>
#include <QStringList>
#include <algorithm>

#include "editor/hit_tests.h"

namespace daved {
namespace {

constexpr uint8_t kFirstRunColour = 2;  // red; the runs go on to 7, magenta
constexpr uint8_t kLastRunColour = 7;
constexpr std::size_t kRuns = 6;

bool SamePlace(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

// Calls `change` on the end of every segment that `click` hits, and on its start too when
// both ends are at one place.
template <typename Change>
void ForEachSegmentHit(Drawing& drawing, QPoint click, Change change) {
  for (Object& object : drawing) {
    for (std::size_t i = 1; i < object.size(); ++i) {
      Point& a = object[i - 1];
      Point& b = object[i];
      if (!SegmentHit(a, b, click)) continue;
      if (SamePlace(a, b)) change(a);
      change(b);
    }
  }
}

}  // namespace

uint8_t ColourOfCell(GridCell cell) { return uint8_t(cell.column * kGridRows + cell.row); }

GridCell CellOfColour(uint8_t colour) { return {colour / kGridRows, colour % kGridRows}; }

std::optional<uint8_t> PickColour(const Drawing& drawing, QPoint click) {
  std::optional<uint8_t> picked;
  for (const Object& object : drawing) {
    const std::optional<std::size_t> end = FindSegmentHit(object, click);
    if (!end) continue;
    const Point& a = object[*end - 1];
    const Point& b = object[*end];
    picked = SamePlace(a, b) ? a.colour : b.colour;
  }
  return picked;
}

void ColourSegments(EditorDocument& document, QPoint click) {
  const uint8_t colour = document.colour;
  ForEachSegmentHit(document.drawing, click, [colour](Point& p) { p.colour = colour; });
  document.RecordUndoStep();
}

void BlankSegments(EditorDocument& document, QPoint click) {
  ForEachSegmentHit(document.drawing, click, [](Point& p) { p.blank = p.blank ? 0 : 1; });
  document.RecordUndoStep();
}

void ColourSelection(EditorDocument& document) {
  for (const PointRef& ref : document.selection) document.at(ref).colour = document.colour;
  if (!document.selection.empty()) document.RecordUndoStep();
}

void BlankSelection(EditorDocument& document) {
  for (const PointRef& ref : document.selection) {
    Point& p = document.at(ref);
    p.blank = p.blank ? 0 : 1;
  }
  document.RecordUndoStep();
}

std::vector<uint8_t> SixColourRuns(std::size_t count) {
  const std::size_t band = count / kRuns;
  std::vector<uint8_t> colours;
  colours.reserve(count);
  uint8_t colour = kFirstRunColour;
  std::size_t bands = 1;
  for (std::size_t i = 0; i < count; ++i) {
    // With fewer than six points the band is empty and every point starts a new run.
    if (i >= band * bands) {
      ++bands;
      colour = colour == kLastRunColour ? kFirstRunColour : uint8_t(colour + 1);
    }
    colours.push_back(colour);
  }
  return colours;
}

void SpreadSixColours(EditorDocument& document) {
  const std::vector<uint8_t> colours = SixColourRuns(document.selection.size());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    document.at(document.selection[i]).colour = colours[i];
  }
  if (!document.selection.empty()) document.RecordUndoStep();
}

PictureChoice ShowPicture(EditorDocument& document, const std::filesystem::path& path) {
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return PictureChoice::Missing;
  // The canvas reads the picture again at each redraw; one that cannot be read at all would
  // only leave a plain background and a flag that promises a picture.
  QImageReader reader(QString::fromStdString(path.string()));
  if (!reader.canRead()) return PictureChoice::Unreadable;
  document.picturePath = path;
  document.pictureShown = true;
  return PictureChoice::Shown;
}

void HidePicture(EditorDocument& document) {
  document.pictureShown = false;
  document.picturePath.clear();
}

QString PictureFilter() {
  QStringList masks;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    masks << QStringLiteral("*.") + QString::fromLatin1(format);
  }
  return QStringLiteral("Immagini (%1)").arg(masks.join(u' '));
}

QString UnreadablePictureMessage(const std::filesystem::path& path) {
  return QStringLiteral("Impossibile leggere l'immagine %1: non è un'immagine conosciuta.")
      .arg(QString::fromStdString(path.filename().string()));
}

}  // namespace daved
