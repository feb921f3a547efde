#include "output/ui/play_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace daved {
namespace {

constexpr int kPreviewTimerMs = 40;
constexpr int kPictureSize = 256;

QToolButton* NamedToolButton(const char* name, const char* hint, QStyle::StandardPixmap icon,
                             bool checkable, QToolBar* bar) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setToolTip(QString::fromUtf8(hint));
  button->setIcon(bar->style()->standardIcon(icon));
  button->setCheckable(checkable);
  bar->addWidget(button);
  return button;
}

}  // namespace

TForm21::TForm21(WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services), flags_(services.output.flags) {
  setObjectName("TForm21");
  setWindowTitle("Play");

  auto* bar = new QToolBar(this);
  bar->setObjectName("ToolBar1");
  auto* play = NamedToolButton("ToolButton1", "播放", QStyle::SP_MediaPlay, false, bar);
  loop_ = NamedToolButton("ToolButton2", "循环", QStyle::SP_BrowserReload, true, bar);
  auto* stop = NamedToolButton("ToolButton3", "停止", QStyle::SP_MediaStop, false, bar);
  invertX_ = NamedToolButton("ToolButton4", "水平反向", QStyle::SP_ArrowRight, true, bar);
  invertY_ = NamedToolButton("ToolButton5", "垂直反向", QStyle::SP_ArrowDown, true, bar);
  pause_ = NamedToolButton("ToolButton6", "暂停", QStyle::SP_MediaPause, true, bar);
  auto* settings =
      NamedToolButton("ToolButton7", "播放设定", QStyle::SP_FileDialogDetailedView, false, bar);
  connect(play, &QToolButton::clicked, this, &TForm21::RepeatPlay);
  connect(loop_, &QToolButton::toggled, this, &TForm21::SetLoop);
  connect(stop, &QToolButton::clicked, this, &TForm21::StopPlay);
  connect(invertX_, &QToolButton::toggled, this, &TForm21::SetInvertX);
  connect(invertY_, &QToolButton::toggled, this, &TForm21::SetInvertY);
  connect(pause_, &QToolButton::toggled, this, &TForm21::SetPause);
  connect(settings, &QToolButton::clicked, this, &TForm21::outputSettingsRequested);

  picture_ = new QLabel(this);
  picture_->setObjectName("Image1");
  picture_->setFixedSize(kPictureSize, kPictureSize);
  QPixmap black(kPictureSize, kPictureSize);
  black.fill(Qt::black);
  picture_->setPixmap(black);
  pointCount_ = new QLabel("0", this);
  pointCount_->setObjectName("Label1");
  fileName_ = new QLabel(this);
  fileName_->setObjectName("Label3");

  auto* layout = new QGridLayout(this);
  layout->addWidget(bar, 0, 0, 1, 2);
  layout->addWidget(picture_, 1, 0, 1, 2);
  layout->addWidget(new QLabel("Conteggio punti", this), 2, 0);
  layout->addWidget(pointCount_, 2, 1);
  layout->addWidget(fileName_, 3, 0, 1, 2);

  previewTimer_ = new QTimer(this);
  previewTimer_->setObjectName("PreviewTimer");
  previewTimer_->setInterval(kPreviewTimerMs);
  previewTimer_->setTimerType(Qt::PreciseTimer);
  connect(previewTimer_, &QTimer::timeout, this, &TForm21::ShowLatestPreview);
}

PlayToggles TForm21::Toggles() const {
  return {loop_->isChecked(), invertX_->isChecked(), invertY_->isChecked(), pause_->isChecked()};
}

void TForm21::RepeatPlay() {
  // The window that played last, as for the output settings window; the quick play II window
  // is not among the owners this window repeats.
  const int32_t owner = services_.output.settings.play_owner;
  if (owner < kPlayOwnerQuickPlay || owner > kPlayOwnerText) return;
  ApplyPlayToggles(Toggles(), flags_);
  services_.playOwners.Repeat(owner);
}

void TForm21::SetLoop(bool on) { flags_.loop = on; }
void TForm21::StopPlay() { services_.output.players().Stop(); }
void TForm21::SetInvertX(bool on) { flags_.invert_x = on; }
void TForm21::SetInvertY(bool on) { flags_.invert_y = on; }
void TForm21::SetPause(bool on) { flags_.pause = on; }

void TForm21::showEvent(QShowEvent* event) {
  previewTimer_->start();
  QWidget::showEvent(event);
}

void TForm21::hideEvent(QHideEvent* event) {
  previewTimer_->stop();
  QWidget::hideEvent(event);
}

void TForm21::ShowLatestPreview() {
  const std::shared_ptr<const PreviewFrame> frame =
      previewReader_.TakeNew(services_.output.preview);
  if (!frame) return;
  picture_->setPixmap(QPixmap::fromImage(RenderPreview(*frame)));
  pointCount_->setNum(int(frame->point_count));
  fileName_->setText(QString::fromStdString(frame->file_name));
}

}  // namespace daved
