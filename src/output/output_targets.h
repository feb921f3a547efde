#pragma once
// Where packets go: the current controller and, with the multi-controller flag, every selected
// controller. The launcher and the device selection dialog change it on the main thread;
// players read it once per packet.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace daved {

// A selected controllers entry ("Usb-3") addressed as a device ("ezusb-3").
std::string DeviceNameOfEntry(const std::string& entry);

class OutputTargets {
 public:
  void SetCurrentController(std::string device);  // "ezusb-N"; empty when none was found
  std::string CurrentController() const;
  void SetSelectedControllers(std::vector<std::string> entries);  // list names "Usb-N"
  std::vector<std::string> SelectedControllers() const;
  void SetMultiController(bool on);
  bool MultiController() const;

  // Counts changes, so a player copies the devices only after one (no lock per packet).
  uint64_t version() const { return version_.load(std::memory_order_acquire); }
  // The devices one packet is written to, in order: the current controller (when there is
  // one), then with the multi-controller flag each selected controller.
  void CopyDevices(std::vector<std::string>& devices) const;

 private:
  void Changed() { version_.fetch_add(1, std::memory_order_release); }

  mutable std::mutex mutex_;
  std::string current_;
  std::vector<std::string> selected_;
  bool multi_ = false;
  std::atomic<uint64_t> version_{1};
};

}  // namespace daved
