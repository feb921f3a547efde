#pragma once
// The rules between the output settings window's controls and the shared settings: which
// setting each track bar moves and what its label shows, the offset pad's geometry and
// drawing, and the colour panels. The window only wires its controls to these.

#include <QImage>
#include <array>
#include <cstdint>
#include <optional>

#include "output/output_settings.h"

namespace daved {

enum class OutputTrack {
  kScanSpeed,
  kOutputDelay,
  kHorizontalSize,
  kVerticalSize,
  kRotationAngle,
  kIldaFrameInterval,
  kRedDepth,
  kGreenDepth,
  kBlueDepth,
  kBrightness,
};

struct TrackBarRule {
  OutputTrack track;
  const char* name;   // the track bar's designer name
  const char* label;  // the label that shows its value
  const char* title;
  int min, max, page, initial;
};

inline constexpr int kDefaultTrackPage = 2;

inline constexpr std::array<TrackBarRule, 10> kOutputTrackBars = {{
    {OutputTrack::kScanSpeed, "TrackBar6", "Label6", "Velocità di scansione", 20, 250, 5, 150},
    {OutputTrack::kOutputDelay, "TrackBar7", "Label41", "Ritardo", 0, 255, 10, 100},
    {OutputTrack::kHorizontalSize, "suiTrackBar1", "Label9", "Dimensione orizzontale", 0, 40,
     kDefaultTrackPage, 20},
    {OutputTrack::kVerticalSize, "suiTrackBar2", "Label13", "Dimensione Verticale", 0, 40,
     kDefaultTrackPage, 20},
    {OutputTrack::kRotationAngle, "suiTrackBar3", "Label14", "Localizza angolo", 0, 360,
     kDefaultTrackPage, 0},
    {OutputTrack::kIldaFrameInterval, "TrackBar1", "Label19", "Intervallo frame ILDA", 2, 1000,
     kDefaultTrackPage, 2},
    {OutputTrack::kRedDepth, "suiTrackBar4", "Label27", "Rosso", 0, 200, kDefaultTrackPage, 100},
    {OutputTrack::kGreenDepth, "suiTrackBar5", "Label32", "Verde", 0, 200, kDefaultTrackPage, 100},
    {OutputTrack::kBlueDepth, "suiTrackBar6", "Label33", "Blu", 0, 200, kDefaultTrackPage, 100},
    {OutputTrack::kBrightness, "suiTrackBar7", "Label37", "Luminosità", 0, 200, kDefaultTrackPage,
     100},
}};

// Where a track bar stands in kOutputTrackBars: the table follows the enum's order.
constexpr std::size_t TrackIndex(OutputTrack track) { return static_cast<std::size_t>(track); }

// The position that shows the current setting (the scan speed runs backwards: 250 - speed).
int TrackPosition(OutputTrack track, const OutputSettings& settings);
// Stores the setting a track bar at `position` stands for.
void ApplyTrackPosition(OutputTrack track, int position, OutputSettings& settings);
// The number its label shows: the position, except the speed in points per second.
int TrackLabelValue(OutputTrack track, int position);
// With "Lock XY size" on, moving one size moves the other to the same position.
std::optional<OutputTrack> LockedSizePartner(OutputTrack track);

// The offset pad: 255 by 255 pixels, each pixel two offset steps.
inline constexpr int kPadSize = 255;

struct PadPoint {
  int x = 128;
  int y = 128;
  friend bool operator==(const PadPoint&, const PadPoint&) = default;
};

// A mouse position on the pad, kept on the pad when the mouse is dragged beyond its edges.
PadPoint PadPointAt(int x, int y);
PadPoint PadPointOfOffsets(int32_t horizontal_offset, int32_t vertical_offset);
// Offsets 2·p - 256 on both axes.
void SetOffsetsFromPad(PadPoint point, OutputSettings& settings);
// Black, grey dashed centre lines, a red circle of radius 3 at the pad point.
QImage DrawOffsetPad(PadPoint point);

// The "Colori" panels: each sets the colour mode of every player family.
struct ColourPanel {
  const char* name;  // the panel's designer name
  const char* caption;
  int32_t mode;
};

inline constexpr std::array<ColourPanel, 12> kColourPanels = {{
    {"PanelAuto", "Auto", kColourModeAuto},
    {"PanelRnd1", "Rnd1", kColourModeRnd1},
    {"PanelRnd2", "Rnd2", kColourModeRnd2},
    {"PanelRnd3", "Rnd3", kColourModeRnd3},
    {"PanelBlack", "Black", 0},
    {"PanelBianco", "Bianco", 1},
    {"PanelRosso", "Rosso", 2},
    {"PanelGiallo", "Giallo", 3},
    {"PanelVerde", "Verde", 4},
    {"PanelCiano", "Ciano", 5},
    {"PanelBlu", "Blu", 6},
    {"PanelMagenta", "Magenta", 7},
}};

// The play toggles of the output settings and play windows, copied into the shared flags
// before a play is repeated.
struct PlayToggles {
  bool loop = false;
  bool invert_x = false;
  bool invert_y = false;
  bool pause = false;
};
void ApplyPlayToggles(const PlayToggles& toggles, OutputFlags& flags);

}  // namespace daved
