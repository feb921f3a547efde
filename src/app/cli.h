#pragma once
// The command line: daved info | convert | render | play work headless; without a command the
// windows open.

#include <functional>
#include <iosfwd>

#include "app/startup_options.h"

namespace daved {

// Opens the windows and runs until the launcher closes; returns the exit status.
using WindowsRunner = std::function<int(const StartupOptions&)>;

// Runs the command line and returns the exit status: 0 success, 1 bad input, 2 wrong usage.
// `out` and `err` stand for standard output and standard error. Without a command it calls
// `openWindows`, or prints the help in a build without windows.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const WindowsRunner& openWindows = {});

}  // namespace daved
