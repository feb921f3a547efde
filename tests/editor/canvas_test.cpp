#include "editor/canvas.h"

#include <gtest/gtest.h>

#include "editor/editor_document.h"
#include "model/palette.h"
#include "test_support.h"

namespace daved {
namespace {

QRgb Screen(uint8_t index) {
  const Rgb c = PaletteColour(index);
  return qRgb(c.r, c.g, c.b);
}
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);

Point P(int x, int y, int32_t kind, uint8_t colour, uint8_t blank = 0,
        uint8_t state = kStateNormal) {
  return {x, y, kind, colour, state, blank};
}

bool AnyPixel(const QImage& image, QRect area, QRgb colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) == colour) return true;
    }
  }
  return false;
}

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() { look.showPoints = false; }
  const QImage& Compose(const Drawing& drawing) { return composer.Compose(drawing, look); }
  CanvasLook look;  // black, no grid, blank moves hidden
  CanvasComposer composer;
};

TEST_F(CanvasTest, BackgroundGridAndCross) {
  look.background = 6;  // blue
  look.gridX = 100;
  look.gridY = 50;
  const QImage& image = Compose({});
  ASSERT_EQ(image.size(), QSize(512, 512));
  EXPECT_EQ(image.pixel(511, 511), Screen(6));
  EXPECT_EQ(image.pixel(130, 75), Screen(6));
  EXPECT_TRUE(AnyPixel(image, QRect(99, 49, 3, 3), kGrey));     // a grid dot
  EXPECT_TRUE(AnyPixel(image, QRect(499, 499, 3, 3), kGrey));   // the last one at 500, 500
  EXPECT_FALSE(AnyPixel(image, QRect(45, 20, 10, 10), kGrey));  // nothing between dots
  EXPECT_TRUE(AnyPixel(image, QRect(256, 10, 1, 20), kGrey));   // dashed centre cross
  EXPECT_TRUE(AnyPixel(image, QRect(10, 256, 20, 1), kGrey));
  EXPECT_EQ(image.pixel(256, 511), Screen(6));                  // the cross stops at 510

  // A grid spacing below 1 draws no dots (and still ends).
  look.gridX = 0;
  EXPECT_FALSE(AnyPixel(Compose({}), QRect(95, 45, 10, 10), kGrey));
  look.gridX = -5;
  EXPECT_FALSE(AnyPixel(Compose({}), QRect(95, 45, 10, 10), kGrey));
}

TEST_F(CanvasTest, SegmentsTakeTheirEndPointsColourAndBlankMovesTheNeutralColour) {
  const Drawing drawing = {{P(10, 100, kLinePoint, 2, 1), P(200, 100, kLinePoint, 4),
                            P(400, 100, kLinePoint, 6, 1)}};
  const QImage& hidden = Compose(drawing);
  EXPECT_EQ(hidden.pixel(100, 100), Screen(4));  // lit, in the end point's colour
  EXPECT_EQ(hidden.pixel(300, 100), qRgb(0, 0, 0));  // blank with neutral 0: not drawn

  look.neutral = 8;
  EXPECT_EQ(Compose(drawing).pixel(300, 100), Screen(8));
}

TEST_F(CanvasTest, MarkersFollowKindStateAndShowPoints) {
  const Drawing drawing = {{P(100, 100, kVertex, 4, 1)},
                           {P(200, 100, kLinePoint, 4, 1)},
                           {P(300, 100, kDot, 4, 1)},
                           {P(400, 100, kVertex, 4, 1, kStateSelected)}};
  const QRect around100(97, 97, 7, 7), around200(197, 97, 7, 7), around300(296, 96, 9, 9);
  const QImage off = Compose(drawing);
  EXPECT_FALSE(AnyPixel(off, around100, Screen(4)));
  EXPECT_FALSE(AnyPixel(off, around200, Screen(4)));
  EXPECT_TRUE(AnyPixel(off, around300, Screen(4)));  // a dot always keeps its circle
  EXPECT_EQ(off.pixel(400, 100), kRed);             // a selected point: filled red square
  EXPECT_EQ(off.pixel(397, 97), kRed);

  look.showPoints = true;
  const QImage on = Compose(drawing);
  EXPECT_EQ(on.pixel(98, 98), Screen(4));       // the vertex's square has its corner
  EXPECT_NE(on.pixel(198, 98), Screen(4));      // the circle has none
  EXPECT_TRUE(AnyPixel(on, around200, Screen(4)));
  EXPECT_EQ(on.pixel(100, 100), qRgb(0, 0, 0));  // outlines only
}

TEST_F(CanvasTest, LaterLinesCoverEarlierMarkersOfAnotherColour) {
  look.showPoints = true;
  const Drawing drawing = {{P(100, 100, kVertex, 4, 1)},
                           {P(90, 98, kLinePoint, 6, 1), P(110, 98, kLinePoint, 2)}};
  EXPECT_EQ(Compose(drawing).pixel(100, 98), Screen(2));
}

TEST_F(CanvasTest, PreviewDrawsOverTheComposition) {
  Compose({});
  Preview preview;
  preview.colour = 3;
  preview.line = {{10, 10}, {50, 10}};
  preview.ellipse = QRect(100, 100, 100, 100);
  preview.marks = {{{300, 300}, 3, MarkShape::Square}};
  composer.DrawPreview(preview);
  const QImage& image = composer.image();
  EXPECT_EQ(image.pixel(30, 10), Screen(3));
  EXPECT_EQ(image.pixel(150, 100), Screen(3));  // top of the ellipse
  EXPECT_EQ(image.pixel(297, 297), Screen(3));
}

TEST(RedrawTest, TakesDeletedPointsOutAndReadsThePicture) {
  testing::TempFolder folder;
  QImage picture(20, 20, QImage::Format_RGB32);
  picture.fill(QColor(1, 2, 3));
  ASSERT_TRUE(picture.save(QString::fromStdString((folder / "back.png").string())));

  EditorDocument doc;
  doc.config.gridX = doc.config.gridY = 64;
  doc.drawing = {{P(10, 10, kVertex, 4, 1), P(60, 60, kVertex, 4, 0, kStateDeleted)}};
  doc.pictureShown = true;
  doc.picturePath = folder / "back.png";
  CanvasComposer composer;
  const QImage& image = Redraw(doc, composer);
  EXPECT_EQ(doc.drawing[0].size(), 1u);
  EXPECT_EQ(image.pixel(15, 5), qRgb(1, 2, 3));
  EXPECT_EQ(image.pixel(30, 30), Screen(0));

  // A picture that cannot be read leaves the background.
  doc.picturePath = folder / "none.png";
  EXPECT_EQ(Redraw(doc, composer).pixel(15, 5), Screen(0));
}

}  // namespace
}  // namespace daved
