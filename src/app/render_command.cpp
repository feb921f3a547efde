#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <ostream>

#include "app/commands.h"
#include "app/file_kind.h"
#include "convert/conversions.h"
#include "formats/drawing_file.h"
#include "formats/file_io.h"
#include "formats/ilda_file.h"
#include "model/thumbnail.h"

namespace daved {
namespace {

namespace fs = std::filesystem;

struct RenderRequest {
  std::string file;
  std::string png;
  int frame = 0;
  int divisor = 1;
  int blankColour = 0;
};

// The drawing to show: the drawing file itself, or frame N of a frame list or ILDA file.
Status PickDrawing(const RenderRequest& request, Drawing& drawing) {
  const fs::path path(request.file);
  FrameList frames;
  switch (KindOf(path)) {
    case FileKind::Drawing:
      if (request.frame != 0) return Status::Failed("a drawing has one frame only (frame 0)");
      return LoadDrawing(path, drawing, 1);
    case FileKind::FrameList:
      if (Status s = LoadFrameList(path, frames); !s.ok()) return s;
      break;
    case FileKind::Ilda: {
      TILDAimage image;
      if (Status s = LoadIlda(path, image); !s.ok()) return s;
      frames = IldaToFrames(image);
      break;
    }
    default:
      return Status::Failed("render takes .ddr, .ilf or .ild files");
  }
  if (request.frame < 0 || std::size_t(request.frame) >= frames.size()) {
    return Status::Failed("frame " + std::to_string(request.frame) + " does not exist (the file has " +
                          std::to_string(frames.size()) + " frames, counted from 0)");
  }
  drawing = std::move(frames[std::size_t(request.frame)]);
  return {};
}

Status WritePng(const QImage& image, const fs::path& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return Status::Failed("cannot encode the picture as PNG");
  return WriteFileAtomically(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace

CommandRunner AddRenderCommand(CLI::App& app, CommandStreams io) {
  auto* command = app.add_subcommand(
      "render", "Draw a drawing, or one frame of a frame list or ILDA file, as a PNG thumbnail");
  auto request = std::make_shared<RenderRequest>();
  command->add_option("FILE", request->file, "A .ddr, .ilf or .ild file")->required();
  command->add_option("--png", request->png, "The PNG file to write")->required();
  command->add_option("--frame", request->frame, "Frame number, counted from 0")->default_val(0);
  command->add_option("--divisor", request->divisor, "1, 2 or 4: a picture of 256, 128 or 64 pixels")
      ->check(CLI::IsMember({1, 2, 4}))
      ->default_val(1);
  command->add_option("--blank-colour", request->blankColour,
                      "Colour index for blank moves; 0 leaves them out")
      ->check(CLI::Range(0, 255))
      ->default_val(0);
  return [io, request]() {
    Drawing drawing;
    if (Status s = PickDrawing(*request, drawing); !s.ok()) {
      io.err << "daved: " << request->file << ": " << s.error << "\n";
      return kExitBadInput;
    }
    const QImage image = RenderDrawing(drawing, request->blankColour, request->divisor);
    if (Status s = WritePng(image, request->png); !s.ok()) {
      io.err << "daved: " << request->png << ": " << s.error << "\n";
      return kExitBadInput;
    }
    return kExitOk;
  };
}

}  // namespace daved
