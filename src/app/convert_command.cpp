#include "app/commands.h"

namespace daved {

CommandRunner AddConvertCommand(CLI::App& app, CommandStreams io) {
  app.add_subcommand("convert", "");
  return [io] { io.err << "not built yet\n"; return kExitBadInput; };
}

}  // namespace daved
