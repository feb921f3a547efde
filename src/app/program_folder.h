#pragma once
// Where the program keeps Daved.ini and its work folders.

#include <filesystem>
#include <string>

namespace daved {

struct ProgramFolderInputs {
  std::string home_option;  // --home DIR
  std::string daved_home;   // $DAVED_HOME
  std::filesystem::path executable_folder;
  std::string xdg_data_home;  // $XDG_DATA_HOME
  std::string home;           // $HOME
};

// --home DIR, else DAVED_HOME, else the executable's folder when it is writable, else
// $XDG_DATA_HOME/daved (~/.local/share/daved when that is not set).
std::filesystem::path ChooseProgramFolder(const ProgramFolderInputs& inputs);

// The same rule with this process's environment and executable.
std::filesystem::path ProgramFolder(const std::string& home_option);

}  // namespace daved
