#pragma once
// The editor's 512 by 512 canvas composed off screen: background colour, optional picture, grid
// dots, centre cross, then every object with its point markers, and a tool's preview on top.

#include <QImage>
#include <QRect>
#include <filesystem>
#include <optional>
#include <vector>

#include "editor/shape_generators.h"
#include "model/point.h"

namespace daved {

class EditorDocument;

struct CanvasLook {
  uint8_t background = 0;  // colour index
  uint8_t neutral = 0;     // colour index of blank moves; 0 leaves them out
  int gridX = 0;           // grid spacing; below 1 draws no grid dots
  int gridY = 0;
  bool showPoints = true;
  std::filesystem::path picture;  // drawn unscaled at the origin; empty for none

  friend bool operator==(const CanvasLook&, const CanvasLook&) = default;
};

CanvasLook LookOf(const EditorDocument& document);

enum class MarkShape { Circle, Square };

// A marker outline in the box from (x - half, y - half) to (x + half, y + half).
struct Mark {
  QPoint at;
  int half = 1;
  MarkShape shape = MarkShape::Circle;
};

// What a tool draws over the canvas between clicks.
struct Preview {
  uint8_t colour = 0;
  PointList line;                // joined point to point
  std::optional<QRect> ellipse;  // an ellipse outline through this box
  std::optional<QRect> box;      // the selection box: a red dashed outline
  std::vector<Mark> marks;
};

class CanvasComposer {
 public:
  CanvasComposer();

  // Composes the whole canvas; returns it.
  const QImage& Compose(const Drawing& drawing, const CanvasLook& look);
  // Draws a preview over the last composition.
  void DrawPreview(const Preview& preview);
  const QImage& image() const { return image_; }

 private:
  void ComposeBase(const CanvasLook& look);

  // Background, picture, grid and cross change rarely; kept to copy at each composition.
  QImage base_;
  std::optional<CanvasLook> baseLook_;
  std::filesystem::file_time_type pictureTime_;
  QImage image_;
};

}  // namespace daved

namespace daved {

// The redraw of the editor: points in the deleted state are taken out of the drawing, then the
// canvas is composed from the document.
const QImage& Redraw(EditorDocument& document, CanvasComposer& composer);

}  // namespace daved
