#pragma once
// The laser controllers on USB (vendor 0x9999, product 0x6666), through libusb-1.0. They are
// named "ezusb-0", "ezusb-1"... in bus order at each scan; pipe N is the N-th endpoint of
// interface 0. Handles stay open between writes (opening a device per packet would cost more
// than drawing it); a controller that was unplugged fails its writes quietly until a rescan
// finds it again.

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "output/controller_bus.h"

struct libusb_context;

namespace daved {

class UsbControllerBus : public ControllerBus {
 public:
  UsbControllerBus();
  ~UsbControllerBus() override;
  UsbControllerBus(const UsbControllerBus&) = delete;
  UsbControllerBus& operator=(const UsbControllerBus&) = delete;

  // Lists the controllers that open, at most 128, numbered in bus order.
  std::vector<std::string> scan() override;
  // A bulk OUT transfer of the whole packet to the pipe's endpoint, then a zero-length packet
  // when the length is a multiple of the endpoint's packet size, so the controller sees the end.
  bool write(const std::string& device, int pipe, std::span<const uint8_t> bytes) override;
  // Clears a stall on the pipe's endpoint.
  bool abortPipe(const std::string& device, int pipe) override;
  // The vendor request 0xA0 on 0x7F92 (the controller's CPU control register): hold, release.
  bool reset(const std::string& device) override;

  struct Controller;

 private:
  std::shared_ptr<Controller> Find(const std::string& device);

  libusb_context* context_ = nullptr;
  std::mutex mutex_;  // guards the table; transfers run outside it
  std::map<std::string, std::shared_ptr<Controller>> controllers_;
};

}  // namespace daved
