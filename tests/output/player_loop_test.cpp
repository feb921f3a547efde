#include "output/player_loop.h"

#include <gtest/gtest.h>

#include "output/devices/simulated_controller_bus.h"
#include "output/drawing_player.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;

Point P(int32_t x, int32_t y, uint8_t colour, uint8_t blank = 0, int32_t kind = kLinePoint) {
  return {x, y, kind, colour, kStateNormal, blank};
}

// The simulated bus, the shared settings and one current controller: a player's whole world.
struct PlayerFixture : ::testing::Test {
  PlayerFixture() {
    targets.SetCurrentController("ezusb-0");
    settings.output_delay = 7;
    settings.scan_speed = 100;
  }
  std::vector<Bytes> TakeWrites() {
    std::vector<Bytes> out;
    for (CapturedWrite& w : bus.Writes()) out.push_back(std::move(w.bytes));
    bus.ClearWrites();
    return out;
  }
  OutputContext context() { return {settings, flags, targets, bus}; }

  SimulatedControllerBus bus{{.controllers = 2, .paced = false, .keep_writes = true}};
  OutputSettings settings;
  OutputFlags flags;
  OutputTargets targets;
};

// A red blank vertex, a white line point and a dark point, at known spots.
const Drawing kDrawing = {{P(10, 250, 2, 1, kVertex), P(128, 0, 1)}, {P(255, 5, 0, 0, kDot)}};
// Working coordinates are 255 - x, 255 - y; with the default settings they pass unchanged.
const Bytes kDrawingPacket = {9, 3, 245, 5, 15, 0, 127, 255, 0, 2, 0, 250};

using DrawingPlayerTest = PlayerFixture;

TEST_F(DrawingPlayerTest, SendsSpeedZeroFirstThenTheWholeDrawingEachPass) {
  DrawingPlayer player(context(), kDrawing);
  player.start();
  EXPECT_TRUE(flags.player_running);
  EXPECT_TRUE(player.runPass());
  EXPECT_TRUE(player.runPass());
  EXPECT_EQ(TakeWrites(), (std::vector<Bytes>{{7, 0}, kDrawingPacket, kDrawingPacket}));
  EXPECT_FALSE(flags.preview_refresh) << "the drawing player leaves the preview alone";
}

TEST_F(DrawingPlayerTest, ASpeedOrDelayChangeSendsOneSettingsPacketBeforeTheNextData) {
  DrawingPlayer player(context(), kDrawing);
  player.start();
  player.runPass();
  settings.scan_speed = 150;
  player.runPass();
  player.runPass();
  settings.output_delay = 9;
  player.runPass();
  EXPECT_EQ(TakeWrites(), (std::vector<Bytes>{{7, 0},
                                              kDrawingPacket,
                                              {7, 150},
                                              kDrawingPacket,
                                              kDrawingPacket,
                                              {9, 150},
                                              kDrawingPacket}));
}

TEST_F(DrawingPlayerTest, FollowsTheSettingsOfEachPass) {
  DrawingPlayer player(context(), {{P(10, 250, 6)}});
  player.start();
  player.runPass();
  EXPECT_EQ(TakeWrites().back(), (Bytes{3, 0, 245, 5}));
  flags.invert_x = true;
  settings.brightness = 0;
  player.runPass();
  EXPECT_EQ(TakeWrites().back(), (Bytes{0, 0, 10, 5}));
  settings.brightness = 100;
  settings.blue_depth = 0;
  settings.red_depth = 200;  // blue stays dark: the red level of pure blue is 0
  player.runPass();
  EXPECT_EQ(TakeWrites().back(), (Bytes{0, 0, 10, 5}));
}

TEST_F(DrawingPlayerTest, StopEndsThePassUnsentAndParksTheController) {
  DrawingPlayer player(context(), kDrawing);
  player.start();
  player.runPass();
  flags.stop_request = true;
  EXPECT_FALSE(player.runPass());
  player.finish();
  EXPECT_FALSE(flags.player_running);
  EXPECT_EQ(TakeWrites(), (std::vector<Bytes>{{7, 0}, kDrawingPacket, {0, 1, 128, 128}}));
}

TEST_F(DrawingPlayerTest, EveryPacketGoesToEachSelectedController) {
  targets.SetSelectedControllers({"Usb-0", "Usb-1"});
  targets.SetMultiController(true);
  DrawingPlayer player(context(), kDrawing);
  player.start();
  player.runPass();
  std::vector<std::string> devices;
  for (const CapturedWrite& w : bus.Writes()) devices.push_back(w.device);
  EXPECT_EQ(devices, (std::vector<std::string>{"ezusb-0", "ezusb-0", "ezusb-1",    // settings
                                               "ezusb-0", "ezusb-0", "ezusb-1"}));  // data
}

TEST_F(DrawingPlayerTest, ALargeDrawingIsSplitIntoFullPacketsInOrder) {
  Drawing drawing(3);
  for (int i = 0; i < 20000; ++i) drawing[std::size_t(i % 3)].push_back(P(i % 256, 0, 1));
  DrawingPlayer player(context(), drawing);
  player.start();
  player.runPass();
  const std::vector<Bytes> writes = TakeWrites();
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[1].size(), kMaxRecordsPerPacket * kRecordSize);
  EXPECT_EQ(writes[2].size(), (20000 - kMaxRecordsPerPacket) * kRecordSize);
  // The last record of the frame is the last point of the last object.
  EXPECT_EQ(writes[2][writes[2].size() - 2], 255 - drawing[2].back().x);
  EXPECT_EQ(bus.Controller("ezusb-0")->frame.size(), 20000u);
}

// Three single-point frames whose x tells them apart.
FrameList ThreeFrames() { return {{{P(0, 0, 1)}}, {{P(1, 0, 1)}}, {{P(2, 0, 1)}}}; }

struct FrameListLoopTest : PlayerFixture {
  // The x of the frame each data packet drew, and "S" + speed for settings packets.
  std::vector<std::string> Trace() {
    std::vector<std::string> out;
    for (const Bytes& b : TakeWrites()) {
      out.push_back(b.size() == 2 ? "S" + std::to_string(b[1]) : std::to_string(255 - b[2]));
    }
    return out;
  }
};

TEST_F(FrameListLoopTest, AdvancesOnTheFrameTickAndEndsAfterTheLastFrame) {
  FrameListLoop loop(context(), ThreeFrames());
  loop.start();
  EXPECT_FALSE(flags.preview_refresh);
  EXPECT_TRUE(loop.runPass());
  EXPECT_TRUE(flags.preview_refresh);
  EXPECT_TRUE(loop.runPass());
  flags.frame_tick = true;
  EXPECT_TRUE(loop.runPass());  // moves on without sending
  EXPECT_FALSE(flags.frame_tick);
  EXPECT_TRUE(loop.runPass());
  flags.frame_tick = true;
  loop.runPass();
  loop.runPass();
  flags.frame_tick = true;
  EXPECT_FALSE(loop.runPass()) << "no loop flag: the last frame ends the play";
  EXPECT_EQ(Trace(), (std::vector<std::string>{"S100", "0", "0", "1", "2"}));
}

TEST_F(FrameListLoopTest, PauseHoldsTheFrameAndTheLoopFlagStartsOver) {
  flags.loop = true;
  FrameListLoop loop(context(), ThreeFrames());
  loop.start();
  flags.pause = true;
  flags.frame_tick = true;
  loop.runPass();
  flags.pause = false;
  for (int i = 0; i < 3; ++i) {
    flags.frame_tick = true;
    loop.runPass();
    loop.runPass();
  }
  EXPECT_EQ(loop.frame_index(), 0u);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"S100", "0", "1", "2", "0"}));
}

TEST_F(FrameListLoopTest, SettingsChangesGoOutWhenTheNextFrameStarts) {
  FrameListLoop loop(context(), ThreeFrames());
  loop.start();
  loop.runPass();
  settings.scan_speed = 120;
  loop.runPass();
  flags.frame_tick = true;
  loop.runPass();
  loop.runPass();
  EXPECT_EQ(Trace(), (std::vector<std::string>{"S100", "0", "0", "S120", "1"}));
}

TEST_F(FrameListLoopTest, ATransformChangeRefreshesThePreview) {
  FrameListLoop loop(context(), ThreeFrames());
  loop.start();
  loop.runPass();
  flags.preview_refresh = false;
  loop.runPass();
  EXPECT_FALSE(flags.preview_refresh);
  settings.rotation_angle = 10;
  loop.runPass();
  EXPECT_TRUE(flags.preview_refresh);
  flags.preview_refresh = false;
  flags.invert_y = true;
  loop.runPass();
  EXPECT_TRUE(flags.preview_refresh);
}

TEST_F(FrameListLoopTest, AnEmptyFrameListEndsAtOnce) {
  flags.loop = true;
  FrameListLoop loop(context(), {});
  RunPlayerLoop(loop, flags);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"S100", "127"}));  // settings, then parked
}

}  // namespace
}  // namespace daved
