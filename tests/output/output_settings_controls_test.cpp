#include "output/output_settings_controls.h"

#include <gtest/gtest.h>

#include "model/palette.h"
#include "output/preview_board.h"

namespace daved {
namespace {

TEST(OffsetPad, PadPointsGiveOffsetsAndBack) {
  struct Case {
    PadPoint pad;
    int32_t offset_x, offset_y;
  };
  for (const Case& c : {Case{{128, 128}, 0, 0}, Case{{0, 0}, -256, -256},
                        Case{{254, 254}, 252, 252}, Case{{10, 200}, -236, 144}}) {
    OutputSettings settings;
    SetOffsetsFromPad(c.pad, settings);
    EXPECT_EQ(settings.horizontal_offset, c.offset_x);
    EXPECT_EQ(settings.vertical_offset, c.offset_y);
    EXPECT_EQ(PadPointOfOffsets(c.offset_x, c.offset_y), c.pad);
  }
  // An odd offset from the file truncates towards zero; the file's largest offset lands on
  // the pad's last pixel.
  EXPECT_EQ(PadPointOfOffsets(-255, 254), (PadPoint{0, 255}));
}

TEST(OffsetPad, ADragBeyondThePadStaysOnItsEdges) {
  EXPECT_EQ(PadPointAt(-30, 400), (PadPoint{0, 254}));
  EXPECT_EQ(PadPointAt(17, 254), (PadPoint{17, 254}));
}

TEST(OffsetPad, DrawingShowsCentreLinesAndTheRedCircle) {
  const QImage pad = DrawOffsetPad({40, 60});
  ASSERT_EQ(pad.size(), QSize(255, 255));
  EXPECT_EQ(pad.pixelColor(10, 10), QColor(Qt::black));
  EXPECT_EQ(pad.pixelColor(128, 0), QColor(Qt::gray)) << "a dash starts the vertical line";
  EXPECT_EQ(pad.pixelColor(0, 128), QColor(Qt::gray));
  EXPECT_EQ(pad.pixelColor(43, 60), QColor(Qt::red)) << "circle of radius 3 at the pad point";
  EXPECT_EQ(pad.pixelColor(40, 57), QColor(Qt::red));
  EXPECT_EQ(pad.pixelColor(40, 60), QColor(Qt::black)) << "the circle is not filled";
}

TEST(TrackBars, PositionsMoveTheirSettingsAndComeBack) {
  struct Case {
    OutputTrack track;
    int position;
    int label;
  };
  for (const Case& c :
       {Case{OutputTrack::kScanSpeed, 20, 4800}, Case{OutputTrack::kScanSpeed, 250, 60000},
        Case{OutputTrack::kOutputDelay, 255, 255}, Case{OutputTrack::kHorizontalSize, 40, 40},
        Case{OutputTrack::kRotationAngle, 360, 360},
        Case{OutputTrack::kIldaFrameInterval, 1000, 1000}, Case{OutputTrack::kBlueDepth, 200, 200},
        Case{OutputTrack::kBrightness, 0, 0}}) {
    SCOPED_TRACE(c.position);
    OutputSettings settings;
    ApplyTrackPosition(c.track, c.position, settings);
    EXPECT_EQ(TrackPosition(c.track, settings), c.position);
    EXPECT_EQ(TrackLabelValue(c.track, c.position), c.label);
  }
  OutputSettings settings;
  ApplyTrackPosition(OutputTrack::kScanSpeed, 150, settings);
  EXPECT_EQ(settings.scan_speed, 100) << "250 minus the position";
}

TEST(TrackBars, InitialPositionsAreTheSettingsDefaults) {
  // A program without Daved.ini starts from the controls' initial positions.
  const OutputSettings defaults;
  for (const TrackBarRule& rule : kOutputTrackBars) {
    EXPECT_EQ(&kOutputTrackBars[TrackIndex(rule.track)], &rule) << rule.name;
    EXPECT_EQ(TrackPosition(rule.track, defaults), rule.initial) << rule.name;
    EXPECT_GE(rule.initial, rule.min) << rule.name;
    EXPECT_LE(rule.initial, rule.max) << rule.name;
  }
}

TEST(PreviewBoard, WindowsSeeTheLatestPostedFrame) {
  PreviewBoard board;
  PreviewReader reader;
  EXPECT_EQ(reader.TakeNew(board), nullptr) << "nothing posted yet";
  Point from{10, 20, 0, 2, 0, 1};
  Point to{100, 20, 0, 2, 0, 0};  // a red line to (100, 20)
  board.Post({{{from, to}}, 2, "first.ild"});
  board.Post({{{from, to}}, 2, "second.ild"});
  const auto latest = reader.TakeNew(board);
  ASSERT_NE(latest, nullptr);
  EXPECT_EQ(latest->file_name, "second.ild");
  EXPECT_EQ(reader.TakeNew(board), nullptr) << "each frame is handed out once";
  PreviewReader other_window;
  EXPECT_NE(other_window.TakeNew(board), nullptr) << "every window sees it";

  const QImage picture = RenderPreview(*latest);
  ASSERT_EQ(picture.size(), QSize(256, 256));
  const Rgb red = PaletteColour(2);
  EXPECT_EQ(picture.pixelColor(50, 20), QColor(red.r, red.g, red.b));
  EXPECT_EQ(picture.pixelColor(50, 21), QColor(Qt::black));
}

}  // namespace
}  // namespace daved
