#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>

#include "app/commands.h"
#include "app/file_kind.h"
#include "convert/conversions.h"
#include "convert/point_reduction.h"
#include "editor/plotter_import.h"
#include "formats/drawing_file.h"
#include "formats/ilda_file.h"

namespace daved {
namespace {

namespace fs = std::filesystem;

struct ConvertRequest {
  std::vector<std::string> paths;  // inputs, then the output
  std::optional<int> reduce;
  std::optional<std::string> ddrFolder;
  std::optional<int> size;  // plotter import: "Dimensione fattore"
  std::optional<int> fine;  // plotter import: "Fine/Coarse factor"
};

// A conversion's outcome: a bad-input message, a usage message, or success.
struct Outcome {
  int exit = kExitOk;
  std::string message;
};

Outcome BadInput(const std::string& message) { return {kExitBadInput, message}; }
Outcome Usage(const std::string& message) { return {kExitUsage, message}; }
// A writer's or reader's status, its message naming the file.
Outcome FromStatus(const Status& status, const fs::path& path) {
  return status.ok() ? Outcome{} : BadInput(path.string() + ": " + status.error);
}

bool AllOfKind(const std::vector<fs::path>& inputs, FileKind kind) {
  for (const fs::path& input : inputs) {
    if (KindOf(input) != kind) return false;
  }
  return true;
}

Outcome IldaToFrameListFile(const fs::path& input, const fs::path& output,
                            const ConvertRequest& request) {
  TILDAimage image;
  if (Status s = LoadIlda(input, image); !s.ok()) return FromStatus(s, input);
  FrameList frames = IldaToFrames(image);
  if (request.reduce) {
    for (Drawing& frame : frames) frame = ReduceDrawing(frame, *request.reduce);
  }
  if (Status s = SaveFrameList(output, frames); !s.ok()) return FromStatus(s, output);
  if (request.ddrFolder) {
    const fs::path folder(*request.ddrFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::vector<std::string> written;
    Status s = FramesToDrawings(frames, folder, input.stem().string(), written);
    return s.ok() ? Outcome{} : BadInput(s.error);
  }
  return {};
}

bool IsPlotterFile(const fs::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".plt";
}

// A plotter file placed as the drawing editor's import places it, saved as a drawing.
Outcome PlotterToDrawing(const fs::path& input, const fs::path& output,
                         const ConvertRequest& request) {
  PlotterSettings settings;
  settings.size = request.size.value_or(settings.size);
  settings.fine = request.fine.value_or(settings.fine);
  Drawing drawing;
  if (Status s = ImportPlotterFile(input, settings, drawing); !s.ok()) return FromStatus(s, input);
  return FromStatus(SaveDrawing(output, drawing, kEditorScale), output);
}

Outcome Convert(const ConvertRequest& request) {
  std::vector<fs::path> inputs(request.paths.begin(), request.paths.end() - 1);
  const fs::path output(request.paths.back());
  if (std::any_of(inputs.begin(), inputs.end(), IsPlotterFile)) {
    if (inputs.size() != 1 || KindOf(output) != FileKind::Drawing) {
      return Usage("a plotter file converts alone, to a drawing: daved convert in.plt out.ddr");
    }
    if (request.reduce || request.ddrFolder) {
      return Usage("--reduce and --ddr-folder apply only to one .ild converted to .ilf");
    }
    std::error_code ec;
    if (!fs::is_regular_file(inputs.front(), ec)) {
      return BadInput(inputs.front().string() + ": no such file");
    }
    return PlotterToDrawing(inputs.front(), output, request);
  }
  if (request.size || request.fine) return Usage("--size and --fine apply only to a .plt input");
  for (const fs::path& input : inputs) {
    std::error_code ec;
    if (!fs::is_regular_file(input, ec)) return BadInput(input.string() + ": no such file");
    if (KindOf(input) == FileKind::Unknown) {
      return BadInput(input.string() + ": " + UnknownKindMessage(input));
    }
  }
  const FileKind to = KindOf(output);
  const bool ildaToFrameList =
      inputs.size() == 1 && AllOfKind(inputs, FileKind::Ilda) && to == FileKind::FrameList;
  if ((request.reduce || request.ddrFolder) && !ildaToFrameList) {
    return Usage("--reduce and --ddr-folder apply only to one .ild converted to .ilf");
  }
  if (request.reduce && *request.reduce < 0) return Usage("--reduce needs a distance of 0 or more");

  if (ildaToFrameList) return IldaToFrameListFile(inputs.front(), output, request);
  if (AllOfKind(inputs, FileKind::Drawing) && to == FileKind::Ilda) {
    TILDAimage image;
    if (Status s = DrawingsToIlda(inputs, image); !s.ok()) return BadInput(s.error);
    return FromStatus(SaveIlda(output, image), output);
  }
  if (AllOfKind(inputs, FileKind::Ilda) && to == FileKind::Ilda) {
    TILDAimage merged;
    if (Status s = MergeIlda(inputs, merged); !s.ok()) return BadInput(s.error);
    return FromStatus(SaveIlda(output, merged), output);
  }
  if (AllOfKind(inputs, FileKind::Drawing) && to == FileKind::FrameList) {
    FrameList frames;
    if (Status s = DrawingsToFrameList(inputs, frames); !s.ok()) return BadInput(s.error);
    return FromStatus(SaveFrameList(output, frames), output);
  }
  if (inputs.size() == 1 && AllOfKind(inputs, FileKind::FrameList) && to == FileKind::Unknown) {
    FrameList frames;
    if (Status s = LoadFrameList(inputs.front(), frames); !s.ok()) return FromStatus(s, inputs.front());
    std::error_code ec;
    fs::create_directories(output, ec);
    if (ec) return BadInput(output.string() + ": " + ec.message());
    std::vector<std::string> written;
    Status s = FramesToDrawings(frames, output, inputs.front().stem().string(), written);
    return s.ok() ? Outcome{} : BadInput(s.error);
  }
  return Usage(
      "cannot convert these kinds; the conversions are .ddr... to .ild or .ilf, .ild... to .ild, "
      ".ild to .ilf, .ilf to a folder of drawings, and .plt to .ddr");
}

}  // namespace

CommandRunner AddConvertCommand(CLI::App& app, CommandStreams io) {
  auto* command = app.add_subcommand(
      "convert",
      "Convert between drawings, ILDA files and frame lists: .ddr... to .ild or .ilf, .ild... "
      "to .ild (merged in order), .ild to .ilf, .ilf to a folder of numbered drawings, .plt to "
      ".ddr");
  auto request = std::make_shared<ConvertRequest>();
  command->add_option("INPUT... OUTPUT", request->paths, "Input files, then the output")
      ->required()
      ->expected(2, -1);
  command->add_option("--reduce", request->reduce,
                      "Drop points closer than T to the point before them (.ild to .ilf)");
  command->add_option("--ddr-folder", request->ddrFolder,
                      "Also write every frame as <name>_Frames_00001.ddr... here (.ild to .ilf)");
  command
      ->add_option("--size", request->size,
                   "Size factor 0..20, 20 the largest figure (.plt to .ddr; default 20)")
      ->check(CLI::Range(0, kPlotterSizeMax));
  command
      ->add_option("--fine", request->fine,
                   "Fine/coarse factor 0..40: drop points nearer than this (.plt to .ddr; "
                   "default 5)")
      ->check(CLI::Range(0, kPlotterFineMax));
  return [io, request]() {
    const Outcome outcome = Convert(*request);
    if (outcome.exit != kExitOk) io.err << "daved: " << outcome.message << "\n";
    return outcome.exit;
  };
}

}  // namespace daved
