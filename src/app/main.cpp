#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "app/cli.h"
#ifdef DAVED_WITH_WINDOWS
#include "app/ui/startup.h"
#endif

namespace {

// Loading a large ILDA file or frame list fills tens of megabytes of fresh point lists, and
// faulting them in 4 KB pages costs several times the reading itself. glibc's allocator asks
// for huge pages only when told at start, so the program restarts itself once with that set.
void RestartWithHugePageAllocator(char** argv) {
  constexpr const char* kTunables = "GLIBC_TUNABLES";
  if (std::getenv(kTunables) != nullptr) return;  // already set, by us or by the user
  setenv(kTunables, "glibc.malloc.hugetlb=1", 1);
  execv("/proc/self/exe", argv);
  unsetenv(kTunables);  // could not restart: go on as we are
}

}  // namespace

int main(int argc, char** argv) {
  RestartWithHugePageAllocator(argv);
  daved::WindowsRunner openWindows;
#ifdef DAVED_WITH_WINDOWS
  openWindows = [&](const daved::StartupOptions& options) {
    return daved::RunWindows(argc, argv, options);
  };
#endif
  return daved::RunCommandLine(argc, argv, std::cout, std::cerr, openWindows);
}
