#include "output/drawing_player.h"

namespace daved {
namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
}  // namespace

DrawingPlayer::DrawingPlayer(OutputContext context, Drawing play_list)
    : context_(context),
      sender_(context.bus, context.settings, context.targets),
      packet_(sender_),
      play_list_(std::move(play_list)) {}

void DrawingPlayer::start() {
  // The first settings packet asks for speed byte 0; the scan speed follows as a change.
  sent_delay_ = context_.settings.output_delay.load(kRelaxed);
  sender_.SendSettings(sent_delay_, 0);
  sent_speed_ = context_.settings.scan_speed.load(kRelaxed);
  context_.flags.player_running.store(true, kRelaxed);
}

bool DrawingPlayer::runPass() {
  const uint8_t delay = context_.settings.output_delay.load(kRelaxed);
  const uint8_t speed = context_.settings.scan_speed.load(kRelaxed);
  if (delay != sent_delay_ || speed != sent_speed_) {
    sender_.SendSettings(delay, speed);
    sent_delay_ = delay;
    sent_speed_ = speed;
  }
  RefreshPassSettings(context_.settings, context_.flags, pass_);
  const std::atomic<bool>& stop = context_.flags.stop_request;
  for (const Object& entry : play_list_) {
    if (stop.load(kRelaxed)) break;
    AddPoints(entry, pass_, packet_);
  }
  if (stop.load(kRelaxed)) {
    packet_.Discard();
    return false;
  }
  packet_.Send();
  return true;
}

void DrawingPlayer::finish() {
  context_.flags.player_running.store(false, kRelaxed);
  sender_.ParkControllers();
}

}  // namespace daved
