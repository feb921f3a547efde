#include "editor/editor_document.h"

#include <gtest/gtest.h>

#include "editor/editor_config.h"
#include "editor/hit_tests.h"
#include "editor/play_list.h"

namespace daved {
namespace {

Point At(int x, int y, int32_t kind = kVertex, uint8_t colour = 4, uint8_t blank = 0) {
  return {x, y, kind, colour, kStateNormal, blank};
}

// A drawing whose single object has `n` points: the edit number made visible.
Drawing Numbered(int n) { return {Object(std::size_t(n), At(n, n))}; }

TEST(UndoTest, UndoNeedsTwoEditsAndReturnsToTheFirst) {
  EditorDocument doc;
  EXPECT_FALSE(doc.Undo());
  doc.drawing = Numbered(1);
  doc.RecordUndoStep();
  EXPECT_FALSE(doc.Undo());  // the state before the first edit is not kept
  EXPECT_EQ(doc.drawing, Numbered(1));
  doc.drawing = Numbered(2);
  doc.RecordUndoStep();
  EXPECT_TRUE(doc.modified);
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.drawing, Numbered(1));
  ASSERT_TRUE(doc.Redo());
  EXPECT_EQ(doc.drawing, Numbered(2));
  EXPECT_FALSE(doc.Redo());
}

TEST(UndoTest, ANewEditDropsTheRedoBranch) {
  EditorDocument doc;
  for (int i = 1; i <= 3; ++i) {
    doc.drawing = Numbered(i);
    doc.RecordUndoStep();
  }
  ASSERT_TRUE(doc.Undo());
  doc.drawing = Numbered(9);
  doc.RecordUndoStep();
  EXPECT_FALSE(doc.Redo());
  EXPECT_EQ(doc.history().size(), 3u);
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.drawing, Numbered(2));
}

TEST(UndoTest, After401EditsHoldsTheNewest400AndEveryUndoStepsBack) {
  EditorDocument doc;
  for (int i = 1; i <= 401; ++i) {
    doc.drawing = Numbered(i);
    doc.RecordUndoStep();
  }
  EXPECT_EQ(doc.history().size(), 400u);
  EXPECT_EQ(doc.history().position(), 399);
  for (int i = 400; i >= 2; --i) {
    ASSERT_TRUE(doc.Undo()) << i;
    ASSERT_EQ(doc.drawing.front().size(), std::size_t(i));
  }
  EXPECT_FALSE(doc.Undo());  // edit 1 fell out of the history
}

TEST(UndoTest, SnapshotsAreDeepCopiesWithPointsNormal) {
  EditorDocument doc;
  doc.drawing = {{At(1, 1)}};
  doc.Select({0, 0});
  doc.RecordUndoStep();
  doc.drawing[0][0].x = 50;
  doc.RecordUndoStep();
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.drawing[0][0], At(1, 1));  // state 0, not the selected state it had
  EXPECT_TRUE(doc.selection.empty());
}

TEST(ReplaceDrawingTest, EndsThePolylineSelectionAndPendingClicks) {
  EditorDocument doc;
  doc.StartPolyline({At(0, 0)});
  doc.AddPending({5, 5});
  doc.Select({0, 0});
  doc.RecordUndoStep();
  doc.RecordUndoStep();
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.polyline(), nullptr);
  EXPECT_TRUE(doc.pending.empty());
  EXPECT_TRUE(doc.selection.empty());
}

TEST(EditorMemoryTest, SaveKeepsOldMemoryForAnEmptyDrawingAndLoadAppendsSelected) {
  EditorDocument doc;
  doc.drawing = {{At(1, 1), At(2, 2)}};
  doc.Select({0, 1});
  ASSERT_TRUE(doc.SaveToMemory());
  EXPECT_EQ(doc.memory[0][1].state, kStateNormal);

  doc.drawing.clear();
  doc.selection.clear();
  EXPECT_FALSE(doc.SaveToMemory());
  EXPECT_EQ(doc.memory.size(), 1u);

  doc.drawing = {{At(9, 9)}};
  doc.Select({0, 0});
  doc.LoadFromMemory();
  ASSERT_EQ(doc.drawing.size(), 2u);
  EXPECT_EQ(doc.drawing[0][0].state, kStateNormal);  // the old selection was dropped
  EXPECT_EQ(doc.selection, (std::vector<PointRef>{{1, 0}, {1, 1}}));
  EXPECT_EQ(doc.drawing[1][1].state, kStateSelected);
  EXPECT_EQ(doc.history().size(), 1u);
  EXPECT_TRUE(doc.modified);
}

TEST(EditorMemoryTest, LoadingAnEmptyMemoryStillRecordsAnUndoStep) {
  EditorDocument doc;
  doc.LoadFromMemory();
  EXPECT_TRUE(doc.drawing.empty());
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST(RemoveDeletedPointsTest, SelectionFollowsItsPoints) {
  EditorDocument doc;
  doc.drawing = {{At(0, 0), At(1, 1), At(2, 2), At(3, 3)}};
  doc.Select({0, 3});
  doc.Select({0, 1});
  doc.drawing[0][0].state = kStateDeleted;
  doc.drawing[0][1].state = kStateDeleted;
  doc.RemoveDeletedPoints();
  EXPECT_EQ(doc.drawing[0], (Object{At(2, 2), {3, 3, kVertex, 4, kStateSelected, 0}}));
  EXPECT_EQ(doc.selection, (std::vector<PointRef>{{0, 1}}));
}

TEST(HitTest, PointIsHitWithinFourPixels) {
  const Point p = At(100, 100);
  EXPECT_TRUE(PointHit(p, {104, 96}));
  EXPECT_FALSE(PointHit(p, {105, 100}));
  EXPECT_FALSE(PointHit(p, {100, 95}));
}

TEST(HitTest, SegmentIsHitNearItsLineAndBetweenItsEnds) {
  const Point a = At(0, 0), b = At(100, 0);
  EXPECT_TRUE(SegmentHit(a, b, {50, 2}));    // squared distance 4
  EXPECT_FALSE(SegmentHit(a, b, {50, 3}));   // 9
  EXPECT_FALSE(SegmentHit(a, b, {100, 0}));  // on the line but at an end
  EXPECT_FALSE(SegmentHit(a, b, {120, 0}));  // on the line, beyond the end
  // A vertical segment is "between" on the y axis only.
  EXPECT_TRUE(SegmentHit(At(10, 0), At(10, 100), {11, 50}));
  // A segment of no length is hit as its point.
  EXPECT_TRUE(SegmentHit(At(10, 10), At(10, 10), {13, 13}));
  // Far off the canvas after a scale: no overflow.
  EXPECT_TRUE(SegmentHit(At(-2000000000, 0), At(2000000000, 0), {0, 1}));
}

TEST(HitTest, FindsTheFirstHitInDrawingOrder) {
  const Drawing drawing = {{At(0, 0), At(200, 0)}, {At(100, 2), At(100, -50), At(100, 50)}};
  EXPECT_EQ(FindPointHit(drawing, {101, 3}), (PointRef{1, 0}));
  EXPECT_EQ(FindPointHit(drawing, {300, 300}), std::nullopt);
  EXPECT_EQ(FindSegmentHit(drawing[1], {100, 10}), 2u);  // the first segment only goes upwards
  EXPECT_EQ(FindSegmentHit(drawing[1], {100, -10}), 1u);
  EXPECT_EQ(FindSegmentHit(Object{At(5, 5)}, {5, 5}), std::nullopt);
}

TEST(PlayListTest, HalvesAndClampsEachObjectIntoLaserCoordinates) {
  const Drawing drawing = {{At(511, 3, kVertex, 7, 1), At(-10, 600, kLinePoint, 9, 5)},
                           {{20, 21, kDot, 2, kStateSelected, 0}}};
  const Drawing expected = {{At(255, 1, kVertex, 7, 1), At(0, 255, kLinePoint, 9, 1)},
                            {At(10, 10, kDot, 2, 0)}};
  EXPECT_EQ(MakePlayList(drawing), expected);
  EXPECT_TRUE(MakePlayList({}).empty());
}

TEST(EditorConfigTest, ReadsAndWritesTheOddLinesOneToEleven) {
  std::vector<std::string> lines(50, "x");
  lines[1] = "300";  // colours keep their low 8 bits
  lines[3] = "8";
  lines[5] = "16";
  lines[7] = "0";
  lines[9] = "0";  // raised to the least spacing
  lines[11] = "7";
  EditorConfig config;
  ASSERT_TRUE(ReadEditorConfig(lines, config).ok());
  EXPECT_EQ(config, (EditorConfig{44, 8, 16, 0, 1, 7}));

  std::vector<std::string> written = {"keep", "old"};
  WriteEditorConfig(config, written);
  ASSERT_EQ(written.size(), 50u);
  EXPECT_EQ(written[0], "keep");
  EXPECT_EQ(written[1], "44");
  EXPECT_EQ(written[11], "7");
  EXPECT_EQ(written[2], "");
}

TEST(EditorConfigTest, ABadOrMissingLineChangesNothingAndNamesTheLine) {
  EditorConfig config;
  std::vector<std::string> lines(50, "5");
  lines[7] = "five";
  Status status = ReadEditorConfig(lines, config);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.reached, 7u);
  EXPECT_EQ(config, EditorConfig{});
  status = ReadEditorConfig(std::vector<std::string>(10, "5"), config);
  EXPECT_EQ(status.reached, 11u);
  EXPECT_EQ(config, EditorConfig{});
}

}  // namespace
}  // namespace daved

namespace daved {
namespace {

TEST(NumberFieldTest, EnterOrLeavingTheFieldSettlesItsValue) {
  struct Case {
    std::string typed;
    int current, least;
    FieldCommit expected;
  };
  const Case cases[] = {
      {"", 7, 1, {7, "7", ""}},
      {"0", 7, 1, {1, "1", ""}},
      {"2", 5, 3, {3, "3", ""}},
      {"250", 5, 3, {250, "250", ""}},  // above the arrows' range: stays as typed
      {"99999999999", 5, 1, {5, "99999999999", "'99999999999' is not a valid integer value"}},
  };
  for (const Case& c : cases) {
    const FieldCommit got = CommitNumberField(c.typed, c.current, c.least);
    EXPECT_EQ(got.value, c.expected.value) << c.typed;
    EXPECT_EQ(got.text, c.expected.text) << c.typed;
    EXPECT_EQ(got.error, c.expected.error) << c.typed;
  }
}

}  // namespace
}  // namespace daved
