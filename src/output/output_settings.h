#pragma once
// The output settings and flags every player shares. The main thread writes them from its
// controls; player threads read them, so every value is an atomic. Relaxed order is enough:
// each value stands alone, and a player only needs to see a change within a pass.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "formats/status.h"

namespace daved {

// Colour modes (the players' `resolveColour` reads them).
inline constexpr int32_t kColourModeAuto = 257;  // keep the points' own colours
inline constexpr int32_t kColourModeRnd1 = 258;
inline constexpr int32_t kColourModeRnd2 = 259;
inline constexpr int32_t kColourModeRnd3 = 260;

// Which window's play the output settings window's play button repeats.
enum PlayOwner : int32_t {
  kPlayOwnerNone = -1,
  kPlayOwnerQuickPlay = 0,       // TForm4
  kPlayOwnerSegmentPlay = 1,     // TForm5 "Riproduzione"
  kPlayOwnerSegmentDrawing = 2,  // TForm5 "Play" of a selection
  kPlayOwnerShow = 3,            // TForm8
  kPlayOwnerText = 4,            // TForm6
  kPlayOwnerQuickPlay2 = 5,      // TForm29
};

// Defaults are the initial positions of the output settings window's controls.
struct OutputSettings {
  std::atomic<int32_t> horizontal_offset{0};  // -256..254, subtracted from x
  std::atomic<int32_t> vertical_offset{0};    // -256..254, subtracted from y
  std::atomic<int32_t> rotation_angle{0};     // degrees, 0..360
  std::atomic<uint8_t> scan_speed{100};       // 250 minus the speed track position
  std::atomic<int32_t> horizontal_size{20};   // 0..40, 20 = unchanged
  std::atomic<int32_t> vertical_size{20};
  std::atomic<uint8_t> output_delay{100};
  std::atomic<uint8_t> pipe_number{2};  // the controller's data pipe; no control changes it
  std::atomic<int32_t> ilda_frame_interval{2};  // ms, 2..1000
  std::atomic<int32_t> text_width_sizing{0};
  std::atomic<int32_t> quick_text_width_sizing{0};
  std::atomic<uint8_t> red_depth{100};  // percent, 0..200
  std::atomic<uint8_t> green_depth{100};
  std::atomic<uint8_t> blue_depth{100};
  std::atomic<uint8_t> brightness{100};

  // One colour mode per player family.
  std::atomic<int32_t> segment_colour_mode{kColourModeAuto};
  std::atomic<int32_t> show_colour_mode{kColourModeAuto};
  std::atomic<int32_t> quick_play_colour_mode{kColourModeAuto};  // and the text window
  std::atomic<int32_t> quick_play2_colour_mode{kColourModeAuto};
  std::atomic<int32_t> play_owner{kPlayOwnerNone};

  // The colour buttons of the output settings window set all four families at once.
  void SetAllColourModes(int32_t mode);

  std::string media_player_path() const;
  void set_media_player_path(std::string path);

 private:
  mutable std::mutex path_mutex_;  // a string cannot be an atomic; nobody reads it per point
  std::string media_player_path_;
};

struct OutputFlags {
  std::atomic<bool> stop_request{false};
  std::atomic<bool> loop{false};
  std::atomic<bool> pause{false};
  std::atomic<bool> invert_x{false};
  std::atomic<bool> invert_y{false};
  std::atomic<bool> player_running{false};
  std::atomic<bool> preview_refresh{false};
  std::atomic<bool> frame_tick{false};
};

// Configuration lines (0-based) of Daved.ini that hold the output settings: 13, 15, ... 43.
inline constexpr std::size_t kFirstOutputSettingsLine = 13;
inline constexpr std::size_t kLastOutputSettingsLine = 43;
inline constexpr std::size_t kConfigLineCount = 50;

// Reads lines 13 to 43. Byte settings keep their low 8 bits; the others are brought into their
// ranges. A missing line or a value that is not a decimal integer ends the reading there: the
// settings before it keep their values, it and the ones after it become 0 (brought into their
// ranges; the path empty), and the error names that line (`reached`, 0-based).
Status ReadOutputSettings(const std::vector<std::string>& lines, OutputSettings& settings);

// Writes every output setting into its line, leaving the other lines as they are; a shorter
// list is first filled up to the configuration's 50 lines.
void WriteOutputSettings(const OutputSettings& settings, std::vector<std::string>& lines);

}  // namespace daved
