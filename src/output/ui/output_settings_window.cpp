#include "output/ui/output_settings_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/palette.h"
#include "ui/named_controls.h"

namespace daved {
namespace {

constexpr int kPadTimerMs = 90;
constexpr int kPreviewTimerMs = 40;  // 25 pictures a second
constexpr int kPreviewSize = 256;

QPixmap BlackPicture() {
  QPixmap picture(kPreviewSize, kPreviewSize);
  picture.fill(Qt::black);
  return picture;
}

}  // namespace

TForm13::TForm13(WindowServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      settings_(services.output.settings),
      flags_(services.output.flags) {
  setObjectName("TForm13");
  setWindowTitle("Impostazioni di uscita");
  BuildControls();
  ReadSettings();
  setFixedSize(928, 563);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TForm13::BuildControls() {
  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName("ToolBar1");
  auto* play = NamedToolButton("ToolButton1", "Playing", false, toolBar);
  loop_ = NamedToolButton("ToolButton5", "Loop", true, toolBar);
  auto* stop = NamedToolButton("ToolButton8", "Stop", false, toolBar);
  invertX_ = NamedToolButton("ToolButton9", "Invert X", true, toolBar);
  invertY_ = NamedToolButton("ToolButton3", "Invert Y", true, toolBar);
  pause_ = NamedToolButton("ToolButton10", "Pause", true, toolBar);
  connect(play, &QToolButton::clicked, this, &TForm13::RepeatPlay);
  connect(loop_, &QToolButton::toggled, this, &TForm13::SetLoop);
  connect(stop, &QToolButton::clicked, this, &TForm13::StopPlay);
  connect(invertX_, &QToolButton::toggled, this, &TForm13::SetInvertX);
  connect(invertY_, &QToolButton::toggled, this, &TForm13::SetInvertY);
  connect(pause_, &QToolButton::toggled, this, &TForm13::SetPause);

  // Offset pad, its values and "Reset to 0".
  auto* offsets = new QGroupBox("Offset", this);
  pad_ = NamedLabel("Image1", QString(), offsets);
  pad_->setFixedSize(kPadSize, kPadSize);
  pad_->setCursor(Qt::CrossCursor);
  pad_->installEventFilter(this);
  horizontalOffset_ = NamedLabel("Label3", QString(), offsets);
  verticalOffset_ = NamedLabel("Label4", QString(), offsets);
  auto* reset = new QPushButton("Reset to 0", offsets);
  reset->setObjectName("suiButton2");
  connect(reset, &QPushButton::clicked, this, &TForm13::ResetOffsets);
  auto* offsetValues = new QHBoxLayout;
  offsetValues->addWidget(new QLabel("X:", offsets));
  offsetValues->addWidget(horizontalOffset_);
  offsetValues->addWidget(new QLabel("Y:", offsets));
  offsetValues->addWidget(verticalOffset_);
  offsetValues->addStretch();
  offsetValues->addWidget(reset);
  auto* offsetLayout = new QVBoxLayout(offsets);
  offsetLayout->addWidget(pad_);
  offsetLayout->addLayout(offsetValues);

  // Track bars, one row each: title, bar, value.
  auto* tracksBox = new QGroupBox(this);
  auto* tracks = new QGridLayout(tracksBox);
  int row = 0;
  for (std::size_t i = 0; i < kOutputTrackBars.size(); ++i) {
    const TrackBarRule& rule = kOutputTrackBars[i];
    auto* bar = new QSlider(Qt::Horizontal, tracksBox);
    bar->setObjectName(rule.name);
    bar->setRange(rule.min, rule.max);
    bar->setPageStep(rule.page);
    bar->setValue(rule.initial);
    tracks_[i] = bar;
    trackLabels_[i] = NamedLabel(rule.label, QString(), tracksBox);
    trackLabels_[i]->setMinimumWidth(48);
    tracks->addWidget(new QLabel(QString::fromUtf8(rule.title), tracksBox), row, 0);
    tracks->addWidget(bar, row, 1);
    tracks->addWidget(trackLabels_[i], row, 2);
    ++row;
    if (rule.track == OutputTrack::kScanSpeed) {
      auto* ends = new QHBoxLayout;
      ends->addWidget(new QLabel("4800", tracksBox));
      ends->addStretch();
      ends->addWidget(new QLabel("60000", tracksBox));
      tracks->addLayout(ends, row++, 1);
    }
    if (rule.track == OutputTrack::kVerticalSize) {
      lockSizes_ = new QCheckBox("Lock XY size", tracksBox);
      lockSizes_->setObjectName("suiCheckBox1");
      tracks->addWidget(lockSizes_, row++, 1);
    }
    connect(bar, &QSlider::valueChanged, this, [this, i](int position) { MoveTrack(i, position); });
  }
  connect(lockSizes_, &QCheckBox::toggled, this, &TForm13::LockSizes);

  // The colour panels.
  auto* colours = new QGroupBox("Colori", this);
  auto* colourGrid = new QGridLayout(colours);
  for (std::size_t i = 0; i < kColourPanels.size(); ++i) {
    const ColourPanel& panel = kColourPanels[i];
    auto* button = new QPushButton(panel.caption, colours);
    button->setObjectName(panel.name);
    if (panel.mode >= 0 && panel.mode <= 255) {
      // A fixed colour shows its own colour, with a caption that stays readable on it.
      const Rgb c = PaletteColour(static_cast<uint8_t>(panel.mode));
      const bool dark = c.r + c.g + c.b < 3 * 128;
      button->setStyleSheet(QString("background-color: rgb(%1, %2, %3); color: %4")
                                .arg(c.r)
                                .arg(c.g)
                                .arg(c.b)
                                .arg(dark ? "white" : "black"));
    }
    colourGrid->addWidget(button, int(i / 4), int(i % 4));
    const int32_t mode = panel.mode;
    connect(button, &QPushButton::clicked, this, [this, mode] { SetColourMode(mode); });
  }

  // The media player.
  auto* player = new QGroupBox("Path Media player", this);
  mediaPlayerPath_ = new QLineEdit(player);
  mediaPlayerPath_->setObjectName("suiEdit4");
  auto* find = new QPushButton("Trova", player);
  find->setObjectName("suiButton12");
  auto* playerLayout = new QHBoxLayout(player);
  playerLayout->addWidget(mediaPlayerPath_);
  playerLayout->addWidget(find);
  connect(mediaPlayerPath_, &QLineEdit::textChanged, this, &TForm13::SetMediaPlayerPath);
  connect(find, &QPushButton::clicked, this, &TForm13::ChooseMediaPlayer);

  // The preview of what is playing.
  auto* previewBox = new QGroupBox(this);
  preview_ = NamedLabel("Image2", QString(), previewBox);
  preview_->setFixedSize(kPreviewSize, kPreviewSize);
  preview_->setPixmap(BlackPicture());
  previewPoints_ = NamedLabel("Label46", "0", previewBox);
  previewFile_ = NamedLabel("Label50", QString(), previewBox);
  auto* previewLayout = new QGridLayout(previewBox);
  previewLayout->addWidget(preview_, 0, 0, 1, 2);
  previewLayout->addWidget(new QLabel(QString::fromUtf8("N° Punti"), previewBox), 1, 0);
  previewLayout->addWidget(previewPoints_, 1, 1);
  previewLayout->addWidget(new QLabel("Nome file", previewBox), 2, 0);
  previewLayout->addWidget(previewFile_, 2, 1);

  // Three columns: where the picture sits, how it is drawn, what is playing.
  auto* left = new QVBoxLayout;
  left->addWidget(offsets);
  left->addWidget(player);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(tracksBox);
  middle->addWidget(colours);
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(previewBox);
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(middle, 1);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolBar);
  layout->addLayout(columns);

  padTimer_ = new QTimer(this);
  padTimer_->setObjectName("Timer1");
  padTimer_->setInterval(kPadTimerMs);
  padTimer_->setTimerType(Qt::PreciseTimer);
  connect(padTimer_, &QTimer::timeout, this, &TForm13::DrawPadAfterActivation);
  previewTimer_ = new QTimer(this);
  previewTimer_->setObjectName("PreviewTimer");
  previewTimer_->setInterval(kPreviewTimerMs);
  previewTimer_->setTimerType(Qt::PreciseTimer);
  connect(previewTimer_, &QTimer::timeout, this, &TForm13::ShowLatestPreview);
}

void TForm13::ReadSettings() {
  const Status status = ReadOutputSettings(services_.config, settings_);
  if (!status.ok()) {
    // Worded as the launcher words the other windows' lines, counted from 1 as in an editor.
    const QString line = QString::number(status.reached + 1);
    services_.dialogs.Message(
        this, status.reached >= services_.config.size()
                  ? "Daved.ini ends before line " + line
                  : "Daved.ini line " + line + ": " + QString::fromStdString(status.error));
  }
  // The controls show the settings; a value a track bar cannot show becomes its nearest end.
  for (std::size_t i = 0; i < kOutputTrackBars.size(); ++i) ShowTrack(i);
  mediaPlayerPath_->setText(QString::fromStdString(settings_.media_player_path()));
  padPoint_ = PadPointOfOffsets(settings_.horizontal_offset, settings_.vertical_offset);
  ShowOffsets();
  pad_->setPixmap(QPixmap::fromImage(DrawOffsetPad(padPoint_)));
}

void TForm13::ShowTrack(std::size_t index) {
  {
    const QSignalBlocker quiet(tracks_[index]);
    tracks_[index]->setValue(TrackPosition(kOutputTrackBars[index].track, settings_));
  }
  MoveTrack(index, tracks_[index]->value());
}

void TForm13::MoveTrack(std::size_t index, int position) {
  const OutputTrack track = kOutputTrackBars[index].track;
  ApplyTrackPosition(track, position, settings_);
  trackLabels_[index]->setNum(TrackLabelValue(track, position));
  if (!lockSizes_->isChecked()) return;
  if (const std::optional<OutputTrack> partner = LockedSizePartner(track)) {
    tracks_[TrackIndex(*partner)]->setValue(position);
  }
}

void TForm13::LockSizes(bool locked) {
  if (!locked) return;
  const std::size_t horizontal = TrackIndex(OutputTrack::kHorizontalSize);
  MoveTrack(horizontal, tracks_[horizontal]->value());
}

bool TForm13::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Activated();
  return QWidget::event(event);
}

void TForm13::Activated() {
  // Other windows change the speed and the delay while this one is hidden.
  dragging_ = false;
  padTimer_->start();
  ShowTrack(TrackIndex(OutputTrack::kScanSpeed));
  ShowTrack(TrackIndex(OutputTrack::kOutputDelay));
}

void TForm13::DrawPadAfterActivation() {
  padTimer_->stop();
  pad_->setPixmap(QPixmap::fromImage(DrawOffsetPad(padPoint_)));
}

bool TForm13::eventFilter(QObject* watched, QEvent* event) {
  if (watched != pad_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      dragging_ = true;
      [[fallthrough]];
    case QEvent::MouseMove:
      if (dragging_) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        MovePad(PadPointAt(at.x(), at.y()));
      }
      return true;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

void TForm13::MovePad(PadPoint point) {
  padPoint_ = point;
  SetOffsetsFromPad(point, settings_);
  ShowOffsets();
  pad_->setPixmap(QPixmap::fromImage(DrawOffsetPad(padPoint_)));
}

void TForm13::ShowOffsets() {
  horizontalOffset_->setNum(int(settings_.horizontal_offset));
  verticalOffset_->setNum(int(settings_.vertical_offset));
}

void TForm13::ResetOffsets() { MovePad(PadPointOfOffsets(0, 0)); }

void TForm13::SetMediaPlayerPath(const QString& path) {
  settings_.set_media_player_path(path.toStdString());
}

void TForm13::ChooseMediaPlayer() {
  // Programs here carry no ".exe": the dialog lists every file.
  const std::optional<QString> chosen =
      services_.dialogs.OpenFile(this, QString(), "Execute File(*)");
  if (chosen && *chosen != "0" && QFileInfo::exists(*chosen)) mediaPlayerPath_->setText(*chosen);
}

PlayToggles TForm13::Toggles() const {
  return {loop_->isChecked(), invertX_->isChecked(), invertY_->isChecked(), pause_->isChecked()};
}

void TForm13::RepeatPlay() {
  const int32_t owner = settings_.play_owner;
  if (owner == kPlayOwnerNone) return;
  ApplyPlayToggles(Toggles(), flags_);
  services_.playOwners.Repeat(owner);
}

void TForm13::SetLoop(bool on) { flags_.loop = on; }
void TForm13::StopPlay() { services_.output.players().Stop(); }
void TForm13::SetInvertX(bool on) { flags_.invert_x = on; }
void TForm13::SetInvertY(bool on) { flags_.invert_y = on; }
void TForm13::SetPause(bool on) { flags_.pause = on; }
void TForm13::SetColourMode(int32_t mode) { settings_.SetAllColourModes(mode); }

void TForm13::showEvent(QShowEvent* event) {
  previewTimer_->start();
  QWidget::showEvent(event);
}

void TForm13::hideEvent(QHideEvent* event) {
  previewTimer_->stop();
  QWidget::hideEvent(event);
}

void TForm13::ShowLatestPreview() {
  const std::shared_ptr<const PreviewFrame> frame =
      previewReader_.TakeNew(services_.output.preview);
  if (!frame) return;
  preview_->setPixmap(QPixmap::fromImage(RenderPreview(*frame)));
  previewPoints_->setNum(int(frame->point_count));
  previewFile_->setText(QString::fromStdString(frame->file_name));
}

}  // namespace daved
