#include "editor/selection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include <QPainter>

#include "model/thumbnail.h"

namespace daved {
namespace {

constexpr int kMirrorSum = 510;      // the canvas' last grid line: 0 and 510 swap
constexpr double kScalePerPixel = 0.02;  // 50 pixels of travel make a factor of 1
constexpr double kPi = 3.1415926;

// Truncates toward zero; coordinates scaled far off the canvas stop at the int range.
int Truncate(double value) {
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  if (std::isnan(value)) return 0;
  return int(std::trunc(std::clamp(value, kLow, kHigh)));
}

// Within the box of the two corners, edges included.
bool InBox(const Point& p, QPoint a, QPoint b) {
  const auto across = [](int64_t from, int64_t to, int64_t v) { return (from - v) * (to - v) <= 0; };
  return across(a.x(), b.x(), p.x) && across(a.y(), b.y(), p.y);
}

QPoint At(const Point& p) { return QPoint(p.x, p.y); }

}  // namespace

void SelectAll(EditorDocument& document) {
  document.DeselectAll();
  for (std::size_t o = 0; o < document.drawing.size(); ++o) {
    for (std::size_t i = 0; i < document.drawing[o].size(); ++i) document.Select({o, i});
  }
}

void DeleteSelection(EditorDocument& document) {
  for (const PointRef& ref : document.selection) document.at(ref).state = kStateDeleted;
  document.selection.clear();
  document.selectionBackup.clear();
  document.RemoveDeletedPoints();
  document.RecordUndoStep();
}

Drawing TransformedCopies(const EditorDocument& document, const PointMap& map) {
  Drawing copies;
  for (const Object& object : document.drawing) {
    Object copy;
    for (const Point& p : object) {
      if (p.state != kStateSelected) continue;
      const QPoint to = map(At(p));
      copy.push_back({to.x(), to.y(), p.kind, p.colour, kStateNormal, p.blank});
    }
    if (!copy.empty()) copies.push_back(std::move(copy));
  }
  return copies;
}

void TransformSelection(EditorDocument& document, const PointMap& map) {
  if (document.copyMode) {
    for (Object& copy : TransformedCopies(document, map)) {
      document.drawing.push_back(std::move(copy));
    }
    return;
  }
  for (const PointRef& ref : document.selection) {
    Point& p = document.at(ref);
    const QPoint to = map(At(p));
    p.x = to.x();
    p.y = to.y();
  }
}

bool MirrorSelection(EditorDocument& document, Mirror mirror) {
  if (document.selection.empty()) return false;
  TransformSelection(document, [mirror](QPoint p) {
    return mirror == Mirror::TopToBottom ? QPoint(p.x(), kMirrorSum - p.y())
                                         : QPoint(kMirrorSum - p.x(), p.y());
  });
  document.RecordUndoStep();
  return true;
}

QPoint RotatePoint(QPoint point, QPoint centre, double degrees) {
  const double theta = degrees * kPi / 180;
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const double x = point.x(), y = point.y(), cx = centre.x(), cy = centre.y();
  return QPoint(Truncate(x * c - y * s + cx * (1 - c) + cy * s),
                Truncate(x * s + y * c + cy * (1 - c) - cx * s));
}

double RotationDegrees(int position, bool anticlockwise) {
  return anticlockwise ? -position : position;
}

bool RotateSelection(EditorDocument& document, QPoint centre, double degrees) {
  if (document.selection.empty()) return false;
  TransformSelection(document, [=](QPoint p) { return RotatePoint(p, centre, degrees); });
  document.RecordUndoStep();
  return true;
}

QImage RotationPreview(const EditorDocument& document, QPoint centre, double degrees) {
  constexpr int kHalf = 2;  // the preview shows the canvas at half scale
  QImage image(kRotationPreviewSize, kRotationPreviewSize, QImage::Format_RGB32);
  image.fill(Qt::black);
  Object selection;
  for (const PointRef& ref : document.selection) {
    Point p = document.drawing[ref.object][ref.point];
    p.state = kStateNormal;
    selection.push_back(p);
  }
  Object turned = selection;
  const QPoint canvasCentre = centre * kHalf;
  for (Point& p : turned) {
    const QPoint to = RotatePoint(QPoint(p.x, p.y), canvasCentre, degrees);
    p.x = to.x();
    p.y = to.y();
  }
  if (document.copyMode) DrawPointList(image, selection, 0, kHalf);
  DrawPointList(image, turned, 0, kHalf);
  QPainter painter(&image);
  painter.setPen(QPen(QColor(255, 0, 0), 0));
  painter.drawRect(QRect(centre - QPoint(kHalf, kHalf), centre + QPoint(kHalf, kHalf)));
  return image;
}

QPoint ScaleTravel(QPoint travel, bool keepRatio) {
  if (!keepRatio) return travel;
  const int dx = travel.x(), dy = travel.y();
  if (std::abs(dx) < std::abs(dy)) return QPoint(dx > 0 ? std::abs(dy) : -std::abs(dy), dy);
  return QPoint(dx, dy > 0 ? std::abs(dx) : -std::abs(dx));
}

QPoint ScalePoint(QPoint point, QPoint centre, QPoint travel) {
  const double cx = centre.x(), cy = centre.y();
  return QPoint(Truncate(cx + (point.x() - cx) * travel.x() * kScalePerPixel),
                Truncate(cy + (point.y() - cy) * travel.y() * kScalePerPixel));
}

// --- The tools -----------------------------------------------------------------------------

void SelectionTools::Press(Kind kind, bool left, QPoint at, bool ctrl) {
  EditorDocument& doc = document_;
  if (!left) {
    if (kind == Kind::Move || kind == Kind::Scale) {
      if (doc.pending.size() == 1) RestoreBackup();
      doc.selectionBackup.clear();
    } else if (doc.pending.empty()) {
      doc.DeselectAll();
    }
    doc.pending.clear();
    return;
  }
  if (kind == Kind::Move || kind == Kind::Scale) {
    PressTransform(kind, at, ctrl);
  } else {
    PressSelect(kind, at);
  }
}

void SelectionTools::PressSelect(Kind kind, QPoint at) {
  EditorDocument& doc = document_;
  doc.AddPending(at);
  Drawing& drawing = doc.drawing;
  // Selects the not yet selected points of an object.
  const auto selectObject = [&](std::size_t o) {
    for (std::size_t i = 0; i < drawing[o].size(); ++i) {
      if (drawing[o][i].state != kStateSelected) doc.Select({o, i});
    }
  };

  if (doc.pending.size() >= 2) {
    const QPoint a = At(doc.pending[doc.pending.size() - 2]);
    const QPoint b = at;
    for (std::size_t o = 0; o < drawing.size(); ++o) {
      const Object& object = drawing[o];
      if (kind == Kind::SelectObject) {
        if (std::any_of(object.begin(), object.end(),
                        [&](const Point& p) { return InBox(p, a, b); })) {
          selectObject(o);
        }
        continue;
      }
      for (std::size_t i = 0; i < object.size(); ++i) {
        if (object[i].state != kStateSelected && InBox(object[i], a, b)) doc.Select({o, i});
      }
    }
    doc.pending.clear();
    return;
  }

  bool hit = false;
  for (std::size_t o = 0; o < drawing.size(); ++o) {
    if (kind == Kind::SelectObject) {
      if (FindSegmentHit(drawing[o], at)) {
        selectObject(o);
        hit = true;
      }
      continue;
    }
    for (std::size_t i = 0; i < drawing[o].size(); ++i) {
      Point& p = drawing[o][i];
      if (!PointHit(p, at)) continue;
      hit = true;
      if (p.state == kStateSelected) {
        p.state = kStateNormal;
        std::erase(doc.selection, PointRef{o, i});
      } else {
        doc.Select({o, i});
      }
    }
  }
  if (hit) doc.pending.clear();
}

void SelectionTools::PressTransform(Kind kind, QPoint at, bool ctrl) {
  EditorDocument& doc = document_;
  if (doc.pending.empty()) {
    doc.AddPending(at);
    doc.selectionBackup.clear();
    for (const PointRef& ref : doc.selection) doc.selectionBackup.push_back(At(doc.at(ref)));
    return;
  }
  const PointMap map = MapFor(kind, at, ctrl);
  RestoreBackup();
  TransformSelection(doc, map);
  if (!doc.selection.empty()) doc.RecordUndoStep();
  doc.selectionBackup.clear();
  doc.pending.clear();
}

PointMap SelectionTools::MapFor(Kind kind, QPoint at, bool ctrl) const {
  const QPoint first = At(document_.pending.front());
  const QPoint travel = at - first;
  if (kind == Kind::Move) return [travel](QPoint p) { return p + travel; };
  const QPoint scaled = ScaleTravel(travel, ctrl);
  return [first, scaled](QPoint p) { return ScalePoint(p, first, scaled); };
}

void SelectionTools::RestoreBackup() {
  EditorDocument& doc = document_;
  const std::size_t n = std::min(doc.selection.size(), doc.selectionBackup.size());
  for (std::size_t i = 0; i < n; ++i) {
    Point& p = doc.at(doc.selection[i]);
    p.x = doc.selectionBackup[i].x();
    p.y = doc.selectionBackup[i].y();
  }
}

bool SelectionTools::Move(Kind kind, QPoint at, bool ctrl) {
  EditorDocument& doc = document_;
  if (!Confining(kind) || doc.copyMode || doc.selection.empty()) return false;
  const PointMap map = MapFor(kind, at, ctrl);
  const std::size_t n = std::min(doc.selection.size(), doc.selectionBackup.size());
  for (std::size_t i = 0; i < n; ++i) {
    const QPoint to = map(doc.selectionBackup[i]);
    Point& p = doc.at(doc.selection[i]);
    p.x = to.x();
    p.y = to.y();
  }
  return true;
}

Preview SelectionTools::PreviewAt(Kind kind, QPoint at, bool ctrl) const {
  const EditorDocument& doc = document_;
  Preview preview;
  if (doc.pending.empty()) return preview;
  if (kind == Kind::SelectPoint || kind == Kind::SelectObject) {
    const QPoint first = At(doc.pending.front());
    preview.box = QRect(QPoint(std::min(first.x(), at.x()), std::min(first.y(), at.y())),
                        QPoint(std::max(first.x(), at.x()), std::max(first.y(), at.y())));
    return preview;
  }
  // With copy mode the drawing stays as it is and the copies follow the mouse on top of it.
  if (!doc.copyMode || doc.selection.empty()) return preview;
  const PointMap map = MapFor(kind, at, ctrl);
  const PointRef first = doc.selection.front();
  preview.colour = doc.drawing[first.object][first.point].colour;
  for (const QPoint& p : doc.selectionBackup) {
    preview.line.push_back(map(p));
    preview.marks.push_back({preview.line.back(), 3, MarkShape::Square});
  }
  return preview;
}

}  // namespace daved
