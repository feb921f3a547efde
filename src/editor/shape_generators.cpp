#include "editor/shape_generators.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>

namespace daved {
namespace {

// The constants of the generators, kept as written so that shapes come out point for point.
constexpr double kQuarterTurn = 1.5707963;
constexpr double kHalfTurn = 3.1415926;
constexpr double kThreeQuarterTurn = 4.7123889;
constexpr double kPolygonPi = 3.1416;
constexpr double kPolygonFullTurn = 6.2832;
constexpr double kSampleStep = 0.001;  // radians between samples of an arc or a polygon

int Sign(int v) { return v < 0 ? -1 : 1; }

// True while `v` has not reached `end` coming from the side `step` leaves.
bool Before(int v, int end, int step) { return step > 0 ? v < end : v > end; }

QPoint Truncated(double x, double y) { return QPoint(int(x), int(y)); }

}  // namespace

PointList LinePoints(QPoint a, QPoint b, int spacing) {
  spacing = std::max(spacing, 1);  // the edit fields hold it there; a step of 0 would not end
  PointList points;
  const int dx = b.x() - a.x();
  const int dy = b.y() - a.y();
  const int adx = std::abs(dx);
  const int ady = std::abs(dy);
  if (ady == 0 && adx > spacing) {
    const int step = Sign(dx) * spacing;
    for (int x = a.x() + step; Before(x, b.x(), step); x += step) points.emplace_back(x, a.y());
    return points;
  }
  if (adx == 0 && ady > spacing) {
    const int step = Sign(dy) * spacing;
    for (int y = a.y() + step; Before(y, b.y(), step); y += step) points.emplace_back(a.x(), y);
    return points;
  }
  if (adx == 0 || ady == 0) return points;

  const double length = dy / std::sin(std::atan2(double(dy), double(dx)));
  const int steps = int(length / spacing);
  const float m = float(double(dy) / double(dx));
  const float c = float(double(a.y()) - double(a.x()) * double(m));
  // With spacing 1 near 45 degrees there are more steps than pixels on either axis, so the
  // integer step would be 0: the points then go one pixel apart along the longer axis.
  if (ady > adx && ady > spacing) {
    const int step = Sign(dy) * std::max(ady / steps, 1);
    for (int y = a.y() + step; Before(y, b.y(), step); y += step) {
      points.emplace_back(int((float(y) - c) / m), y);
    }
  } else if (ady <= adx && adx > spacing) {
    const int step = Sign(dx) * std::max(adx / steps, 1);
    for (int x = a.x() + step; Before(x, b.x(), step); x += step) {
      points.emplace_back(x, int(c + m * float(x)));
    }
  }
  return points;
}

PointList EllipsePoints(QPoint a, QPoint b, int spacing) {
  const int width = std::abs(b.x() - a.x());
  const int height = std::abs(b.y() - a.y());
  if (width == 0 || height == 0) return {};
  const int cx = a.x() + (b.x() - a.x()) / 2;
  const int cy = a.y() + (b.y() - a.y()) / 2;
  const int k = int(std::sqrt(double(width) * width + double(height) * height) * 0.2 + 2);

  // One quarter per quadrant, each from the horizontal axis towards the vertical one.
  PointList q1, q2, q3, q4;
  const double h2 = double(height) * height;
  const double w2 = double(width) * width;
  for (double t = 0; t < kQuarterTurn; t += kQuarterTurn / k) {
    const double tangent = std::tan(t);
    const double q = tangent * tangent / h2 + 1 / w2;
    if (q == 0) continue;
    const double u = 0.5 * std::sqrt(1 / q);
    const double v = u * tangent;
    q1.push_back(Truncated(cx + u, cy + v));
    q2.push_back(Truncated(cx - u, cy + v));
    q3.push_back(Truncated(cx - u, cy - v));
    q4.push_back(Truncated(cx + u, cy - v));
  }
  q1.emplace_back(cx, std::max(a.y(), b.y()));
  q3.emplace_back(cx, std::min(a.y(), b.y()));

  PointList ring;
  ring.reserve(q1.size() * 4 + 2);
  ring.insert(ring.end(), q1.begin(), q1.end());
  ring.insert(ring.end(), q2.rbegin(), q2.rend());
  ring.insert(ring.end(), q3.begin(), q3.end());
  ring.insert(ring.end(), q4.rbegin(), q4.rend());

  PointList points;
  for (const QPoint& p : Thin(ring, spacing)) {
    if (points.empty() || points.back() != p) points.push_back(p);
  }
  if (points.back() != points.front()) points.push_back(points.front());
  return points;
}

double DirectionAngle(int dx, int dy) {
  if (dy == 0) return dx > 0 ? 0 : kHalfTurn;
  if (dx == 0) return dy > 0 ? kQuarterTurn : kThreeQuarterTurn;
  return std::atan2(double(dy), double(dx));
}

PointList ArcPoints(QPoint centre, QPoint start, QPoint end, int spacing) {
  const QPoint toStart = start - centre;
  const QPoint toEnd = end - centre;
  const int64_t r2 = int64_t(toStart.x()) * toStart.x() + int64_t(toStart.y()) * toStart.y();
  if (r2 == 0 || toEnd.isNull()) return {};
  const double r = std::sqrt(double(r2));
  const double t1 = DirectionAngle(toStart.x(), toStart.y());
  const double t2 = DirectionAngle(toEnd.x(), toEnd.y());
  if (t1 == t2) return {};

  PointList samples;
  const auto sample = [&](double t) {
    samples.push_back(Truncated(centre.x() + r * std::cos(t), centre.y() + r * std::sin(t)));
  };
  if (t1 < t2) {
    for (double t = t1; t <= t2; t += kSampleStep) sample(t);
  } else {
    for (double t = t1; t >= t2; t -= kSampleStep) sample(t);
  }
  return Thin(samples, spacing);
}

PointList PolygonPoints(QPoint centre, QPoint radius, int sides) {
  const double dx = centre.x() - radius.x();
  const double dy = centre.y() - radius.y();
  const double r = std::sqrt(dx * dx + dy * dy);
  if (r == 0 || sides < 1) return {};
  const double side = 2 * r * std::sin(kPolygonPi / sides);

  // A vertex is the first sample about one side away from the vertex before it.
  PointList points;
  double refX = centre.x() + r;
  double refY = centre.y();
  for (double t = 0; t <= kPolygonFullTurn; t += kSampleStep) {
    const double px = centre.x() + r * std::cos(t);
    const double py = centre.y() + r * std::sin(t);
    const double d = std::hypot(px - refX, py - refY);
    if (int(side - d) == 0) {
      points.push_back(Truncated(px, py));
      refX = px;
      refY = py;
    }
  }
  if (!points.empty()) points.push_back(points.front());
  return points;
}

PointList Thin(const PointList& points, int spacing) {
  PointList kept;
  if (points.empty()) return kept;
  const int64_t limit = int64_t(spacing) * spacing;
  kept.push_back(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int64_t dx = points[i].x() - kept.back().x();
    const int64_t dy = points[i].y() - kept.back().y();
    if (dx * dx + dy * dy >= limit) kept.push_back(points[i]);
  }
  return kept;
}

}  // namespace daved
