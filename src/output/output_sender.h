#pragma once
// `SendToOutputs` and the fixed packet buffer a player builds its data packets in.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "output/controller_bus.h"
#include "output/output_settings.h"
#include "output/output_targets.h"
#include "output/point_pipeline.h"

namespace daved {

// The points per second a controller draws at for a speed byte: (250 - speed) × 240, at least
// one step so an out-of-range byte cannot stop it.
double PointsPerSecond(uint8_t speed);

// One per player loop: writes each packet to the current controller and, with the
// multi-controller flag, to every selected controller, and remembers where it wrote so the loop
// can park those controllers when it ends.
class OutputSender {
 public:
  OutputSender(ControllerBus& bus, const OutputSettings& settings, const OutputTargets& targets);

  // Writes `bytes` on the configured pipe. Failures are not reported. When no controller took
  // the packet (none found, or unplugged) the call waits as long as a controller would have
  // needed to draw it, so a play without controllers does not spin.
  void SendToOutputs(std::span<const uint8_t> bytes);
  void SendSettings(uint8_t output_delay, uint8_t speed);

  // Sends one blank point at the centre to every controller this sender wrote to, so none is
  // left drawing or parked on a lit spot.
  void ParkControllers();

 private:
  ControllerBus& bus_;
  const OutputSettings& settings_;
  const OutputTargets& targets_;
  uint64_t targets_version_ = 0;
  std::vector<std::string> devices_;
  std::vector<std::string> written_;
};

// A fixed 64 KiB data packet. Records are appended point by point; a frame of more than 16384
// points goes out as several packets in order.
class PacketBuilder {
 public:
  explicit PacketBuilder(OutputSender& sender)
      : sender_(sender), bytes_(std::make_unique<uint8_t[]>(kMaxRecordsPerPacket * kRecordSize)) {}

  void Add(const OutputRecord& record) {
    if (count_ == kMaxRecordsPerPacket) Send();
    uint8_t* out = bytes_.get() + count_ * kRecordSize;
    out[0] = record[0];
    out[1] = record[1];
    out[2] = record[2];
    out[3] = record[3];
    ++count_;
  }
  // Sends the records built so far (an empty packet only waits) and starts a new packet.
  void Send();
  void Discard() { count_ = 0; }
  std::size_t size() const { return count_; }
  std::span<const uint8_t> bytes() const { return {bytes_.get(), count_ * kRecordSize}; }

 private:
  OutputSender& sender_;
  std::unique_ptr<uint8_t[]> bytes_;
  std::size_t count_ = 0;
};

}  // namespace daved
