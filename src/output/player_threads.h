#pragma once
// The player threads and the one place that starts and stops them. A new play requests stop and
// joins the running player before it starts its own, so two loops never write at once and no
// fixed delay is needed.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "output/output_settings.h"
#include "output/player_loop.h"

namespace daved {

// Player types of `mythread`.
enum PlayerType : uint8_t {
  kDrawingPlayer = 2,
  kSegmentPlayer = 3,
  kQuickPlayDrawings = 4,
  kQuickPlayIlda = 5,
  kHorizontalText = 6,
  kSegmentEditorDrawing = 7,
  kVerticalText = 8,
  kQuickPlaySegments = 9,
  kQuickPlay2 = 10,
};

// A worker thread that runs one player loop of a type 2..10 (any other type runs nothing), then
// calls `finished` on the worker thread: the drawing editor passes one that puts "Over..." into
// its message label through the main thread.
class mythread {
 public:
  mythread(uint8_t player_type, std::unique_ptr<PlayerLoop> loop, const OutputFlags& flags,
           std::function<void()> finished = {});
  // Requests stop and joins: the loop ends within one pass and parks its controllers.
  ~mythread() = default;

  uint8_t player_type() const { return player_type_; }
  void join();

 private:
  const uint8_t player_type_;
  std::unique_ptr<PlayerLoop> loop_;
  std::jthread thread_;  // last: it stops and joins before the loop goes away
};

// A worker thread that runs the loop of show track 1, 2 or 3.
class TCustomMyThread {
 public:
  TCustomMyThread(int track, std::unique_ptr<PlayerLoop> loop, const OutputFlags& flags);

  int track() const { return track_; }
  void join();

 private:
  const int track_;
  std::unique_ptr<PlayerLoop> loop_;
  std::jthread thread_;
};

// Owns the running player: one `mythread`, or the three `TCustomMyThread` of a show. Used from
// the main thread.
class PlayerHost {
 public:
  explicit PlayerHost(OutputFlags& flags) : flags_(flags) {}
  // Stops and joins, so every controller is parked before the program ends.
  ~PlayerHost() { StopAndWait(); }
  PlayerHost(const PlayerHost&) = delete;
  PlayerHost& operator=(const PlayerHost&) = delete;

  void Play(uint8_t player_type, std::unique_ptr<PlayerLoop> loop,
            std::function<void()> finished = {});
  void PlayShow(std::array<std::unique_ptr<PlayerLoop>, 3> tracks);
  // What every Stop button does: set the stop request. The loop ends within one pass.
  void Stop() { flags_.stop_request.store(true, std::memory_order_relaxed); }
  // Stops and waits for the player threads to end.
  void StopAndWait();

 private:
  // Ends the running player and clears the stop request for the next one. Clearing it here,
  // rather than in the new thread, keeps a Stop pressed right after a play start from being lost.
  void EndRunningPlayer();

  OutputFlags& flags_;
  std::mutex mutex_;
  std::unique_ptr<mythread> player_;
  std::vector<std::unique_ptr<TCustomMyThread>> tracks_;
};

}  // namespace daved
