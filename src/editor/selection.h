#pragma once
// Selecting points and objects of the drawing and transforming the selection: move, scale,
// rotate, mirror and delete. With copy mode on, the transforms leave the selected points where
// they are and append transformed copies as new objects instead.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>

#include "editor/canvas.h"
#include "editor/editor_document.h"

namespace daved {

// Where a transform sends one point of the selection.
using PointMap = std::function<QPoint(QPoint)>;

// Every point of the drawing selected, in drawing order.
void SelectAll(EditorDocument& document);

// The selected points removed and an undo step recorded (also for an empty selection, so the
// history holds the drawing as the user last saw it). Objects left empty stay in the drawing.
void DeleteSelection(EditorDocument& document);

// Sends the selected points through `map`: in place, or with copy mode as one new object per
// object holding selected points, appended in drawing order. The selection stays as it was.
void TransformSelection(EditorDocument& document, const PointMap& map);

// Copies of the selected points of each object sent through `map`, unselected, one object per
// object that holds selected points.
Drawing TransformedCopies(const EditorDocument& document, const PointMap& map);

enum class Mirror {
  TopToBottom,  // "Specchio Orizzontale": y to 510 - y
  LeftToRight,  // "Specchio Verticale": x to 510 - x
};
// False (nothing changed, nothing recorded) when the selection is empty.
bool MirrorSelection(EditorDocument& document, Mirror mirror);

// The turn of (x, y) about `centre` by `degrees`, clockwise on the screen (y grows downwards),
// truncated toward zero.
QPoint RotatePoint(QPoint point, QPoint centre, double degrees);
// The rotation dialog's angle: its track bar position, negated for "Senso antiorario".
double RotationDegrees(int position, bool anticlockwise);
// False (nothing changed, nothing recorded) when the selection is empty.
bool RotateSelection(EditorDocument& document, QPoint centre, double degrees);

// The rotation dialog works at half the canvas scale: its centre runs 0..254.
inline constexpr int kRotationPreviewSize = 256;
inline constexpr QPoint kInitialRotationCentre{128, 128};
// The rotation dialog's picture: the selected points turned about `centre` (dialog coordinates)
// as one polyline in selection order, over the unturned selection in copy mode, and a small red
// square at the centre.
QImage RotationPreview(const EditorDocument& document, QPoint centre, double degrees);

// The mouse travel from the scale centre, with CTRL made the same length on both axes.
QPoint ScaleTravel(QPoint travel, bool keepRatio);
// Scales `point` about `centre`: 50 pixels of travel make a factor of 1; travel to the left of or
// above the centre mirrors.
QPoint ScalePoint(QPoint point, QPoint centre, QPoint travel);

// The selection tools: "Selezione Punto", "Seleziona oggetto", "Muovi" and "Scala". They take
// canvas presses and moves and keep their clicks in the document's pending clicks.
class SelectionTools {
 public:
  enum class Kind { SelectPoint, SelectObject, Move, Scale };

  explicit SelectionTools(EditorDocument& document) : document_(document) {}

  // A press on the canvas; the canvas is redrawn after it.
  void Press(Kind kind, bool left, QPoint at, bool ctrl);
  // A mouse move. True when the drawing changed (the selection follows the mouse).
  bool Move(Kind kind, QPoint at, bool ctrl);
  // What to draw over the canvas for the mouse at `at`.
  Preview PreviewAt(Kind kind, QPoint at, bool ctrl) const;
  // True while a first click waits for its second: a preview follows the mouse.
  bool Previewing() const { return !document_.pending.empty(); }
  // True while Muovi or Scala wait for their second click: the pointer stays on the canvas.
  bool Confining(Kind kind) const {
    return Previewing() && (kind == Kind::Move || kind == Kind::Scale);
  }

 private:
  void PressSelect(Kind kind, QPoint at);
  void PressTransform(Kind kind, QPoint at, bool ctrl);
  // Where the transform under way sends a point for the mouse at `at`.
  PointMap MapFor(Kind kind, QPoint at, bool ctrl) const;
  void RestoreBackup();

  EditorDocument& document_;
};

}  // namespace daved
