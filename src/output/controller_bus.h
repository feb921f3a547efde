#pragma once
// How the output reaches laser controllers. The real bus drives USB devices; the simulated one
// stands in for them in tests, benchmarks and `--simulate`. Every call is one packet or one
// command, never one point.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace daved {

class ControllerBus {
 public:
  virtual ~ControllerBus() = default;

  // The device names ("ezusb-" + device number) of the controllers that answer, by number.
  virtual std::vector<std::string> scan() = 0;
  // Writes one packet to a pipe of a device. False when the device is missing or refused the
  // data; callers never report that, a missing controller simply gets nothing.
  virtual bool write(const std::string& device, int pipe, std::span<const uint8_t> bytes) = 0;
  virtual bool abortPipe(const std::string& device, int pipe) = 0;
  // Holds the controller's processor in reset and releases it; true when the release went out.
  virtual bool reset(const std::string& device) = 0;
};

// "ezusb-3" as the launcher lists it: "Usb-3".
std::string ListNameOfDevice(const std::string& device);

}  // namespace daved
