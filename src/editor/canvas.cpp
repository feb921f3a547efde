#include "editor/canvas.h"

#include <QPainter>

#include "editor/editor_document.h"
#include "model/palette.h"

namespace daved {
namespace {

constexpr int kCanvasLast = 510;  // the grid and the cross stop here
const QColor kGrey(128, 128, 128);
const QColor kSelectedRed(255, 0, 0);

QColor ScreenColour(uint8_t index) {
  const Rgb c = PaletteColour(index);
  return QColor(c.r, c.g, c.b);
}

QRect Box(QPoint at, int half) { return QRect(at.x() - half, at.y() - half, 2 * half, 2 * half); }

void DrawMark(QPainter& painter, const Mark& mark) {
  if (mark.shape == MarkShape::Square) {
    painter.drawRect(Box(mark.at, mark.half));
  } else {
    painter.drawEllipse(Box(mark.at, mark.half));
  }
}

std::filesystem::file_time_type ModificationTime(const std::filesystem::path& path) {
  std::error_code ec;
  const auto time = std::filesystem::last_write_time(path, ec);
  return ec ? std::filesystem::file_time_type{} : time;
}

}  // namespace

CanvasLook LookOf(const EditorDocument& document) {
  return {document.config.background,
          document.config.neutral,
          document.config.gridX,
          document.config.gridY,
          document.showPoints,
          document.pictureShown ? document.picturePath : std::filesystem::path()};
}

CanvasComposer::CanvasComposer()
    : base_(kCanvasSize, kCanvasSize, QImage::Format_RGB32),
      image_(kCanvasSize, kCanvasSize, QImage::Format_RGB32) {}

void CanvasComposer::ComposeBase(const CanvasLook& look) {
  base_.fill(ScreenColour(look.background));
  QPainter painter(&base_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (!look.picture.empty()) {
    // A picture that cannot be read leaves the plain background.
    const QImage picture(QString::fromStdString(look.picture.string()));
    if (!picture.isNull()) painter.drawImage(0, 0, picture);
  }
  painter.setPen(QPen(kGrey, 1));
  painter.setBrush(Qt::NoBrush);
  if (look.gridX >= 1 && look.gridY >= 1) {
    for (int x = 0; x <= kCanvasLast; x += look.gridX) {
      for (int y = 0; y <= kCanvasLast; y += look.gridY) painter.drawEllipse(Box({x, y}, 1));
    }
  }
  painter.setPen(QPen(kGrey, 1, Qt::DashLine));
  painter.drawLine(256, 0, 256, kCanvasLast);
  painter.drawLine(0, 256, kCanvasLast, 256);
}

const QImage& CanvasComposer::Compose(const Drawing& drawing, const CanvasLook& look) {
  const auto pictureTime = look.picture.empty() ? std::filesystem::file_time_type{}
                                                : ModificationTime(look.picture);
  if (!baseLook_ || *baseLook_ != look || pictureTime != pictureTime_) {
    ComposeBase(look);
    baseLook_ = look;
    pictureTime_ = pictureTime;
  }
  image_ = base_;
  image_.detach();

  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  const QColor neutral = ScreenColour(look.neutral);
  for (const Object& object : drawing) {
    QPoint pen;
    bool first = true;
    for (const Point& p : object) {
      if (p.state == kStateDeleted) continue;
      const QPoint here(p.x, p.y);
      const QColor own = ScreenColour(p.colour);
      // A blank move is drawn in the neutral colour, or not at all when that is 0.
      const bool drawn = !first && !(p.blank && look.neutral == 0);
      if (drawn) {
        painter.setPen(QPen(p.blank ? neutral : own, 1));
        painter.drawLine(pen, here);
      }
      pen = here;
      first = false;

      if (p.state == kStateSelected) {
        painter.fillRect(Box(here, 3), kSelectedRed);
      } else if (p.kind >= kDot) {
        painter.setPen(QPen(own, 1));
        painter.drawEllipse(Box(here, 3));
      } else if (look.showPoints) {
        painter.setPen(QPen(own, 1));
        DrawMark(painter, {here, 2, p.kind == kVertex ? MarkShape::Square : MarkShape::Circle});
      }
    }
  }
  return image_;
}

void CanvasComposer::DrawPreview(const Preview& preview) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(ScreenColour(preview.colour), 1));
  for (std::size_t i = 1; i < preview.line.size(); ++i) {
    painter.drawLine(preview.line[i - 1], preview.line[i]);
  }
  if (preview.ellipse) painter.drawEllipse(*preview.ellipse);
  for (const Mark& mark : preview.marks) DrawMark(painter, mark);
}

}  // namespace daved

namespace daved {

const QImage& Redraw(EditorDocument& document, CanvasComposer& composer) {
  document.RemoveDeletedPoints();
  return composer.Compose(document.drawing, LookOf(document));
}

}  // namespace daved
