#include "model/thumbnail.h"

#include <QPainter>
#include <algorithm>

#include "model/palette.h"

namespace daved {
namespace {

QColor ScreenColour(int index) {
  const Rgb c = PaletteColour(uint8_t(index));
  return QColor(c.r, c.g, c.b);
}

}  // namespace

void DrawPointList(QImage& image, Object& object, int blankColour, int divisor) {
  if (object.empty()) return;
  divisor = std::max(divisor, 1);
  std::erase_if(object, [](const Point& p) { return p.state == kStateDeleted; });
  if (object.empty()) return;

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.setBrush(Qt::NoBrush);
  QPoint pen;  // where the last point landed
  for (std::size_t i = 0; i < object.size(); ++i) {
    const Point& p = object[i];
    const QPoint here(p.x / divisor, p.y / divisor);
    const bool hiddenMove = p.blank && blankColour == 0;
    if (i > 0 && !hiddenMove) {
      painter.setPen(QPen(ScreenColour(p.blank ? blankColour : p.colour), 0));
      painter.drawLine(pen, here);
    }
    pen = here;
    if (p.blank) {
      // Marks where the beam lands after a dark move.
      painter.setPen(QPen(ScreenColour(p.colour), 0));
      painter.drawEllipse(QRect(here.x() - 1, here.y() - 1, 2, 2));
    }
  }
}

QImage RenderDrawing(Drawing& drawing, int blankColour, int divisor) {
  divisor = std::max(divisor, 1);
  const int side = 256 / divisor;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::black);
  for (Object& object : drawing) DrawPointList(image, object, blankColour, divisor);
  return image;
}

}  // namespace daved
