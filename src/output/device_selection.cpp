#include "output/device_selection.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "output/controller_reset.h"
#include "output/point_pipeline.h"

namespace daved {
namespace {

std::string ListName(int number) { return "Usb-" + std::to_string(number); }

}  // namespace

DeviceSelection::DeviceSelection(ControllerBus& bus, OutputTargets& targets)
    : bus_(bus), targets_(targets) {}

int DeviceSelection::NumberOf(const std::string& device) {
  constexpr std::string_view kPrefix = "ezusb-";
  if (!device.starts_with(kPrefix)) return -1;
  const std::string digits = device.substr(kPrefix.size());
  if (digits.empty() || digits.size() > 3 ||
      digits.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  const int number = std::stoi(digits);
  return number < kDeviceCount ? number : -1;
}

void DeviceSelection::Scan() {
  found_ = bus_.scan();
  position_ = found_.empty() ? -1 : 0;
  Publish();
}

void DeviceSelection::Rescan() {
  const int remembered = position_;
  found_ = bus_.scan();
  const int count = int(found_.size());
  if (count == 0) {
    position_ = -1;
  } else if (count == 1) {
    position_ = 0;
  } else {
    // A remembered position that no longer exists (or none at all, when nothing was found
    // before) would leave several controllers without a current one: take the first.
    position_ = remembered >= 0 && remembered < count ? remembered : 0;
  }
  Refresh();
}

bool DeviceSelection::Tick(const OutputSettings& settings) {
  if (!found_.empty()) return false;
  Rescan();
  const std::string current = currentController();
  if (!current.empty()) {
    const int pipe = settings.pipe_number.load(std::memory_order_relaxed);
    const std::array<uint8_t, 1> zero = {0};
    bus_.write(current, pipe, zero);
    const SettingsPacket packet =
        MakeSettingsPacket(settings.output_delay.load(std::memory_order_relaxed),
                           settings.scan_speed.load(std::memory_order_relaxed));
    bus_.write(current, pipe, packet);
  }
  return true;
}

std::vector<std::string> DeviceSelection::listNames() const {
  std::vector<std::string> names;
  for (const std::string& device : found_) names.push_back(ListNameOfDevice(device));
  return names;
}

std::string DeviceSelection::currentController() const {
  return position_ >= 0 ? found_[std::size_t(position_)] : std::string();
}

void DeviceSelection::ChooseMain(int position) {
  if (found_.empty()) {
    position_ = -1;
  } else if (position >= 0 && position < int(found_.size())) {
    position_ = position;
    // The new main controller leaves the selected list, so it does not get every packet twice.
    if (multi_) ShowChecks();
    DropMainFromSelected();
  }
  Publish();
}

std::string DeviceSelection::Title(const std::string& base) const {
  return position_ >= 0 ? base + "-" + std::to_string(position_) : base;
}

void DeviceSelection::SetMultiController(bool on) {
  if (on && !canUseSeveral()) return;
  multi_ = on;
  if (multi_) ShowChecks();
  Publish();
}

void DeviceSelection::Activate() {
  if (!canUseSeveral()) multi_ = false;
  Publish();
}

bool DeviceSelection::isShown(int number) const { return multi_ && IsFound(number); }

bool DeviceSelection::isChecked(int number) const {
  return number >= 0 && number < kDeviceCount && checked_[std::size_t(number)];
}

void DeviceSelection::ClickController(int number, bool checked) {
  if (number < 0 || number >= kDeviceCount) return;
  checked_[std::size_t(number)] = checked;
  if (number != NumberOf(currentController())) {
    const std::string name = ListName(number);
    const auto it = std::find(selected_.begin(), selected_.end(), name);
    if (checked && it == selected_.end()) selected_.push_back(name);
    if (!checked && it != selected_.end()) selected_.erase(it);
  }
  Publish();
}

void DeviceSelection::SelectAll() {
  if (found_.empty()) return;
  selected_.clear();
  for (const std::string& device : found_) {
    const int number = NumberOf(device);
    if (number < 0) continue;
    checked_[std::size_t(number)] = true;
    if (device != currentController()) selected_.push_back(ListName(number));
  }
  Publish();
}

void DeviceSelection::SelectNone() {
  if (found_.empty()) return;
  for (const std::string& device : found_) {
    const int number = NumberOf(device);
    if (number >= 0 && device != currentController()) checked_[std::size_t(number)] = false;
  }
  selected_.clear();
  Publish();
}

std::vector<std::string> DeviceSelection::ResetControllers() {
  return ::daved::ResetControllers(bus_, targets_);
}

bool DeviceSelection::IsFound(int number) const {
  return number >= 0 && std::any_of(found_.begin(), found_.end(), [&](const std::string& d) {
           return NumberOf(d) == number;
         });
}

void DeviceSelection::Refresh() {
  std::erase_if(selected_,
                [&](const std::string& name) { return !IsFound(NumberOf(DeviceNameOfEntry(name))); });
  checked_.fill(false);
  for (const std::string& name : selected_) {
    checked_[std::size_t(NumberOf(DeviceNameOfEntry(name)))] = true;
  }
  if (!canUseSeveral()) multi_ = false;
  if (multi_) ShowChecks();
  // After the positions moved, the controller now current may be one that was selected.
  DropMainFromSelected();
  Publish();
}

void DeviceSelection::ShowChecks() {
  const int main = NumberOf(currentController());
  if (main >= 0) checked_[std::size_t(main)] = true;
}

void DeviceSelection::DropMainFromSelected() {
  const std::string current = currentController();
  if (current.empty()) return;
  std::erase(selected_, ListNameOfDevice(current));
}

void DeviceSelection::Publish() {
  targets_.SetCurrentController(currentController());
  targets_.SetSelectedControllers(selected_);
  targets_.SetMultiController(multi_);
}

}  // namespace daved
