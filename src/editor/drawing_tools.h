#pragma once
// The drawing tools: each turns canvas presses and moves into objects of the document, and
// says what to preview between clicks. The window forwards the canvas mouse here and redraws.

#include <QPoint>
#include <optional>
#include <string>

#include "editor/canvas.h"
#include "editor/editor_document.h"
#include "editor/selection.h"

namespace daved {

enum class Tool {
  None,
  Line2P,         // "Linea 2P"
  LineMP,         // "Linea MP"
  Arc,            // "Arco"
  Ellipse,        // "Ciclo"
  Rectangle4,     // "Rettangolo ": four corners
  RectangleMany,  // "Rettangolo 4P": corners and line points along the sides
  Polygon,        // "Poligono"
  PolygonMP,      // "Poligono MP"
  Dots,           // "Punti"
  MovePoint,      // "Muovi punto"
  AddPoint,       // "Aggiungi punto"
  Eyedropper,     // "Contagocce": picks the colour of a segment
  SegmentColour,  // "Ch  L": colours a segment
  SegmentBlank,   // "Blank L": makes a segment dark or lit
  SelectPoint,    // "Selezione Punto"
  SelectObject,   // "Seleziona oggetto"
  MoveSelection,  // "Muovi"
  ScaleSelection, // "Scala"
};

struct ToolInfo {
  const char* message;     // shown when the tool is chosen by its button or menu item
  char key;                // 0 when no key chooses it
  const char* keyMessage;  // shown when it is chosen by its key
};
const ToolInfo& InfoOf(Tool tool);
// The tool a key (an upper-case letter) chooses, if any of these.
std::optional<Tool> ToolForKey(char key);

enum class Button { Left, Right };

// The CTRL constraints: a line held horizontal or vertical from `from`, and the second corner
// of a box moved so the box is a square.
QPoint ConstrainLine(QPoint from, QPoint to);
QPoint ConstrainSquare(QPoint first, QPoint second);

// Positions outside the canvas are brought to its nearest edge.
QPoint ClampToCanvas(QPoint at);

class DrawingTools {
 public:
  explicit DrawingTools(EditorDocument& document) : document_(document) {}

  Tool current() const { return tool_; }
  // Only the tool changes; clicks already collected stay.
  void Choose(Tool tool) { tool_ = tool; }

  // A press on the canvas. True when the canvas must be redrawn.
  bool Press(Button button, QPoint at, bool ctrl);
  // A mouse move. True when the drawing changed (Muovi punto drags its point).
  bool Move(QPoint at, bool ctrl);
  // What to draw over the canvas for the mouse at `at`.
  Preview PreviewAt(QPoint at, bool ctrl) const;
  // True while the tool collects clicks: the pointer is then kept on the canvas.
  bool Collecting() const;
  // True while a preview follows the mouse between clicks.
  bool Previewing() const;

 private:
  void PressLine(QPoint at, bool ctrl, bool withLinePoints);
  void PressShape(QPoint at, bool ctrl);
  void PressMovePoint(QPoint at);
  void PressAddPoint(QPoint at);
  void Cancel();
  // Appends a finished shape and records it.
  void Append(Object object);

  EditorDocument& document_;
  Tool tool_ = Tool::None;
  SelectionTools selection_{document_};
};

}  // namespace daved
