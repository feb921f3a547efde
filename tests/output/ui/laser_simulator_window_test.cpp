// The laser simulator window: the beam's picture of each simulated controller's latest frame.

#include "output/ui/laser_simulator_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "ui_support.h"

namespace daved {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Control;

TEST(BeamPicture, LitSegmentsInTheirChannelsBlankMovesLeftOut) {
  // Controller coordinates are mirrored on both axes: 245 is the field's 10.
  const std::vector<OutputRecord> frame = {
      {9, 1, 245, 245},   // blank move to (10, 10), red flags but dark
      {9, 0, 55, 245},    // red line to (200, 10)
      {15, 2, 55, 55},    // white line to (200, 200)
      {0, 0, 245, 55},    // dark: no channel lit
      {6, 0, 245, 55},    // green and blue: a dot where the beam already is
  };
  EXPECT_EQ(BeamSegments(frame),
            (std::vector<BeamSegment>{{10, 10, 200, 10, {255, 0, 0}},
                                      {200, 10, 200, 200, {255, 255, 255}},
                                      {10, 200, 10, 200, {0, 255, 255}}}));
  // The frame repeats: the last point leads back to the first, lit when the first is.
  EXPECT_EQ(BeamSegments(std::vector<OutputRecord>{{9, 0, 0, 0}, {1, 1, 255, 255}}),
            (std::vector<BeamSegment>{{0, 0, 255, 255, {255, 0, 0}}}));
  EXPECT_TRUE(BeamSegments({}).empty());
}

TEST(BeamPicture, FeedRateIsPointsOverElapsedTimeRenewedEveryHalfSecond) {
  FeedMeter meter;
  const auto t0 = FeedMeter::Clock::now();
  EXPECT_EQ(meter.Update(1000, t0), 0);
  EXPECT_EQ(meter.Update(2000, t0 + std::chrono::milliseconds(100)), 0);  // too soon to tell
  EXPECT_DOUBLE_EQ(meter.Update(13000, t0 + std::chrono::milliseconds(500)), 24000);
  EXPECT_DOUBLE_EQ(meter.Update(13000, t0 + std::chrono::milliseconds(1000)), 0);
}

TEST(LaserSimulatorWindow, ShowsEachControllersLatestFrameAndItsName) {
  SimulatedControllerBus bus({.paced = false, .numbers = {3, 7}});
  LaserSimulatorWindow window(bus);
  EXPECT_EQ(window.objectName(), "LaserSimulatorWindow");
  QTimer* timer = Control<QTimer>(&window, "Timer1");
  EXPECT_LE(timer->interval(), 1000 / 30);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(Control<QLabel>(&window, "Name_ezusb-3")->text(), "ezusb-3");
  EXPECT_EQ(Control<QLabel>(&window, "Name_ezusb-7")->text(), "ezusb-7");

  // A blank move to the left edge's middle, then a red line across to the right edge.
  bus.write("ezusb-7", 2, Bytes{0, 10});
  bus.write("ezusb-7", 2, Bytes{9, 1, 255, 127, 9, 0, 0, 127});
  window.RefreshPictures();
  auto* field7 = Control<BeamField>(&window, "Field_ezusb-7");
  EXPECT_EQ(field7->segments(), (std::vector<BeamSegment>{{0, 128, 255, 128, {255, 0, 0}}}));
  EXPECT_TRUE(Control<BeamField>(&window, "Field_ezusb-3")->segments().empty());

  field7->resize(256, 256);
  const QImage picture = field7->grab().toImage();
  EXPECT_EQ(QColor(picture.pixel(128, 128)).red(), 255);
  EXPECT_EQ(QColor(picture.pixel(128, 128)).green(), 0);
  EXPECT_EQ(picture.pixel(128, 40), QColor(Qt::black).rgb());

  bus.SetPlugged(3, false);
  window.RefreshPictures();
  EXPECT_EQ(Control<QLabel>(&window, "Rate_ezusb-3")->text(), "scollegato");
  EXPECT_EQ(Control<QLabel>(&window, "Rate_ezusb-7")->text(), "0 punti/s");
}

}  // namespace
}  // namespace daved
