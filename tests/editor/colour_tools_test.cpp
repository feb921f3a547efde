#include "editor/colour_tools.h"

#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "editor/drawing_tools.h"
#include "editor_test_support.h"
#include "test_support.h"

namespace daved {
namespace {

using Colours = std::vector<uint8_t>;

Point P(int x, int y, uint8_t colour, uint8_t blank = 0) {
  return {x, y, kLinePoint, colour, kStateNormal, blank};
}

TEST(ColourGrid, CellsStandForColumnTimes64PlusRow) {
  EXPECT_EQ(ColourOfCell({2, 5}), 133);
  EXPECT_EQ(ColourOfCell({0, 4}), 4);
  EXPECT_EQ(ColourOfCell({3, 63}), 255);
  EXPECT_EQ(CellOfColour(133), (GridCell{2, 5}));
  EXPECT_EQ(CellOfColour(255), (GridCell{3, 63}));
}

TEST(SixColourRuns, RunsOfASixthCyclingFromRedBelowSixEachPointAdvancesFromYellow) {
  const struct {
    std::size_t count;
    Colours colours;
  } cases[] = {
      {13, {2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 2}},
      {11, {2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6}},
      {4, {3, 4, 5, 6}},
      {5, {3, 4, 5, 6, 7}},
      {6, {2, 3, 4, 5, 6, 7}},
      {0, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SixColourRuns(c.count), c.colours) << c.count << " points";
}

// Two objects: a red to green segment across the middle, and a later blue segment crossing it.
class ColourToolsTest : public ::testing::Test {
 protected:
  ColourToolsTest() {
    doc.drawing = {{P(100, 200, 2, 1), P(300, 200, 4)}, {P(200, 100, 6, 1), P(200, 300, 6)}};
  }
  EditorDocument doc;
};

TEST_F(ColourToolsTest, EyedropperPicksTheEndPointAndLaterObjectsOverride) {
  EXPECT_EQ(PickColour(doc.drawing, {150, 201}), 4);  // red to green: green
  EXPECT_EQ(PickColour(doc.drawing, {200, 200}), 6);  // both hit: the later object
  EXPECT_EQ(PickColour(doc.drawing, {10, 10}), std::nullopt);
  // A segment of no length gives its start's colour.
  doc.drawing = {{P(50, 50, 3), P(50, 50, 5)}};
  EXPECT_EQ(PickColour(doc.drawing, {52, 52}), 3);
}

TEST_F(ColourToolsTest, ColourPerSegmentChangesEveryHitEndAndRecordsEvenAMiss) {
  doc.colour = 9;
  ColourSegments(doc, {200, 200});
  EXPECT_EQ(doc.drawing[0][1].colour, 9);
  EXPECT_EQ(doc.drawing[1][1].colour, 9);
  EXPECT_EQ(doc.drawing[0][0].colour, 2);  // the starts keep theirs
  EXPECT_EQ(doc.history().size(), 1u);
  EXPECT_TRUE(doc.modified);

  const Drawing before = doc.drawing;
  ColourSegments(doc, {10, 10});
  EXPECT_EQ(doc.drawing, before);
  EXPECT_EQ(doc.history().size(), 2u);

  doc.drawing = {{P(50, 50, 3), P(50, 50, 5)}};
  ColourSegments(doc, {50, 50});
  EXPECT_EQ(doc.drawing[0], (Object{P(50, 50, 9), P(50, 50, 9)}));
}

TEST_F(ColourToolsTest, BlankPerSegmentTwiceLeavesTheSegmentAsItWasWithTwoUndoSteps) {
  BlankSegments(doc, {150, 201});
  EXPECT_EQ(doc.drawing[0][1].blank, 1);
  EXPECT_EQ(doc.drawing[1][1].blank, 0);
  BlankSegments(doc, {150, 201});
  EXPECT_EQ(doc.drawing[0][1].blank, 0);
  EXPECT_EQ(doc.history().size(), 2u);
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.drawing[0][1].blank, 1);
  ASSERT_TRUE(doc.Redo());
  EXPECT_EQ(doc.drawing[0][1].blank, 0);
}

TEST_F(ColourToolsTest, SelectionCommandsWorkInSelectionOrder) {
  // An empty selection: colour commands record nothing, blanking records an unchanged drawing.
  ColourSelection(doc);
  SpreadSixColours(doc);
  EXPECT_EQ(doc.history().size(), 0u);
  BlankSelection(doc);
  EXPECT_EQ(doc.history().size(), 1u);

  doc.Select({1, 1});
  doc.Select({0, 0});
  doc.colour = 11;
  ColourSelection(doc);
  EXPECT_EQ(doc.drawing[1][1].colour, 11);
  EXPECT_EQ(doc.drawing[0][0].colour, 11);
  EXPECT_EQ(doc.drawing[0][1].colour, 4);
  EXPECT_EQ(doc.history().size(), 2u);

  SpreadSixColours(doc);  // two points: yellow, then green
  EXPECT_EQ(doc.drawing[1][1].colour, 3);
  EXPECT_EQ(doc.drawing[0][0].colour, 4);

  BlankSelection(doc);
  EXPECT_EQ(doc.drawing[1][1].blank, 1);
  EXPECT_EQ(doc.drawing[0][0].blank, 0);
  EXPECT_EQ(doc.history().size(), 4u);
  EXPECT_EQ(doc.selection.size(), 2u);  // the selection stays
}

TEST_F(ColourToolsTest, SixColoursOverThirteenSelectedPoints) {
  Object line;
  for (int i = 0; i < 13; ++i) line.push_back(P(10 * i, 0, 4));
  doc.drawing = {line};
  for (std::size_t i = 0; i < 13; ++i) doc.Select({0, i});
  SpreadSixColours(doc);
  Colours colours;
  for (const Point& p : doc.drawing[0]) colours.push_back(p.colour);
  EXPECT_EQ(colours, (Colours{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 2}));
}

TEST(ColourToolKeys, EyedropperAndSegmentToolsThroughTheTools) {
  EXPECT_EQ(ToolForKey('X'), Tool::SegmentColour);
  EXPECT_EQ(ToolForKey('B'), Tool::SegmentBlank);
  EXPECT_STREQ(InfoOf(Tool::SegmentColour).keyMessage, "(X) Modifica X per linea..");

  EditorDocument doc;
  doc.drawing = {{P(100, 200, 2, 1), P(300, 200, 4)}};
  DrawingTools tools(doc);
  tools.Choose(Tool::Eyedropper);
  EXPECT_FALSE(tools.Press(Button::Left, {150, 200}, false));  // no redraw
  EXPECT_EQ(doc.colour, 4);
  EXPECT_EQ(doc.history().size(), 0u);

  // The right button does nothing, not even to clicks another tool left pending.
  doc.AddPending({5, 5});
  for (Tool tool : {Tool::Eyedropper, Tool::SegmentColour, Tool::SegmentBlank}) {
    tools.Choose(tool);
    EXPECT_FALSE(tools.Press(Button::Right, {150, 200}, false));
  }
  EXPECT_EQ(doc.pending.size(), 1u);
  EXPECT_EQ(doc.history().size(), 0u);

  tools.Choose(Tool::SegmentBlank);
  EXPECT_TRUE(tools.Press(Button::Left, {150, 200}, false));
  EXPECT_EQ(doc.drawing[0][1].blank, 1);
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST(BackgroundPicture, OnlyAReadableImageIsShownAndRidisegnaTakesItAway) {
  testing::TempFolder folder;
  EditorDocument doc;
  EXPECT_EQ(ShowPicture(doc, folder / "none.png"), PictureChoice::Missing);
  EXPECT_EQ(ShowPicture(doc, folder.path()), PictureChoice::Missing);  // a folder
  std::ofstream(folder / "notes.bmp") << "not a picture";
  EXPECT_EQ(ShowPicture(doc, folder / "notes.bmp"), PictureChoice::Unreadable);
  EXPECT_FALSE(doc.pictureShown);
  EXPECT_TRUE(doc.picturePath.empty());

  // Any kind Qt reads, whatever its name says.
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::white);
  ASSERT_TRUE(picture.save(QString::fromStdString((folder / "back.jpg").string()), "PNG"));
  EXPECT_EQ(ShowPicture(doc, folder / "back.jpg"), PictureChoice::Shown);
  EXPECT_TRUE(doc.pictureShown);
  EXPECT_EQ(doc.picturePath, folder / "back.jpg");
  EXPECT_FALSE(doc.modified);

  HidePicture(doc);
  EXPECT_FALSE(doc.pictureShown);
  EXPECT_TRUE(doc.picturePath.empty());
  EXPECT_TRUE(PictureFilter().contains("*.bmp"));
  EXPECT_TRUE(PictureFilter().contains("*.png"));
}

}  // namespace
}  // namespace daved
