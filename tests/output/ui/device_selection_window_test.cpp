// The device selection dialog with simulated controllers: what its controls do to the selected
// controllers, and the packets that then reach each controller.

#include "output/ui/device_selection_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>

#include "output/devices/simulated_controller_bus.h"
#include "output/drawing_player.h"
#include "ui_support.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Control;
using testing::ScriptedDialogs;

// Simulated controllers with chosen numbers, the launcher's scan done, the dialog shown.
struct Rig {
  explicit Rig(std::vector<int> numbers)
      : output(MakeBus(std::move(numbers))),
        selection(output.bus(), output.targets),
        window((selection.Scan(), new TForm19(services, selection))) {
    window->show();
  }
  std::unique_ptr<ControllerBus> MakeBus(std::vector<int> numbers) {
    auto made = std::make_unique<SimulatedControllerBus>(
        SimulationOptions{.paced = false, .keep_writes = true, .numbers = std::move(numbers)});
    bus = made.get();
    return made;
  }
  template <typename T = QCheckBox>
  T* control(const char* name) {
    return Control<T>(window.get(), name);
  }
  // A click on the box itself, where its indicator is.
  void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  std::vector<std::string> Devices() {
    std::vector<std::string> devices;
    output.targets.CopyDevices(devices);
    return devices;
  }

  SimulatedControllerBus* bus = nullptr;
  SharedOutput output;
  ScriptedDialogs dialogs;
  std::vector<std::string> config;
  PlayOwners owners;
  WindowServices services{output, dialogs, {}, config, owners};
  DeviceSelection selection;
  std::unique_ptr<TForm19> window;
};

TEST(DeviceSelectionWindow, ThreeAndSevenWithTuttoSendEveryPacketToBoth) {
  Rig rig({3, 7});
  EXPECT_EQ(rig.window->windowTitle(), "Select device");
  QCheckBox* several = rig.control("CheckBox131");
  EXPECT_EQ(several->text(), "Abilita piu' apparecchi");
  ASSERT_TRUE(several->isEnabled());
  EXPECT_FALSE(rig.control("CheckBox3")->isVisible());
  EXPECT_FALSE(rig.control<QPushButton>("suiButton2")->isVisible());

  rig.Click(several);
  EXPECT_TRUE(rig.output.targets.MultiController());
  for (int n = 0; n < DeviceSelection::kDeviceCount; ++n) {
    const std::string name = "CheckBox" + std::to_string(n);
    EXPECT_EQ(rig.control(name.c_str())->isVisible(), n == 3 || n == 7) << name;
  }
  EXPECT_EQ(rig.control("CheckBox7")->text(), "Usb-7");
  EXPECT_TRUE(rig.control("CheckBox3")->isChecked());
  EXPECT_FALSE(rig.control("CheckBox7")->isChecked());

  QPushButton* all = rig.control<QPushButton>("suiButton2");
  EXPECT_EQ(all->text(), "tutto");
  QTest::mouseClick(all, Qt::LeftButton);
  EXPECT_TRUE(rig.control("CheckBox7")->isChecked());
  EXPECT_EQ(rig.selection.selected(), (std::vector<std::string>{"Usb-7"}));

  rig.output.settings.output_delay = 7;
  DrawingPlayer player(rig.output.context(), {{{10, 250, kVertex, 2, kStateNormal, 1}}});
  player.start();
  player.runPass();
  const Bytes record = {9, 3, 245, 5};
  EXPECT_EQ(rig.bus->Writes(), (std::vector<CapturedWrite>{{"ezusb-3", 2, Bytes{7, 0}},
                                                           {"ezusb-7", 2, Bytes{7, 0}},
                                                           {"ezusb-3", 2, record},
                                                           {"ezusb-7", 2, record}}));
}

TEST(DeviceSelectionWindow, ChoosingASelectedControllerAsMainTakesItOffTheSelectedList) {
  Rig rig({3, 7});
  rig.Click(rig.control("CheckBox131"));
  QTest::mouseClick(rig.control<QPushButton>("suiButton2"), Qt::LeftButton);
  QSignalSpy chosen(rig.window.get(), &TForm19::mainControllerChosen);
  QComboBox* main = rig.control<QComboBox>("ComboBox1");
  main->setFocus();
  QTest::keyClick(main, Qt::Key_Down);
  EXPECT_EQ(chosen.count(), 1);
  EXPECT_TRUE(rig.selection.selected().empty());
  // ezusb-7 gets each packet once, and ezusb-3 no longer.
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-7"}));
  EXPECT_TRUE(rig.control("CheckBox7")->isChecked());
}

TEST(DeviceSelectionWindow, TheMainControllersBoxLeavesTheListAloneAndNoneEmptiesIt) {
  Rig rig({3, 7});
  rig.Click(rig.control("CheckBox131"));
  rig.Click(rig.control("CheckBox3"));
  EXPECT_TRUE(rig.selection.selected().empty());
  rig.Click(rig.control("CheckBox3"));
  rig.Click(rig.control("CheckBox7"));
  EXPECT_EQ(rig.selection.selected(), (std::vector<std::string>{"Usb-7"}));
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-3", "ezusb-7"}));

  QPushButton* none = rig.control<QPushButton>("suiButton3");
  EXPECT_EQ(none->text(), "None");
  QTest::mouseClick(none, Qt::LeftButton);
  EXPECT_TRUE(rig.selection.selected().empty());
  EXPECT_TRUE(rig.control("CheckBox3")->isChecked());
  EXPECT_FALSE(rig.control("CheckBox7")->isChecked());
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-3"}));

  // Switching off keeps the list but stops sending to it.
  rig.Click(rig.control("CheckBox7"));
  rig.Click(rig.control("CheckBox131"));
  EXPECT_FALSE(rig.control("CheckBox7")->isVisible());
  EXPECT_EQ(rig.selection.selected(), (std::vector<std::string>{"Usb-7"}));
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-3"}));
}

TEST(DeviceSelectionWindow, WithOneControllerSeveralCannotBeEnabled) {
  Rig rig({5});
  QCheckBox* several = rig.control("CheckBox131");
  EXPECT_FALSE(several->isEnabled());
  rig.Click(several);
  EXPECT_FALSE(rig.output.targets.MultiController());
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-5"}));
}

TEST(DeviceSelectionWindow, ARescanDropsUnpluggedControllersAndEndsSeveralBelowTwo) {
  Rig rig({3, 5, 7});
  rig.Click(rig.control("CheckBox131"));
  QTest::mouseClick(rig.control<QPushButton>("suiButton2"), Qt::LeftButton);
  rig.bus->SetPlugged(7, false);
  rig.selection.Rescan();
  rig.window->RefreshDeviceSelection();
  EXPECT_EQ(rig.selection.selected(), (std::vector<std::string>{"Usb-5"}));
  EXPECT_FALSE(rig.control("CheckBox7")->isVisible());
  EXPECT_TRUE(rig.control("CheckBox5")->isChecked());
  EXPECT_EQ(rig.control<QComboBox>("ComboBox1")->count(), 2);

  rig.bus->SetPlugged(5, false);
  rig.selection.Rescan();
  rig.window->RefreshDeviceSelection();
  EXPECT_FALSE(rig.control("CheckBox131")->isEnabled());
  EXPECT_FALSE(rig.control("CheckBox131")->isChecked());
  EXPECT_FALSE(rig.control("CheckBox3")->isVisible());
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-3"}));
}

TEST(DeviceSelectionWindow, AFormerlySelectedControllerThatBecomesMainGetsPacketsOnce) {
  Rig rig({3, 5, 7});
  rig.selection.ChooseMain(2);  // ezusb-7
  rig.window->ShowMainController();
  rig.Click(rig.control("CheckBox131"));
  QTest::mouseClick(rig.control<QPushButton>("suiButton2"), Qt::LeftButton);
  EXPECT_EQ(rig.selection.selected(), (std::vector<std::string>{"Usb-3", "Usb-5"}));
  // Controller 3 goes: the remembered position 2 is gone, so the first one, 5, becomes main.
  rig.bus->SetPlugged(3, false);
  rig.selection.Rescan();
  EXPECT_EQ(rig.Devices(), (std::vector<std::string>{"ezusb-5"}));
  EXPECT_TRUE(rig.selection.selected().empty());
}

TEST(DeviceSelectionWindow, ResettaResetsEveryEnabledControllerAndNamesFailures) {
  Rig rig({3, 7});
  rig.Click(rig.control("CheckBox131"));
  QTest::mouseClick(rig.control<QPushButton>("suiButton2"), Qt::LeftButton);
  rig.bus->SetPlugged(7, false);
  QPushButton* reset = rig.control<QPushButton>("BitBtn2");
  EXPECT_EQ(reset->text(), "Resetta");
  QTest::mouseClick(reset, Qt::LeftButton);
  EXPECT_EQ(rig.bus->Controller("ezusb-3")->resets, 1);
  EXPECT_EQ(rig.dialogs.messages, (std::vector<QString>{"Failed to reset Usb-7"}));

  QTest::mouseClick(rig.control<QPushButton>("suiButton1"), Qt::LeftButton);
  EXPECT_FALSE(rig.window->isVisible());
}

}  // namespace
}  // namespace daved
