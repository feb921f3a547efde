#include "output/devices/simulated_controller_bus.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "output/output_sender.h"

namespace daved {
namespace {

constexpr std::string_view kDevicePrefix = "ezusb-";
constexpr std::size_t kMaxFrameRecords = 4 * kMaxRecordsPerPacket;
constexpr int kMaxDeviceNumber = 127;  // the scan looks at ezusb-0 to ezusb-127

std::string DeviceName(int number) { return std::string(kDevicePrefix) + std::to_string(number); }

// The chosen numbers in order, each once and within the scan's range; 0..count-1 without them.
std::vector<int> ControllerNumbers(const SimulationOptions& options) {
  std::vector<int> numbers;
  if (options.numbers.empty()) {
    for (int n = 0; n < std::min(options.controllers, kMaxDeviceNumber + 1); ++n) {
      numbers.push_back(n);
    }
    return numbers;
  }
  for (const int n : options.numbers) {
    if (n >= 0 && n <= kMaxDeviceNumber) numbers.push_back(n);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

// Whether four bytes read as an output record: colour flags 0 or odd up to 15, status 0..3.
// A 4-byte packet that is not one is the colour settings packet.
bool IsRecord(std::span<const uint8_t> b) {
  return (b[0] == 0 || (b[0] % 2 == 1 && b[0] <= 15)) && b[1] <= 3;
}

}  // namespace

SimulatedControllerBus::SimulatedControllerBus(SimulationOptions options)
    : options_(options),
      numbers_(ControllerNumbers(options)),
      controllers_(numbers_.size()),
      busy_until_(controllers_.size(), created_),
      last_packet_full_(controllers_.size(), false) {}

Status SimulatedControllerBus::StartCapture(const std::filesystem::path& path) {
  std::lock_guard lock(mutex_);
  capture_.open(path, std::ios::binary | std::ios::app);
  if (!capture_) return Status::Failed("Cannot open the capture file " + path.string());
  return {};
}

std::vector<std::string> SimulatedControllerBus::scan() {
  std::lock_guard lock(mutex_);
  std::vector<std::string> found;
  for (std::size_t i = 0; i < controllers_.size(); ++i) {
    if (controllers_[i].plugged) found.push_back(DeviceName(numbers_[i]));
  }
  return found;
}

SimulatedController* SimulatedControllerBus::Lookup(const std::string& device) {
  if (!device.starts_with(kDevicePrefix)) return nullptr;
  const std::string number = device.substr(kDevicePrefix.size());
  if (number.empty() || number.size() > 3 ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    return nullptr;
  }
  const auto it = std::find(numbers_.begin(), numbers_.end(), std::stoi(number));
  if (it == numbers_.end()) return nullptr;
  return &controllers_[std::size_t(it - numbers_.begin())];
}

SimulatedController* SimulatedControllerBus::Find(const std::string& device) {
  SimulatedController* controller = Lookup(device);
  return controller != nullptr && controller->plugged ? controller : nullptr;
}

bool SimulatedControllerBus::write(const std::string& device, int pipe,
                                   std::span<const uint8_t> bytes) {
  std::chrono::steady_clock::time_point accept_at;
  {
    std::lock_guard lock(mutex_);
    SimulatedController* controller = Find(device);
    if (controller == nullptr) return false;
    const auto n = std::size_t(controller - controllers_.data());
    Capture(device, pipe, bytes);
    Decode(*controller, bytes);
    if (options_.paced && bytes.size() % kRecordSize == 0 && bytes.size() > 2) {
      // The controller holds one packet while it draws the previous one: this write is taken
      // when the previous packet is done, and this one then takes its own drawing time.
      const auto now = std::chrono::steady_clock::now();
      accept_at = std::max(now, busy_until_[n]);
      const double seconds =
          double(bytes.size() / kRecordSize) / PointsPerSecond(controller->speed);
      busy_until_[n] = accept_at + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                       std::chrono::duration<double>(seconds));
    }
  }
  if (options_.paced) std::this_thread::sleep_until(accept_at);
  return true;
}

void SimulatedControllerBus::Decode(SimulatedController& controller,
                                    std::span<const uint8_t> bytes) {
  const auto n = std::size_t(&controller - controllers_.data());
  if (bytes.size() == 2) {
    controller.output_delay = bytes[0];
    controller.speed = bytes[1];
    ++controller.settings_packets;
    return;
  }
  if (bytes.size() == kRecordSize && !IsRecord(bytes)) {
    controller.colour_settings = ColourSettingsPacket{bytes[0], bytes[1], bytes[2], bytes[3]};
    return;
  }
  if (bytes.size() % kRecordSize != 0) return;  // the launcher's one-byte packet
  // A full packet is followed by the rest of the same frame. The wire does not mark where a
  // frame ends, so a frame of exactly 16384 points repeats within the bound; it draws the same.
  const std::size_t records = bytes.size() / kRecordSize;
  if (!last_packet_full_[n] || controller.frame.size() + records > kMaxFrameRecords) {
    controller.frame.clear();
  }
  const std::size_t old_size = controller.frame.size();
  controller.frame.resize(old_size + records);
  std::memcpy(controller.frame.data() + old_size, bytes.data(), bytes.size());
  last_packet_full_[n] = records == kMaxRecordsPerPacket;
  ++controller.data_packets;
  controller.points += records;
}

void SimulatedControllerBus::Capture(const std::string& device, int pipe,
                                     std::span<const uint8_t> bytes) {
  if (options_.keep_writes) writes_.push_back({device, pipe, {bytes.begin(), bytes.end()}});
  if (!capture_.is_open()) return;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string line = "{\"t_us\":";
  line += std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - created_)
                             .count());
  line += ",\"device\":\"" + device + "\",\"pipe\":" + std::to_string(pipe) + ",\"hex\":\"";
  line.reserve(line.size() + bytes.size() * 2 + 3);
  for (const uint8_t b : bytes) {
    line += kHex[b >> 4];
    line += kHex[b & 15];
  }
  line += "\"}\n";
  capture_ << line;
  capture_.flush();  // a capture stays readable even if the program is killed
}

bool SimulatedControllerBus::abortPipe(const std::string& device, int /*pipe*/) {
  std::lock_guard lock(mutex_);
  return Find(device) != nullptr;
}

bool SimulatedControllerBus::reset(const std::string& device) {
  std::lock_guard lock(mutex_);
  SimulatedController* controller = Find(device);
  if (controller == nullptr) return false;
  ++controller->resets;
  return true;
}

void SimulatedControllerBus::SetPlugged(int number, bool plugged) {
  std::lock_guard lock(mutex_);
  if (SimulatedController* controller = Lookup(DeviceName(number))) controller->plugged = plugged;
}

std::vector<std::string> SimulatedControllerBus::Devices() const {
  std::vector<std::string> devices;
  for (const int n : numbers_) devices.push_back(DeviceName(n));
  return devices;
}

std::optional<SimulatedController> SimulatedControllerBus::Controller(
    const std::string& device) const {
  std::lock_guard lock(mutex_);
  // Unplugged controllers too: the simulator window still shows them.
  const auto it = std::find_if(numbers_.begin(), numbers_.end(),
                               [&](int n) { return DeviceName(n) == device; });
  if (it == numbers_.end()) return std::nullopt;
  return controllers_[std::size_t(it - numbers_.begin())];
}

std::vector<CapturedWrite> SimulatedControllerBus::Writes() const {
  std::lock_guard lock(mutex_);
  return writes_;
}

void SimulatedControllerBus::ClearWrites() {
  std::lock_guard lock(mutex_);
  writes_.clear();
}

}  // namespace daved
