#pragma once
// Each subcommand of the command line lives in its own file and adds itself here.

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>

namespace daved {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
};

// Adds a subcommand to `app` and returns what runs it once the arguments are parsed.
using CommandRunner = std::function<int()>;

CommandRunner AddInfoCommand(CLI::App& app, CommandStreams io);
CommandRunner AddConvertCommand(CLI::App& app, CommandStreams io);
CommandRunner AddRenderCommand(CLI::App& app, CommandStreams io);
CommandRunner AddPlayCommand(CLI::App& app, CommandStreams io);

}  // namespace daved
