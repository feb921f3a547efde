#include "app/cli.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/program_folder.h"

namespace daved {

namespace {

// The options of the windows, given before any command.
struct WindowsRequest {
  std::string home;
  std::optional<int> simulate;
  std::vector<int> simulate_numbers;
  std::string capture;
};

void AddWindowsOptions(CLI::App& app, WindowsRequest& request) {
  app.add_option("--home", request.home, "Program folder holding Daved.ini and the work folders");
  app.add_option("--simulate", request.simulate,
                 "N simulated controllers in place of USB ones; 0: USB only, without the "
                 "simulated controller that stands in when none is found")
      ->envname("DAVED_SIMULATE")
      ->check(CLI::Range(0, 128));
  app.add_option("--simulate-numbers", request.simulate_numbers,
                 "Simulated controllers with these device numbers, e.g. 3,7")
      ->delimiter(',')
      ->check(CLI::Range(0, 127));
  app.add_option("--capture", request.capture,
                 "Append every packet of the simulated controllers to FILE, one JSON object a line");
}

StartupOptions OptionsOf(const WindowsRequest& request) {
  StartupOptions options;
  options.programFolder = ProgramFolder(request.home);
  if (!request.simulate_numbers.empty()) {
    options.simulation = SimulationOptions{.numbers = request.simulate_numbers};
  } else if (request.simulate && *request.simulate > 0) {
    options.simulation = SimulationOptions{.controllers = *request.simulate};
  }
  options.usbOnly = request.simulate == 0 && request.simulate_numbers.empty();
  options.capture = request.capture;
  return options;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const WindowsRunner& openWindows) {
  CLI::App app{"Daved: laser show program. Without a command it opens the windows.", "daved"};
  WindowsRequest windows;
  AddWindowsOptions(app, windows);
  const CommandStreams io{out, err};
  std::vector<std::pair<CLI::App*, CommandRunner>> commands;
  const auto add = [&](CommandRunner (*adder)(CLI::App&, CommandStreams)) {
    CommandRunner run = adder(app, io);
    commands.emplace_back(app.get_subcommands({}).back(), std::move(run));
  };
  add(AddInfoCommand);
  add(AddConvertCommand);
  add(AddRenderCommand);
  add(AddPlayCommand);
  app.require_subcommand(0, 1);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    err << "daved: " << e.what() << "\n" << "Run 'daved --help' for the commands.\n";
    return kExitUsage;
  }
  for (auto& [command, run] : commands) {
    if (command->parsed()) return run();
  }
  if (!openWindows) {  // a build without windows
    out << app.help();
    return kExitOk;
  }
  if (!windows.capture.empty() && windows.simulate.value_or(0) == 0 &&
      windows.simulate_numbers.empty()) {
    err << "daved: --capture needs --simulate N or --simulate-numbers\n";
    return kExitUsage;
  }
  return openWindows(OptionsOf(windows));
}

}  // namespace daved
