#include "output/output_settings_controls.h"

#include <QPainter>
#include <algorithm>

namespace daved {
namespace {

constexpr int kSpeedBase = 250;           // scan speed = 250 - position
constexpr int kPointsPerSpeedStep = 240;  // the speed label, in points per second
constexpr int kPadRadius = 3;

}  // namespace

int TrackPosition(OutputTrack track, const OutputSettings& s) {
  switch (track) {
    case OutputTrack::kScanSpeed:
      return kSpeedBase - s.scan_speed;
    case OutputTrack::kOutputDelay:
      return s.output_delay;
    case OutputTrack::kHorizontalSize:
      return s.horizontal_size;
    case OutputTrack::kVerticalSize:
      return s.vertical_size;
    case OutputTrack::kRotationAngle:
      return s.rotation_angle;
    case OutputTrack::kIldaFrameInterval:
      return s.ilda_frame_interval;
    case OutputTrack::kRedDepth:
      return s.red_depth;
    case OutputTrack::kGreenDepth:
      return s.green_depth;
    case OutputTrack::kBlueDepth:
      return s.blue_depth;
    case OutputTrack::kBrightness:
      return s.brightness;
  }
  return 0;
}

void ApplyTrackPosition(OutputTrack track, int position, OutputSettings& s) {
  // Positions come from the track bars' ranges, so every byte setting fits.
  const auto byte = [](int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); };
  switch (track) {
    case OutputTrack::kScanSpeed:
      s.scan_speed = byte(kSpeedBase - position);
      break;
    case OutputTrack::kOutputDelay:
      s.output_delay = byte(position);
      break;
    case OutputTrack::kHorizontalSize:
      s.horizontal_size = position;
      break;
    case OutputTrack::kVerticalSize:
      s.vertical_size = position;
      break;
    case OutputTrack::kRotationAngle:
      s.rotation_angle = position;
      break;
    case OutputTrack::kIldaFrameInterval:
      s.ilda_frame_interval = position;
      break;
    case OutputTrack::kRedDepth:
      s.red_depth = byte(position);
      break;
    case OutputTrack::kGreenDepth:
      s.green_depth = byte(position);
      break;
    case OutputTrack::kBlueDepth:
      s.blue_depth = byte(position);
      break;
    case OutputTrack::kBrightness:
      s.brightness = byte(position);
      break;
  }
}

int TrackLabelValue(OutputTrack track, int position) {
  return track == OutputTrack::kScanSpeed ? position * kPointsPerSpeedStep : position;
}

std::optional<OutputTrack> LockedSizePartner(OutputTrack track) {
  if (track == OutputTrack::kHorizontalSize) return OutputTrack::kVerticalSize;
  if (track == OutputTrack::kVerticalSize) return OutputTrack::kHorizontalSize;
  return std::nullopt;
}

PadPoint PadPointAt(int x, int y) {
  return {std::clamp(x, 0, kPadSize - 1), std::clamp(y, 0, kPadSize - 1)};
}

PadPoint PadPointOfOffsets(int32_t horizontal_offset, int32_t vertical_offset) {
  return {(horizontal_offset + 256) / 2, (vertical_offset + 256) / 2};
}

void SetOffsetsFromPad(PadPoint point, OutputSettings& settings) {
  settings.horizontal_offset = 2 * point.x - 256;
  settings.vertical_offset = 2 * point.y - 256;
}

QImage DrawOffsetPad(PadPoint point) {
  QImage pad(kPadSize, kPadSize, QImage::Format_RGB32);
  pad.fill(Qt::black);
  QPainter painter(&pad);
  painter.setPen(QPen(Qt::gray, 0, Qt::DashLine));
  painter.drawLine(128, 0, 128, 255);
  painter.drawLine(0, 128, 255, 128);
  painter.setPen(QPen(Qt::red, 0));
  painter.drawEllipse(QPoint(point.x, point.y), kPadRadius, kPadRadius);
  return pad;
}

void ApplyPlayToggles(const PlayToggles& toggles, OutputFlags& flags) {
  flags.loop = toggles.loop;
  flags.invert_x = toggles.invert_x;
  flags.invert_y = toggles.invert_y;
  flags.pause = toggles.pause;
}

}  // namespace daved
