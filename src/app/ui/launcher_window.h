#pragma once
// The launcher, the program's main window: it loads Daved.ini, finds the controllers, opens the
// other windows, and at closing stops the output and writes every setting back.

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "output/device_selection.h"
#include "ui/window_services.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace daved {

class TForm1;

class TForm15 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTimerMs = 2000;

  TForm15(WindowServices& services, DeviceSelection& selection, QWidget* parent = nullptr);

  // Lets each button open its window; a button whose window is not part of the program stays
  // disabled.
  void SetWindows(const std::vector<QWidget*>& windows);
  // What closing ends besides the players: the external media player process.
  void SetEndMusicProcess(std::function<void()> end) { endMusicProcess_ = std::move(end); }
  // Shown once the windows are up: what went wrong reading or creating Daved.ini, and any
  // other problem of the start-up.
  void AddStartupMessage(const QString& message);
  void ShowStartupMessages();
  // Says in the launcher that a simulated controller stands in for missing USB ones.
  void ShowSimulatedStandIn();

 public slots:
  // "Rileva dispositivo", also the menu entries "Individua apparecchio(&D)" of other windows.
  void RescanControllers();
  // The main controller changed elsewhere (the device selection dialog).
  void ShowMainController();
  // Every 2 s while no controller is known: rescan and greet a controller that turned up.
  void Timer1Timer();

 signals:
  void controllersRescanned();
  void mainControllerChosen();
  // The launcher closed: the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void ChooseController(int position);

 private:
  void ShowControllers();
  void SaveSettings();

  WindowServices& services_;
  DeviceSelection& selection_;
  QString baseTitle_;
  QStringList startupMessages_;
  bool configUnreadable_ = false;  // then closing leaves the file as it is
  std::function<void()> endMusicProcess_;
  TForm1* editor_ = nullptr;  // asked to close first; its settings are written back

  QPushButton* BitBtn1;
  QPushButton* BitBtn5;
  QPushButton* suiButton3;
  QPushButton* BitBtn2;
  QPushButton* BitBtn4;
  QPushButton* BitBtn3;
  QPushButton* suiButton2;
  QPushButton* suiButton1;
  QComboBox* ComboBox1;
  QPushButton* BitBtn7;
  QLabel* StatusLabel;
  QTimer* Timer1;
};

}  // namespace daved
