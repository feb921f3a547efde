#pragma once
// The reset command of the device selection dialog.

#include <string>
#include <vector>

#include "output/controller_bus.h"
#include "output/output_targets.h"

namespace daved {

// Aborts pipes 1, 3 and 5 of the current controller and resets it; with the multi-controller
// flag then aborts pipes 1, 2 and 3 of each selected controller and resets it. Returns one
// message per failed reset: "Failed to reset " + the controller's list name.
std::vector<std::string> ResetControllers(ControllerBus& bus, const OutputTargets& targets);

}  // namespace daved
