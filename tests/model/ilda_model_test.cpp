#include "model/ilda.h"

#include <gtest/gtest.h>

namespace daved {
namespace {

TEST(DrawingToIldaFrame, FlipsYAndCentresEveryPointInOrder) {
  const Drawing drawing = {
      {{0, 0, kVertex, 4, kStateSelected, 1}, {255, 255, kLinePoint, 9, kStateNormal, 0}},
      {{128, 128, kDot, 200, kStateDeleted, 0}},
  };
  TILDAframe frame;
  frame.frameName = "keepme";
  frame.frameNumber = 7;
  frame.points = {Point{1, 1, 0, 0, 0, 0}};
  DrawingToIldaFrame(drawing, frame);

  const std::vector<Point> expected = {
      {-128, 128, kVertex, 4, kStateNormal, 1},
      {127, -127, kLinePoint, 9, kStateNormal, 0},
      {0, 0, kDot, 200, kStateNormal, 0},
  };
  EXPECT_EQ(frame.points, expected);
  EXPECT_EQ(frame.frameName, "keepme");
  EXPECT_EQ(frame.frameNumber, 7);
}

TEST(DrawingToIldaFrame, EmptyDrawingLeavesNoPoints) {
  TILDAframe frame;
  frame.points = {Point{1, 1, 0, 0, 0, 0}};
  DrawingToIldaFrame({}, frame);
  EXPECT_TRUE(frame.points.empty());
  DrawingToIldaFrame({{}, {}}, frame);
  EXPECT_TRUE(frame.points.empty());
}

}  // namespace
}  // namespace daved
