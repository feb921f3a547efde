#pragma once
// The laser simulator: for each simulated controller, the latest frame it was sent as the beam
// would draw it (black field, lit segments, dark moves left out), its name and the points per
// second it is fed. What a user without a controller watches instead of a laser.

#include <QTimer>
#include <QWidget>
#include <vector>

#include "output/beam_picture.h"
#include "output/devices/simulated_controller_bus.h"

class QLabel;

namespace daved {

// The field of one controller: paints the segments it is given, scaled to its size.
class BeamField : public QWidget {
  Q_OBJECT

 public:
  explicit BeamField(QWidget* parent = nullptr);
  void SetSegments(std::vector<BeamSegment> segments);
  const std::vector<BeamSegment>& segments() const { return segments_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<BeamSegment> segments_;
};

class LaserSimulatorWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 30;  // above 30 pictures a second

  explicit LaserSimulatorWindow(SimulatedControllerBus& bus, QWidget* parent = nullptr);

 public slots:
  // Timer1: takes every controller's latest frame and feed count.
  void RefreshPictures();

 private:
  struct View {
    std::string device;
    BeamField* field;
    QLabel* rate;
    FeedMeter meter;
  };

  SimulatedControllerBus& bus_;
  std::vector<View> views_;
  QTimer* Timer1;
};

}  // namespace daved
