#pragma once
// The thumbnail drawer behind every small picture of a drawing or frame.

#include <QImage>

#include "model/point.h"

namespace daved {

// Paints one object in laser coordinates onto `image` at 1/divisor scale (divisor 1, 2 or 4).
// Points in the deleted state are removed from the object first. Blank moves are drawn in
// `blankColour` (a colour index), or left out when it is 0; every blank point gets a small
// circle where the beam lands. The caller clears the image and calls this once per object.
void DrawPointList(QImage& image, Object& object, int blankColour, int divisor);

// A black image of 256/divisor pixels square with every object drawn.
QImage RenderDrawing(Drawing& drawing, int blankColour, int divisor);

}  // namespace daved
