#include <nlohmann/json.hpp>
#include <ostream>

#include "app/commands.h"
#include "app/file_kind.h"
#include "formats/drawing_file.h"
#include "formats/effect_file.h"
#include "formats/file_io.h"
#include "formats/ilda_file.h"
#include "formats/ilda_sections.h"
#include "formats/segment_file.h"
#include "formats/show_file.h"

namespace daved {
namespace {

using nlohmann::ordered_json;

ordered_json DrawingSummary(const Drawing& drawing) {
  ordered_json objects = ordered_json::array();
  for (const Object& object : drawing) objects.push_back(object.size());
  return {{"objects", objects}, {"points", CountPoints(drawing)}};
}

Status DescribeIlda(const std::filesystem::path& path, ordered_json& info) {
  std::string bytes;
  if (Status s = ReadWholeFile(path, bytes); !s.ok()) return s;
  const std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  ordered_json sections = ordered_json::array();
  for (const IldaSection& s : ListIldaSections(data)) {
    sections.push_back({{"offset", s.offset}, {"format", s.format}, {"name", s.name},
                        {"company", s.company}, {"records", s.recordCount}});
  }
  TILDAimage image;
  const Status status = ParseIlda(data, image);
  ordered_json frames = ordered_json::array();
  std::size_t points = 0;
  for (const TILDAframe& frame : image.frames) {
    frames.push_back(frame.points.size());
    points += frame.points.size();
  }
  info["sections"] = sections;
  info["frame_points"] = frames;
  info["frames"] = image.frames.size();
  info["palettes"] = image.palettes.size();
  info["points"] = points;
  return status;
}

Status DescribeDrawing(const std::filesystem::path& path, ordered_json& info) {
  Drawing drawing;
  const Status status = LoadDrawing(path, drawing, 1);
  info.update(DrawingSummary(drawing));
  return status;
}

Status DescribeFrameList(const std::filesystem::path& path, ordered_json& info) {
  FrameList frames;
  const Status status = LoadFrameList(path, frames);
  ordered_json list = ordered_json::array();
  std::size_t points = 0;
  for (const Drawing& frame : frames) {
    list.push_back(DrawingSummary(frame));
    points += CountPoints(frame);
  }
  info["frames"] = list;
  info["points"] = points;
  return status;
}

Status DescribeSegment(const std::filesystem::path& path, ordered_json& info) {
  std::vector<TSectionRecord> rows;
  const Status status = LoadSegment(path, rows);
  ordered_json list = ordered_json::array();
  int64_t duration = 0;
  for (const TSectionRecord& row : rows) {
    list.push_back({{"drawing", row.drawingNumber}, {"time", row.time}, {"effect", row.effectName},
                    {"colour_mode", row.colourMode}, {"points", CountPoints(row.drawing)}});
    duration += row.time;
  }
  info["rows"] = list;
  info["duration"] = duration;
  return status;
}

Status DescribeShow(const std::filesystem::path& path, ordered_json& info) {
  TSequence show;
  const Status status = LoadShow(path, show);
  ordered_json tracks = ordered_json::array();
  for (const auto& track : show.tracks) {
    ordered_json entries = ordered_json::array();
    for (const TSequenceRecord& entry : track) {
      entries.push_back({{"name", entry.name}, {"time", entry.time}});
    }
    tracks.push_back(entries);
  }
  info["music"] = show.music;
  info["tracks"] = tracks;
  return status;
}

Status DescribeEffect(const std::filesystem::path& path, ordered_json& info) {
  NamedEffect effect;
  const Status status = LoadEffect(path, effect);
  info["name"] = effect.name;
  info["lines"] = effect.lines;
  return status;
}

Status DescribeEffectList(const std::filesystem::path& path, ordered_json& info) {
  EffectList effects;
  const Status status = LoadEffectList(path, effects);
  ordered_json list = ordered_json::array();
  for (const NamedEffect& effect : effects) {
    list.push_back({{"name", effect.name}, {"lines", effect.lines}});
  }
  info["effects"] = list;
  return status;
}

// The plain-text form: one "key: value" line per field, lists of numbers on one line.
void PrintText(const ordered_json& info, std::ostream& out) {
  for (const auto& [key, value] : info.items()) {
    if (value.is_array() && !value.empty() && value.front().is_structured()) {
      out << key << ":\n";
      for (std::size_t i = 0; i < value.size(); ++i) out << "  " << i << ": " << value[i].dump() << "\n";
    } else if (value.is_string()) {
      out << key << ": " << value.get<std::string>() << "\n";
    } else {
      out << key << ": " << value.dump() << "\n";
    }
  }
}

}  // namespace

CommandRunner AddInfoCommand(CLI::App& app, CommandStreams io) {
  auto* command = app.add_subcommand(
      "info", "Show what a file holds (.ild .ddr .ilf .sec .seq .ect .ecl)");
  auto file = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  command->add_option("FILE", *file, "The file to describe")->required();
  command->add_flag("--json", *json, "Print one JSON object");
  return [io, file, json]() {
    const std::filesystem::path path(*file);
    const FileKind kind = KindOf(path);
    if (kind == FileKind::Unknown) {
      io.err << "daved: " << path.string() << ": " << UnknownKindMessage(path) << "\n";
      return kExitBadInput;
    }
    ordered_json info = {{"file", path.string()}, {"kind", KindName(kind)}};
    Status status;
    switch (kind) {
      case FileKind::Ilda: status = DescribeIlda(path, info); break;
      case FileKind::Drawing: status = DescribeDrawing(path, info); break;
      case FileKind::FrameList: status = DescribeFrameList(path, info); break;
      case FileKind::Segment: status = DescribeSegment(path, info); break;
      case FileKind::Show: status = DescribeShow(path, info); break;
      case FileKind::Effect: status = DescribeEffect(path, info); break;
      case FileKind::EffectList: status = DescribeEffectList(path, info); break;
      case FileKind::Unknown: break;
    }
    if (!status.ok()) {
      io.err << "daved: " << path.string() << ": " << status.error << "\n";
      return kExitBadInput;
    }
    if (*json) {
      io.out << info.dump() << "\n";
    } else {
      PrintText(info, io.out);
    }
    return kExitOk;
  };
}

}  // namespace daved
