#pragma once
// The play window: a small player panel with a preview of what is playing, whose buttons set
// the shared play flags and repeat the last play.

#include <QWidget>

#include "output/output_settings_controls.h"
#include "output/preview_board.h"
#include "ui/window_services.h"

class QLabel;
class QTimer;
class QToolButton;

namespace daved {

class TForm21 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm21(WindowServices& services, QWidget* parent = nullptr);

 signals:
  // "播放设定": the program shows its output settings window.
  void outputSettingsRequested();

 public slots:
  // PreviewTimer: shows the point count and file name of the frame the player posted last.
  void ShowLatestPreview();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private slots:
  void RepeatPlay();
  void SetLoop(bool on);
  void StopPlay();
  void SetInvertX(bool on);
  void SetInvertY(bool on);
  void SetPause(bool on);

 private:
  PlayToggles Toggles() const;

  WindowServices& services_;
  OutputFlags& flags_;

  QToolButton* loop_ = nullptr;     // "循环"
  QToolButton* invertX_ = nullptr;  // "水平反向"
  QToolButton* invertY_ = nullptr;  // "垂直反向"
  QToolButton* pause_ = nullptr;    // "暂停"
  QLabel* picture_ = nullptr;       // Image1
  QLabel* pointCount_ = nullptr;    // Label1
  QLabel* fileName_ = nullptr;      // Label3
  QTimer* previewTimer_ = nullptr;
  PreviewReader previewReader_;
};

}  // namespace daved
