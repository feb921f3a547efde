#pragma once
// The output settings window: offsets, sizes, angle, speed, delay, colour depths, the colour
// mode of the players, the play flags and a preview of what is playing.

#include <QWidget>
#include <array>

#include "output/output_settings_controls.h"
#include "output/preview_board.h"
#include "ui/window_services.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTimer;
class QToolButton;

namespace daved {

class TForm13 : public QWidget {
  Q_OBJECT

 public:
  // Reads the output settings from configuration lines 13 to 43 of services.config.
  explicit TForm13(WindowServices& services, QWidget* parent = nullptr);

 public slots:
  // Timer1: draws the offset pad once after an activation, then stops.
  void DrawPadAfterActivation();
  // PreviewTimer: shows the frame the player posted last.
  void ShowLatestPreview();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private slots:
  void MoveTrack(std::size_t index, int position);
  void LockSizes(bool locked);
  void ResetOffsets();
  void SetMediaPlayerPath(const QString& path);
  void ChooseMediaPlayer();
  void RepeatPlay();
  void SetLoop(bool on);
  void StopPlay();
  void SetInvertX(bool on);
  void SetInvertY(bool on);
  void SetPause(bool on);
  void SetColourMode(int32_t mode);

 private:
  void BuildControls();
  void ReadSettings();
  void Activated();
  // Shows the setting of track `index` on its track bar and label, and takes back what the
  // track bar can show.
  void ShowTrack(std::size_t index);
  void MovePad(PadPoint point);
  void ShowOffsets();
  PlayToggles Toggles() const;

  WindowServices& services_;
  OutputSettings& settings_;
  OutputFlags& flags_;

  std::array<QSlider*, kOutputTrackBars.size()> tracks_{};
  std::array<QLabel*, kOutputTrackBars.size()> trackLabels_{};
  QLabel* pad_ = nullptr;                 // Image1
  QLabel* horizontalOffset_ = nullptr;    // Label3
  QLabel* verticalOffset_ = nullptr;      // Label4
  QCheckBox* lockSizes_ = nullptr;        // suiCheckBox1
  QLineEdit* mediaPlayerPath_ = nullptr;  // suiEdit4
  QToolButton* loop_ = nullptr;           // ToolButton5
  QToolButton* invertX_ = nullptr;        // ToolButton9
  QToolButton* invertY_ = nullptr;        // ToolButton3
  QToolButton* pause_ = nullptr;          // ToolButton10
  QLabel* preview_ = nullptr;             // Image2
  QLabel* previewPoints_ = nullptr;       // Label46
  QLabel* previewFile_ = nullptr;         // Label50
  QTimer* padTimer_ = nullptr;            // Timer1
  QTimer* previewTimer_ = nullptr;

  PadPoint padPoint_;
  bool dragging_ = false;
  PreviewReader previewReader_;
};

}  // namespace daved
