#include "output/controller_reset.h"

namespace daved {

std::string ListNameOfDevice(const std::string& device) {
  constexpr std::string_view kPrefix = "ezusb-";
  if (device.starts_with(kPrefix)) return "Usb-" + device.substr(kPrefix.size());
  return device;
}

std::vector<std::string> ResetControllers(ControllerBus& bus, const OutputTargets& targets) {
  std::vector<std::string> failures;
  const auto reset = [&](const std::string& device, std::initializer_list<int> pipes,
                         const std::string& list_name) {
    for (const int pipe : pipes) bus.abortPipe(device, pipe);
    if (!bus.reset(device)) failures.push_back("Failed to reset " + list_name);
  };
  const std::string current = targets.CurrentController();
  reset(current, {1, 3, 5}, ListNameOfDevice(current));
  if (targets.MultiController()) {
    for (const std::string& entry : targets.SelectedControllers()) {
      reset(DeviceNameOfEntry(entry), {1, 2, 3}, entry);
    }
  }
  return failures;
}

}  // namespace daved
