#pragma once
// Drawing files (".ddr", 5 bytes a point), drawing text lines, and frame list files (".ilf").
// Files hold laser coordinates; the drawing editor reads and writes them with scale 2.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "formats/status.h"
#include "model/point.h"

namespace daved {

Status ParseDrawing(std::span<const uint8_t> data, Drawing& drawing, int scale);
Status LoadDrawing(const std::filesystem::path& path, Drawing& drawing, int scale);
std::string EncodeDrawing(const Drawing& drawing, int scale);
Status SaveDrawing(const std::filesystem::path& path, const Drawing& drawing, int scale);

// One line holding a whole drawing: "x,y,kind,colour,state,status|" per point, status 0 or 1
// inside an object (lit, blank) and 128 or 129 on an object's last point.
std::string DrawingToText(const Drawing& drawing);
// Reads a drawing text line into `drawing` (replacing it). On a bad number the drawing keeps
// the points read before it and the error names the text.
Status TextToDrawing(std::string_view line, Drawing& drawing);

// "[DrawingList]", then per frame i the lines "DrawingName=<i>" and the frame's text line.
Status ParseFrameList(std::string_view text, FrameList& frames);
Status LoadFrameList(const std::filesystem::path& path, FrameList& frames);
std::string EncodeFrameList(const FrameList& frames);
Status SaveFrameList(const std::filesystem::path& path, const FrameList& frames);

}  // namespace daved
