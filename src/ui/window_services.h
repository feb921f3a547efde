#pragma once
// What every window is created with: the shared output, the dialogs, the program folder and
// the configuration lines that windows read while they are created.

#include <filesystem>
#include <string>
#include <vector>

#include "output/shared_output.h"
#include "ui/dialogs.h"
#include "ui/play_owners.h"

namespace daved {

struct WindowServices {
  SharedOutput& output;
  Dialogs& dialogs;
  std::filesystem::path programFolder;
  std::vector<std::string>& config;  // Daved.ini, one entry per line, addressed from 0
  PlayOwners& playOwners;
};

}  // namespace daved
