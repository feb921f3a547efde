#include "output/devices/usb_controller_bus.h"

#include <libusb.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <tuple>

namespace daved {
namespace {

constexpr uint16_t kVendor = 0x9999;
constexpr uint16_t kProduct = 0x6666;
constexpr int kMaxControllers = 128;
constexpr int kInterface = 0;
// Long enough for a controller to take a full packet at its slowest speed (16384 points at
// 4800 a second), short enough that a stuck controller cannot hold a player for long.
constexpr unsigned kWriteTimeoutMs = 5000;
constexpr unsigned kControlTimeoutMs = 1000;

struct Endpoint {
  uint8_t address = 0;
  uint16_t packet_size = 0;
};

}  // namespace

struct UsbControllerBus::Controller {
  libusb_device* device = nullptr;  // referenced: identifies the controller across scans
  libusb_device_handle* handle = nullptr;
  std::vector<Endpoint> endpoints;   // in descriptor order: pipe N is endpoints[N]
  std::array<char, 32> node{};       // the usbfs device node, /dev/bus/usb/BBB/DDD
  std::atomic<bool> gone{false};     // unplugged: fail quietly until a rescan

  ~Controller() {
    if (handle != nullptr) {
      libusb_release_interface(handle, kInterface);
      libusb_close(handle);
    }
    if (device != nullptr) libusb_unref_device(device);
  }

  // Opens the device and reads its endpoints; false when it does not answer as a controller.
  bool Open(libusb_device* dev) {
    device = libusb_ref_device(dev);
    std::snprintf(node.data(), node.size(), "/dev/bus/usb/%03d/%03d",
                  libusb_get_bus_number(dev), libusb_get_device_address(dev));
    if (libusb_open(dev, &handle) != 0) {
      handle = nullptr;
      return false;
    }
    if (libusb_claim_interface(handle, kInterface) != 0) return false;
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(dev, &config) != 0) return false;
    if (config->bNumInterfaces > 0 && config->interface[0].num_altsetting > 0) {
      const libusb_interface_descriptor& alt = config->interface[0].altsetting[0];
      for (int i = 0; i < alt.bNumEndpoints; ++i) {
        endpoints.push_back({alt.endpoint[i].bEndpointAddress, alt.endpoint[i].wMaxPacketSize});
      }
    }
    libusb_free_config_descriptor(config);
    return true;
  }

  // The endpoint of an OUT pipe, or nullptr.
  const Endpoint* OutPipe(int pipe) const {
    if (pipe < 0 || std::size_t(pipe) >= endpoints.size()) return nullptr;
    const Endpoint& e = endpoints[std::size_t(pipe)];
    return (e.address & LIBUSB_ENDPOINT_IN) ? nullptr : &e;
  }

  // Whether the controller is still plugged in. Its device node goes away with it; checking
  // that costs one system call per packet and spares a transfer on a dead handle.
  bool Present() {
    if (!gone && ::access(node.data(), F_OK) != 0) gone = true;
    return !gone;
  }

  // Notes an unplugged controller so later calls fail at once instead of timing out.
  bool Check(int result) {
    if (result == LIBUSB_ERROR_NO_DEVICE) gone = true;
    return result >= 0;
  }
};

UsbControllerBus::UsbControllerBus() {
  if (libusb_init(&context_) != 0) context_ = nullptr;  // then no controller is ever found
}

UsbControllerBus::~UsbControllerBus() {
  controllers_.clear();
  if (context_ != nullptr) libusb_exit(context_);
}

std::vector<std::string> UsbControllerBus::scan() {
  std::vector<std::string> names;
  if (context_ == nullptr) return names;
  libusb_device** list = nullptr;
  const ssize_t count = libusb_get_device_list(context_, &list);
  if (count < 0) return names;

  // Bus order: bus number, then the port path, which stays the same when a device is replugged
  // into the same socket.
  using Place = std::tuple<uint8_t, std::vector<uint8_t>, libusb_device*>;
  std::vector<Place> found;
  for (ssize_t i = 0; i < count; ++i) {
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(list[i], &descriptor) != 0) continue;
    if (descriptor.idVendor != kVendor || descriptor.idProduct != kProduct) continue;
    std::array<uint8_t, 8> ports{};
    const int depth = std::max(libusb_get_port_numbers(list[i], ports.data(), ports.size()), 0);
    found.emplace_back(libusb_get_bus_number(list[i]),
                       std::vector<uint8_t>(ports.begin(), ports.begin() + depth), list[i]);
  }
  std::sort(found.begin(), found.end());

  std::lock_guard lock(mutex_);
  std::map<std::string, std::shared_ptr<Controller>> previous = std::move(controllers_);
  controllers_.clear();
  for (const auto& [bus, ports, dev] : found) {
    if (int(names.size()) == kMaxControllers) break;
    // A controller still plugged in keeps its open handle.
    std::shared_ptr<Controller> controller;
    for (const auto& [name, old] : previous) {
      if (old->device == dev && !old->gone) controller = old;
    }
    if (!controller) {
      controller = std::make_shared<Controller>();
      if (!controller->Open(dev)) continue;  // not listed, as a device that does not answer
    }
    std::string name = "ezusb-" + std::to_string(names.size());
    controllers_[name] = controller;
    names.push_back(std::move(name));
  }
  libusb_free_device_list(list, 1);
  return names;
}

std::shared_ptr<UsbControllerBus::Controller> UsbControllerBus::Find(const std::string& device) {
  std::lock_guard lock(mutex_);
  const auto it = controllers_.find(device);
  if (it == controllers_.end() || !it->second->Present()) return nullptr;
  return it->second;  // shared: a rescan meanwhile cannot close the handle under a transfer
}

bool UsbControllerBus::write(const std::string& device, int pipe,
                             std::span<const uint8_t> bytes) {
  const std::shared_ptr<Controller> controller = Find(device);
  if (!controller) return false;
  const Endpoint* endpoint = controller->OutPipe(pipe);
  if (endpoint == nullptr) return false;
  int transferred = 0;
  // libusb takes a mutable buffer for both directions; an OUT transfer only reads it.
  auto* data = const_cast<unsigned char*>(bytes.data());
  if (!controller->Check(libusb_bulk_transfer(controller->handle, endpoint->address, data,
                                              int(bytes.size()), &transferred,
                                              kWriteTimeoutMs))) {
    return false;
  }
  if (endpoint->packet_size != 0 && bytes.size() % endpoint->packet_size == 0) {
    return controller->Check(libusb_bulk_transfer(controller->handle, endpoint->address, data, 0,
                                                  &transferred, kWriteTimeoutMs));
  }
  return true;
}

bool UsbControllerBus::abortPipe(const std::string& device, int pipe) {
  const std::shared_ptr<Controller> controller = Find(device);
  if (!controller || pipe < 0 || std::size_t(pipe) >= controller->endpoints.size()) return false;
  return controller->Check(
      libusb_clear_halt(controller->handle, controller->endpoints[std::size_t(pipe)].address));
}

bool UsbControllerBus::reset(const std::string& device) {
  const std::shared_ptr<Controller> controller = Find(device);
  if (!controller) return false;
  const auto cpu_control = [&](uint8_t value) {
    constexpr uint8_t kVendorOut = 0x40;  // a vendor request from host to device
    return controller->Check(libusb_control_transfer(controller->handle, kVendorOut, 0xA0, 0x7F92,
                                                     0, &value, 1, kControlTimeoutMs));
  };
  cpu_control(1);  // hold the processor
  return cpu_control(0);  // and let it run again
}

}  // namespace daved
