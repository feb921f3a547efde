#include "app/commands.h"

namespace daved {

CommandRunner AddRenderCommand(CLI::App& app, CommandStreams io) {
  app.add_subcommand("render", "");
  return [io] { io.err << "not built yet\n"; return kExitBadInput; };
}

}  // namespace daved
