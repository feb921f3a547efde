#include "convert/conversions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "formats/drawing_file.h"
#include "formats/ilda_file.h"

namespace daved {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

Status WithFileName(Status status, const std::filesystem::path& path) {
  if (!status.ok()) status.error = path.string() + ": " + status.error;
  return status;
}

}  // namespace

std::string WithExtension(const std::string& name, const std::string& extension) {
  if (Lower(std::filesystem::path(name).extension().string()) == Lower(extension)) return name;
  return name + extension;
}

std::string NumberedDrawingName(const std::string& base, int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", number);
  return base + "_Frames_" + digits + ".ddr";
}

Status DrawingsToIlda(const std::vector<std::filesystem::path>& drawings, TILDAimage& image) {
  image = {};
  for (const auto& path : drawings) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) continue;
    Drawing drawing;
    if (Status s = LoadDrawing(path, drawing, 1); !s.ok()) return WithFileName(s, path);
    TILDAframe frame;
    DrawingToIldaFrame(drawing, frame);
    image.frames.push_back(std::move(frame));
  }
  return {};
}

Status MergeIlda(const std::vector<std::filesystem::path>& files, TILDAimage& merged) {
  merged = {};
  for (const auto& path : files) {
    TILDAimage image;
    Status s = LoadIlda(path, image);
    std::move(image.frames.begin(), image.frames.end(), std::back_inserter(merged.frames));
    if (!s.ok()) return WithFileName(s, path);
  }
  return {};
}

FrameList IldaToFrames(const TILDAimage& image) {
  FrameList frames;
  frames.reserve(image.frames.size());
  for (const TILDAframe& ilda : image.frames) {
    Object object;
    object.reserve(ilda.points.size());
    for (const Point& p : ilda.points) {
      object.push_back({p.x + 128, 127 - p.y, p.kind, p.colour, kStateNormal, p.blank});
    }
    frames.push_back(Drawing{std::move(object)});
  }
  return frames;
}

Status DrawingsToFrameList(const std::vector<std::filesystem::path>& drawings, FrameList& frames) {
  frames.clear();
  for (const auto& path : drawings) {
    Drawing drawing;
    if (Status s = LoadDrawing(path, drawing, 1); !s.ok()) return WithFileName(s, path);
    frames.push_back(std::move(drawing));
  }
  return {};
}

Status FramesToDrawings(const FrameList& frames, const std::filesystem::path& folder,
                        const std::string& base, std::vector<std::string>& written) {
  written.clear();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const std::string name = NumberedDrawingName(base, int(i + 1));
    if (Status s = SaveDrawing(folder / name, frames[i], 1); !s.ok()) {
      return WithFileName(s, folder / name);
    }
    written.push_back(name);
  }
  return {};
}

}  // namespace daved
