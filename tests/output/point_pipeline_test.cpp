#include "output/point_pipeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "model/point.h"

namespace daved {
namespace {

struct TransformCase {
  const char* name;
  int32_t offset_x, offset_y, angle, size_x, size_y;
  bool invert_x, invert_y;
  double x, y;
  ControllerPoint expected;
};

class TransformPointTest : public ::testing::TestWithParam<TransformCase> {};

TEST_P(TransformPointTest, GivesTheControllerPoint) {
  const TransformCase& c = GetParam();
  OutputSettings settings;
  OutputFlags flags;
  settings.horizontal_offset = c.offset_x;
  settings.vertical_offset = c.offset_y;
  settings.rotation_angle = c.angle;
  settings.horizontal_size = c.size_x;
  settings.vertical_size = c.size_y;
  flags.invert_x = c.invert_x;
  flags.invert_y = c.invert_y;
  const ControllerPoint p = TransformPoint(TakeTransformSettings(settings, flags), c.x, c.y);
  EXPECT_EQ(int(p.x), int(c.expected.x));
  EXPECT_EQ(int(p.y), int(c.expected.y));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformPointTest,
    ::testing::Values(
        TransformCase{"Unchanged", 0, 0, 0, 20, 20, false, false, 10, 250, {10, 250}},
        TransformCase{"DoubleWidthReachesTheEdge", 0, 0, 0, 40, 20, false, false, 10, 250,
                      {0, 250}},
        // Offsets are subtracted before the size step, which then clamps.
        TransformCase{"FarLeftClampsToZero", 40, 0, 0, 20, 20, false, false, 0, 128, {0, 128}},
        TransformCase{"FarRightClampsTo255", -45, 0, 0, 20, 20, false, false, 255, 128,
                      {255, 128}},
        TransformCase{"HalfSize", 0, 0, 0, 10, 10, false, false, 0, 255, {64, 191}},
        TransformCase{"ZeroSizeIsTheCentre", 0, 0, 0, 0, 0, false, false, 3, 250, {128, 128}},
        TransformCase{"FractionsTruncate", 0, 0, 0, 20, 20, false, false, 10.99, 129.99,
                      {10, 129}},
        TransformCase{"InvertBoth", 0, 0, 0, 20, 20, true, true, 10, 250, {245, 5}},
        TransformCase{"OffsetMovesLeft", 100, -20, 0, 20, 20, false, false, 200, 100,
                      {100, 120}},
        // With π = 3.1415926 the sine of 90° is just below 1: 72 × sin t truncates to 71.
        TransformCase{"QuarterTurnTruncatesBelow", 0, 0, 90, 20, 20, false, false, 200, 128,
                      {128, 199}},
        TransformCase{"HalfTurn", 0, 0, 180, 20, 20, false, false, 100, 28, {156, 227}},
        TransformCase{"CentreStaysUnderRotation", 0, 0, 37, 20, 20, false, false, 128, 128,
                      {128, 128}},
        TransformCase{"HugeValuesGoToTheEdges", 0, 0, 0, 20, 20, false, false, 1e300, -1e300,
                      {255, 0}},
        TransformCase{"NotANumberGoesToTheLowEdge", 0, 0, 0, 20, 20, false, false, NAN, 5,
                      {0, 0}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(TransformPoint, SizeStepAtTheEdgesOfItsRange) {
  TransformSettings t;
  for (const auto& [value, size, expected] :
       {std::tuple{-40.0, 20, 0}, {300.0, 20, 255}, {0.0, 10, 64}, {255.0, 10, 191},
        {129.0, 40, 130}, {127.0, 40, 126}, {128.0, 40, 128}, {255.0, 40, 255}}) {
    t.horizontal_size = size;
    EXPECT_EQ(int(TransformPoint(t, value, 128).x), expected) << value << " size " << size;
  }
}

TEST(ScaleColour, ScalesEachChannelAndLimitsIt) {
  ColourScale scale;
  EXPECT_EQ(ScaleColour(scale, 1), (Rgb{255, 255, 255}));  // depth 100, brightness 100
  scale.blue_depth = 200;
  scale.brightness = 200;
  EXPECT_EQ(ScaleColour(scale, 6), (Rgb{0, 0, 255}));  // pure blue, limited
  scale = {50, 100, 150, 100};
  EXPECT_EQ(ScaleColour(scale, 1), (Rgb{127, 255, 255}));
  scale = {200, 200, 200, 0};
  EXPECT_EQ(ScaleColour(scale, 1), (Rgb{0, 0, 0}));
  // Integer arithmetic truncates: 255 × 33 × 33 / 10000 = 27.77.
  scale = {33, 33, 33, 33};
  EXPECT_EQ(ScaleColour(scale, 1), (Rgb{27, 27, 27}));
}

TEST(OutputRecord, ColourFlagsAndStatus) {
  const ControllerPoint p{12, 34};
  EXPECT_EQ(MakeOutputRecord({255, 0, 0}, 1, kVertex, p), (OutputRecord{9, 3, 12, 34}));
  EXPECT_EQ(MakeOutputRecord({0, 0, 0}, 0, kLinePoint, p), (OutputRecord{0, 0, 12, 34}));
  EXPECT_EQ(MakeOutputRecord({1, 1, 1}, 0, 1, p), (OutputRecord{15, 0, 12, 34}));
  EXPECT_EQ(MakeOutputRecord({0, 9, 0}, 0, kDot, p), (OutputRecord{5, 2, 12, 34}));
  EXPECT_EQ(MakeOutputRecord({0, 0, 9}, 1, -5, p), (OutputRecord{3, 1, 12, 34}));
}

TEST(Packets, SettingsAndColourSettings) {
  EXPECT_EQ(MakeSettingsPacket(100, 150), (SettingsPacket{100, 150}));
  EXPECT_EQ(MakeColourSettingsPacket({1, 2, 3, 4}), (ColourSettingsPacket{1, 2, 3, 4}));
}

}  // namespace
}  // namespace daved
