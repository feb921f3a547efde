// Plotter files into the editor: sections, the coordinate dialect, placing, thinning, errors.

#include "editor/plotter_import.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;
using XY = std::vector<std::pair<int, int>>;  // point positions

Point At(int x, int y, uint8_t blank = 0) { return {x, y, kLinePoint, 4, kStateNormal, blank}; }

XY Positions(const Object& object) {
  XY positions;
  for (const Point& p : object) positions.emplace_back(p.x, p.y);
  return positions;
}

TEST(PlotterParse, EachLtLineStartsASectionAndSp0EndsTheLast) {
  const char* text =
      "IN;\n"
      "PD7 7;\n"       // before the first LT: not read
      "LT;\n"
      "PU1200 3400;\n"
      "  PD 1300 3500; \r\n"
      "SP1;\n"         // other commands are skipped
      "LT;\n"
      "PD5 6;\n"
      "SP0;\n"
      "PD9 9;\n";      // after SP0;: not read
  Drawing objects;
  ASSERT_TRUE(ParsePlotter(text, 9, objects).ok());
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(Positions(objects[0]), (XY{{1200, 3400}, {1300, 3500}}));
  EXPECT_EQ(objects[0][0], (Point{1200, 3400, kLinePoint, 9, kStateNormal, 0}));
  EXPECT_EQ(Positions(objects[1]), (XY{{5, 6}}));
}

TEST(PlotterParse, ALastSectionWithoutSp0IsAnEmptyObject) {
  Drawing objects;
  ASSERT_TRUE(ParsePlotter("LT;\nPD1 2;\nLT;\nPD3 4;\n", 4, objects).ok());
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0].size(), 1u);
  EXPECT_TRUE(objects[1].empty());
}

TEST(PlotterParse, AcceptsBlanksCommasAndSeveralPairsOnALine) {
  const struct {
    const char* line;
    XY points;
  } cases[] = {
      {"PD1200 3400;", {{1200, 3400}}},
      {"PD1200,3400;", {{1200, 3400}}},
      {"PD100,200,300,400;", {{100, 200}, {300, 400}}},
      {"PU 10, -20 ;", {{10, -20}}},
      {"PD1 2 3 4", {{1, 2}, {3, 4}}},  // no ";": the last digit stays
      {"PU;", {}},
  };
  for (const auto& c : cases) {
    Drawing objects;
    const std::string text = std::string("LT;\n") + c.line + "\nSP0;\n";
    ASSERT_TRUE(ParsePlotter(text, 4, objects).ok()) << c.line;
    EXPECT_EQ(Positions(objects.at(0)), c.points) << c.line;
  }
}

TEST(PlotterParse, ABadCoordinateOrNoLtLineGivesAMessageAndNoObjects) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"LT;\nPD1 2;\nPD1.5 3;\nSP0;\n", "line 3: '1.5' is not a valid integer value"},
      {"LT;\nPDx,3;\nSP0;\n", "line 2: 'x' is not a valid integer value"},
      {"LT;\nPD1,,3;\nSP0;\n", "line 2: a coordinate is missing"},
      {"LT;\nPD1 2 3;\nSP0;\n", "line 2: the last x has no y"},
      {"IN;\nPD1 2;\nSP0;\n", kNoPenSectionMessage},
      {"", kNoPenSectionMessage},
  };
  for (const auto& c : cases) {
    Drawing objects{{At(1, 1)}};
    const Status status = ImportPlotter(c.text, {}, objects);
    EXPECT_EQ(status.error, c.message) << c.text;
    EXPECT_TRUE(objects.empty()) << c.text;
  }
}

TEST(PlotterPlace, ShrinksLargeFiguresToTheCanvasAndTurnsYDown) {
  // x from 1000 to 9000, y from 500 to 2500: d = 8000 div 512 = 15.
  const char* text = "LT;\nPU1000 500;\nPD9000 2500;\nPD5000 1500;\nSP0;\n";
  Drawing objects;
  ASSERT_TRUE(ImportPlotter(text, {.size = 20, .fine = 0}, objects).ok());
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0], (Object{At(0, 510, 1), At(533, 377), At(266, 444)}));

  // Size 0 divides by 21 more.
  ASSERT_TRUE(ImportPlotter(text, {.size = 0, .fine = 0}, objects).ok());
  EXPECT_EQ(Positions(objects[0]), (XY{{0, 510}, {25, 504}, {12, 507}}));
}

TEST(PlotterPlace, SmallFiguresKeepTheirSizeAndEveryObjectStartsBlank) {
  const char* text = "LT;\nPU10 10;\nPD300 200;\nLT;\nPU20 30;\nSP0;\n";
  Drawing objects;
  ASSERT_TRUE(ImportPlotter(text, {.size = 20, .fine = 0}, objects).ok());
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0], (Object{At(0, 510, 1), At(290, 320)}));
  EXPECT_EQ(objects[1], (Object{At(10, 490, 1)}));
}

TEST(PlotterPlace, ThinningDropsNearPointsOffTheReferencesRowAndColumn) {
  Object object{At(100, 100, 1), At(103, 103), At(103, 100), At(106, 104), At(108, 106)};
  Object unchanged = object;
  ThinObject(unchanged, 0);
  EXPECT_EQ(unchanged, object);

  // (103, 103) is 3 away diagonally: dropped. (103, 100) shares the row: kept and becomes the
  // reference, so (106, 104) (distance 5) stays and (108, 106) goes.
  ThinObject(object, 5);
  EXPECT_EQ(Positions(object), (XY{{100, 100}, {103, 100}, {106, 104}}));
}

TEST(PlotterPlace, ExtremeCoordinatesDoNotOverflow) {
  const char* text = "LT;\nPU-2147483648 -2147483648;\nPD2147483647 2147483647;\nSP0;\n";
  Drawing objects;
  ASSERT_TRUE(ImportPlotter(text, {.size = 20, .fine = 0}, objects).ok());
  EXPECT_EQ(Positions(objects[0]), (XY{{0, 510}, {512, -2}}));
}

TEST(PlotterImport, ReadsAFileAndReportsAMissingOne) {
  TempFolder folder;
  std::ofstream(folder / "a.plt") << "IN;\r\nLT;\r\nPU0 0;\r\nPD100 50;\r\nSP0;\r\n";
  Drawing objects;
  ASSERT_TRUE(ImportPlotterFile(folder / "a.plt", {}, objects).ok());
  EXPECT_EQ(Positions(objects.at(0)), (XY{{0, 510}, {100, 460}}));
  EXPECT_FALSE(ImportPlotterFile(folder / "none.plt", {}, objects).ok());
  EXPECT_TRUE(objects.empty());
}

TEST(PlotterImport, PreviewDrawsAtHalfScaleWithoutDarkMoves) {
  const QImage image = PlotterPreview({{At(0, 0, 1), At(0, 200)}, {At(400, 400, 1)}});
  EXPECT_EQ(image.size(), QSize(256, 256));
  EXPECT_NE(image.pixel(0, 50), qRgb(0, 0, 0));     // the lit segment down x = 0
  EXPECT_EQ(image.pixel(100, 150), qRgb(0, 0, 0));  // no dark move towards (200, 200)
}

TEST(PlotterImport, AppendsAsTheOnlySelectionWithOneUndoStep) {
  EditorDocument document;
  document.drawing = {{At(1, 1), At(2, 2)}};
  document.Select({0, 1});
  AppendImportedObjects(document, {{At(5, 5, 1), At(6, 6)}, {}});
  ASSERT_EQ(document.drawing.size(), 3u);
  EXPECT_EQ(document.drawing[0][1].state, kStateNormal);
  EXPECT_EQ(document.selection, (std::vector<PointRef>{{1, 0}, {1, 1}}));
  EXPECT_EQ(document.drawing[1][1].state, kStateSelected);
  EXPECT_EQ(document.history().size(), 1u);
  EXPECT_TRUE(document.modified);

  // Nothing appended: no undo step.
  AppendImportedObjects(document, {});
  EXPECT_EQ(document.history().size(), 1u);
  EXPECT_TRUE(document.selection.empty());
}

}  // namespace
}  // namespace daved
