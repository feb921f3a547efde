#pragma once
// The device selection dialog: the main controller, and with "Abilita piu' apparecchi" the
// further controllers that get every packet too. It shows and changes the DeviceSelection the
// launcher shares with it.

#include <QDialog>
#include <array>

#include "output/device_selection.h"
#include "ui/window_services.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace daved {

class TForm19 : public QDialog {
  Q_OBJECT

 public:
  TForm19(WindowServices& services, DeviceSelection& selection, QWidget* parent = nullptr);

 public slots:
  // The launcher rescanned: the found controllers changed.
  void RefreshDeviceSelection();
  // The launcher chose another main controller.
  void ShowMainController();

 signals:
  // The user chose another main controller here; the launcher shows it in its title.
  void mainControllerChosen();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void ChooseMainController(int position);
  void SwitchSeveralControllers(bool on);
  void ClickController(int number, bool checked);
  void SelectAllControllers();
  void SelectNoController();
  void ResetControllers();

 private:
  void ShowSelection();

  WindowServices& services_;
  DeviceSelection& selection_;
  QComboBox* ComboBox1;
  QCheckBox* CheckBox131;
  std::array<QCheckBox*, DeviceSelection::kDeviceCount> controllerBoxes_{};
  QPushButton* suiButton2;
  QPushButton* suiButton3;
  QPushButton* BitBtn2;
  QPushButton* suiButton1;
};

}  // namespace daved
