#include "output/output_sender.h"

#include <gtest/gtest.h>

#include "output/controller_reset.h"
#include "output/devices/simulated_controller_bus.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;

struct SenderFixture : ::testing::Test {
  SimulatedControllerBus bus{{.controllers = 3, .paced = false, .keep_writes = true}};
  OutputSettings settings;
  OutputTargets targets;
  OutputSender sender{bus, settings, targets};
};

TEST_F(SenderFixture, WritesToTheCurrentThenEachSelectedController) {
  settings.pipe_number = 6;
  targets.SetCurrentController("ezusb-1");
  targets.SetSelectedControllers({"Usb-0", "Usb-2"});
  sender.SendToOutputs(Bytes{1, 2});
  targets.SetMultiController(true);
  sender.SendToOutputs(Bytes{3, 4});
  EXPECT_EQ(bus.Writes(), (std::vector<CapturedWrite>{{"ezusb-1", 6, {1, 2}},
                                                      {"ezusb-1", 6, {3, 4}},
                                                      {"ezusb-0", 6, {3, 4}},
                                                      {"ezusb-2", 6, {3, 4}}}));
}

TEST_F(SenderFixture, ParksEveryControllerItWroteToOnce) {
  targets.SetCurrentController("ezusb-0");
  targets.SetSelectedControllers({"Usb-0", "Usb-7"});  // Usb-7 is not plugged in
  targets.SetMultiController(true);
  sender.SendToOutputs(Bytes{9, 0, 1, 1});
  bus.ClearWrites();
  sender.ParkControllers();
  const Bytes park = {0, 1, 128, 128};
  EXPECT_EQ(bus.Writes(), (std::vector<CapturedWrite>{{"ezusb-0", 2, park}}));
}

TEST_F(SenderFixture, AFrameBeyondOnePacketGoesOutInOrder) {
  targets.SetCurrentController("ezusb-0");
  PacketBuilder packet(sender);
  const std::size_t points = 2 * kMaxRecordsPerPacket + 5;
  for (std::size_t i = 0; i < points; ++i) {
    packet.Add({1, 0, uint8_t(i), uint8_t(i >> 8)});
  }
  packet.Send();
  const std::vector<CapturedWrite> writes = bus.Writes();
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[0].bytes.size(), 65536u);
  EXPECT_EQ(writes[1].bytes.size(), 65536u);
  EXPECT_EQ(writes[2].bytes.size(), 20u);
  std::size_t i = 0;
  for (const CapturedWrite& w : writes) {
    for (std::size_t at = 0; at < w.bytes.size(); at += 4, ++i) {
      ASSERT_EQ(w.bytes[at + 2], uint8_t(i));
      ASSERT_EQ(w.bytes[at + 3], uint8_t(i >> 8));
    }
  }
  EXPECT_EQ(i, points);
}

TEST_F(SenderFixture, NothingIsWrittenWithoutAController) {
  sender.SendToOutputs(Bytes{1, 2});
  sender.ParkControllers();
  EXPECT_TRUE(bus.Writes().empty());
}

TEST(ResetControllers, AbortsResetsAndNamesEachFailure) {
  SimulatedControllerBus bus({.controllers = 3, .paced = false});
  OutputTargets targets;
  targets.SetCurrentController("ezusb-0");
  targets.SetSelectedControllers({"Usb-2", "Usb-5"});
  EXPECT_TRUE(ResetControllers(bus, targets).empty());
  EXPECT_EQ(bus.Controller("ezusb-0")->resets, 1);
  EXPECT_EQ(bus.Controller("ezusb-2")->resets, 0);

  targets.SetMultiController(true);
  bus.SetPlugged(0, false);
  EXPECT_EQ(ResetControllers(bus, targets),
            (std::vector<std::string>{"Failed to reset Usb-0", "Failed to reset Usb-5"}));
  EXPECT_EQ(bus.Controller("ezusb-2")->resets, 1);
}

}  // namespace
}  // namespace daved
