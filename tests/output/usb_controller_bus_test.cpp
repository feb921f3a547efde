// The USB bus against recorded controllers: umockdev stands in for the kernel (sysfs, udev and
// the usbfs ioctls), so these run the real libusb code. usb/controllers.umockdev describes a
// controller on port 3 (device number 5), a device of another kind, and a controller on port 1
// (number 7); usb/controller.ioctl holds the only transfers a controller accepts, so a write
// that differs by one byte fails. The executable runs under umockdev-wrapper (CMakeLists.txt).
//
// umockdev 0.17 keeps the URB being replayed in one place for all devices, so with two scripted
// controllers open a transfer on one can be reaped on the other and corrupt memory. The tests
// that transfer data therefore plug in only the controller on port 3.

#include "output/devices/usb_controller_bus.h"

#include <gtest/gtest.h>
#include <umockdev.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "formats/file_io.h"
#include "output/controller_reset.h"
#include "output/drawing_player.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;

const std::string kUsbData = DAVED_USB_TESTDATA;
constexpr const char* kPort3 = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3";

class UsbControllerBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "umockdev's preload library intercepts the calls the sanitizers intercept";
#endif
    const char* preload = std::getenv("LD_PRELOAD");
    if (preload == nullptr ||
        std::string(preload).find("libumockdev-preload") == std::string::npos) {
      GTEST_SKIP() << "needs the umockdev preload library: run under umockdev-wrapper";
    }
    testbed_ = umockdev_testbed_new();
    ASSERT_TRUE(AddDevice(0) && AddDevice(1));
    bus_ = std::make_unique<UsbControllerBus>();
  }
  void TearDown() override {
    bus_.reset();
    if (testbed_ != nullptr) g_object_unref(testbed_);
  }

  // Adds device `index` of controllers.umockdev; a controller gets the transfers it accepts.
  bool AddDevice(std::size_t index) {
    GError* error = nullptr;
    const std::string description = DeviceDescriptions().at(index);
    bool ok = Checked(umockdev_testbed_add_from_string(testbed_, description.c_str(), &error),
                      error);
    if (index == 1) return ok;
    const std::string node = index == 0 ? "/dev/bus/usb/001/005" : "/dev/bus/usb/001/007";
    return ok && Checked(umockdev_testbed_load_ioctl(testbed_, node.c_str(),
                                                     (kUsbData + "/controller.ioctl").c_str(),
                                                     &error),
                         error);
  }
  static bool Checked(bool ok, GError* error) {
    if (error != nullptr) {
      ADD_FAILURE() << error->message;
      g_error_free(error);
    }
    return ok;
  }
  // The blocks of controllers.umockdev, one device each.
  static std::vector<std::string> DeviceDescriptions() {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(kUsbData + "/controllers.umockdev", text).ok());
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = text.find("\n\n", at);
      if (end == std::string::npos) end = text.size();
      blocks.push_back(text.substr(at, end - at + 1));
      at = end + 2;
    }
    return blocks;
  }
  // libusb learns of plugging and unplugging on its own thread; give it a moment.
  std::vector<std::string> ScanUntil(std::size_t count) {
    std::vector<std::string> found = bus_->scan();
    for (int i = 0; i < 500 && found.size() != count; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      found = bus_->scan();
    }
    return found;
  }

  UMockdevTestbed* testbed_ = nullptr;
  std::unique_ptr<UsbControllerBus> bus_;
};

TEST_F(UsbControllerBusTest, ScanListsTheControllersInBusOrder) {
  EXPECT_EQ(bus_->scan(), std::vector<std::string>{"ezusb-0"});
  ASSERT_TRUE(AddDevice(2));
  umockdev_testbed_uevent(testbed_, "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1", "add");
  EXPECT_EQ(ScanUntil(2), (std::vector<std::string>{"ezusb-0", "ezusb-1"}));
  // Port 1 comes first although its device number is higher: the one on port 3 moved up.
  EXPECT_TRUE(bus_->write("ezusb-1", 2, Bytes{7, 150}));
}

TEST_F(UsbControllerBusTest, APacketArrivesByteForByteOnThePipesEndpoint) {
  bus_->scan();
  EXPECT_TRUE(bus_->write("ezusb-0", 2, Bytes{7, 150}));
  EXPECT_TRUE(bus_->write("ezusb-0", 2, Bytes{9, 3, 245, 5, 15, 0, 127, 255, 0, 2, 0, 250}));
  EXPECT_TRUE(bus_->write("ezusb-0", 3, Bytes{1, 0, 10, 10}));  // pipe 3 is endpoint 4
  EXPECT_FALSE(bus_->write("ezusb-0", 2, Bytes{7, 151})) << "the device expects other bytes";
  EXPECT_FALSE(bus_->write("ezusb-0", 1, Bytes{7, 150})) << "pipe 1 is an IN endpoint";
  EXPECT_FALSE(bus_->write("ezusb-0", 9, Bytes{7, 150})) << "no such pipe";
  EXPECT_FALSE(bus_->write("ezusb-1", 2, Bytes{7, 150})) << "no such controller";
}

TEST_F(UsbControllerBusTest, AFullUsbPacketIsFollowedByAZeroLengthPacket) {
  bus_->scan();
  Bytes full;
  for (int i = 0; i < 128; ++i) full.insert(full.end(), {1, 0, uint8_t(i), uint8_t(255 - i)});
  // Both transfers are in the script; without the zero-length one the write would fail.
  EXPECT_TRUE(bus_->write("ezusb-0", 2, full));
}

TEST_F(UsbControllerBusTest, ResetSendsHoldThenRelease) {
  bus_->scan();
  EXPECT_TRUE(bus_->reset("ezusb-0"));
  EXPECT_TRUE(bus_->abortPipe("ezusb-0", 2));
  EXPECT_FALSE(bus_->reset("ezusb-5"));
  OutputTargets targets;
  targets.SetCurrentController("ezusb-0");
  targets.SetSelectedControllers({"Usb-4"});
  targets.SetMultiController(true);
  EXPECT_EQ(ResetControllers(*bus_, targets), std::vector<std::string>{"Failed to reset Usb-4"});
}

TEST_F(UsbControllerBusTest, ADrawingPlaysThroughLibusb) {
  OutputSettings settings;
  OutputFlags flags;
  OutputTargets targets;
  settings.output_delay = 7;
  targets.SetCurrentController(bus_->scan().at(0));
  const Drawing drawing = {{{10, 250, kVertex, 2, 0, 1}, {128, 0, 0, 1, 0, 0}},
                           {{255, 5, kDot, 0, 0, 0}}};
  // Every write must match the script byte for byte, or the bus would report a failure; the
  // probe below turns such a failure into a test failure.
  struct Probe : ControllerBus {
    explicit Probe(ControllerBus& b) : bus(b) {}
    std::vector<std::string> scan() override { return bus.scan(); }
    bool write(const std::string& d, int p, std::span<const uint8_t> b) override {
      const bool ok = bus.write(d, p, b);
      EXPECT_TRUE(ok) << b.size() << " bytes refused";
      return ok;
    }
    bool abortPipe(const std::string& d, int p) override { return bus.abortPipe(d, p); }
    bool reset(const std::string& d) override { return bus.reset(d); }
    ControllerBus& bus;
  } probe(*bus_);
  DrawingPlayer player({settings, flags, targets, probe}, drawing);
  player.start();
  EXPECT_TRUE(player.runPass());
  EXPECT_TRUE(player.runPass());
  player.finish();
}

TEST_F(UsbControllerBusTest, AnUnpluggedControllerFailsQuietlyUntilARescanFindsItAgain) {
  ASSERT_EQ(bus_->scan(), std::vector<std::string>{"ezusb-0"});
  umockdev_testbed_uevent(testbed_, kPort3, "remove");
  umockdev_testbed_remove_device(testbed_, kPort3);
  // The kernel takes the device node away too; umockdev leaves that to us.
  std::filesystem::remove(std::filesystem::path(umockdev_testbed_get_root_dir(testbed_)) /
                          "dev/bus/usb/001/005");
  EXPECT_FALSE(bus_->write("ezusb-0", 2, Bytes{7, 150}));
  EXPECT_FALSE(bus_->reset("ezusb-0"));
  EXPECT_TRUE(ScanUntil(0).empty());

  // Plugged back in: the same device again.
  ASSERT_TRUE(AddDevice(0));
  umockdev_testbed_uevent(testbed_, kPort3, "add");
  EXPECT_EQ(ScanUntil(1), std::vector<std::string>{"ezusb-0"});
  EXPECT_TRUE(bus_->write("ezusb-0", 2, Bytes{7, 150}));
}

}  // namespace
}  // namespace daved
