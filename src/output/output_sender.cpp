#include "output/output_sender.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace daved {
namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
// An empty packet or a write nobody took still costs this much, so a loop never spins.
constexpr auto kIdleWait = std::chrono::milliseconds(1);
}  // namespace

double PointsPerSecond(uint8_t speed) { return std::max(250 - int(speed), 1) * 240.0; }

OutputSender::OutputSender(ControllerBus& bus, const OutputSettings& settings,
                           const OutputTargets& targets)
    : bus_(bus), settings_(settings), targets_(targets) {}

void OutputSender::SendToOutputs(std::span<const uint8_t> bytes) {
  if (bytes.empty()) {
    std::this_thread::sleep_for(kIdleWait);
    return;
  }
  if (const uint64_t version = targets_.version(); version != targets_version_) {
    targets_.CopyDevices(devices_);
    targets_version_ = version;
  }
  const int pipe = settings_.pipe_number.load(kRelaxed);
  bool taken = false;
  for (const std::string& device : devices_) {
    taken = bus_.write(device, pipe, bytes) || taken;
    if (std::find(written_.begin(), written_.end(), device) == written_.end()) {
      written_.push_back(device);
    }
  }
  if (!taken) {
    const double seconds = double(bytes.size() / kRecordSize) /
                           PointsPerSecond(settings_.scan_speed.load(kRelaxed));
    const auto drawing_time = std::chrono::nanoseconds(int64_t(seconds * 1e9));
    std::this_thread::sleep_for(std::max<std::chrono::nanoseconds>(kIdleWait, drawing_time));
  }
}

void OutputSender::SendSettings(uint8_t output_delay, uint8_t speed) {
  const SettingsPacket packet = MakeSettingsPacket(output_delay, speed);
  SendToOutputs(packet);
}

void OutputSender::ParkControllers() {
  const int pipe = settings_.pipe_number.load(kRelaxed);
  for (const std::string& device : written_) bus_.write(device, pipe, kParkRecord);
}

void PacketBuilder::Send() {
  sender_.SendToOutputs(bytes());
  count_ = 0;
}

}  // namespace daved
