#pragma once
// Which controllers get the output: the controllers found by the last scan, the current (main)
// controller chosen among them, and with the multi-controller flag the further selected ones.
// The launcher's controller choice and the device selection dialog are two views of this one
// model; every change is passed on at once to the OutputTargets the players read.

#include <array>
#include <string>
#include <vector>

#include "output/controller_bus.h"
#include "output/output_settings.h"
#include "output/output_targets.h"

namespace daved {

class DeviceSelection {
 public:
  static constexpr int kDeviceCount = 128;  // ezusb-0 .. ezusb-127

  DeviceSelection(ControllerBus& bus, OutputTargets& targets);

  // The scan at the launcher's creation: the first controller found becomes the current one.
  void Scan();
  // "Rileva dispositivo": scans again and keeps the chosen position where it still exists,
  // then drops vanished controllers from the selected list.
  void Rescan();
  // The launcher's Timer1: while no controller is known, rescans and greets the current
  // controller (if one turned up) with the one-byte packet 0 and the settings packet. True when
  // it rescanned.
  bool Tick(const OutputSettings& settings);

  // The found controllers as device names ("ezusb-3") and as list names ("Usb-3").
  const std::vector<std::string>& found() const { return found_; }
  std::vector<std::string> listNames() const;
  // Position of the current controller among the found ones; -1 when none was found.
  int position() const { return position_; }
  std::string currentController() const;
  void ChooseMain(int position);
  // The application title: "Daved" with no controller, "Daved-1" with the second one current.
  std::string Title(const std::string& base) const;

  // Multi-controller output needs at least two controllers.
  bool canUseSeveral() const { return found_.size() > 1; }
  bool multiController() const { return multi_; }
  void SetMultiController(bool on);
  // What showing the dialog checks: with fewer than two controllers multi-controller output ends.
  void Activate();

  // The controller check boxes, by device number: shown only with the multi-controller flag
  // and only for found controllers.
  bool isShown(int number) const;
  bool isChecked(int number) const;
  // A click on check box `number` that left it `checked`. The main controller's own box changes
  // only its tick, never the selected list.
  void ClickController(int number, bool checked);
  void SelectAll();   // "tutto"
  void SelectNone();  // "None"
  // The further selected controllers, as list names, never holding the main one.
  const std::vector<std::string>& selected() const { return selected_; }

  // "Resetta": the reset command; one message per controller that failed to reset.
  std::vector<std::string> ResetControllers();

 private:
  static int NumberOf(const std::string& device);  // -1 when not "ezusb-N" with N in range
  bool IsFound(int number) const;
  void Refresh();        // after a rescan
  void ShowChecks();     // multi-controller on: tick the main controller's box
  void DropMainFromSelected();
  void Publish();        // passes the selection on to the players' targets

  ControllerBus& bus_;
  OutputTargets& targets_;
  std::vector<std::string> found_;
  int position_ = -1;
  bool multi_ = false;
  std::vector<std::string> selected_;
  std::array<bool, kDeviceCount> checked_{};
};

}  // namespace daved
