#include "output/player_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>

#include "output/devices/simulated_controller_bus.h"
#include "output/drawing_player.h"

namespace daved {
namespace {

// Passes writes on to the simulated bus and records how many were ever in flight at once.
class OverlapProbeBus : public ControllerBus {
 public:
  explicit OverlapProbeBus(ControllerBus& inner) : inner_(inner) {}
  std::vector<std::string> scan() override { return inner_.scan(); }
  bool write(const std::string& device, int pipe, std::span<const uint8_t> bytes) override {
    const int now = ++in_flight_;
    int seen = most_.load();
    while (now > seen && !most_.compare_exchange_weak(seen, now)) {
    }
    const bool ok = inner_.write(device, pipe, bytes);
    --in_flight_;
    return ok;
  }
  bool abortPipe(const std::string& device, int pipe) override {
    return inner_.abortPipe(device, pipe);
  }
  bool reset(const std::string& device) override { return inner_.reset(device); }
  int most_in_flight() const { return most_.load(); }

 private:
  ControllerBus& inner_;
  std::atomic<int> in_flight_{0};
  std::atomic<int> most_{0};
};

struct ThreadsFixture : ::testing::Test {
  ThreadsFixture() { targets.SetCurrentController("ezusb-0"); }
  std::unique_ptr<PlayerLoop> Drawing(int32_t x) {
    return std::make_unique<DrawingPlayer>(OutputContext{settings, flags, targets, probe},
                                           daved::Drawing{{{x, 10, kVertex, 1, 0, 0}}});
  }
  SimulatedControllerBus bus{{.controllers = 1, .paced = false, .keep_writes = true}};
  OverlapProbeBus probe{bus};
  OutputSettings settings;
  OutputFlags flags;
  OutputTargets targets;
};

TEST_F(ThreadsFixture, PlayStopReplayChurnNeverOverlapsAndAlwaysParks) {
  {
    PlayerHost host(flags);
    for (int i = 0; i < 200; ++i) {
      host.Play(kDrawingPlayer, Drawing(i % 200));
      settings.scan_speed = uint8_t(1 + i % 229);  // the main thread keeps moving a track bar
      flags.invert_x = i % 2 == 0;
      if (i % 3 == 0) host.Stop();
    }
  }  // the host's end stops the last play
  EXPECT_EQ(probe.most_in_flight(), 1);
  const std::vector<CapturedWrite> writes = bus.Writes();
  ASSERT_FALSE(writes.empty());
  EXPECT_EQ(writes.back().bytes, (std::vector<uint8_t>{0, 1, 128, 128}));
  // Every play began with its own settings packet and ended parked, in that order.
  int plays = 0;
  bool parked = true;
  for (const CapturedWrite& w : writes) {
    if (w.bytes.size() == 2 && w.bytes[1] == 0) {
      EXPECT_TRUE(parked) << "a play started before the previous one parked";
      ++plays;
      parked = false;
    }
    if (w.bytes == std::vector<uint8_t>{0, 1, 128, 128}) parked = true;
  }
  EXPECT_EQ(plays, 200);
  EXPECT_FALSE(flags.player_running);
}

TEST_F(ThreadsFixture, StopEndsTheDrawingPlayerWhichThenSaysOver) {
  std::latch over(1);
  PlayerHost host(flags);
  host.Play(kDrawingPlayer, Drawing(5), [&] { over.count_down(); });
  host.Stop();
  over.wait();
  EXPECT_FALSE(flags.player_running);
}

TEST_F(ThreadsFixture, AStopRightAfterAPlayStartIsNotLost) {
  PlayerHost host(flags);
  for (int i = 0; i < 50; ++i) {
    std::latch over(1);
    host.Play(kDrawingPlayer, Drawing(5), [&] { over.count_down(); });
    host.Stop();
    over.wait();  // would hang if the new loop cleared the request
  }
}

TEST_F(ThreadsFixture, UnknownTypesRunNothing) {
  mythread idle(11, Drawing(5), flags);
  idle.join();
  TCustomMyThread none(4, Drawing(5), flags);
  none.join();
  EXPECT_TRUE(bus.Writes().empty());
}

TEST_F(ThreadsFixture, AShowRunsThreeTracksUntilStopped) {
  PlayerHost host(flags);
  host.PlayShow({Drawing(1), Drawing(2), Drawing(3)});
  while (bus.Controller("ezusb-0")->data_packets < 30) std::this_thread::yield();
  host.StopAndWait();
  EXPECT_EQ(bus.Writes().back().bytes, (std::vector<uint8_t>{0, 1, 128, 128}));
}

}  // namespace
}  // namespace daved
