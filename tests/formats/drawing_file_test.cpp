#include "formats/drawing_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <vector>

#include "test_support.h"

namespace daved {
namespace {

using testing::TempFolder;

Point P(int32_t x, int32_t y, int32_t kind, uint8_t colour, uint8_t blank, uint8_t state = 0) {
  return {.x = x, .y = y, .kind = kind, .colour = colour, .state = state, .blank = blank};
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

std::string AsText(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

void WriteRaw(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadRaw(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Lets writes beyond `bytes` fail with EFBIG (even for root, unlike folder permissions).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

// ---- Drawing files

TEST(DrawingFile, StatusByteSplitsObjectsAndSetsBlank) {
  // 0x05: blank inside an object; 0x80: lit and last; 0x81: blank and last; the file's last
  // object has no bit 7 and is still read.
  const auto bytes = Bytes({10, 20, 2, 4, 0x05,  //
                            30, 40, 2, 4, 0x80,  //
                            50, 60, 3, 7, 0x81,  //
                            1, 2, 0, 9, 0x00,    //
                            255, 254, 200, 255, 0x7F});
  Drawing drawing{{P(9, 9, 9, 9, 9)}};  // replaced
  const Status status = ParseDrawing(bytes, drawing, 1);
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(status.reached, 25u);
  const Drawing expected{{P(10, 20, 2, 4, 1), P(30, 40, 2, 4, 0)},
                         {P(50, 60, 3, 7, 1)},
                         {P(1, 2, 0, 9, 0), P(255, 254, 200, 255, 1)}};
  EXPECT_EQ(drawing, expected);
}

TEST(DrawingFile, PartialRecordAtTheEndIsIgnored) {
  const auto bytes = Bytes({1, 2, 0, 3, 0, 4, 5, 0, 6, 0x80, 7, 8});  // 12 bytes
  Drawing drawing;
  const Status status = ParseDrawing(bytes, drawing, 1);
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(status.reached, 10u);
  EXPECT_EQ(drawing, (Drawing{{P(1, 2, 0, 3, 0), P(4, 5, 0, 6, 0)}}));

  ParseDrawing(Bytes({1, 2, 3, 4}), drawing, 1);
  EXPECT_TRUE(drawing.empty());
}

TEST(DrawingFile, ReadingWithEditorScaleDoublesCoordinates) {
  Drawing drawing;
  ParseDrawing(Bytes({255, 1, 2, 3, 0x80}), drawing, kEditorScale);
  EXPECT_EQ(drawing, (Drawing{{P(510, 2, 2, 3, 0)}}));
}

TEST(DrawingFile, WritingDividesLimitsAndMarksObjectEnds) {
  struct Case {
    int32_t x, y, kind;
    int scale;
    int want_x, want_y, want_kind;
  };
  const Case cases[] = {
      {511, 3, 2, 2, 255, 1, 2},    // the editor's canvas edge
      {-1, -3, 3, 2, 0, 0, 3},      // towards zero, then limited
      {600, 256, 0x1FF, 1, 255, 255, 0xFF},
      {128, 0, -1, 1, 128, 0, 0xFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " scale " << c.scale);
    const Drawing drawing{{P(c.x, c.y, c.kind, 7, 1), P(0, 0, 0, 8, 0)}};
    EXPECT_EQ(EncodeDrawing(drawing, c.scale),
              AsText(Bytes({c.want_x, c.want_y, c.want_kind, 7, 0x01, 0, 0, 0, 8, 0x80})));
  }
  EXPECT_EQ(EncodeDrawing({}, 1), "");
  // A one-point object that is blank gets both bits.
  EXPECT_EQ(EncodeDrawing({{P(1, 2, 3, 4, 1)}}, 1), AsText(Bytes({1, 2, 3, 4, 0x81})));
}

TEST(DrawingFile, SaveAndLoadKeepTheDrawing) {
  TempFolder folder;
  // Points in the editor's state "selected" come back normal.
  const Drawing laser{{P(0, 0, 2, 1, 1), P(255, 128, 0, 200, 0, kStateSelected)},
                      {P(17, 33, 3, 255, 1)},
                      {P(100, 101, 0, 0, 0), P(102, 103, 2, 5, 1), P(104, 105, 2, 6, 0)}};
  Drawing expected = laser;
  expected[0][1].state = kStateNormal;
  for (int scale : {1, kEditorScale}) {
    SCOPED_TRACE(scale);
    Drawing drawing = laser;
    for (Object& object : drawing) {
      for (Point& p : object) {
        p.x *= scale;
        p.y *= scale;
      }
    }
    ASSERT_TRUE(SaveDrawing(folder / "a.ddr", drawing, scale).ok());
    EXPECT_EQ(std::filesystem::file_size(folder / "a.ddr"), 30u);
    Drawing loaded;
    ASSERT_TRUE(LoadDrawing(folder / "a.ddr", loaded, 1).ok());
    EXPECT_EQ(loaded, expected);
  }
}

TEST(DrawingFile, MissingFileLeavesTheDrawingAsItWas) {
  TempFolder folder;
  Drawing drawing{{P(1, 2, 3, 4, 0)}};
  const Status status = LoadDrawing(folder / "none.ddr", drawing, 1);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(drawing, (Drawing{{P(1, 2, 3, 4, 0)}}));
}

TEST(DrawingFile, FailedSaveKeepsTheOldFile) {
  TempFolder folder;
  EXPECT_FALSE(SaveDrawing(folder / "no folder" / "a.ddr", {{P(1, 2, 3, 4, 0)}}, 1).ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "no folder"));

  // The write fails part way (as on a full disk), both for a drawing that fits the file's
  // write buffer and for one larger than it.
  const std::string old = AsText(Bytes({1, 2, 3, 4, 0x80}));
  for (std::size_t points : {1000, 5000}) {
    SCOPED_TRACE(points);
    WriteRaw(folder / "a.ddr", old);
    const Drawing big{Object(points, P(5, 5, 0, 1, 0))};
    Status status;
    {
      FileSizeLimit limit(100);
      status = SaveDrawing(folder / "a.ddr", big, 1);
    }
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(ReadRaw(folder / "a.ddr"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary file left behind";
  }
}

// ---- Drawing text lines

TEST(DrawingText, WritesSixFieldsPerPoint) {
  EXPECT_EQ(DrawingToText({{P(10, 20, 2, 4, 1), P(30, 40, 2, 4, 0)}}),
            "10,20,2,4,0,1|30,40,2,4,0,128|");
  EXPECT_EQ(DrawingToText({}), "");
  // The state as held, 129 on a blank last point, negative numbers and big kinds in full.
  EXPECT_EQ(DrawingToText({{P(-5, 1000, 70000, 255, 1, kStateDeleted)}, {P(0, 0, 0, 0, 0)}}),
            "-5,1000,70000,255,2,129|0,0,0,0,0,128|");
}

TEST(DrawingText, ReadsPointsAndObjects) {
  struct Case {
    const char* line;
    Drawing want;
  };
  const Case cases[] = {
      {"5,6,0,7,1,129|", {{P(5, 6, 0, 7, 1)}}},
      {"", {}},
      {"1,1,2,3,0,1|2,2,0,3,0,128|3,3,3,5,0,129|",
       {{P(1, 1, 2, 3, 1), P(2, 2, 0, 3, 0)}, {P(3, 3, 3, 5, 1)}}},
      // Only exact status texts end an object or blank a point.
      {"1,1,0,1,0, 128|2,2,0,1,0,0128|3,3,0,1,0,|4,4,0,1,0,x|",
       {{P(1, 1, 0, 1, 0), P(2, 2, 0, 1, 0), P(3, 3, 0, 1, 0), P(4, 4, 0, 1, 0)}}},
      // After the fifth comma everything is the status field.
      {"1,2,3,4,5,6,7|8,9,0,1,0,1,128|", {{P(1, 2, 3, 4, 0), P(8, 9, 0, 1, 0)}}},
      // The point state field is not read.
      {"1,2,0,4,zz,128|", {{P(1, 2, 0, 4, 0)}}},
      // Colour keeps its low 8 bits; other fields are full 32-bit values with signs and spaces.
      {"-7, +8,-2147483648,263,0,0|0,0,2147483647,-1,0,128|",
       {{P(-7, 8, INT32_MIN, 7, 0), P(0, 0, INT32_MAX, 255, 0)}}},
      {"999999999,1000000000,0000000002,0255,0,128|", {{P(999999999, 1000000000, 2, 255, 0)}}},
      // Text after the last "|" is not a point, and neither is a piece of fewer than six fields.
      {"1,2,3|||4,5,6,7,8|9,9,0,1,0,128|10,10,0,1,0,0", {{P(9, 9, 0, 1, 0)}}},
      {"no bar at all", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Drawing drawing{{P(9, 9, 9, 9, 9)}};  // replaced
    const Status status = TextToDrawing(c.line, drawing);
    EXPECT_TRUE(status.ok()) << status.error;
    EXPECT_EQ(drawing, c.want);
  }
}

TEST(DrawingText, BadNumberKeepsThePointsBeforeIt) {
  struct Case {
    const char* line;
    const char* error;
    std::size_t reached;
    Drawing kept;
  };
  const Case cases[] = {
      {"1,2,0,4,0,128|5,6,0,1x,0,0|", "'1x' is not a valid integer value", 20,
       {{P(1, 2, 0, 4, 0)}}},
      {"1,2,0,4,0,0|5,,0,1,0,128|", "'' is not a valid integer value", 14, {{P(1, 2, 0, 4, 0)}}},
      {"2147483648,0,0,0,0,0|", "'2147483648' is not a valid integer value", 0, {}},
      {"1,2,0,4,0,1|3,4,0,4,0,129|0x10,0,0,0,0,0|", "'0x10' is not a valid integer value", 26,
       {{P(1, 2, 0, 4, 1), P(3, 4, 0, 4, 1)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Drawing drawing;
    const Status status = TextToDrawing(c.line, drawing);
    EXPECT_EQ(status.error, c.error);
    EXPECT_EQ(status.reached, c.reached);
    EXPECT_EQ(drawing, c.kept);
  }
}

TEST(DrawingText, ReadsBackWhatItWrites) {
  Drawing drawing;
  for (int o = 0; o < 20; ++o) {
    Object& object = drawing.emplace_back();
    for (int i = 0; i <= o % 7; ++i) {
      object.push_back(P(o * 37 - 100 + i, 255 - o * 11 + i * 3, (o + i) % 4,
                         static_cast<uint8_t>(o * 13 + i), static_cast<uint8_t>((o + i) % 2)));
    }
  }
  Drawing read;
  ASSERT_TRUE(TextToDrawing(DrawingToText(drawing), read).ok());
  EXPECT_EQ(read, drawing);
}

}  // namespace
}  // namespace daved
