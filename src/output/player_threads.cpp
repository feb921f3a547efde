#include "output/player_threads.h"

namespace daved {

mythread::mythread(uint8_t player_type, std::unique_ptr<PlayerLoop> loop,
                   const OutputFlags& flags, std::function<void()> finished)
    : player_type_(player_type), loop_(std::move(loop)) {
  const bool known = player_type_ >= kDrawingPlayer && player_type_ <= kQuickPlay2;
  if (!known || !loop_) return;
  thread_ = std::jthread([this, &flags, finished = std::move(finished)](std::stop_token stop) {
    RunPlayerLoop(*loop_, flags, stop);
    if (finished) finished();
  });
}

void mythread::join() {
  if (thread_.joinable()) thread_.join();
}

TCustomMyThread::TCustomMyThread(int track, std::unique_ptr<PlayerLoop> loop,
                                 const OutputFlags& flags)
    : track_(track), loop_(std::move(loop)) {
  if (track_ < 1 || track_ > 3 || !loop_) return;
  thread_ = std::jthread(
      [this, &flags](std::stop_token stop) { RunPlayerLoop(*loop_, flags, stop); });
}

void TCustomMyThread::join() {
  if (thread_.joinable()) thread_.join();
}

void PlayerHost::EndRunningPlayer() {
  flags_.stop_request.store(true, std::memory_order_relaxed);
  // Joining is the synchronisation: everything the old loop did happens before the new start.
  player_.reset();
  tracks_.clear();
  flags_.stop_request.store(false, std::memory_order_relaxed);
}

void PlayerHost::Play(uint8_t player_type, std::unique_ptr<PlayerLoop> loop,
                      std::function<void()> finished) {
  std::lock_guard lock(mutex_);
  EndRunningPlayer();
  player_ = std::make_unique<mythread>(player_type, std::move(loop), flags_, std::move(finished));
}

void PlayerHost::PlayShow(std::array<std::unique_ptr<PlayerLoop>, 3> tracks) {
  std::lock_guard lock(mutex_);
  EndRunningPlayer();
  for (int t = 0; t < 3; ++t) {
    tracks_.push_back(std::make_unique<TCustomMyThread>(t + 1, std::move(tracks[t]), flags_));
  }
}

void PlayerHost::StopAndWait() {
  std::lock_guard lock(mutex_);
  flags_.stop_request.store(true, std::memory_order_relaxed);
  if (player_) player_->join();
  for (auto& track : tracks_) track->join();
}

}  // namespace daved
