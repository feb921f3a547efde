#include "app/ui/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/config_file.h"
#include "app/ui/launcher_window.h"
#include "app/ui/splash_window.h"
#include "editor/ui/drawing_editor_window.h"
#include "editor/ui/plotter_dialog.h"
#include "editor/ui/rotation_dialog.h"
#include "output/devices/usb_controller_bus.h"
#include "output/ui/device_selection_window.h"
#include "output/ui/laser_simulator_window.h"
#include "output/ui/output_settings_window.h"
#include "output/ui/play_window.h"

namespace daved {

Program::Program(const StartupOptions& options, Dialogs& dialogs)
    : output_(std::make_unique<SharedOutput>(MakeBus(options))),
      services_{*output_, dialogs, options.programFolder, config_, playOwners_},
      selection_(output_->bus(), output_->targets) {
  QGuiApplication::setApplicationDisplayName("Daved");
  const Status folders = PrepareProgramFolder(options.programFolder);
  CreateWindows();
  if (!folders.ok()) launcher().AddStartupMessage(QString::fromStdString(folders.error));
  if (simulated_ != nullptr && !options.capture.empty()) {
    if (const Status s = simulated_->StartCapture(options.capture); !s.ok()) {
      launcher().AddStartupMessage(QString::fromStdString(s.error));
    }
  }
  if (standIn_) launcher().ShowSimulatedStandIn();
}

Program::~Program() {
  output_->players().StopAndWait();
  while (!windows_.empty()) windows_.pop_back();
}

std::unique_ptr<ControllerBus> Program::MakeBus(const StartupOptions& options) {
  std::unique_ptr<SimulatedControllerBus> simulated;
  if (options.simulation) {
    simulated = std::make_unique<SimulatedControllerBus>(*options.simulation);
  } else {
    auto usb = std::make_unique<UsbControllerBus>();
    if (options.usbOnly || !usb->scan().empty()) return usb;
    simulated = std::make_unique<SimulatedControllerBus>(SimulationOptions{});
    standIn_ = true;
  }
  simulated_ = simulated.get();
  return simulated;
}

void Program::CreateWindows() {
  // The launcher loads Daved.ini; the windows after it read their lines while created.
  auto* launcher = new TForm15(services_, selection_);
  windows_.emplace_back(launcher);
  auto* editor = new TForm1(services_);
  windows_.emplace_back(editor);
  auto* outputSettings = new TForm13(services_);
  windows_.emplace_back(outputSettings);
  windows_.emplace_back(new TForm17(services_, *editor));
  auto* selectionWindow = new TForm19(services_, selection_);
  windows_.emplace_back(selectionWindow);
  windows_.emplace_back(new TForm3(*editor));
  auto* playWindow = new TForm21(services_);
  windows_.emplace_back(playWindow);
  if (simulated_ != nullptr) windows_.emplace_back(new LaserSimulatorWindow(*simulated_));

  QObject::connect(launcher, &TForm15::controllersRescanned, selectionWindow,
                   &TForm19::RefreshDeviceSelection);
  QObject::connect(launcher, &TForm15::mainControllerChosen, selectionWindow,
                   &TForm19::ShowMainController);
  QObject::connect(selectionWindow, &TForm19::mainControllerChosen, launcher,
                   &TForm15::ShowMainController);
  // The play window's settings button opens the output settings.
  QObject::connect(playWindow, &TForm21::outputSettingsRequested, outputSettings, [outputSettings] {
    outputSettings->show();
    outputSettings->raise();
    outputSettings->activateWindow();
  });
  launcher->SetWindows(windows());
  editor->SetWindows(windows());
}

std::vector<QWidget*> Program::windows() const {
  std::vector<QWidget*> list;
  for (const auto& w : windows_) list.push_back(w.get());
  return list;
}

TForm15& Program::launcher() const { return static_cast<TForm15&>(*windows_.front()); }

QWidget* Program::window(const QString& name) const {
  for (const auto& w : windows_) {
    if (w->objectName() == name) return w.get();
  }
  return nullptr;
}

std::unique_ptr<Program> CreateWindows(const StartupOptions& options, Dialogs& dialogs) {
  return std::make_unique<Program>(options, dialogs);
}

int RunWindows(int& argc, char** argv, const StartupOptions& options) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Daved");
  TForm14 splash;
  splash.show();
  splash.repaint();
  QApplication::processEvents();

  QtDialogs dialogs;
  std::unique_ptr<Program> program;
  try {
    program = CreateWindows(options, dialogs);
  } catch (const std::exception& error) {  // out of memory, or Qt could not make a window
    splash.close();
    QMessageBox::critical(nullptr, "Daved", QString::fromLocal8Bit(error.what()));
    return 1;
  }
  splash.close();

  TForm15& launcher = program->launcher();
  QObject::connect(&launcher, &TForm15::closed, &app, &QApplication::quit);
  launcher.show();
  if (QWidget* simulator = program->window("LaserSimulatorWindow")) {
    simulator->move(launcher.frameGeometry().topRight() + QPoint(16, 0));
    simulator->show();
  }
  launcher.ShowStartupMessages();
  return app.exec();
}

}  // namespace daved
