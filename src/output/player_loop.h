#pragma once
// Player loops: each builds and sends one pass at a time, so a thread runs it until stop and
// tests drive it pass by pass. The common rules of every frame list player live in
// FrameListLoop; a player with its own coordinates, effects or colours overrides BuildFrame.

#include <cstdint>
#include <stop_token>

#include "model/point.h"
#include "output/controller_bus.h"
#include "output/output_sender.h"
#include "output/output_settings.h"
#include "output/output_targets.h"
#include "output/point_pipeline.h"

namespace daved {

// The shared state every loop reaches.
struct OutputContext {
  const OutputSettings& settings;
  OutputFlags& flags;
  const OutputTargets& targets;
  ControllerBus& bus;
};

class PlayerLoop {
 public:
  virtual ~PlayerLoop() = default;
  // Before the first pass: the first settings packet, player running.
  virtual void start() = 0;
  // Builds and sends one pass. False when the loop has ended by itself.
  virtual bool runPass() = 0;
  // After the last pass: clears player running and parks every controller the loop wrote to.
  virtual void finish() = 0;
};

// The thread body of every player: start, passes until the stop request (or the thread's own
// stop) or the loop's end, finish.
void RunPlayerLoop(PlayerLoop& loop, const OutputFlags& flags, std::stop_token stop = {});

// The transform settings a play compares against to notice a change.
struct TransformCopies {
  int32_t horizontal_offset = 0, vertical_offset = 0;
  int32_t horizontal_size = 0, vertical_size = 0;
  int32_t rotation_angle = 0;
  bool invert_x = false, invert_y = false;
  friend bool operator==(const TransformCopies&, const TransformCopies&) = default;
};
TransformCopies TakeTransformCopies(const OutputSettings& settings, const OutputFlags& flags);

// What one pass reads of the settings, taken once at its start.
struct PassSettings {
  TransformSettings transform;
  ColourScale colour;
  ColourFlagsTable colour_flags{};  // for `colour`
  bool colour_flags_ready = false;
};
// Takes the settings for the next pass; the colour flags table is rebuilt only after a depth or
// the brightness changed.
void RefreshPassSettings(const OutputSettings& settings, const OutputFlags& flags,
                         PassSettings& pass);

// Appends the records of `points` as the drawing and frame list players make them: working
// coordinates (255 - x, 255 - y), TransformPoint, ScaleColour of the point's own colour.
void AddPoints(const Object& points, const PassSettings& pass, PacketBuilder& packet);

// The common rules of a frame list player: settings packet first; per frame, preview refresh
// and a new settings packet when speed or delay changed; then one data packet per pass until the
// frame tick moves on (unless paused); after the last frame start over while the loop flag is
// set, else end.
class FrameListLoop : public PlayerLoop {
 public:
  FrameListLoop(OutputContext context, FrameList frames);

  void start() override;
  bool runPass() override;
  void finish() override;

  std::size_t frame_index() const { return index_; }

 protected:
  // Builds the data packet of one frame. The default plays the frame's own points and colours.
  virtual void BuildFrame(const Drawing& frame, const PassSettings& pass, PacketBuilder& packet);
  // The speed byte of the settings packets; a player may fix another value.
  virtual uint8_t SpeedByte() const;

  OutputContext context_;
  OutputSender sender_;
  PacketBuilder packet_;

 private:
  void SendSettingsIfChanged();

  FrameList frames_;
  PassSettings pass_;
  std::size_t index_ = 0;
  bool entering_frame_ = true;
  TransformCopies copies_;
  uint8_t sent_delay_ = 0;
  uint8_t sent_speed_ = 0;
};

}  // namespace daved
