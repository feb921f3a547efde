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

// The pixels a marker outline lights, relative to its point, as QPainter draws it. Drawing
// thousands of markers as points costs a fraction of rasterising each small outline again.
std::vector<QPoint> MarkPixels(const Mark& mark) {
  constexpr int kSide = 16;
  constexpr int kCentre = kSide / 2;
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, 1));
    DrawMark(painter, {QPoint(kCentre, kCentre), mark.half, mark.shape});
  }
  std::vector<QPoint> pixels;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (image.pixel(x, y) != QColor(Qt::black).rgb()) pixels.emplace_back(x - kCentre, y - kCentre);
    }
  }
  return pixels;
}

// Lines and marker pixels of one colour, drawn together when the colour changes. Within one
// colour the order of drawing does not show, so the canvas looks exactly as if each were drawn
// in turn. Marker pixels are written straight into the image (the raster painter draws at
// once into the same memory): through QPainter each costs more than a whole short line.
class ColourRun {
 public:
  explicit ColourRun(QImage& image) : pixels_(reinterpret_cast<QRgb*>(image.bits())),
                                      stride_(image.bytesPerLine() / qsizetype(sizeof(QRgb))),
                                      bounds_(image.rect()),
                                      painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
  }
  ~ColourRun() { Flush(); }

  void Use(const QColor& colour) {
    if (colour == colour_) return;
    Flush();
    colour_ = colour;
  }
  void Line(QPoint from, QPoint to) { lines_.emplace_back(from, to); }
  void Mark(const std::vector<QPoint>& pixels, QPoint at) {
    for (const QPoint& p : pixels) points_.push_back(p + at);
  }
  void Fill(const QRect& box, const QColor& colour) {
    Flush();
    painter_.fillRect(box, colour);
  }
  void Flush() {
    if (!lines_.empty()) {
      painter_.setPen(QPen(colour_, 1));
      painter_.drawLines(lines_.data(), int(lines_.size()));
      lines_.clear();
    }
    const QRgb value = colour_.rgb();
    for (const QPoint& p : points_) {
      if (bounds_.contains(p)) pixels_[p.y() * stride_ + p.x()] = value;
    }
    points_.clear();
  }

 private:
  QRgb* pixels_;  // taken before the painter begins, so the image is not detached under it
  qsizetype stride_;
  QRect bounds_;
  QPainter painter_;
  QColor colour_;
  std::vector<QLine> lines_;
  std::vector<QPoint> points_;
};

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

  static const std::vector<QPoint> vertexMark = MarkPixels({{}, 2, MarkShape::Square});
  static const std::vector<QPoint> pointMark = MarkPixels({{}, 2, MarkShape::Circle});
  static const std::vector<QPoint> dotMark = MarkPixels({{}, 3, MarkShape::Circle});

  const QColor neutral = ScreenColour(look.neutral);
  ColourRun run(image_);
  for (const Object& object : drawing) {
    QPoint pen;
    bool first = true;
    for (const Point& p : object) {
      if (p.state == kStateDeleted) continue;
      const QPoint here(p.x, p.y);
      const QColor own = ScreenColour(p.colour);
      // A blank move is drawn in the neutral colour, or not at all when that is 0.
      if (!first && !(p.blank && look.neutral == 0)) {
        run.Use(p.blank ? neutral : own);
        run.Line(pen, here);
      }
      pen = here;
      first = false;

      if (p.state == kStateSelected) {
        run.Fill(Box(here, 3), kSelectedRed);
      } else if (p.kind >= kDot) {
        run.Use(own);
        run.Mark(dotMark, here);
      } else if (look.showPoints) {
        run.Use(own);
        run.Mark(p.kind == kVertex ? vertexMark : pointMark, here);
      }
    }
  }
  run.Flush();
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
  if (preview.box) {
    painter.setPen(QPen(kSelectedRed, 1, Qt::DashLine));
    painter.drawRect(*preview.box);
  }
}

}  // namespace daved

namespace daved {

const QImage& Redraw(EditorDocument& document, CanvasComposer& composer) {
  document.RemoveDeletedPoints();
  return composer.Compose(document.drawing, LookOf(document));
}

}  // namespace daved
