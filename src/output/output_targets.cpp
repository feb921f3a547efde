#include "output/output_targets.h"

#include <cctype>

namespace daved {

std::string DeviceNameOfEntry(const std::string& entry) {
  std::string device = "ez";
  for (const char c : entry) device += char(std::tolower(static_cast<unsigned char>(c)));
  return device;
}

void OutputTargets::SetCurrentController(std::string device) {
  {
    std::lock_guard lock(mutex_);
    current_ = std::move(device);
  }
  Changed();
}

std::string OutputTargets::CurrentController() const {
  std::lock_guard lock(mutex_);
  return current_;
}

void OutputTargets::SetSelectedControllers(std::vector<std::string> entries) {
  {
    std::lock_guard lock(mutex_);
    selected_ = std::move(entries);
  }
  Changed();
}

std::vector<std::string> OutputTargets::SelectedControllers() const {
  std::lock_guard lock(mutex_);
  return selected_;
}

void OutputTargets::SetMultiController(bool on) {
  {
    std::lock_guard lock(mutex_);
    multi_ = on;
  }
  Changed();
}

bool OutputTargets::MultiController() const {
  std::lock_guard lock(mutex_);
  return multi_;
}

void OutputTargets::CopyDevices(std::vector<std::string>& devices) const {
  std::lock_guard lock(mutex_);
  devices.clear();
  // With no controller found the original still wrote to the empty name, which failed.
  if (!current_.empty()) devices.push_back(current_);
  if (multi_) {
    for (const std::string& entry : selected_) devices.push_back(DeviceNameOfEntry(entry));
  }
}

}  // namespace daved
