#pragma once
// What the drawing editor works on: the drawing in canvas pixels (twice the laser coordinates)
// and the editor's own lists around it. No widget here: the window shows it and forwards the
// mouse and keys to it and to the tools.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_config.h"
#include "editor/hit_tests.h"
#include "editor/undo_history.h"
#include "model/point.h"

namespace daved {

inline constexpr int kCanvasSize = 512;
inline constexpr uint8_t kInitialColour = 4;
inline constexpr char kNewDrawingName[] = "newdrawing";

class EditorDocument {
 public:
  Drawing drawing;
  // Clicks of the current tool that are not yet part of the drawing.
  std::vector<Point> pending;
  // The selected points, each once, in the order they were selected; all in state 1.
  std::vector<PointRef> selection;
  // The selected points' positions when a move began, in selection order.
  std::vector<QPoint> selectionBackup;
  // The clipboard of "Salva in memoria" and "Carica da memoria", kept for the life of the program.
  Drawing memory;

  EditorConfig config;
  uint8_t colour = kInitialColour;
  bool showPoints = true;
  bool copyMode = false;
  bool pictureShown = false;
  std::filesystem::path picturePath;
  bool modified = false;
  std::filesystem::path filePath;  // empty for a new drawing

  // What the window shows under "Nome file:".
  std::string fileName() const;

  // A new pending click at `at`: kind 0, the current colour, blank when it is the first.
  void AddPending(QPoint at);

  // The object that Linea 2P and Linea MP extend, if one is in progress.
  Object* polyline();
  void StartPolyline(Object first);
  void EndPolyline() { polyline_.reset(); }

  // Snapshot for undo; marks the drawing modified.
  void RecordUndoStep();
  // Back to the snapshot before the current one; false when there is none.
  bool Undo();
  // Forward to the snapshot after the current one; false when there is none.
  bool Redo();
  void ClearHistory() { history_.Clear(); }
  const UndoHistory& history() const { return history_; }

  // Replaces the whole drawing (New, Open, undo, redo, a load from another window). Selection,
  // pending clicks and the polyline in progress end with the drawing they belonged to.
  void ReplaceDrawing(Drawing replacement);

  // Every selected point back to state 0, the selection emptied.
  void DeselectAll();
  void Select(PointRef ref);
  Point& at(PointRef ref) { return drawing[ref.object][ref.point]; }

  // Takes out the points in the deleted state, keeping the selection pointing at the same points.
  void RemoveDeletedPoints();

  // "Salva in memoria": false (memory kept) when the drawing is empty.
  bool SaveToMemory();
  // "Carica da memoria": appends a copy of the memory, selected, and records an undo step.
  void LoadFromMemory();

 private:
  UndoHistory history_;
  std::optional<std::size_t> polyline_;  // index into `drawing`
};

}  // namespace daved
