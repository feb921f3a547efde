#pragma once
// The headless command line: daved info | convert | render.

#include <iosfwd>

namespace daved {

// Runs the command line and returns the exit status: 0 success, 1 bad input, 2 wrong usage.
// `out` and `err` stand for standard output and standard error.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace daved
