#include "app/ui/launcher_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

#include "app/config_file.h"
#include "editor/editor_config.h"
#include "editor/ui/drawing_editor_window.h"
#include "output/output_settings.h"

namespace daved {
namespace {

constexpr std::size_t kMediaPlayerPathLine = 35;
constexpr std::pair<std::size_t, std::size_t> kEditorLines = {1, 11};
constexpr std::pair<std::size_t, std::size_t> kShowLines = {45, 49};
const QString kCaption = QStringLiteral("Ziverive-REDUR");

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setMinimumHeight(40);
  return button;
}

QString ConfigPath(const std::filesystem::path& folder) {
  return QString::fromStdString((folder / kConfigFileName).string());
}

}  // namespace

TForm15::TForm15(WindowServices& services, DeviceSelection& selection, QWidget* parent)
    : QWidget(parent), services_(services), selection_(selection) {
  setObjectName("TForm15");
  setWindowTitle(kCaption);

  BitBtn1 = MakeButton(this, "BitBtn1", "Crea Immagine");
  BitBtn5 = MakeButton(this, "BitBtn5", "Riproduci");
  suiButton3 = MakeButton(this, "suiButton3", "Riproduci 2");
  BitBtn2 = MakeButton(this, "BitBtn2", "Modifica segmento");
  BitBtn4 = MakeButton(this, "BitBtn4", "Modifica Show");
  BitBtn3 = MakeButton(this, "BitBtn3", "Convertitore");
  suiButton2 = MakeButton(this, "suiButton2", "Modifica testo");
  suiButton1 = MakeButton(this, "suiButton1", "Rileva dispositivo");
  BitBtn7 = MakeButton(this, "BitBtn7", "Seleziona dispositivo");
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setMinimumWidth(120);
  StatusLabel = new QLabel(this);
  StatusLabel->setObjectName("StatusLabel");
  StatusLabel->setStyleSheet("color: #b00000");
  StatusLabel->setWordWrap(true);
  StatusLabel->hide();

  auto* layout = new QVBoxLayout(this);
  auto* windows = new QGridLayout;
  const std::array windowButtons = {BitBtn1, BitBtn5, suiButton3, BitBtn2,
                                    BitBtn4, BitBtn3, suiButton2};
  for (std::size_t i = 0; i < windowButtons.size(); ++i) {
    windows->addWidget(windowButtons[i], int(i / 2), int(i % 2));
    windowButtons[i]->setEnabled(false);  // until SetWindows finds their window
  }
  layout->addLayout(windows);
  auto* controllers = new QHBoxLayout;
  controllers->addWidget(suiButton1);
  controllers->addWidget(ComboBox1, 1);
  controllers->addWidget(BitBtn7);
  BitBtn7->setEnabled(false);
  layout->addLayout(controllers);
  layout->addWidget(StatusLabel);

  connect(suiButton1, &QPushButton::clicked, this, &TForm15::RescanControllers);
  connect(ComboBox1, &QComboBox::activated, this, &TForm15::ChooseController);

  // Daved.ini first: every window created after the launcher reads its lines from the list.
  bool created = false;
  const Status loaded = LoadConfig(services_.programFolder, services_.config, created);
  if (!loaded.ok()) {
    // A file that could not be created is tried again at closing; one that could not be read
    // is kept as it is.
    configUnreadable_ = !created;
    startupMessages_ << ConfigPath(services_.programFolder) + ": " +
                            QString::fromStdString(loaded.error);
  } else {
    // The output settings window reports its own lines; the launcher keeps the drawing
    // editor's and the show editor's lines for them, so it reports those.
    Status checked = CheckConfigLines(services_.config, kEditorLines.first, kEditorLines.second);
    if (checked.ok()) {
      checked = CheckConfigLines(services_.config, kShowLines.first, kShowLines.second);
    }
    if (!checked.ok()) startupMessages_ << QString::fromStdString(checked.error);
  }
  if (services_.config.size() > kMediaPlayerPathLine) {
    services_.output.settings.set_media_player_path(services_.config[kMediaPlayerPathLine]);
  }

  baseTitle_ = QGuiApplication::applicationDisplayName();
  selection_.Scan();
  ShowControllers();

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(kTimerMs);
  connect(Timer1, &QTimer::timeout, this, &TForm15::Timer1Timer);
  Timer1->start();
}

void TForm15::SetWindows(const std::vector<QWidget*>& windows) {
  const std::array<std::pair<QPushButton*, const char*>, 8> opens = {{
      {BitBtn1, "TForm1"}, {BitBtn5, "TForm4"}, {suiButton3, "TForm29"}, {BitBtn2, "TForm5"},
      {BitBtn4, "TForm8"}, {BitBtn3, "TForm9"}, {suiButton2, "TForm6"}, {BitBtn7, "TForm19"},
  }};
  for (QWidget* window : windows) {
    if (auto* editor = qobject_cast<TForm1*>(window)) editor_ = editor;
  }
  for (const auto& [button, name] : opens) {
    const auto it = std::find_if(windows.begin(), windows.end(),
                                 [&](QWidget* w) { return w->objectName() == name; });
    button->setEnabled(it != windows.end());
    if (it == windows.end()) continue;
    QWidget* window = *it;
    connect(button, &QPushButton::clicked, window, [window] {
      window->show();
      window->raise();
      window->activateWindow();
    });
  }
}

void TForm15::AddStartupMessage(const QString& message) { startupMessages_ << message; }

void TForm15::ShowStartupMessages() {
  for (const QString& message : std::exchange(startupMessages_, {})) {
    services_.dialogs.Message(this, message);
  }
}

void TForm15::ShowSimulatedStandIn() {
  StatusLabel->setText(
      "Nessun controller USB trovato: l'uscita va a un controller simulato (Simulatore laser)");
  StatusLabel->setToolTip(
      "No USB laser controller was found, so one simulated controller stands in; the laser "
      "simulator window shows what it draws. Start with --simulate 0 to use USB controllers only.");
  StatusLabel->show();
}

void TForm15::RescanControllers() {
  selection_.Rescan();
  ShowControllers();
  emit controllersRescanned();
}

void TForm15::ShowMainController() { ShowControllers(); }

void TForm15::Timer1Timer() {
  if (selection_.Tick(services_.output.settings)) {
    ShowControllers();
    emit controllersRescanned();
  }
}

void TForm15::ChooseController(int position) {
  selection_.ChooseMain(position);
  ShowControllers();
  emit mainControllerChosen();
}

void TForm15::ShowControllers() {
  ComboBox1->clear();
  for (const std::string& name : selection_.listNames()) {
    ComboBox1->addItem(QString::fromStdString(name));
  }
  ComboBox1->setCurrentIndex(selection_.position());
  const QString title = QString::fromStdString(selection_.Title(baseTitle_.toStdString()));
  QGuiApplication::setApplicationDisplayName(title);
  // Without a controller the caption says nothing about one, not even a lost one.
  setWindowTitle(selection_.position() >= 0 ? title : kCaption);
}

void TForm15::closeEvent(QCloseEvent* event) {
  // A changed drawing is offered for saving first; cancelling keeps the program running.
  if (editor_ != nullptr && !editor_->close()) {
    event->ignore();
    return;
  }
  services_.output.players().Stop();
  if (endMusicProcess_) endMusicProcess_();
  SaveSettings();
  Timer1->stop();
  event->accept();
  emit closed();
}

void TForm15::SaveSettings() {
  if (configUnreadable_) return;
  std::vector<std::string>& lines = services_.config;
  MendConfigLines(lines);
  if (editor_ != nullptr && editor_->configRead()) WriteEditorConfig(editor_->config(), lines);
  WriteOutputSettings(services_.output.settings, lines);
  if (const Status saved = SaveConfig(services_.programFolder, lines); !saved.ok()) {
    services_.dialogs.Message(
        this, ConfigPath(services_.programFolder) + ": " + QString::fromStdString(saved.error));
  }
}

}  // namespace daved
