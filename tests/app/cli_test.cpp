#include "app/cli.h"

#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "formats/drawing_file.h"
#include "formats/ilda_file.h"
#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;
using testing::TestData;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result Daved(std::vector<std::string> args) {
  args.insert(args.begin(), "daved");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = RunCommandLine(int(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

std::string Ilda(const std::string& name) { return TestData("ilda/" + name).string(); }

TEST(CommandLine, InfoListsIldaSectionsFramesAndPoints) {
  const Result run = Daved({"info", Ilda("rainbowcircle.ild"), "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto info = nlohmann::json::parse(run.out);
  EXPECT_EQ(info["kind"], "ilda");
  EXPECT_EQ(info["frames"], 360);
  EXPECT_EQ(info["points"], 98100);
  ASSERT_EQ(info["sections"].size(), 360u);
  EXPECT_EQ(info["sections"][0]["format"], 0);
  EXPECT_EQ(info["sections"][359]["format"], 5);

  const Result text = Daved({"info", Ilda("biker.ild")});
  ASSERT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("points: 1100"), std::string::npos) << text.out;
}

TEST(CommandLine, InfoDescribesDrawingsAndFrameLists) {
  TempFolder folder;
  const Drawing drawing = {{{1, 2, 2, 3, 0, 1}, {4, 5, 2, 3, 0, 0}}, {{9, 9, 3, 4, 0, 0}}};
  ASSERT_TRUE(SaveDrawing(folder / "d.ddr", drawing, 1).ok());
  ASSERT_TRUE(SaveFrameList(folder / "f.ilf", {drawing, {}}).ok());

  const auto d = nlohmann::json::parse(Daved({"info", (folder / "d.ddr").string(), "--json"}).out);
  EXPECT_EQ(d["objects"], nlohmann::json::array({2, 1}));
  EXPECT_EQ(d["points"], 3);
  const auto f = nlohmann::json::parse(Daved({"info", (folder / "f.ilf").string(), "--json"}).out);
  EXPECT_EQ(f["frames"].size(), 2u);
  EXPECT_EQ(f["points"], 3);
}

TEST(CommandLine, BadInputNamesTheFileAndExitsWithOne) {
  TempFolder folder;
  {
    std::ofstream(folder / "cut.ild", std::ios::binary) << std::string("ILDA\0\0\0\0", 8);
    std::ofstream(folder / "bad.ilf") << "[DrawingList]\nDrawingName=0\n1,2,x,4,0,128|\n";
    std::ofstream(folder / "notes.txt") << "hello";
  }
  for (const std::string name : {"cut.ild", "bad.ilf", "notes.txt", "missing.ddr"}) {
    const Result run = Daved({"info", (folder / name).string()});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(CommandLine, WrongUsageExitsWithTwo) {
  EXPECT_EQ(Daved({"info"}).status, 2);
  EXPECT_EQ(Daved({"frobnicate"}).status, 2);
  EXPECT_EQ(Daved({"render", Ilda("biker.ild"), "--png", "x.png", "--divisor", "3"}).status, 2);
  EXPECT_EQ(Daved({"convert", Ilda("biker.ild"), "x.ild", "--reduce", "4"}).status, 2);
  const Result usage = Daved({});
  EXPECT_EQ(usage.status, 0);
  EXPECT_NE(usage.out.find("convert"), std::string::npos);
}

TEST(CommandLine, ConvertsIldaToFrameListWithReductionAndDrawings) {
  TempFolder folder;
  const auto ilf = (folder / "biker.ilf").string();
  const auto ddr = folder / "ddr";
  const Result run = Daved({"convert", Ilda("barney.ild"), ilf, "--reduce", "3", "--ddr-folder", ddr.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  FrameList frames;
  ASSERT_TRUE(LoadFrameList(ilf, frames).ok());
  ASSERT_EQ(frames.size(), 19u);
  std::size_t points = 0;
  for (const Drawing& f : frames) points += CountPoints(f);
  EXPECT_LT(points, 16517u);  // reduced
  EXPECT_TRUE(std::filesystem::exists(ddr / "barney_Frames_00001.ddr"));
  EXPECT_TRUE(std::filesystem::exists(ddr / "barney_Frames_00019.ddr"));
  EXPECT_FALSE(std::filesystem::exists(ddr / "barney_Frames_00020.ddr"));
}

TEST(CommandLine, ConvertsDrawingsToIldaAndMergesIldaFiles) {
  TempFolder folder;
  ASSERT_TRUE(SaveDrawing(folder / "a.ddr", {{{10, 10, 2, 1, 0, 1}, {20, 30, 2, 1, 0, 0}}}, 1).ok());
  const auto out = (folder / "a.ild").string();
  ASSERT_EQ(Daved({"convert", (folder / "a.ddr").string(), (folder / "a.ddr").string(), out}).status, 0);
  const auto merged = (folder / "m.ild").string();
  const Result run = Daved({"convert", out, Ilda("barney.ild"), merged});
  ASSERT_EQ(run.status, 0) << run.err;
  TILDAimage image;
  ASSERT_TRUE(LoadIlda(merged, image).ok());
  ASSERT_EQ(image.frames.size(), 2u + 19u);
  EXPECT_EQ(image.frames[0].points[1].x, 20 - 128);
  EXPECT_EQ(image.frames[0].points[1].y, 128 - 30);
}

TEST(CommandLine, ConvertsAPlotterFileToADrawingAsTheEditorImportsIt) {
  TempFolder folder;
  std::ofstream(folder / "a.plt") << "IN;\nLT;\nPU10 10;\nPD300,200;\nSP0;\n";
  std::ofstream(folder / "bad.plt") << "LT;\nPD1.5 2;\nSP0;\n";
  const auto plt = (folder / "a.plt").string();
  const auto ddr = folder / "a.ddr";
  Result run = Daved({"convert", plt, ddr.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  Drawing drawing;
  ASSERT_TRUE(LoadDrawing(ddr, drawing, 1).ok());
  // Canvas (0, 510) and (290, 320), blank first, kept in laser units.
  ASSERT_EQ(drawing.size(), 1u);
  ASSERT_EQ(drawing[0].size(), 2u);
  EXPECT_EQ(drawing[0][0].blank, 1);
  EXPECT_EQ(std::pair(drawing[0][1].x, drawing[0][1].y), std::pair(145, 160));
  // Size 0: 21 times smaller, canvas (13, 501).
  ASSERT_EQ(Daved({"convert", plt, ddr.string(), "--size", "0", "--fine", "0"}).status, 0);
  ASSERT_TRUE(LoadDrawing(ddr, drawing, 1).ok());
  EXPECT_EQ(std::pair(drawing[0][1].x, drawing[0][1].y), std::pair(6, 250));

  run = Daved({"convert", (folder / "bad.plt").string(), (folder / "bad.ddr").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("line 2: '1.5' is not a valid integer value"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "bad.ddr"));
  EXPECT_EQ(Daved({"convert", plt, ddr.string(), "--size", "21"}).status, 2);
  EXPECT_EQ(Daved({"convert", plt, (folder / "a.ild").string()}).status, 2);
  EXPECT_EQ(Daved({"convert", Ilda("biker.ild"), "x.ilf", "--fine", "3"}).status, 2);
}

TEST(CommandLine, ExpandsAFrameListIntoAFolderOfDrawings) {
  TempFolder folder;
  const auto ilf = folder / "anim.ilf";
  ASSERT_TRUE(SaveFrameList(ilf, {{{{1, 1, 2, 1, 0, 0}}}, {{{2, 2, 2, 1, 0, 0}}}}).ok());
  ASSERT_EQ(Daved({"convert", ilf.string(), (folder / "out").string()}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "out" / "anim_Frames_00002.ddr"));
}

TEST(CommandLine, RendersAFrameAsAPicture) {
  TempFolder folder;
  const auto png = (folder / "f.png").string();
  const Result run = Daved({"render", Ilda("ildatest.ild"), "--png", png, "--divisor", "2"});
  ASSERT_EQ(run.status, 0) << run.err;
  QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(128, 128));
  bool lit = false;
  for (int y = 0; y < 128 && !lit; ++y)
    for (int x = 0; x < 128 && !lit; ++x) lit = image.pixel(x, y) != qRgb(0, 0, 0);
  EXPECT_TRUE(lit);

  const Result missing = Daved({"render", Ilda("ildatest.ild"), "--png", png, "--frame", "1"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("frame 1 does not exist"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace daved
