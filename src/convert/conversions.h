#pragma once
// Moving material between drawings, ILDA files and frame lists, as the converter does it.

#include <filesystem>
#include <string>
#include <vector>

#include "formats/status.h"
#include "model/ilda.h"
#include "model/point.h"

namespace daved {

// `name` with `extension` (".ild", ".ilf") appended unless it already ends in it, ignoring case.
std::string WithExtension(const std::string& name, const std::string& extension);

// "<base>_Frames_" followed by the number padded with zeros to five digits and ".ddr".
std::string NumberedDrawingName(const std::string& base, int number);

// One frame per drawing file, in order; files that do not exist are skipped. A drawing that
// cannot be read ends the conversion with its error.
Status DrawingsToIlda(const std::vector<std::filesystem::path>& drawings, TILDAimage& image);

// All frames of the files, in order, in one image.
Status MergeIlda(const std::vector<std::filesystem::path>& files, TILDAimage& merged);

// One frame of one object per ILDA frame, in laser coordinates: x = ILDA x + 128,
// y = 127 - ILDA y, state 0.
FrameList IldaToFrames(const TILDAimage& image);

// One frame per drawing file, in order.
Status DrawingsToFrameList(const std::vector<std::filesystem::path>& drawings, FrameList& frames);

// Writes each frame as "<base>_Frames_00001.ddr"... into `folder`, replacing existing files;
// `written` receives the names in order.
Status FramesToDrawings(const FrameList& frames, const std::filesystem::path& folder,
                        const std::string& base, std::vector<std::string>& written);

}  // namespace daved
