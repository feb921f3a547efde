#pragma once
// The point generators behind the drawing tools and their previews. They give canvas positions
// only; the tool sets each point's kind, colour and blank flag.

#include <QPoint>
#include <vector>

namespace daved {

using PointList = std::vector<QPoint>;

// The points strictly between `a` and `b`, `spacing` apart along the longer axis; neither end
// is produced. Nothing when the ends are at most `spacing` apart on both axes.
PointList LinePoints(QPoint a, QPoint b, int spacing);

// A closed ellipse inside the box with corners `a` and `b`, clockwise on the screen from its
// right end, thinned to `spacing`, its first point repeated at the end. Nothing for a box of no
// width or height.
PointList EllipsePoints(QPoint a, QPoint b, int spacing);

// The arc about `centre` from the direction of `start` to the direction of `end`, on the radius
// of `start`, thinned to `spacing`. Nothing when `start` or `end` is the centre.
PointList ArcPoints(QPoint centre, QPoint start, QPoint end, int spacing);

// The vertices of a regular polygon about `centre` whose radius is the distance to `radius`,
// starting one side after the direction to the right, its first vertex repeated at the end.
PointList PolygonPoints(QPoint centre, QPoint radius, int sides);

// Drops every point closer than `spacing` to the last point kept (the first is always kept).
PointList Thin(const PointList& points, int spacing);

// The direction of (dx, dy) in radians as the generators number it: the axes give 0, pi/2, pi
// and 3pi/2; every other direction lies between -pi and pi.
double DirectionAngle(int dx, int dy);

}  // namespace daved
