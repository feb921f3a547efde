#include "app/cli.h"

#include <ostream>
#include <utility>
#include <vector>

#include "app/commands.h"

namespace daved {

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"Daved: laser show program. Without a command it opens the windows.", "daved"};
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
  // No command: the windows are not part of this build yet.
  out << app.help();
  return kExitOk;
}

}  // namespace daved
