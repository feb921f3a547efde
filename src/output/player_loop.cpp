#include "output/player_loop.h"

namespace daved {
namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
}  // namespace

void RunPlayerLoop(PlayerLoop& loop, const OutputFlags& flags, std::stop_token stop) {
  loop.start();
  while (!flags.stop_request.load(kRelaxed) && !stop.stop_requested() && loop.runPass()) {
  }
  loop.finish();
}

TransformCopies TakeTransformCopies(const OutputSettings& settings, const OutputFlags& flags) {
  return {settings.horizontal_offset.load(kRelaxed), settings.vertical_offset.load(kRelaxed),
          settings.horizontal_size.load(kRelaxed),   settings.vertical_size.load(kRelaxed),
          settings.rotation_angle.load(kRelaxed),    flags.invert_x.load(kRelaxed),
          flags.invert_y.load(kRelaxed)};
}

void RefreshPassSettings(const OutputSettings& settings, const OutputFlags& flags,
                         PassSettings& pass) {
  pass.transform = TakeTransformSettings(settings, flags);
  const ColourScale colour = TakeColourScale(settings);
  if (!pass.colour_flags_ready || colour != pass.colour) {
    pass.colour = colour;
    pass.colour_flags = MakeColourFlagsTable(colour);
    pass.colour_flags_ready = true;
  }
}

void AddPoints(const Object& points, const PassSettings& pass, PacketBuilder& packet) {
  for (const Point& p : points) {
    const ControllerPoint at = TransformPoint(pass.transform, 255.0 - p.x, 255.0 - p.y);
    packet.Add(MakeOutputRecord(pass.colour_flags[p.colour], p.blank, p.kind, at));
  }
}

FrameListLoop::FrameListLoop(OutputContext context, FrameList frames)
    : context_(context),
      sender_(context.bus, context.settings, context.targets),
      packet_(sender_),
      frames_(std::move(frames)) {}

uint8_t FrameListLoop::SpeedByte() const { return context_.settings.scan_speed.load(kRelaxed); }

void FrameListLoop::start() {
  context_.flags.player_running.store(true, kRelaxed);
  copies_ = TakeTransformCopies(context_.settings, context_.flags);
  context_.flags.preview_refresh.store(false, kRelaxed);
  sent_delay_ = context_.settings.output_delay.load(kRelaxed);
  sent_speed_ = SpeedByte();
  sender_.SendSettings(sent_delay_, sent_speed_);
}

void FrameListLoop::SendSettingsIfChanged() {
  const uint8_t delay = context_.settings.output_delay.load(kRelaxed);
  const uint8_t speed = SpeedByte();
  if (delay == sent_delay_ && speed == sent_speed_) return;
  sender_.SendSettings(delay, speed);
  sent_delay_ = delay;
  sent_speed_ = speed;
}

bool FrameListLoop::runPass() {
  if (frames_.empty()) return false;  // nothing to play: end instead of spinning
  OutputFlags& flags = context_.flags;
  if (entering_frame_) {
    flags.preview_refresh.store(true, kRelaxed);
    SendSettingsIfChanged();
    entering_frame_ = false;
  }
  if (flags.frame_tick.exchange(false, kRelaxed) && !flags.pause.load(kRelaxed)) {
    entering_frame_ = true;
    if (++index_ == frames_.size()) {
      if (!flags.loop.load(kRelaxed) || flags.stop_request.load(kRelaxed)) return false;
      index_ = 0;
    }
    return true;  // the next pass starts the new frame
  }
  if (const TransformCopies now = TakeTransformCopies(context_.settings, flags); now != copies_) {
    copies_ = now;
    flags.preview_refresh.store(true, kRelaxed);
  }
  RefreshPassSettings(context_.settings, flags, pass_);
  BuildFrame(frames_[index_], pass_, packet_);
  packet_.Send();
  return true;
}

void FrameListLoop::BuildFrame(const Drawing& frame, const PassSettings& pass,
                               PacketBuilder& packet) {
  for (const Object& object : frame) AddPoints(object, pass, packet);
}

void FrameListLoop::finish() {
  context_.flags.player_running.store(false, kRelaxed);
  sender_.ParkControllers();
}

}  // namespace daved
