#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "formats/drawing_file.h"
#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;

Point P(int32_t x, int32_t y, uint8_t colour, uint8_t blank) {
  return {.x = x, .y = y, .kind = kVertex, .colour = colour, .state = 0, .blank = blank};
}

std::string ReadRaw(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Two frames, the second with two objects, and an empty third frame.
const FrameList kFrames{{{P(10, 20, 4, 1), P(30, 40, 4, 0)}},
                        {{P(1, 2, 3, 1)}, {P(5, 6, 7, 1), P(8, 9, 10, 0)}},
                        {}};
constexpr const char* kFramesText =
    "[DrawingList]\r\n"
    "DrawingName=0\r\n"
    "10,20,2,4,0,1|30,40,2,4,0,128|\r\n"
    "DrawingName=1\r\n"
    "1,2,2,3,0,129|5,6,2,7,0,1|8,9,2,10,0,128|\r\n"
    "DrawingName=2\r\n"
    "\r\n";

TEST(FrameList, WritesHeaderThenNameAndTextPerFrame) {
  EXPECT_EQ(EncodeFrameList(kFrames), kFramesText);
  EXPECT_EQ(EncodeFrameList({}), "[DrawingList]\r\n");
}

TEST(FrameList, ReadsFramesInFileOrder) {
  struct Case {
    const char* name;
    std::string text;
    FrameList want;
  };
  const Case cases[] = {
      {"as written", kFramesText, kFrames},
      {"LF line ends",
       "[DrawingList]\nDrawingName=0\n10,20,2,4,0,1|30,40,2,4,0,128|\nDrawingName=1\n"
       "1,2,2,3,0,129|5,6,2,7,0,1|8,9,2,10,0,128|\nDrawingName=2\n\n",
       kFrames},
      {"only the header", "[DrawingList]\r\n", {}},
      {"empty file", "", {}},
      // The header and the numbers after "DrawingName=" are not examined.
      {"names not used", "anything\nDrawingName=7\n1,2,2,3,0,129|\nfoo\n5,6,2,7,0,1|\n",
       {{{P(1, 2, 3, 1)}}, {{P(5, 6, 7, 1)}}}},
      {"last name without its line", "[DrawingList]\r\nDrawingName=0\r\n1,2,2,3,0,129|\r\n"
       "DrawingName=1\r\n",
       {{{P(1, 2, 3, 1)}}}},
      {"no final line break", "[DrawingList]\r\nDrawingName=0\r\n1,2,2,3,0,129|",
       {{{P(1, 2, 3, 1)}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameList frames{{{P(9, 9, 9, 9)}}};  // replaced
    const Status status = ParseFrameList(c.text, frames);
    EXPECT_TRUE(status.ok()) << status.error;
    EXPECT_EQ(frames, c.want);
  }
}

TEST(FrameList, BadNumberKeepsWhatWasReadBeforeIt) {
  const std::string text =
      "[DrawingList]\r\nDrawingName=0\r\n1,2,2,3,0,129|\r\n"
      "DrawingName=1\r\n5,6,2,7,0,128|8,y,2,7,0,128|\r\nDrawingName=2\r\n3,3,2,3,0,129|\r\n";
  FrameList frames;
  const Status status = ParseFrameList(text, frames);
  EXPECT_EQ(status.error, "'y' is not a valid integer value");
  EXPECT_EQ(status.reached, 4u) << "the 0-based line of the bad frame";
  EXPECT_EQ(frames, (FrameList{{{P(1, 2, 3, 1)}}, {{P(5, 6, 7, 0)}}}));
}

TEST(FrameList, SaveAndLoadKeepTheFrames) {
  TempFolder folder;
  ASSERT_TRUE(SaveFrameList(folder / "a.ilf", kFrames).ok());
  EXPECT_EQ(ReadRaw(folder / "a.ilf"), kFramesText);
  FrameList frames{{{P(9, 9, 9, 9)}}};
  ASSERT_TRUE(LoadFrameList(folder / "a.ilf", frames).ok());
  EXPECT_EQ(frames, kFrames);

  // A missing file is an error and leaves the frames as they were.
  EXPECT_FALSE(LoadFrameList(folder / "none.ilf", frames).ok());
  EXPECT_EQ(frames, kFrames);
}

TEST(FrameList, FailedSaveIsReported) {
  // Keeping the old file on a failed write is WriteFileAtomically's, shown with drawing files.
  TempFolder folder;
  EXPECT_FALSE(SaveFrameList(folder / "no folder" / "a.ilf", kFrames).ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "no folder"));
}

}  // namespace
}  // namespace daved
