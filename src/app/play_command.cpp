#include <atomic>
#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <ostream>

#include "app/commands.h"
#include "app/file_kind.h"
#include "app/program_folder.h"
#include "formats/drawing_file.h"
#include "formats/file_io.h"
#include "output/devices/simulated_controller_bus.h"
#include "output/devices/usb_controller_bus.h"
#include "output/drawing_player.h"

namespace daved {
namespace {

namespace fs = std::filesystem;

struct PlayRequest {
  std::string file;
  std::string home;
  int simulate = 0;
  bool simulate_fast = false;
  std::string capture;
  long passes = 0;
  double seconds = 0;
};

// Set by Ctrl+C or a termination request; a lock-free atomic may be stored from a handler.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) { interrupted.store(true); }

// The output settings of the program folder's Daved.ini; the controls' initial values when the
// program has not run there yet.
Status LoadSettings(const fs::path& folder, OutputSettings& settings) {
  const fs::path ini = folder / "Daved.ini";
  if (!fs::exists(ini)) return {};
  std::vector<std::string> lines;
  if (Status s = LoadLines(ini, lines); !s.ok()) return s;
  if (Status s = ReadOutputSettings(lines, settings); !s.ok()) {
    return Status::Failed(ini.string() + " line " + std::to_string(s.reached + 1) + ": " + s.error);
  }
  return {};
}

int Play(const PlayRequest& request, CommandStreams io) {
  const auto fail = [&](const std::string& message) {
    io.err << "daved play: " << message << "\n";
    return kExitBadInput;
  };
  if (request.simulate == 0 && (request.simulate_fast || !request.capture.empty())) {
    io.err << "daved play: --simulate-fast and --capture need --simulate N\n";
    return kExitUsage;
  }
  OutputSettings settings;
  if (Status s = LoadSettings(ProgramFolder(request.home), settings); !s.ok()) return fail(s.error);

  const fs::path path(request.file);
  if (KindOf(path) != FileKind::Drawing) return fail("only drawings (.ddr) can be played so far");
  Drawing drawing;
  if (Status s = LoadDrawing(path, drawing, 1); !s.ok()) return fail(request.file + ": " + s.error);

  std::unique_ptr<ControllerBus> bus;
  if (request.simulate > 0) {
    auto simulated = std::make_unique<SimulatedControllerBus>(
        SimulationOptions{.controllers = request.simulate, .paced = !request.simulate_fast});
    if (!request.capture.empty()) {
      if (Status s = simulated->StartCapture(request.capture); !s.ok()) return fail(s.error);
    }
    bus = std::move(simulated);
  } else {
    bus = std::make_unique<UsbControllerBus>();
  }
  // Every controller found plays: the first as the current one, the others as selected.
  const std::vector<std::string> found = bus->scan();
  if (found.empty()) return fail("no laser controller found");
  OutputTargets targets;
  targets.SetCurrentController(found.front());
  std::vector<std::string> selected;
  for (std::size_t i = 1; i < found.size(); ++i) selected.push_back(ListNameOfDevice(found[i]));
  targets.SetSelectedControllers(std::move(selected));
  targets.SetMultiController(found.size() > 1);

  const std::size_t points = CountPoints(drawing);
  OutputFlags flags;
  DrawingPlayer player({settings, flags, targets, *bus}, std::move(drawing));
  const bool until_interrupted = request.passes == 0 && request.seconds == 0;
  interrupted = false;
  const auto old_int = std::signal(SIGINT, OnInterrupt);
  const auto old_term = std::signal(SIGTERM, OnInterrupt);
  const auto deadline =
      std::chrono::steady_clock::now() +
      std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(request.seconds));
  long passes = 0;
  player.start();
  while (!interrupted && player.runPass()) {
    ++passes;
    if (until_interrupted) continue;
    if (request.passes > 0 ? passes >= request.passes
                           : std::chrono::steady_clock::now() >= deadline) {
      break;
    }
  }
  player.finish();  // parks every controller, also after Ctrl+C
  std::signal(SIGINT, old_int);
  std::signal(SIGTERM, old_term);
  io.out << "played " << passes << " passes of " << points << " points to " << found.size()
         << (found.size() == 1 ? " controller\n" : " controllers\n");
  return kExitOk;
}

}  // namespace

CommandRunner AddPlayCommand(CLI::App& app, CommandStreams io) {
  auto* command = app.add_subcommand(
      "play", "Play a drawing on the laser controllers (or simulated ones), without windows");
  auto request = std::make_shared<PlayRequest>();
  command->add_option("FILE", request->file, "A .ddr drawing")->required();
  command->add_option("--home", request->home, "Program folder holding Daved.ini");
  command->add_option("--simulate", request->simulate, "Play to N simulated controllers")
      ->envname("DAVED_SIMULATE")
      ->check(CLI::Range(1, 128));
  command->add_flag("--simulate-fast", request->simulate_fast,
                    "Simulated controllers take data at once instead of at their scan speed");
  command->add_option("--capture", request->capture,
                      "Append every packet to FILE, one JSON object a line");
  auto* passes = command->add_option("--passes", request->passes, "Stop after N passes")
                     ->check(CLI::PositiveNumber);
  command->add_option("--seconds", request->seconds, "Stop after S seconds")
      ->check(CLI::PositiveNumber)
      ->excludes(passes);
  return [io, request] { return Play(*request, io); };
}

}  // namespace daved
