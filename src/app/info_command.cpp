#include "app/commands.h"

namespace daved {

CommandRunner AddInfoCommand(CLI::App& app, CommandStreams io) {
  app.add_subcommand("info", "");
  return [io] { io.err << "not built yet\n"; return kExitBadInput; };
}

}  // namespace daved
