#pragma once
// Everything the windows and players share about the output: the settings, the flags, where
// packets go, the controller bus and the running player. One object for the whole program.

#include <memory>

#include "output/controller_bus.h"
#include "output/output_settings.h"
#include "output/output_targets.h"
#include "output/player_loop.h"
#include "output/player_threads.h"
#include "output/preview_board.h"

namespace daved {

class SharedOutput {
 public:
  explicit SharedOutput(std::unique_ptr<ControllerBus> bus) : bus_(std::move(bus)) {}
  SharedOutput(const SharedOutput&) = delete;
  SharedOutput& operator=(const SharedOutput&) = delete;

  OutputSettings settings;
  OutputFlags flags;
  OutputTargets targets;
  PreviewBoard preview;  // what is playing, for the windows' previews

  ControllerBus& bus() { return *bus_; }
  PlayerHost& players() { return players_; }
  OutputContext context() { return {settings, flags, targets, *bus_}; }

 private:
  std::unique_ptr<ControllerBus> bus_;
  PlayerHost players_{flags};  // last: its threads end before the bus goes away
};

}  // namespace daved
