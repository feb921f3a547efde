#include "output/devices/simulated_controller_bus.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "formats/file_io.h"
#include "test_support.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(SimulatedControllerBus, ScansThePluggedControllers) {
  SimulatedControllerBus bus({.controllers = 3, .paced = false});
  EXPECT_EQ(bus.scan(), (std::vector<std::string>{"ezusb-0", "ezusb-1", "ezusb-2"}));
  bus.SetPlugged(1, false);
  EXPECT_EQ(bus.scan(), (std::vector<std::string>{"ezusb-0", "ezusb-2"}));
  EXPECT_FALSE(bus.write("ezusb-1", 2, Bytes{1, 2}));
  EXPECT_FALSE(bus.write("ezusb-9", 2, Bytes{1, 2}));
  EXPECT_FALSE(bus.write("usb-0", 2, Bytes{1, 2}));
  EXPECT_FALSE(bus.reset("ezusb-1"));
  bus.SetPlugged(1, true);
  EXPECT_TRUE(bus.write("ezusb-1", 2, Bytes{1, 2}));
}

TEST(SimulatedControllerBus, ControllersCanHaveChosenNumbers) {
  SimulatedControllerBus bus({.paced = false, .numbers = {7, 3, 7, 200}});
  EXPECT_EQ(bus.scan(), (std::vector<std::string>{"ezusb-3", "ezusb-7"}));
  EXPECT_FALSE(bus.write("ezusb-0", 2, Bytes{1, 2}));
  bus.SetPlugged(7, false);
  EXPECT_EQ(bus.scan(), (std::vector<std::string>{"ezusb-3"}));
  EXPECT_FALSE(bus.write("ezusb-7", 2, Bytes{1, 2}));
  EXPECT_TRUE(bus.write("ezusb-3", 2, Bytes{5, 6}));
  EXPECT_EQ(bus.Controller("ezusb-3")->speed, 6);
  EXPECT_FALSE(bus.Controller("ezusb-7")->plugged);  // still shown by the simulator window
  EXPECT_EQ(bus.Devices(), (std::vector<std::string>{"ezusb-3", "ezusb-7"}));
}

TEST(SimulatedControllerBus, DecodesSettingsColourAndDataPackets) {
  SimulatedControllerBus bus({.controllers = 1, .paced = false, .keep_writes = true});
  const Bytes settings = {7, 150};
  const Bytes colour = {100, 90, 80, 200};  // not a record: colour flags 100
  const Bytes data = {9, 3, 10, 20, 0, 1, 128, 128};
  ASSERT_TRUE(bus.write("ezusb-0", 2, settings));
  ASSERT_TRUE(bus.write("ezusb-0", 2, colour));
  ASSERT_TRUE(bus.write("ezusb-0", 2, data));
  ASSERT_TRUE(bus.write("ezusb-0", 2, Bytes{0}));  // the launcher's one-byte packet
  const SimulatedController c = *bus.Controller("ezusb-0");
  EXPECT_EQ(c.output_delay, 7);
  EXPECT_EQ(c.speed, 150);
  EXPECT_EQ(c.colour_settings, (ColourSettingsPacket{100, 90, 80, 200}));
  EXPECT_EQ(c.frame, (std::vector<OutputRecord>{{9, 3, 10, 20}, {0, 1, 128, 128}}));
  EXPECT_EQ(c.data_packets, 1u);
  EXPECT_EQ(c.points, 2u);
  const std::vector<CapturedWrite> writes = bus.Writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[2], (CapturedWrite{"ezusb-0", 2, data}));
}

TEST(SimulatedControllerBus, AFullPacketIsContinuedByTheNext) {
  SimulatedControllerBus bus({.controllers = 1, .paced = false});
  const Bytes full(kMaxRecordsPerPacket * kRecordSize, 0);
  const Bytes rest = {1, 0, 5, 5};
  bus.write("ezusb-0", 2, full);
  bus.write("ezusb-0", 2, rest);
  EXPECT_EQ(bus.Controller("ezusb-0")->frame.size(), kMaxRecordsPerPacket + 1);
  bus.write("ezusb-0", 2, rest);  // after a short packet a new frame starts
  EXPECT_EQ(bus.Controller("ezusb-0")->frame.size(), 1u);
}

TEST(SimulatedControllerBus, CapturesEveryWriteAsAJsonLine) {
  testing::TempFolder folder;
  {
    SimulatedControllerBus bus({.controllers = 2, .paced = false});
    ASSERT_TRUE(bus.StartCapture(folder / "capture.jsonl").ok());
    bus.write("ezusb-1", 2, Bytes{0x09, 0x01, 0xab, 0xff});
    bus.write("ezusb-0", 6, Bytes{100, 0});
    bus.write("ezusb-5", 2, Bytes{1, 2});  // not there: not captured
  }
  std::vector<std::string> lines;
  ASSERT_TRUE(LoadLines(folder / "capture.jsonl", lines).ok());
  ASSERT_EQ(lines.size(), 2u);
  const auto tail = [](const std::string& line) { return line.substr(line.find(",\"device")); };
  EXPECT_TRUE(lines[0].starts_with("{\"t_us\":"));
  EXPECT_EQ(tail(lines[0]), ",\"device\":\"ezusb-1\",\"pipe\":2,\"hex\":\"0901abff\"}");
  EXPECT_EQ(tail(lines[1]), ",\"device\":\"ezusb-0\",\"pipe\":6,\"hex\":\"6400\"}");

  SimulatedControllerBus bus({.controllers = 1});
  EXPECT_FALSE(bus.StartCapture(folder / "missing" / "capture.jsonl").ok());
}

// The paced controller takes data no faster than its speed byte asks: at speed 230 it draws
// (250 - 230) × 240 = 4800 points a second, so three packets of 480 points need at least the
// drawing time of the first two (the third is taken when the second is done).
TEST(SimulatedControllerBus, PacesDataAtTheRequestedSpeed) {
  SimulatedControllerBus bus({.controllers = 1, .paced = true});
  bus.write("ezusb-0", 2, Bytes{0, 230});
  const Bytes packet(480 * kRecordSize, 0);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 3; ++i) bus.write("ezusb-0", 2, packet);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(195));
}

}  // namespace
}  // namespace daved
