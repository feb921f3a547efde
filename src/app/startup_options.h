#pragma once
// What `daved` without a command opens the windows with.

#include <filesystem>
#include <optional>
#include <string>

#include "output/devices/simulated_controller_bus.h"

namespace daved {

struct StartupOptions {
  std::filesystem::path programFolder;  // Daved.ini and the work folders
  // Simulated controllers in place of the USB ones (--simulate N, --simulate-numbers 3,7).
  // Without it the USB controllers are used, and when none answers one simulated controller
  // stands in, so a user without hardware still sees the output in the simulator window.
  std::optional<SimulationOptions> simulation;
  bool usbOnly = false;  // --simulate 0: the USB controllers even when none is there
  std::string capture;   // every packet of the simulated controllers, as JSON lines
};

}  // namespace daved
