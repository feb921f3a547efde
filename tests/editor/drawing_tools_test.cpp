#include "editor/drawing_tools.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

namespace daved {
namespace {

class DrawingToolsTest : public ::testing::Test {
 protected:
  DrawingToolsTest() { doc.config.pointSpacing = 20; }

  void Click(QPoint at, bool ctrl = false) { tools.Press(Button::Left, at, ctrl); }
  void Use(Tool tool, std::initializer_list<QPoint> clicks) {
    tools.Choose(tool);
    for (QPoint at : clicks) Click(at);
  }
  static Point P(int x, int y, int32_t kind, uint8_t blank = 0, uint8_t colour = 4) {
    return {x, y, kind, colour, kStateNormal, blank};
  }
  static PointList Positions(const Object& object) {
    PointList points;
    for (const Point& p : object) points.emplace_back(p.x, p.y);
    return points;
  }

  EditorDocument doc;
  DrawingTools tools{doc};
};

TEST_F(DrawingToolsTest, Linea2PExtendsOneObjectUntilARightClick) {
  Use(Tool::Line2P, {{10, 10}});
  EXPECT_TRUE(doc.drawing.empty());
  EXPECT_TRUE(tools.Collecting());
  Click({100, 10});
  Click({100, 100});
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_EQ(doc.drawing[0], (Object{P(10, 10, kVertex, 1), P(100, 10, kLinePoint),
                                    P(100, 100, kLinePoint)}));
  EXPECT_EQ(doc.history().size(), 2u);

  tools.Press(Button::Right, {0, 0}, false);
  EXPECT_FALSE(tools.Collecting());
  Click({200, 200});
  Click({300, 200});
  ASSERT_EQ(doc.drawing.size(), 2u);
  EXPECT_EQ(doc.drawing[1].front(), P(200, 200, kVertex, 1));
}

TEST_F(DrawingToolsTest, LineaMPFillsEachSegmentAndCtrlKeepsItStraight) {
  Use(Tool::LineMP, {{0, 0}});
  Click({100, 7}, /*ctrl=*/true);  // closer to horizontal: y follows the last point
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_EQ(doc.drawing[0],
            (Object{P(0, 0, kVertex, 1), P(20, 0, kLinePoint), P(40, 0, kLinePoint),
                    P(60, 0, kLinePoint), P(80, 0, kLinePoint), P(100, 0, kVertex)}));
  Click({103, 50}, true);  // closer to vertical
  EXPECT_EQ(doc.drawing[0].back(), P(100, 50, kVertex));
}

TEST_F(DrawingToolsTest, ReplacingTheDrawingEndsThePolyline) {
  Use(Tool::Line2P, {{10, 10}, {50, 10}, {50, 50}});
  ASSERT_TRUE(doc.Undo());
  Click({90, 90});  // a fresh first click, not an extension of the undone object
  Click({90, 10});
  ASSERT_EQ(doc.drawing.size(), 2u);
  EXPECT_EQ(doc.drawing[0].size(), 2u);
  EXPECT_EQ(doc.drawing[1], (Object{P(90, 90, kVertex, 1), P(90, 10, kLinePoint)}));
}

TEST_F(DrawingToolsTest, RectanglesOfFourAndOfManyPoints) {
  Use(Tool::Rectangle4, {{0, 0}, {100, 40}});
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_EQ(doc.drawing[0], (Object{P(0, 0, kVertex, 1), P(0, 40, kVertex), P(100, 40, kVertex),
                                    P(100, 0, kVertex), P(0, 0, kVertex)}));
  EXPECT_TRUE(doc.pending.empty());

  Use(Tool::RectangleMany, {{0, 0}, {100, 40}});
  ASSERT_EQ(doc.drawing.size(), 2u);
  EXPECT_EQ(Positions(doc.drawing[1]),
            (PointList{{0, 0}, {0, 20}, {0, 40}, {20, 40}, {40, 40}, {60, 40}, {80, 40},
                       {100, 40}, {100, 20}, {100, 0}, {80, 0}, {60, 0}, {40, 0}, {20, 0},
                       {0, 0}}));
  EXPECT_EQ(doc.drawing[1][1], P(0, 20, kLinePoint));
  EXPECT_EQ(doc.drawing[1][2], P(0, 40, kVertex));
  EXPECT_EQ(doc.history().size(), 2u);
}

TEST_F(DrawingToolsTest, CicloWithCtrlMakesASquareBox) {
  EXPECT_EQ(ConstrainSquare({100, 100}, {140, 200}), QPoint(200, 200));
  EXPECT_EQ(ConstrainSquare({100, 100}, {60, 0}), QPoint(0, 0));
  EXPECT_EQ(ConstrainSquare({100, 100}, {100, 200}), QPoint(100, 200));  // no side to grow on
  EXPECT_EQ(ConstrainSquare({100, 100}, {300, 140}), QPoint(300, 300));

  tools.Choose(Tool::Ellipse);
  Click({100, 100});
  Click({140, 200}, true);
  ASSERT_EQ(doc.drawing.size(), 1u);
  const Object& ellipse = doc.drawing[0];
  EXPECT_EQ(ellipse.front(), P(200, 150, kVertex, 1));
  EXPECT_EQ(ellipse.back(), P(200, 150, kVertex));
  EXPECT_EQ(ellipse[1].kind, kLinePoint);
}

TEST_F(DrawingToolsTest, AFlatEllipseAddsNothingButADegenerateArcAddsAnEmptyObject) {
  Use(Tool::Ellipse, {{100, 100}, {200, 100}});
  EXPECT_TRUE(doc.drawing.empty());
  EXPECT_EQ(doc.history().size(), 0u);
  EXPECT_TRUE(doc.pending.empty());

  Use(Tool::Arc, {{100, 100}, {100, 100}, {150, 150}});
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_TRUE(doc.drawing[0].empty());
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST_F(DrawingToolsTest, ArcTakesCentreStartEnd) {
  Use(Tool::Arc, {{100, 100}, {200, 100}});
  EXPECT_TRUE(doc.drawing.empty());
  Click({100, 200});
  ASSERT_EQ(doc.drawing.size(), 1u);
  const Object& arc = doc.drawing[0];
  EXPECT_EQ(arc.front(), P(200, 100, kVertex, 1));
  EXPECT_EQ(arc.back().kind, kVertex);
  EXPECT_EQ(arc[1].kind, kLinePoint);
  EXPECT_EQ(arc[1].blank, 0);
}

TEST_F(DrawingToolsTest, PolygonsUseTheSidesAndTheSpacing) {
  doc.config.polygonSides = 6;
  Use(Tool::Polygon, {{256, 256}, {356, 256}});
  ASSERT_EQ(doc.drawing.size(), 1u);
  ASSERT_EQ(doc.drawing[0].size(), 7u);
  EXPECT_EQ(doc.drawing[0][0].blank, 1);
  for (const Point& p : doc.drawing[0]) EXPECT_EQ(p.kind, kVertex);

  Use(Tool::PolygonMP, {{256, 256}, {356, 256}});
  ASSERT_EQ(doc.drawing.size(), 2u);
  const Object& filled = doc.drawing[1];
  EXPECT_EQ(filled.front(), doc.drawing[0].front());
  // The same 7 vertices, with 3 or 4 line points on each side of about 100 at spacing 20.
  const auto vertices = std::count_if(filled.begin(), filled.end(),
                                      [](const Point& p) { return p.kind == kVertex; });
  EXPECT_EQ(vertices, 7);
  EXPECT_GE(filled.size(), 7u + 6 * 3);
  EXPECT_EQ(filled[1].kind, kLinePoint);

  Use(Tool::Polygon, {{256, 256}, {256, 256}});
  EXPECT_EQ(doc.drawing.size(), 2u);
}

TEST_F(DrawingToolsTest, PuntiAddsADotPerClick) {
  Use(Tool::Dots, {{5, 6}});
  tools.Press(Button::Right, {7, 8}, false);
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_EQ(doc.drawing[0], (Object{P(5, 6, kDot, 1)}));
  EXPECT_FALSE(tools.Collecting());
}

TEST_F(DrawingToolsTest, MuoviPuntoDragsThePointAndRecordsOnce) {
  doc.drawing = {{P(10, 10, kVertex), P(100, 100, kVertex)}};
  Use(Tool::MovePoint, {{102, 98}});
  EXPECT_EQ(doc.drawing[0][1].state, kStateSelected);
  EXPECT_TRUE(tools.Move({150, 160}, false));
  EXPECT_EQ(doc.drawing[0][1].x, 150);
  Click({200, 210});
  EXPECT_EQ(doc.drawing[0][1], P(200, 210, kVertex));
  EXPECT_EQ(doc.history().size(), 1u);
  EXPECT_TRUE(doc.selection.empty());

  // A right click puts it back.
  Click({200, 210});
  tools.Move({300, 300}, false);
  tools.Press(Button::Right, {300, 300}, false);
  EXPECT_EQ(doc.drawing[0][1], P(200, 210, kVertex));
  EXPECT_FALSE(tools.Collecting());

  // A miss selects nothing and the second click records nothing.
  Click({400, 400});
  Click({10, 10});
  EXPECT_EQ(doc.drawing[0][0], P(10, 10, kVertex));
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST_F(DrawingToolsTest, AggiungiPuntoInsertsIntoEveryObjectCrossedButOncePerObject) {
  doc.drawing = {{P(0, 100, kVertex, 1), P(200, 100, kVertex, 0, 9)},
                 {P(100, 0, kVertex, 1), P(100, 200, kVertex, 1, 7), P(100, 0, kVertex)}};
  Use(Tool::AddPoint, {{100, 100}});
  EXPECT_EQ(doc.drawing[0][1], P(100, 100, kLinePoint, 0, 9));  // B's colour and blank
  ASSERT_EQ(doc.drawing[1].size(), 4u);
  EXPECT_EQ(doc.drawing[1][1], P(100, 100, kLinePoint, 1, 7));
  EXPECT_EQ(doc.history().size(), 1u);

  Click({300, 300});
  EXPECT_EQ(doc.history().size(), 1u);
}

TEST_F(DrawingToolsTest, PositionsOffTheCanvasAreClamped) {
  Use(Tool::Rectangle4, {{-20, 40}, {700, 600}});
  ASSERT_EQ(doc.drawing.size(), 1u);
  EXPECT_EQ(Positions(doc.drawing[0]),
            (PointList{{0, 40}, {0, 511}, {511, 511}, {511, 40}, {0, 40}}));
}

TEST_F(DrawingToolsTest, PreviewsFollowTheMouse) {
  tools.Choose(Tool::Line2P);
  EXPECT_TRUE(tools.PreviewAt({50, 50}, false).line.empty());
  Click({10, 10});
  Preview preview = tools.PreviewAt({100, 20}, true);
  EXPECT_EQ(preview.line, (PointList{{10, 10}, {100, 10}}));
  ASSERT_EQ(preview.marks.size(), 1u);
  EXPECT_EQ(preview.marks[0].half, 1);

  tools.Press(Button::Right, {0, 0}, false);
  doc.colour = 9;
  tools.Choose(Tool::Ellipse);
  Click({100, 100});
  doc.colour = 5;
  preview = tools.PreviewAt({140, 200}, true);
  EXPECT_EQ(preview.colour, 9);  // the colour of the first corner
  EXPECT_EQ(preview.ellipse, QRect(100, 100, 100, 100));

  tools.Press(Button::Right, {0, 0}, false);
  doc.showPoints = false;
  tools.Choose(Tool::Rectangle4);
  Click({0, 0});
  preview = tools.PreviewAt({30, 40}, false);
  EXPECT_EQ(preview.line.size(), 5u);
  EXPECT_TRUE(preview.marks.empty());
}

TEST(ToolTableTest, KeysChooseTheirTools) {
  EXPECT_EQ(ToolForKey('R'), Tool::Rectangle4);
  EXPECT_EQ(ToolForKey('P'), Tool::Dots);
  EXPECT_EQ(ToolForKey('Q'), std::nullopt);
  EXPECT_STREQ(InfoOf(Tool::Ellipse).keyMessage, "(C) Cerchio ");
}

}  // namespace
}  // namespace daved
