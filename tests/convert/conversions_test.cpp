#include "convert/conversions.h"

#include <gtest/gtest.h>

#include "convert/point_reduction.h"
#include "formats/drawing_file.h"
#include "formats/ilda_file.h"
#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;

Point Lit(int x, int y, uint8_t colour = 1) { return {x, y, kVertex, colour, kStateNormal, 0}; }

TEST(ConvertNames, ExtensionIsAddedUnlessPresentIgnoringCase) {
  EXPECT_EQ(WithExtension("NewImage", ".ild"), "NewImage.ild");
  EXPECT_EQ(WithExtension("Show.ILD", ".ild"), "Show.ILD");
  EXPECT_EQ(WithExtension("frames", ".ilf"), "frames.ilf");
  EXPECT_EQ(WithExtension("a.ild", ".ilf"), "a.ild.ilf");
}

TEST(ConvertNames, NumberedDrawingsArePaddedToFiveDigits) {
  EXPECT_EQ(NumberedDrawingName("fire", 1), "fire_Frames_00001.ddr");
  EXPECT_EQ(NumberedDrawingName("fire", 42), "fire_Frames_00042.ddr");
  EXPECT_EQ(NumberedDrawingName("fire", 123456), "fire_Frames_123456.ddr");
}

TEST(ConvertIlda, FramesBecomeOneObjectInLaserCoordinates) {
  TILDAimage image;
  image.frames.resize(2);
  image.frames[0].points = {{-128, 127, 5, 3, 0, 1}, {127, -128, 0, 4, 0, 0}};
  const FrameList frames = IldaToFrames(image);
  ASSERT_EQ(frames.size(), 2u);
  ASSERT_EQ(frames[0].size(), 1u);
  EXPECT_EQ(frames[0][0][0], (Point{0, 0, 5, 3, kStateNormal, 1}));
  EXPECT_EQ(frames[0][0][1], (Point{255, 255, 0, 4, kStateNormal, 0}));
  ASSERT_EQ(frames[1].size(), 1u);
  EXPECT_TRUE(frames[1][0].empty());
}

TEST(PointReduction, ComparesEachPointWithItsSourceNeighbour) {
  Object line;
  for (int i = 0; i < 10; ++i) line.push_back(Lit(10 + 2 * i, 50));
  Object withRepeat = {Lit(1, 1), Lit(1, 1), Lit(2, 1), Lit(2, 1)};
  struct Case {
    const Object& source;
    int threshold;
    std::size_t kept;
  };
  const Case cases[] = {
      {line, 5, 1},        // every step of 2 is within 5: only the first point stays
      {line, 1, 10},       // 4 > 1: all stay
      {line, 2, 1},        // 4 is not greater than 4
      {withRepeat, 0, 2},  // threshold 0 drops only exact repeats
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReduceObject(c.source, c.threshold).size(), c.kept) << "threshold " << c.threshold;
  }
  EXPECT_TRUE(ReduceObject({}, 3).empty());
}

TEST(PointReduction, KeptPointsLoseTheirSelection) {
  Object source = {Lit(0, 0), {100, 0, 2, 7, kStateSelected, 1}};
  const Object kept = ReduceObject(source, 10);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[1], (Point{100, 0, 2, 7, kStateNormal, 1}));
}

class ConvertFiles : public ::testing::Test {
 protected:
  std::filesystem::path WriteDrawing(const std::string& name, int x) {
    const auto path = folder / name;
    EXPECT_TRUE(SaveDrawing(path, Drawing{{Lit(x, 10), Lit(x + 1, 20)}}, 1).ok());
    return path;
  }
  TempFolder folder;
};

TEST_F(ConvertFiles, DrawingsBecomeIldaFramesInOrderSkippingMissingFiles) {
  const std::vector<std::filesystem::path> inputs = {WriteDrawing("a.ddr", 1), folder / "gone.ddr",
                                                     WriteDrawing("b.ddr", 2), WriteDrawing("c.ddr", 3)};
  TILDAimage image;
  ASSERT_TRUE(DrawingsToIlda(inputs, image).ok());
  ASSERT_EQ(image.frames.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(image.frames[i].points[0].x, i + 1 - 128);
}

TEST_F(ConvertFiles, MergeKeepsTheFirstFilesFramesFirst) {
  TILDAimage ten, five;
  ten.frames.resize(10);
  five.frames.resize(5);
  for (auto& f : ten.frames) f.points = {Lit(1, 1)};
  for (auto& f : five.frames) f.points = {Lit(2, 2), Lit(3, 3)};
  ASSERT_TRUE(SaveIlda(folder / "ten.ild", ten).ok());
  ASSERT_TRUE(SaveIlda(folder / "five.ild", five).ok());
  TILDAimage merged;
  ASSERT_TRUE(MergeIlda({folder / "ten.ild", folder / "five.ild"}, merged).ok());
  ASSERT_EQ(merged.frames.size(), 15u);
  EXPECT_EQ(merged.frames[9].points.size(), 1u);
  EXPECT_EQ(merged.frames[10].points.size(), 2u);
}

TEST_F(ConvertFiles, FrameListsExpandIntoNumberedDrawings) {
  const FrameList frames = {Drawing{{Lit(1, 1)}}, Drawing{{Lit(2, 2)}}, Drawing{{Lit(3, 3)}}};
  std::vector<std::string> written;
  ASSERT_TRUE(FramesToDrawings(frames, folder.path(), "fire", written).ok());
  EXPECT_EQ(written, (std::vector<std::string>{"fire_Frames_00001.ddr", "fire_Frames_00002.ddr",
                                               "fire_Frames_00003.ddr"}));
  Drawing third;
  ASSERT_TRUE(LoadDrawing(folder / written[2], third, 1).ok());
  EXPECT_EQ(third[0][0].x, 3);
}

TEST_F(ConvertFiles, DrawingsToFrameListMatchesTheFrameListWriter) {
  const auto a = WriteDrawing("a.ddr", 5);
  FrameList frames;
  ASSERT_TRUE(DrawingsToFrameList({a, a}, frames).ok());
  EXPECT_EQ(frames.size(), 2u);
  ASSERT_TRUE(DrawingsToFrameList({}, frames).ok());
  EXPECT_EQ(EncodeFrameList(frames), "[DrawingList]\r\n");
  EXPECT_FALSE(DrawingsToFrameList({folder / "missing.ddr"}, frames).ok());
}

}  // namespace
}  // namespace daved
