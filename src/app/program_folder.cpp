#include "app/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace daved {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::filesystem::path ChooseProgramFolder(const ProgramFolderInputs& inputs) {
  if (!inputs.home_option.empty()) return inputs.home_option;
  if (!inputs.daved_home.empty()) return inputs.daved_home;
  if (!inputs.executable_folder.empty() &&
      ::access(inputs.executable_folder.c_str(), W_OK) == 0) {
    return inputs.executable_folder;
  }
  if (!inputs.xdg_data_home.empty()) return std::filesystem::path(inputs.xdg_data_home) / "daved";
  return std::filesystem::path(inputs.home) / ".local" / "share" / "daved";
}

std::filesystem::path ProgramFolder(const std::string& home_option) {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return ChooseProgramFolder({home_option, Environment("DAVED_HOME"),
                              error ? std::filesystem::path() : executable.parent_path(),
                              Environment("XDG_DATA_HOME"), Environment("HOME")});
}

}  // namespace daved
