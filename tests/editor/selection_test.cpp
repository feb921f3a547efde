#include "editor/selection.h"

#include <gtest/gtest.h>

#include "editor/drawing_tools.h"
#include "editor_test_support.h"

namespace daved {
namespace {

Point P(int x, int y, uint8_t state = kStateNormal, int32_t kind = kVertex, uint8_t blank = 0) {
  return {x, y, kind, 9, state, blank};
}

std::vector<QPoint> Positions(const Object& object) {
  std::vector<QPoint> points;
  for (const Point& p : object) points.emplace_back(p.x, p.y);
  return points;
}

// A line of three points, a line of two crossing nothing else, and a dot.
class SelectionTest : public ::testing::Test {
 protected:
  SelectionTest() {
    doc.drawing = {{P(100, 100, 0, kVertex, 1), P(200, 100), P(200, 200)},
                   {P(300, 300, 0, kVertex, 1), P(400, 300)},
                   {P(50, 400, 0, kDot, 1)}};
  }
  void Use(Tool tool) { tools.Choose(tool); }
  void Click(QPoint at, bool ctrl = false) { tools.Press(Button::Left, at, ctrl); }
  void RightClick() { tools.Press(Button::Right, {0, 0}, false); }
  std::vector<PointRef> Refs(std::initializer_list<PointRef> refs) { return refs; }

  EditorDocument doc;
  DrawingTools tools{doc};
};

TEST_F(SelectionTest, SelectPointTogglesAHitPointAndRightClickClearsTheSelection) {
  Use(Tool::SelectPoint);
  Click({202, 98});  // within 4 pixels of (200, 100)
  EXPECT_EQ(doc.selection, Refs({{0, 1}}));
  EXPECT_EQ(doc.drawing[0][1].state, kStateSelected);
  EXPECT_TRUE(doc.pending.empty());
  Click({200, 100});
  EXPECT_TRUE(doc.selection.empty());
  EXPECT_EQ(doc.drawing[0][1].state, kStateNormal);
  Click({200, 100});
  Click({300, 300});
  EXPECT_EQ(doc.selection, Refs({{0, 1}, {1, 0}}));

  RightClick();
  EXPECT_TRUE(doc.selection.empty());
  EXPECT_EQ(doc.drawing[1][0].state, kStateNormal);
  EXPECT_FALSE(doc.modified);  // selecting is no edit
}

TEST_F(SelectionTest, AClickOnNothingStartsABoxThatTakesThePointsOnItsEdges) {
  Use(Tool::SelectPoint);
  Click({200, 100});  // already selected before the box: stays once
  Click({150, 150});
  EXPECT_EQ(doc.pending.size(), 1u);
  EXPECT_TRUE(tools.Previewing());
  EXPECT_FALSE(tools.Collecting());  // the pointer stays free
  const Preview preview = tools.PreviewAt({250, 50}, false);
  EXPECT_EQ(preview.box, QRect(QPoint(150, 50), QPoint(250, 150)));

  Click({200, 50});  // the box 150..200 by 50..150: (200, 100) on its edge
  EXPECT_TRUE(doc.pending.empty());
  EXPECT_EQ(doc.selection, Refs({{0, 1}}));
  Click({310, 310});
  Click({90, 90});
  EXPECT_EQ(doc.selection, Refs({{0, 1}, {0, 0}, {0, 2}, {1, 0}}));

  // A right click with a box started only drops the box.
  Click({10, 10});
  RightClick();
  EXPECT_TRUE(doc.pending.empty());
  EXPECT_EQ(doc.selection.size(), 4u);
}

TEST_F(SelectionTest, SelectObjectTakesWholeObjectsEachPointOnce) {
  Use(Tool::SelectObject);
  Click({50, 400});  // the dot has no segment: the click starts a box
  EXPECT_TRUE(doc.selection.empty());
  Click({40, 390});
  EXPECT_EQ(doc.selection, Refs({{2, 0}}));

  Click({150, 101});  // on the first segment of the first object
  EXPECT_EQ(doc.selection, Refs({{2, 0}, {0, 0}, {0, 1}, {0, 2}}));
  Click({190, 190});  // a box around (200, 200) only: the object is already in
  Click({210, 210});
  EXPECT_EQ(doc.selection.size(), 4u);

  // Moved once, not twice.
  Use(Tool::MoveSelection);
  Click({0, 0});
  Click({10, 0});
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{110, 100}, {210, 100}, {210, 200}}));
}

TEST_F(SelectionTest, SelectAllFollowsDrawingOrderAndDeleteIsUndoneAndRedone) {
  doc.RecordUndoStep();
  Use(Tool::SelectPoint);
  Click({300, 300});
  SelectAll(doc);
  EXPECT_EQ(doc.selection, Refs({{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {2, 0}}));

  doc.DeselectAll();
  Click({200, 100});
  Click({300, 300});
  Click({400, 300});
  DeleteSelection(doc);
  EXPECT_TRUE(doc.selection.empty());
  ASSERT_EQ(doc.drawing.size(), 3u);
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{100, 100}, {200, 200}}));
  EXPECT_TRUE(doc.drawing[1].empty());  // stays as an empty object
  const Drawing afterDelete = doc.drawing;

  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.drawing[0].size(), 3u);
  ASSERT_TRUE(doc.Redo());
  EXPECT_EQ(doc.drawing, afterDelete);

  // Even an empty selection's delete is an undo step.
  const std::size_t steps = doc.history().size();
  DeleteSelection(doc);
  EXPECT_EQ(doc.history().size(), steps + 1);
}

TEST_F(SelectionTest, MoveFollowsTheMouseAndTheSecondClickRecordsOnce) {
  Use(Tool::SelectObject);
  Click({350, 300});
  Use(Tool::MoveSelection);
  Click({10, 10});
  EXPECT_TRUE(tools.Collecting());
  EXPECT_TRUE(tools.Move({15, 30}, false));
  EXPECT_EQ(Positions(doc.drawing[1]), (std::vector<QPoint>{{305, 320}, {405, 320}}));
  Click({20, 5});
  EXPECT_EQ(Positions(doc.drawing[1]), (std::vector<QPoint>{{310, 295}, {410, 295}}));
  EXPECT_EQ(doc.selection.size(), 2u);  // still selected: it can be moved again
  EXPECT_EQ(doc.history().size(), 1u);
  EXPECT_FALSE(tools.Collecting());

  // A right click after the first click puts the points back.
  Click({0, 0});
  tools.Move({100, 100}, false);
  RightClick();
  EXPECT_EQ(Positions(doc.drawing[1]), (std::vector<QPoint>{{310, 295}, {410, 295}}));
  EXPECT_EQ(doc.selection.size(), 2u);
  EXPECT_EQ(doc.history().size(), 1u);

  // Nothing selected: nothing moves, nothing is recorded.
  doc.DeselectAll();
  Click({0, 0});
  Click({50, 50});
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST_F(SelectionTest, MoveInCopyModeAppendsUnselectedCopiesAndPreviewsThem) {
  doc.copyMode = true;
  Use(Tool::SelectPoint);
  Click({200, 200});
  Click({100, 100});
  Click({400, 300});
  const Drawing before = doc.drawing;
  Use(Tool::MoveSelection);
  Click({0, 0});
  EXPECT_FALSE(tools.Move({5, 5}, false));  // the drawing stays put
  const Preview preview = tools.PreviewAt({5, 5}, false);
  EXPECT_EQ(preview.line, (PointList{{205, 205}, {105, 105}, {405, 305}}));
  Click({10, 20});

  ASSERT_EQ(doc.drawing.size(), 5u);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), doc.drawing.begin()));
  // One copy per object, in the object's order, unselected, kind, colour and blank kept.
  EXPECT_EQ(doc.drawing[3], (Object{P(110, 120, 0, kVertex, 1), P(210, 220)}));
  EXPECT_EQ(doc.drawing[4], (Object{P(410, 320)}));
  EXPECT_EQ(doc.selection.size(), 3u);
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST_F(SelectionTest, ScaleFromTheCentreAndCtrlKeepsTheRatio) {
  doc.drawing = {{P(150, 150), P(200, 100)}};
  SelectAll(doc);
  Use(Tool::ScaleSelection);
  Click({100, 100});
  Click({150, 150});  // 50 and 50 of travel: a factor of 1
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{150, 150}, {200, 100}}));

  Click({100, 100});
  tools.Move({125, 75}, false);  // factors 0.5 and -0.5 while the mouse moves
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{125, 75}, {150, 100}}));
  Click({120, 40}, /*ctrl=*/true);  // 20 right, 60 above: dx becomes 60
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{160, 40}, {220, 100}}));
  EXPECT_EQ(doc.history().size(), 2u);
}

TEST(ScaleTravel, CtrlGivesTheShorterAxisTheLongerOnesLength) {
  struct Case {
    QPoint travel, kept;
  };
  for (const Case& c : {Case{{20, -60}, {60, -60}}, Case{{-20, 60}, {-60, 60}},
                        Case{{0, 30}, {-30, 30}}, Case{{70, 10}, {70, 70}},
                        Case{{70, -10}, {70, -70}}, Case{{40, 0}, {40, -40}}}) {
    EXPECT_EQ(ScaleTravel(c.travel, true), c.kept) << c.travel.x() << "," << c.travel.y();
    EXPECT_EQ(ScaleTravel(c.travel, false), c.travel);
  }
}

TEST_F(SelectionTest, MirrorsSwapZeroAnd510AndCopyModeAppends) {
  doc.drawing = {{P(0, 255), P(255, 0), P(700, -40)}};
  EXPECT_FALSE(MirrorSelection(doc, Mirror::LeftToRight));  // empty selection
  EXPECT_FALSE(doc.modified);
  SelectAll(doc);
  ASSERT_TRUE(MirrorSelection(doc, Mirror::LeftToRight));
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{510, 255}, {255, 0}, {-190, -40}}));
  ASSERT_TRUE(MirrorSelection(doc, Mirror::TopToBottom));
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{510, 255}, {255, 510}, {-190, 550}}));
  EXPECT_EQ(doc.history().size(), 2u);

  doc.copyMode = true;
  ASSERT_TRUE(MirrorSelection(doc, Mirror::TopToBottom));
  ASSERT_EQ(doc.drawing.size(), 2u);
  EXPECT_EQ(Positions(doc.drawing[1]), (std::vector<QPoint>{{510, 255}, {255, 0}, {-190, -40}}));
  EXPECT_EQ(doc.drawing[0][0].state, kStateSelected);
}

TEST(RotatePoint, ThirtyDegreesTruncatesJustUnderHalfTheRadius) {
  for (const QPoint centre : {QPoint(256, 256), QPoint(100, 300)}) {
    EXPECT_EQ(RotatePoint(centre + QPoint(100, 0), centre, 30), centre + QPoint(86, 49));
  }
  // "Senso antiorario" turns the other way.
  EXPECT_EQ(RotationDegrees(30, false), 30);
  EXPECT_EQ(RotationDegrees(30, true), -30);
  EXPECT_EQ(RotatePoint({356, 256}, {256, 256}, RotationDegrees(30, true)), QPoint(342, 206));
}

TEST_F(SelectionTest, RotateTurnsTheSelectionOrAppendsTurnedCopies) {
  doc.drawing = {{P(356, 256), P(256, 256)}};
  EXPECT_FALSE(RotateSelection(doc, {256, 256}, 30));
  Use(Tool::SelectPoint);
  Click({356, 256});
  ASSERT_TRUE(RotateSelection(doc, {256, 256}, 30));
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{342, 305}, {256, 256}}));
  EXPECT_EQ(doc.history().size(), 1u);

  doc.copyMode = true;
  ASSERT_TRUE(RotateSelection(doc, {256, 256}, 60));
  ASSERT_EQ(doc.drawing.size(), 2u);
  EXPECT_EQ(doc.drawing[1].size(), 1u);
  EXPECT_EQ(doc.drawing[1][0].state, kStateNormal);
}

TEST_F(SelectionTest, ScalingFarOffTheCanvasStopsAtTheIntegerRange) {
  doc.drawing = {{P(2000000000, -2000000000)}};
  SelectAll(doc);
  Use(Tool::ScaleSelection);
  Click({0, 0});
  Click({500, 500});  // a factor of 10
  EXPECT_EQ(Positions(doc.drawing[0]), (std::vector<QPoint>{{INT32_MAX, INT32_MIN}}));
}

}  // namespace
}  // namespace daved
