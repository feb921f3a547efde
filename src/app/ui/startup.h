#pragma once
// The start-up of the windows: every window created once, in a fixed order, the launcher first.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/startup_options.h"
#include "output/device_selection.h"
#include "output/shared_output.h"
#include "ui/dialogs.h"
#include "ui/play_owners.h"
#include "ui/window_services.h"

namespace daved {

class TForm15;

// Everything the windows share, and the windows themselves, for the whole run.
class Program {
 public:
  Program(const StartupOptions& options, Dialogs& dialogs);
  // Stops the players first, then the windows go in reverse order, then what they shared.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  SharedOutput& output() { return *output_; }
  // The simulated controllers; nullptr when the output goes to USB controllers.
  SimulatedControllerBus* simulatedBus() const { return simulated_; }
  // True when one simulated controller stands in because no USB controller was found.
  bool simulatedStandIn() const { return standIn_; }
  DeviceSelection& selection() { return selection_; }
  std::vector<std::string>& config() { return config_; }

  // The windows in creation order; each one's objectName is its class name.
  std::vector<QWidget*> windows() const;
  TForm15& launcher() const;
  QWidget* window(const QString& name) const;

 private:
  std::unique_ptr<ControllerBus> MakeBus(const StartupOptions& options);
  void CreateWindows();

  SimulatedControllerBus* simulated_ = nullptr;
  bool standIn_ = false;
  std::unique_ptr<SharedOutput> output_;
  std::vector<std::string> config_;
  PlayOwners playOwners_;
  WindowServices services_;
  DeviceSelection selection_;
  std::vector<std::unique_ptr<QWidget>> windows_;
};

// Sets the application title "Daved" and creates every window (the launcher loads Daved.ini,
// which the later windows read while they are created). Needs a QApplication.
std::unique_ptr<Program> CreateWindows(const StartupOptions& options, Dialogs& dialogs);

// The whole start-up: the application object, the splash window, the windows, then the message
// loop until the launcher closes. Returns the exit status.
int RunWindows(int& argc, char** argv, const StartupOptions& options);

}  // namespace daved
