#include "editor/drawing_tools.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "editor/colour_tools.h"

namespace daved {
namespace {

constexpr std::array kInfo = {
    ToolInfo{"", 0, ""},
    ToolInfo{"Linea 2P disegna una linea tra 2 punti premendo CTRL e tracciando una linea "
             "verticale o orizzontale",
             'L', "(L) linea "},
    ToolInfo{"Disegna una linea multi-punto Premendo CTRL create una linea verticale o "
             "orizzontale ",
             0, ""},
    ToolInfo{"Crea un arco selezionando il punto centrale e quindi quello iniziale e finale", 'A',
             "(A) Arco: Disegna un arco..."},
    ToolInfo{"Cerchio. Premi ctrl, disegna un cerchio o un'ellisse", 'C', "(C) Cerchio "},
    ToolInfo{"Disegna un rettangolo con 4 punti...", 'R', "(R) Rettangolo "},
    ToolInfo{"Disegna un rettangolo con molti punti...", 0, ""},
    ToolInfo{"Disegna un poligono...", 0, ""},
    ToolInfo{"Disegna un poligono con molti punti", 0, ""},
    ToolInfo{"Disegna un punto...", 'P', "(P) Punto..."},
    ToolInfo{"Clicca su un punto e spostalo a piacimento. Clicca nuovamente per determinare la "
             "nuova posizione",
             0, ""},
    ToolInfo{"Aggiungi punto cliccando sulla linea creata", 0, ""},
    ToolInfo{kEyedropperMessage, 0, ""},
    ToolInfo{kSegmentColourMessage, 'X', kSegmentColourKeyMessage},
    ToolInfo{kSegmentBlankMessage, 'B', kSegmentBlankKeyMessage},
    ToolInfo{"Cliccate su un punto per selezionarlo. Con il tasto destro cancellate l'operazione",
             'S', "(S) Selezione Punto..."},
    ToolInfo{"Cliccate un punto dell'oggetto per selezionarlo. Con il tasto destro cancellate "
             "l'operazione",
             'O', "(O) Selezione "},
    ToolInfo{"Muovi gli oggetti selezionati…...", 'M', "(M) Muovi/Sposta..."},
    ToolInfo{"Clicca il punto centrale e muovi il mouse per zoommare. Ctrl permette di "
             "mantenere il rapporto costante...",
             'Z', "(Z) Zoom..."},
};
static_assert(kInfo.size() == std::size_t(Tool::ScaleSelection) + 1);

// The selection tool a tool is, if it is one.
std::optional<SelectionTools::Kind> SelectionKind(Tool tool) {
  switch (tool) {
    case Tool::SelectPoint:
      return SelectionTools::Kind::SelectPoint;
    case Tool::SelectObject:
      return SelectionTools::Kind::SelectObject;
    case Tool::MoveSelection:
      return SelectionTools::Kind::Move;
    case Tool::ScaleSelection:
      return SelectionTools::Kind::Scale;
    default:
      return std::nullopt;
  }
}

// The clicks each shape tool collects before it builds its object.
int ClicksOf(Tool tool) {
  switch (tool) {
    case Tool::Arc:
      return 3;
    case Tool::Ellipse:
    case Tool::Rectangle4:
    case Tool::RectangleMany:
    case Tool::Polygon:
    case Tool::PolygonMP:
      return 2;
    default:
      return 0;
  }
}

QPoint At(const Point& p) { return QPoint(p.x, p.y); }

Point MakePoint(QPoint at, int32_t kind, uint8_t colour, uint8_t blank) {
  return {at.x(), at.y(), kind, colour, kStateNormal, blank};
}

// Every point of `points` as `kind`, the first one blank.
Object ShapeObject(const PointList& points, int32_t kind, uint8_t colour) {
  Object object;
  object.reserve(points.size());
  for (const QPoint& p : points) object.push_back(MakePoint(p, kind, colour, object.empty()));
  return object;
}

// The corners as vertices with line points between each two, the first corner blank.
Object FilledObject(const PointList& corners, uint8_t colour, int spacing) {
  Object object;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    if (i > 0) {
      for (const QPoint& p : LinePoints(corners[i - 1], corners[i], spacing)) {
        object.push_back(MakePoint(p, kLinePoint, colour, 0));
      }
    }
    object.push_back(MakePoint(corners[i], kVertex, colour, i == 0));
  }
  return object;
}

PointList Positions(const Object& object) {
  PointList points;
  points.reserve(object.size());
  for (const Point& p : object) points.push_back(At(p));
  return points;
}

PointList RectangleCorners(QPoint a, QPoint b) {
  return {a, QPoint(a.x(), b.y()), b, QPoint(b.x(), a.y()), a};
}

// The box an ellipse is drawn through, from one corner to the other.
QRect BoxBetween(QPoint a, QPoint b) {
  return QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()),
               std::abs(b.y() - a.y()));
}

// Moves `value` to `base` ± `side`, on the side of `base` where it was.
int OnSameSide(int base, int value, int side) {
  if (value > base) return base + side;
  if (value < base) return base - side;
  return value;
}

}  // namespace

const ToolInfo& InfoOf(Tool tool) { return kInfo[std::size_t(tool)]; }

std::optional<Tool> ToolForKey(char key) {
  for (std::size_t i = 1; i < kInfo.size(); ++i) {
    if (kInfo[i].key == key) return Tool(i);
  }
  return std::nullopt;
}

QPoint ConstrainLine(QPoint from, QPoint to) {
  const int dx = std::abs(to.x() - from.x());
  const int dy = std::abs(to.y() - from.y());
  if (dy < dx) return QPoint(to.x(), from.y());
  if (dx < dy) return QPoint(from.x(), to.y());
  return to;
}

QPoint ConstrainSquare(QPoint first, QPoint second) {
  const int width = std::abs(second.x() - first.x());
  const int height = std::abs(second.y() - first.y());
  if (width < height) return QPoint(OnSameSide(first.x(), second.x(), height), second.y());
  if (height < width) return QPoint(second.x(), OnSameSide(first.y(), second.y(), width));
  return second;
}

QPoint ClampToCanvas(QPoint at) {
  return QPoint(std::clamp(at.x(), 0, kCanvasSize - 1), std::clamp(at.y(), 0, kCanvasSize - 1));
}

bool DrawingTools::Collecting() const {
  if (const auto kind = SelectionKind(tool_)) return selection_.Confining(*kind);
  if (document_.pending.empty()) return false;
  return ClicksOf(tool_) > 0 || tool_ == Tool::Line2P || tool_ == Tool::LineMP ||
         tool_ == Tool::MovePoint;
}

bool DrawingTools::Previewing() const {
  if (SelectionKind(tool_)) return selection_.Previewing();
  return Collecting();
}

bool DrawingTools::Press(Button button, QPoint at, bool ctrl) {
  at = ClampToCanvas(at);
  if (const auto kind = SelectionKind(tool_)) {
    selection_.Press(*kind, button == Button::Left, at, ctrl);
    return true;
  }
  if (button == Button::Right) {
    if (tool_ == Tool::None || tool_ == Tool::Dots || tool_ == Tool::AddPoint ||
        tool_ == Tool::Eyedropper || tool_ == Tool::SegmentColour || tool_ == Tool::SegmentBlank) {
      return false;
    }
    Cancel();
    return true;
  }
  switch (tool_) {
    case Tool::None:
      return false;
    case Tool::Line2P:
      PressLine(at, ctrl, false);
      break;
    case Tool::LineMP:
      PressLine(at, ctrl, true);
      break;
    case Tool::Dots:
      Append({MakePoint(at, kDot, document_.colour, 1)});
      break;
    case Tool::MovePoint:
      PressMovePoint(at);
      break;
    case Tool::AddPoint:
      PressAddPoint(at);
      break;
    case Tool::Eyedropper:
      // Only the current colour changes: nothing to redraw.
      if (const std::optional<uint8_t> picked = PickColour(document_.drawing, at)) {
        document_.colour = *picked;
      }
      return false;
    case Tool::SegmentColour:
      ColourSegments(document_, at);
      break;
    case Tool::SegmentBlank:
      BlankSegments(document_, at);
      break;
    default:
      PressShape(at, ctrl);
      break;
  }
  return true;
}

void DrawingTools::Cancel() {
  EditorDocument& doc = document_;
  if (tool_ == Tool::MovePoint) {
    for (std::size_t i = 0; i < doc.selection.size() && i < doc.selectionBackup.size(); ++i) {
      Point& p = doc.at(doc.selection[i]);
      p.x = doc.selectionBackup[i].x();
      p.y = doc.selectionBackup[i].y();
      p.state = kStateNormal;
    }
    doc.selection.clear();
    doc.selectionBackup.clear();
  }
  doc.pending.clear();
  doc.EndPolyline();
}

void DrawingTools::Append(Object object) {
  document_.drawing.push_back(std::move(object));
  document_.RecordUndoStep();
}

void DrawingTools::PressLine(QPoint at, bool ctrl, bool withLinePoints) {
  EditorDocument& doc = document_;
  if (doc.pending.empty()) {
    doc.AddPending(at);
    return;
  }
  const Point last = doc.pending.back();
  const QPoint next = ctrl ? ConstrainLine(At(last), at) : at;
  Object* line = doc.polyline();
  if (!line) {
    doc.StartPolyline({MakePoint(At(last), kVertex, last.colour, 1)});
    line = doc.polyline();
  }
  if (withLinePoints) {
    for (const QPoint& p : LinePoints(At(last), next, doc.config.pointSpacing)) {
      line->push_back(MakePoint(p, kLinePoint, doc.colour, 0));
    }
  }
  line->push_back(MakePoint(next, withLinePoints ? kVertex : kLinePoint, doc.colour, 0));
  // The new point starts the next segment.
  doc.pending.clear();
  doc.AddPending(next);
  doc.pending.back().blank = 0;
  doc.RecordUndoStep();
}

void DrawingTools::PressShape(QPoint at, bool ctrl) {
  EditorDocument& doc = document_;
  if (tool_ == Tool::Ellipse && ctrl && !doc.pending.empty()) {
    at = ConstrainSquare(At(doc.pending.front()), at);
  }
  doc.AddPending(at);
  if (int(doc.pending.size()) < ClicksOf(tool_)) return;

  const QPoint a = At(doc.pending[0]);
  const QPoint b = At(doc.pending[1]);
  const int spacing = doc.config.pointSpacing;
  const uint8_t colour = doc.colour;
  switch (tool_) {
    case Tool::Arc: {
      // Appended even when the arc has no point, as the shape the clicks asked for.
      Object arc = ShapeObject(ArcPoints(a, b, At(doc.pending[2]), spacing), kLinePoint, colour);
      if (!arc.empty()) arc.front().kind = arc.back().kind = kVertex;
      Append(std::move(arc));
      break;
    }
    case Tool::Ellipse: {
      Object ellipse = ShapeObject(EllipsePoints(a, b, spacing), kLinePoint, colour);
      if (!ellipse.empty()) {
        ellipse.front().kind = ellipse.back().kind = kVertex;
        Append(std::move(ellipse));
      }
      break;
    }
    case Tool::Rectangle4:
      Append(ShapeObject(RectangleCorners(a, b), kVertex, colour));
      break;
    case Tool::RectangleMany:
      Append(FilledObject(RectangleCorners(a, b), colour, spacing));
      break;
    case Tool::Polygon:
    case Tool::PolygonMP: {
      const PointList vertices = PolygonPoints(a, b, doc.config.polygonSides);
      if (vertices.empty()) break;
      Append(tool_ == Tool::Polygon ? ShapeObject(vertices, kVertex, colour)
                                    : FilledObject(vertices, colour, spacing));
      break;
    }
    default:
      break;
  }
  doc.pending.clear();
}

void DrawingTools::PressMovePoint(QPoint at) {
  EditorDocument& doc = document_;
  if (doc.pending.empty()) {
    doc.AddPending(at);
    doc.DeselectAll();
    doc.selectionBackup.clear();
    if (const std::optional<PointRef> hit = FindPointHit(doc.drawing, at)) {
      doc.Select(*hit);
      doc.selectionBackup.push_back(At(doc.at(*hit)));
    }
    return;
  }
  for (const PointRef& ref : doc.selection) {
    Point& p = doc.at(ref);
    p.x = at.x();
    p.y = at.y();
    p.state = kStateNormal;
  }
  if (!doc.selection.empty()) doc.RecordUndoStep();
  doc.selection.clear();
  doc.selectionBackup.clear();
  doc.pending.clear();
}

void DrawingTools::PressAddPoint(QPoint at) {
  EditorDocument& doc = document_;
  bool inserted = false;
  for (std::size_t o = 0; o < doc.drawing.size(); ++o) {
    Object& object = doc.drawing[o];
    const std::optional<std::size_t> end = FindSegmentHit(object, at);
    if (!end) continue;
    const Point& b = object[*end];
    object.insert(object.begin() + std::ptrdiff_t(*end),
                  MakePoint(at, kLinePoint, b.colour, b.blank));
    // Selected points after the new one moved up by one.
    for (PointRef& ref : doc.selection) {
      if (ref.object == o && ref.point >= *end) ++ref.point;
    }
    inserted = true;
  }
  if (inserted) doc.RecordUndoStep();
}

bool DrawingTools::Move(QPoint at, bool ctrl) {
  at = ClampToCanvas(at);
  if (const auto kind = SelectionKind(tool_)) return selection_.Move(*kind, at, ctrl);
  EditorDocument& doc = document_;
  if (tool_ != Tool::MovePoint || doc.pending.empty() || doc.selection.empty()) return false;
  for (const PointRef& ref : doc.selection) {
    doc.at(ref).x = at.x();
    doc.at(ref).y = at.y();
  }
  return true;
}

Preview DrawingTools::PreviewAt(QPoint at, bool ctrl) const {
  at = ClampToCanvas(at);
  if (const auto kind = SelectionKind(tool_)) return selection_.PreviewAt(*kind, at, ctrl);
  const EditorDocument& doc = document_;
  Preview preview;
  preview.colour = doc.colour;
  if (doc.pending.empty()) return preview;
  const QPoint first = At(doc.pending.front());
  const int spacing = doc.config.pointSpacing;
  const auto markAll = [&](MarkShape shape) {
    if (!doc.showPoints) return;
    for (const QPoint& p : preview.line) preview.marks.push_back({p, 2, shape});
  };
  switch (tool_) {
    case Tool::Line2P:
    case Tool::LineMP: {
      const QPoint last = At(doc.pending.back());
      preview.line = {last, ctrl ? ConstrainLine(last, at) : at};
      if (doc.showPoints) preview.marks.push_back({last, 1, MarkShape::Circle});
      break;
    }
    case Tool::Arc:
      if (doc.pending.size() == 1) {
        preview.line = {first, at};
      } else {
        preview.line = ArcPoints(first, At(doc.pending[1]), at, spacing);
        preview.marks.push_back({first, 3, MarkShape::Square});
      }
      break;
    case Tool::Ellipse:
      preview.colour = doc.pending.front().colour;
      preview.ellipse = BoxBetween(first, ctrl ? ConstrainSquare(first, at) : at);
      break;
    case Tool::Rectangle4:
      preview.line = RectangleCorners(first, at);
      if (doc.showPoints) {
        for (std::size_t i = 0; i < 4; ++i) {
          preview.marks.push_back({preview.line[i], 2, MarkShape::Square});
        }
      }
      break;
    case Tool::RectangleMany:
      preview.line = Positions(FilledObject(RectangleCorners(first, at), doc.colour, spacing));
      markAll(MarkShape::Circle);
      break;
    case Tool::Polygon:
    case Tool::PolygonMP:
      preview.line = PolygonPoints(first, at, doc.config.polygonSides);
      markAll(MarkShape::Square);
      break;
    default:
      break;
  }
  return preview;
}

}  // namespace daved
