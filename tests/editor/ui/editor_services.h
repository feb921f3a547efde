#pragma once
// What the editor's window tests create their windows with: the shared output on one simulated
// controller without pacing, scripted dialogs, a temporary program folder and its Daved.ini lines.

#include <memory>
#include <string>
#include <vector>

#include "output/devices/simulated_controller_bus.h"
#include "output/shared_output.h"
#include "test_support.h"
#include "ui/play_owners.h"
#include "ui/window_services.h"
#include "ui_support.h"

namespace daved::testing {

struct EditorServices {
  explicit EditorServices(std::vector<std::string> lines = std::vector<std::string>(50, "0"),
                          SimulationOptions simulation = {.paced = false})
      : output(MakeBus(simulation)), config(std::move(lines)) {}

  SimulatedControllerBus* bus = nullptr;  // owned by `output`
  SharedOutput output;
  ScriptedDialogs dialogs;
  TempFolder home;
  std::vector<std::string> config;
  PlayOwners owners;
  WindowServices services{output, dialogs, home.path(), config, owners};

 private:
  std::unique_ptr<ControllerBus> MakeBus(SimulationOptions simulation) {
    auto made = std::make_unique<SimulatedControllerBus>(simulation);
    bus = made.get();
    return made;
  }
};

}  // namespace daved::testing
