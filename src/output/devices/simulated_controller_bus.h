#pragma once
// Virtual controllers "ezusb-0".. that decode what they are sent, draw it at the rate their
// speed byte asks for, keep the latest frame for the laser simulator window, and can log every
// write to a capture file: one JSON object a line,
// {"t_us":..,"device":"ezusb-0","pipe":2,"hex":"0901..."}.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "formats/status.h"
#include "output/controller_bus.h"
#include "output/point_pipeline.h"

namespace daved {

struct SimulationOptions {
  int controllers = 1;  // numbered 0, 1, ... unless `numbers` is given
  // Accept data no faster than the controller would draw it; off for tests and benchmarks.
  bool paced = true;
  // Keep every write in memory (tests compare them byte for byte).
  bool keep_writes = false;
  // The device numbers of the controllers (0..127), in place of 0..controllers-1: stands in for
  // controllers 3 and 7 as they would be plugged in.
  std::vector<int> numbers = {};
};

// What one virtual controller understood from its packets.
struct SimulatedController {
  bool plugged = true;
  uint8_t output_delay = 0;
  uint8_t speed = 0;
  std::optional<ColourSettingsPacket> colour_settings;
  std::vector<OutputRecord> frame;  // the latest frame drawn
  uint64_t settings_packets = 0;
  uint64_t data_packets = 0;
  uint64_t points = 0;
  int resets = 0;
};

struct CapturedWrite {
  std::string device;
  int pipe = 0;
  std::vector<uint8_t> bytes;
  friend bool operator==(const CapturedWrite&, const CapturedWrite&) = default;
};

class SimulatedControllerBus : public ControllerBus {
 public:
  explicit SimulatedControllerBus(SimulationOptions options);

  // Appends every later write to `path` as JSON lines.
  Status StartCapture(const std::filesystem::path& path);

  std::vector<std::string> scan() override;
  bool write(const std::string& device, int pipe, std::span<const uint8_t> bytes) override;
  bool abortPipe(const std::string& device, int pipe) override;
  bool reset(const std::string& device) override;

  // Takes controller "ezusb-<number>" off the bus or puts it back (an unplugged one refuses
  // everything).
  void SetPlugged(int number, bool plugged);
  // The device names of every simulated controller, plugged or not, by number.
  std::vector<std::string> Devices() const;
  std::optional<SimulatedController> Controller(const std::string& device) const;
  std::vector<CapturedWrite> Writes() const;
  void ClearWrites();

 private:
  // The controller of a device name, plugged or not.
  SimulatedController* Lookup(const std::string& device);
  SimulatedController* Find(const std::string& device);  // only a plugged one
  void Decode(SimulatedController& controller, std::span<const uint8_t> bytes);
  void Capture(const std::string& device, int pipe, std::span<const uint8_t> bytes);

  const SimulationOptions options_;
  const std::chrono::steady_clock::time_point created_ = std::chrono::steady_clock::now();
  mutable std::mutex mutex_;
  std::vector<int> numbers_;  // the device number of each controller, ascending
  std::vector<SimulatedController> controllers_;
  std::vector<std::chrono::steady_clock::time_point> busy_until_;
  std::vector<bool> last_packet_full_;
  std::vector<CapturedWrite> writes_;
  std::ofstream capture_;
};

}  // namespace daved
