#include "output/output_settings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "formats/integer_text.h"

namespace daved {
namespace {

constexpr std::size_t kMediaPlayerPathLine = 35;
constexpr auto kRelaxed = std::memory_order_relaxed;

// One integer setting and the configuration line it lives on.
struct IntLine {
  std::size_t line;
  std::atomic<int32_t> OutputSettings::*field;
  int32_t min, max;
};
struct ByteLine {
  std::size_t line;
  std::atomic<uint8_t> OutputSettings::*field;
};

constexpr std::array kIntLines = {
    IntLine{13, &OutputSettings::horizontal_offset, -256, 254},
    IntLine{15, &OutputSettings::vertical_offset, -256, 254},
    IntLine{17, &OutputSettings::rotation_angle, 0, 360},
    IntLine{21, &OutputSettings::horizontal_size, 0, 40},
    IntLine{23, &OutputSettings::vertical_size, 0, 40},
    IntLine{29, &OutputSettings::ilda_frame_interval, 2, 1000},
    IntLine{31, &OutputSettings::text_width_sizing, 0, 1},
    IntLine{33, &OutputSettings::quick_text_width_sizing, 0, 1},
};
constexpr std::array kByteLines = {
    ByteLine{19, &OutputSettings::scan_speed},   ByteLine{25, &OutputSettings::output_delay},
    ByteLine{27, &OutputSettings::pipe_number},  ByteLine{37, &OutputSettings::red_depth},
    ByteLine{39, &OutputSettings::green_depth},  ByteLine{41, &OutputSettings::blue_depth},
    ByteLine{43, &OutputSettings::brightness},
};

}  // namespace

void OutputSettings::SetAllColourModes(int32_t mode) {
  segment_colour_mode.store(mode, kRelaxed);
  show_colour_mode.store(mode, kRelaxed);
  quick_play_colour_mode.store(mode, kRelaxed);
  quick_play2_colour_mode.store(mode, kRelaxed);
}

std::string OutputSettings::media_player_path() const {
  std::lock_guard lock(path_mutex_);
  return media_player_path_;
}

void OutputSettings::set_media_player_path(std::string path) {
  std::lock_guard lock(path_mutex_);
  media_player_path_ = std::move(path);
}

Status ReadOutputSettings(const std::vector<std::string>& lines, OutputSettings& settings) {
  // Values up to the first bad line are kept; from that line on every setting is 0, as a
  // window whose reading stopped there would have it. Ranges still apply to the zeros.
  std::array<int32_t, kLastOutputSettingsLine + 1> values{};
  std::string path;
  Status status;
  for (std::size_t line = kFirstOutputSettingsLine; line <= kLastOutputSettingsLine; line += 2) {
    if (line >= lines.size()) {
      status = Status::Failed("the file ends before this line", line);
      break;
    }
    if (line == kMediaPlayerPathLine) {
      path = lines[line];
      continue;
    }
    const std::optional<int32_t> value = ParseInt32(lines[line]);
    if (!value) {
      status = Status::Failed(NotAnIntegerMessage(lines[line]), line);
      break;
    }
    values[line] = *value;
  }
  for (const IntLine& s : kIntLines) {
    (settings.*s.field).store(std::clamp(values[s.line], s.min, s.max), kRelaxed);
  }
  for (const ByteLine& s : kByteLines) {
    (settings.*s.field).store(static_cast<uint8_t>(values[s.line] & 0xFF), kRelaxed);
  }
  settings.set_media_player_path(std::move(path));
  return status;
}

void WriteOutputSettings(const OutputSettings& settings, std::vector<std::string>& lines) {
  if (lines.size() < kConfigLineCount) lines.resize(kConfigLineCount);
  for (const IntLine& s : kIntLines) {
    lines[s.line] = std::to_string((settings.*s.field).load(kRelaxed));
  }
  for (const ByteLine& s : kByteLines) {
    lines[s.line] = std::to_string(int((settings.*s.field).load(kRelaxed)));
  }
  lines[kMediaPlayerPathLine] = settings.media_player_path();
}

}  // namespace daved
