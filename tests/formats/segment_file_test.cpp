#include "formats/segment_file.h"

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "test_support.h"

namespace daved {
namespace {

using daved::testing::TempFolder;

// "10,20,2,4,0,1|30,40,2,4,0,128|": one object from (10,20) blank to (30,40) lit.
const char* const kLineText = "10,20,2,4,0,1|30,40,2,4,0,128|";
const Drawing kLineDrawing = {
    {{10, 20, kVertex, 4, kStateNormal, 1}, {30, 40, kVertex, 4, kStateNormal, 0}}};
const char* const kDotText = "128,128,3,7,0,129|";
const Drawing kDotDrawing = {{{128, 128, daved::kDot, 7, kStateNormal, 1}}};

std::string ReadText(const std::filesystem::path& path) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes).ok()) << path;
  return bytes;
}

void WriteText(const std::filesystem::path& path, std::string_view bytes) {
  ASSERT_TRUE(WriteFileAtomically(path, bytes).ok()) << path;
}

TEST(SegmentRows, CellsAreSplitAtBars) {
  struct Case {
    std::string row;
    std::string drawing;
    int32_t time;
    std::string effect;
    int32_t colourMode;
  };
  const Case cases[] = {
      {"3|25||257|", "3", 25, "", 257},
      {"0|40|wave.ect|257|", "0", 40, "wave.ect", 257},
      {"1|2|e|4|extra|99|", "1", 2, "e", 4},  // only four cells are read
      {"7|15", "7", 15, "", 0},               // the last bar may be missing
      {"|||", "", 0, "", 0},
      {"", "", 0, "", 0},
      {"x| 12|null|-3", "x", 12, "null", -3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    std::vector<TSectionRecord> rows;
    ASSERT_TRUE(ParseSegment({"[SectionContent]", c.row, "[DrawingList]"}, rows).ok());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].drawingNumber, c.drawing);
    EXPECT_EQ(rows[0].time, c.time);
    EXPECT_EQ(rows[0].effectName, c.effect);
    EXPECT_EQ(rows[0].colourMode, c.colourMode);
  }
}

TEST(SegmentRows, EachRowGetsItsOwnCopyOfTheDrawingItNames) {
  const std::vector<std::string> lines = {
      "[SectionContent]", "0|10|wave.ect|257|", "2|20||257|", "0|30||2|", "|40||0|",  //
      "[DrawingList]", "DrawingName=0", kLineText,                                    //
      "[EffectList]", "EffectName=wave.ect", "hb:10",
  };
  std::vector<TSectionRecord> rows(5);
  ASSERT_TRUE(ParseSegment(lines, rows).ok());
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].drawing, kLineDrawing);
  EXPECT_TRUE(rows[1].drawing.empty());  // drawing 2 is not in the list
  EXPECT_EQ(rows[2].drawing, kLineDrawing);
  EXPECT_TRUE(rows[3].drawing.empty());  // no number
  EXPECT_NE(&rows[0].drawing[0][0], &rows[2].drawing[0][0]);
  EXPECT_EQ(rows[3].time, 40);
}

TEST(SegmentRows, WithoutADrawingListThereAreNoRows) {
  std::vector<TSectionRecord> rows(2);
  EXPECT_TRUE(ParseSegment({"[SectionContent]", "0|10||257|"}, rows).ok());
  EXPECT_TRUE(rows.empty());
  EXPECT_TRUE(ParseSegment({}, rows).ok());
  EXPECT_TRUE(rows.empty());
}

TEST(SegmentRows, ADrawingNameOnTheLastLineNamesAnEmptyDrawing) {
  std::vector<TSectionRecord> rows;
  ASSERT_TRUE(
      ParseSegment({"[SectionContent]", "0|1||0|", "[DrawingList]", "DrawingName=0"}, rows).ok());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_TRUE(rows[0].drawing.empty());
}

TEST(SegmentRows, BadNumberStopsAndKeepsTheRowsBefore) {
  struct Case {
    std::string badRow;
    std::string text;
  };
  const Case cases[] = {
      {"1|2x||0|", "2x"}, {"1|3||auto|", "auto"}, {"1|99999999999||0|", "99999999999"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.badRow);
    std::vector<TSectionRecord> rows;
    const Status status = ParseSegment({"[SectionContent]", "0|10||257|", c.badRow, "0|5||257|",
                                        "[DrawingList]", "DrawingName=0", kDotText},
                                       rows);
    EXPECT_EQ(status.error, "'" + c.text + "' is not a valid integer value");
    EXPECT_EQ(status.reached, 2u);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].drawing, kDotDrawing);
  }
}

TEST(SegmentRows, BadDrawingTextStopsAtItsLine) {
  std::vector<TSectionRecord> rows;
  const Status status =
      ParseSegment({"[SectionContent]", "1|10||257|", "0|5||257|", "[DrawingList]", "DrawingName=0",
                    "1,2,zz,4,0,0|", "DrawingName=1", kDotText},
                   rows);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.reached, 5u);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].drawing, kDotDrawing);
}

TEST(SegmentFile, LoadReadsLineFeedFilesAndKeepsRowsWhenMissing) {
  TempFolder folder;
  WriteText(folder / "lf.sec",
            std::string("[SectionContent]\n0|10||257|\n[DrawingList]\nDrawingName=0\n") + kDotText +
                "\n[EffectList]\n");
  std::vector<TSectionRecord> rows;
  ASSERT_TRUE(LoadSegment(folder / "lf.sec", rows).ok());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].drawing, kDotDrawing);

  EXPECT_FALSE(LoadSegment(folder / "missing.sec", rows).ok());
  EXPECT_EQ(rows.size(), 1u);
}

TEST(SegmentDuration, SumsTheTimeCells) {
  TempFolder folder;
  WriteText(folder / "a.sec",
            "[SectionContent]\r\n0|10||257|\r\n1|||257|\r\n2|15|x|0|\r\n[DrawingList]\r\n"
            "DrawingName=0\r\n\r\n[EffectList]\r\n");
  int64_t duration = -1;
  ASSERT_TRUE(SegmentDuration(folder / "a.sec", duration).ok());
  EXPECT_EQ(duration, 25);

  // Only the time cell is read; the drawings are not.
  WriteText(
      folder / "big.sec",
      "[SectionContent]\n0|2147483647|x|y|\n0|2147483647||0|\n[DrawingList]\nDrawingName=0\nbad\n");
  ASSERT_TRUE(SegmentDuration(folder / "big.sec", duration).ok());
  EXPECT_EQ(duration, 2 * int64_t(2147483647));

  WriteText(folder / "bad.sec", "[SectionContent]\n0|10||0|\n0|ten||0|\n[DrawingList]\n");
  const Status status = SegmentDuration(folder / "bad.sec", duration);
  EXPECT_EQ(status.error, "'ten' is not a valid integer value");
  EXPECT_EQ(status.reached, 2u);

  EXPECT_FALSE(SegmentDuration(folder / "missing.sec", duration).ok());
}

TEST(SegmentContent, DrawingNumbersPlaceDrawingsAndGapsStayEmpty) {
  SegmentContent content;
  content.rows = {{"old", "", "", ""}};
  const Status status = ParseSegmentContent(
      {"[SectionContent]", "3|25||257|", "0|40|wave.ect", "[DrawingList]", "DrawingName=3",
       kDotText, "DrawingName=0", kLineText, "[EffectList]", "EffectName=wave.ect", "hb:10"},
      content);
  ASSERT_TRUE(status.ok()) << status.error;
  using Row = std::array<std::string, 4>;
  EXPECT_EQ(content.rows, (std::vector<Row>{{"3", "25", "", "257"}, {"0", "40", "wave.ect", ""}}));
  EXPECT_EQ(content.drawings, (std::vector<std::string>{kLineText, "", "", kDotText}));
  ASSERT_EQ(content.effects.size(), 1u);
  EXPECT_EQ(content.effects[0].name, "wave.ect");
  EXPECT_EQ(content.effects[0].lines, std::vector<std::string>{"hb:10"});
}

TEST(SegmentContent, AnEmptyFileGivesOneEmptyDrawing) {
  SegmentContent content;
  ASSERT_TRUE(ParseSegmentContent({}, content).ok());
  EXPECT_TRUE(content.rows.empty());
  EXPECT_EQ(content.drawings, std::vector<std::string>{""});
  EXPECT_TRUE(content.effects.empty());
}

TEST(SegmentContent, BadOrHugeDrawingNumbersStopTheReader) {
  struct Case {
    std::string nameLine;
    std::string error;
  };
  const Case cases[] = {
      {"DrawingName=two", "'two' is not a valid integer value"},
      {"DrawingName=-1", "drawing number -1 is out of range"},
      // One line must not make the list grow by two thousand million drawings.
      {"DrawingName=2000000000", "drawing number 2000000000 is out of range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nameLine);
    SegmentContent content;
    const Status status =
        ParseSegmentContent({"[SectionContent]", "0|1||0|", "[DrawingList]", "DrawingName=0",
                             kDotText, c.nameLine, kLineText, "[EffectList]", "EffectName=a.ect"},
                            content);
    EXPECT_EQ(status.error, c.error);
    EXPECT_EQ(status.reached, 5u);
    EXPECT_EQ(content.rows.size(), 1u);
    EXPECT_EQ(content.drawings, std::vector<std::string>{kDotText});
    EXPECT_TRUE(content.effects.empty());
  }
}

TEST(SegmentFile, WritesTheLayoutWithoutTrailingEmptyDrawings) {
  TempFolder folder;
  SegmentContent content;
  content.rows = {{"0", "40", "wave.ect", "257"}, {"", "0", "", "0"}};
  content.drawings = {kLineText, "", kDotText, "", ""};
  content.effects = {{"wave.ect", {"hb:10", "ro:128,128,5"}}};
  ASSERT_TRUE(SaveSegment(folder / "s.sec", content).ok());
  const std::string expected =
      std::string("[SectionContent]\r\n0|40|wave.ect|257|\r\n|0||0|\r\n") +
      "[DrawingList]\r\nDrawingName=0\r\n" + kLineText +
      "\r\nDrawingName=1\r\n\r\nDrawingName=2\r\n" + kDotText +
      "\r\n[EffectList]\r\nEffectName=wave.ect\r\nhb:10\r\nro:128,128,5\r\n";
  EXPECT_EQ(ReadText(folder / "s.sec"), expected);
}

TEST(SegmentFile, AllEmptyDrawingListKeepsOneDrawing) {
  for (const std::vector<std::string>& drawings :
       {std::vector<std::string>{}, std::vector<std::string>{"", "", ""}}) {
    SegmentContent content;
    content.drawings = drawings;
    EXPECT_EQ(SegmentLines(content),
              (std::vector<std::string>{"[SectionContent]", "[DrawingList]", "DrawingName=0", "",
                                        "[EffectList]"}));
  }
}

TEST(SegmentFile, SavedSegmentReadsBackAsContentAndAsRows) {
  TempFolder folder;
  SegmentContent content;
  content.rows = {{"1", "40", "wave.ect", "257"}, {"0", "10", "null", "2"}};
  content.drawings = {kLineText, kDotText};
  content.effects = {{"wave.ect", {"hb:10"}}, {"spin.ect", {"ro:128,128,5", "co:1"}}};
  ASSERT_TRUE(SaveSegment(folder / "round.sec", content).ok());

  SegmentContent again;
  ASSERT_TRUE(LoadSegmentContent(folder / "round.sec", again).ok());
  EXPECT_EQ(again.rows, content.rows);
  EXPECT_EQ(again.drawings, content.drawings);
  ASSERT_EQ(again.effects.size(), 2u);
  EXPECT_EQ(again.effects[1].name, "spin.ect");
  EXPECT_EQ(again.effects[1].lines, content.effects[1].lines);

  std::vector<TSectionRecord> rows;
  ASSERT_TRUE(LoadSegment(folder / "round.sec", rows).ok());
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].drawing, kDotDrawing);
  EXPECT_EQ(rows[0].effectName, "wave.ect");
  EXPECT_EQ(rows[1].drawing, kLineDrawing);
  EXPECT_EQ(rows[1].colourMode, 2);

  int64_t duration = 0;
  ASSERT_TRUE(SegmentDuration(folder / "round.sec", duration).ok());
  EXPECT_EQ(duration, 50);
}

}  // namespace
}  // namespace daved
