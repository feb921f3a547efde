#include "model/thumbnail.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "model/palette.h"

namespace daved {
namespace {

constexpr QRgb kBlack = 0xFF000000;

QRgb Entry(int index) {
  const Rgb c = PaletteColour(uint8_t(index));
  return qRgb(c.r, c.g, c.b);
}

QImage BlackImage(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

int CountNotBlack(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != kBlack;
  }
  return n;
}

// Every pixel that is not black lies in the 3 x 3 box around (x, y) and has the given colour;
// at least one does.
void ExpectOnlyMarkAround(const QImage& image, int x, int y, QRgb colour) {
  int marked = 0;
  for (int py = 0; py < image.height(); ++py) {
    for (int px = 0; px < image.width(); ++px) {
      if (image.pixel(px, py) == kBlack) continue;
      EXPECT_LE(std::abs(px - x), 1) << px << "," << py;
      EXPECT_LE(std::abs(py - y), 1) << px << "," << py;
      EXPECT_EQ(image.pixel(px, py), colour) << px << "," << py;
      ++marked;
    }
  }
  EXPECT_GT(marked, 0);
}

Point Lit(int x, int y, int colour) { return {x, y, kVertex, uint8_t(colour), kStateNormal, 0}; }
Point Blank(int x, int y, int colour) { return {x, y, kVertex, uint8_t(colour), kStateNormal, 1}; }

TEST(DrawPointList, LitSegmentsTakeTheColourOfTheirEndPoint) {
  QImage image = BlackImage(128);
  // Laser (20,20), (100,20), (100,100) land on pixels (10,10), (50,10), (50,50).
  Object object = {Lit(20, 20, 2), Lit(100, 20, 4), Lit(101, 100, 6)};
  DrawPointList(image, object, 0, 2);

  EXPECT_EQ(image.pixel(30, 10), Entry(4));
  EXPECT_EQ(image.pixel(50, 30), Entry(6));
  EXPECT_EQ(image.pixel(30, 30), kBlack);
  EXPECT_EQ(image.pixel(70, 10), kBlack);
  // Nothing is drawn in the first point's colour: it only places the pen.
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) ASSERT_NE(image.pixel(x, y), Entry(2)) << x << "," << y;
  }
  EXPECT_EQ(object.size(), 3u);
}

TEST(DrawPointList, DeletedPointsAreRemovedBeforeDrawing) {
  QImage image = BlackImage(256);
  Object object = {Lit(10, 10, 4), Lit(200, 10, 6), Lit(10, 200, 2)};
  object[1].state = kStateDeleted;
  DrawPointList(image, object, 0, 1);

  EXPECT_EQ(object, (Object{Lit(10, 10, 4), Lit(10, 200, 2)}));
  EXPECT_EQ(image.pixel(10, 100), Entry(2));
  EXPECT_EQ(image.pixel(100, 10), kBlack);
}

TEST(DrawPointList, AllDeletedObjectIsEmptiedAndNothingDrawn) {
  QImage image = BlackImage(64);
  Object object = {Lit(10, 10, 4), Lit(200, 200, 6)};
  for (Point& p : object) p.state = kStateDeleted;
  DrawPointList(image, object, 8, 4);
  EXPECT_TRUE(object.empty());
  EXPECT_EQ(CountNotBlack(image), 0);

  Object none;
  DrawPointList(image, none, 8, 4);
  EXPECT_EQ(CountNotBlack(image), 0);
}

TEST(DrawPointList, BlankMoveWithBlankColourZeroLeavesOnlyTheLandingMark) {
  QImage image = BlackImage(128);
  Object object = {Lit(20, 20, 2), Blank(100, 20, 4)};
  DrawPointList(image, object, 0, 2);
  ExpectOnlyMarkAround(image, 50, 10, Entry(4));
}

TEST(DrawPointList, BlankMoveIsDrawnInTheBlankColour) {
  QImage image = BlackImage(128);
  Object object = {Lit(20, 20, 2), Blank(100, 20, 4)};
  DrawPointList(image, object, 8, 2);
  EXPECT_EQ(Entry(8), qRgb(255, 128, 128));
  EXPECT_EQ(image.pixel(30, 10), Entry(8));
  EXPECT_EQ(image.pixel(20, 10), Entry(8));
  // The landing mark keeps the point's own colour.
  EXPECT_EQ(image.pixel(50, 9), Entry(4));
  EXPECT_EQ(image.pixel(50, 11), Entry(4));
}

TEST(RenderDrawing, DrawsEveryObjectOnABlackSquare) {
  Drawing drawing = {{Lit(0, 0, 4), Lit(252, 0, 4)}, {Lit(0, 252, 6), Lit(252, 252, 6)}};
  const QImage image = RenderDrawing(drawing, 0, 4);
  ASSERT_EQ(image.size(), QSize(64, 64));
  EXPECT_EQ(image.pixel(30, 0), Entry(4));
  EXPECT_EQ(image.pixel(30, 63), Entry(6));
  EXPECT_EQ(image.pixel(30, 30), kBlack);
}

}  // namespace
}  // namespace daved
