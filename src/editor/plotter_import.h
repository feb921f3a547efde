#pragma once
// HPGL plotter files (".plt") brought into the drawing editor: every pen section ("LT" line)
// becomes an object, the figure is moved to the origin, shrunk, turned the right way up for the
// canvas and thinned. A bad file changes nothing: the caller gets the message and no objects.

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "editor/editor_document.h"
#include "formats/status.h"
#include "model/point.h"

namespace daved {

inline constexpr int kPlotterSizeMax = 20;   // "Dimensione fattore": the largest figure
inline constexpr int kPlotterFineMax = 40;   // "Fine/Coarse factor"
inline constexpr int kPlotterFineInitial = 5;
inline constexpr char kPlotterFileFilter[] = "HPGL plotter file(*.plt)";
inline constexpr char kNoPenSectionMessage[] =
    "the file has no \"LT\" line: there is nothing to import";

struct PlotterSettings {
  int size = kPlotterSizeMax;       // 0..20; the divisor grows by 20 - size + 1
  int fine = kPlotterFineInitial;   // 0..40; points closer than this to the last kept one go
  uint8_t colour = kInitialColour;  // of every imported point
};

// The pen sections of a plotter file in plotter units, one object per section, every point
// lit, state 0, of `colour`. Each "PU" or "PD" line gives its coordinate pairs, written
// "x y", "x,y" or several in a row ("PD100,200,300,400;"); a bare "PU;" gives none. The last
// section counts only when an "SP0;" line ends it. Without an "LT" line, or at a coordinate that
// is not a decimal integer, `objects` is left empty and the status says why and on which line.
Status ParsePlotter(std::string_view text, uint8_t colour, Drawing& objects);

// Places parsed sections on the canvas: from the origin, shrunk to about 512 pixels and then by
// 21 - size, y turned downwards from 510, each object's first point blank, then thinned.
void PlacePlotterFigure(Drawing& objects, int size, int fine);

// Drops every point closer than `fine` to the last kept point of its object, unless it lies on
// the same row or column as that point.
void ThinObject(Object& object, int fine);

// Parse and place; `objects` holds the result only when the status is ok.
Status ImportPlotter(std::string_view text, const PlotterSettings& settings, Drawing& objects);
Status ImportPlotterFile(const std::filesystem::path& path, const PlotterSettings& settings,
                         Drawing& objects);

// 256 by 256 black, with the objects at half scale and dark moves left out.
QImage PlotterPreview(const Drawing& objects);

// Appends the objects to the drawing as the new selection (every point in state 1), after
// deselecting everything else; records an undo step when anything was appended.
void AppendImportedObjects(EditorDocument& document, Drawing objects);

}  // namespace daved
