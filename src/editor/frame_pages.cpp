#include "editor/frame_pages.h"

#include <algorithm>
#include <system_error>

#include "formats/drawing_file.h"
#include "model/thumbnail.h"

namespace daved {
namespace {

constexpr int kFramePixels = 510;  // the canvas positions a frame can hold: 0..255 doubled
constexpr int kHatchStep = 8;       // the spacing of the selection mark's lines
const QColor kMarkColour(255, 0, 0);

// A dialog that returns the name "0" counts as cancelled.
std::optional<std::filesystem::path> Chosen(
    const std::function<std::optional<std::filesystem::path>()>& dialog) {
  std::optional<std::filesystem::path> path = dialog();
  if (!path || path->empty() || *path == "0") return std::nullopt;
  return path;
}

Point Copied(const Point& p, int32_t x, int32_t y) {
  return {.x = x, .y = y, .kind = p.kind, .colour = p.colour, .state = kStateNormal,
          .blank = p.blank};
}

}  // namespace

Drawing FrameToCanvas(const Drawing& frame) {
  Drawing canvas;
  canvas.reserve(frame.size());
  for (const Object& object : frame) {
    Object& copy = canvas.emplace_back();
    copy.reserve(object.size());
    for (const Point& p : object) {
      copy.push_back(Copied(p, p.x * kEditorScale, p.y * kEditorScale));
    }
  }
  return canvas;
}

Drawing CanvasToFrame(const Drawing& canvas) {
  const auto toLaser = [](int32_t v) { return std::clamp(v, 0, kFramePixels) / kEditorScale; };
  Drawing frame;
  frame.reserve(canvas.size());
  for (const Object& object : canvas) {
    Object& copy = frame.emplace_back();
    copy.reserve(object.size());
    for (const Point& p : object) {
      if (p.state == kStateDeleted) continue;
      copy.push_back(Copied(p, toLaser(p.x), toLaser(p.y)));
    }
  }
  return frame;
}

QImage FrameThumbnail(const Drawing& frame) {
  Drawing copy = frame;  // the drawer takes out deleted points; a frame has none to lose
  return RenderDrawing(copy, 0, kThumbnailDivisor);
}

void MarkSelected(QImage& thumbnail) {
  const int w = thumbnail.width();
  const int h = thumbnail.height();
  if (w == 0 || h == 0) return;
  // A flood fill of the centre's colour: lines of the frame that enclose the centre stop it.
  const QPoint seed(w / 2, h / 2);
  const QRgb surface = thumbnail.pixel(seed);
  std::vector<bool> seen(std::size_t(w) * std::size_t(h), false);
  std::vector<QPoint> todo{seed};
  seen[std::size_t(seed.y()) * std::size_t(w) + std::size_t(seed.x())] = true;
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    if ((p.x() + p.y()) % kHatchStep == 0 || (p.x() - p.y() + h) % kHatchStep == 0) {
      thumbnail.setPixelColor(p, kMarkColour);
    }
    for (const QPoint next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1),
                              p - QPoint(0, 1)}) {
      if (next.x() < 0 || next.y() < 0 || next.x() >= w || next.y() >= h) continue;
      const std::size_t at = std::size_t(next.y()) * std::size_t(w) + std::size_t(next.x());
      if (seen[at] || thumbnail.pixel(next) != surface) continue;
      seen[at] = true;
      todo.push_back(next);
    }
  }
}

FramePages::FramePages() { New(); }

int FramePages::pageCount() const {
  return int((frames_.size() + kFramesPerPage - 1) / kFramesPerPage);
}

std::size_t FramePages::selectedPointCount() const {
  if (selected_ == 0) return 0;
  return CountPoints(frames_[std::size_t(selected_ - 1)]);
}

std::string FramePages::fileName() const {
  return path_.empty() ? std::string(kNewFrameListName) : path_.filename().string();
}

std::vector<std::size_t> FramePages::PageFrames() const {
  std::vector<std::size_t> shown;
  const std::size_t first = std::size_t(page_) * kFramesPerPage;
  for (std::size_t i = first; i < frames_.size() && i < first + kFramesPerPage; ++i) {
    shown.push_back(i);
  }
  return shown;
}

std::optional<int> FramePages::MarkedSlot() const {
  if (selected_ == 0 || (selected_ - 1) / kFramesPerPage != page_) return std::nullopt;
  return (selected_ - 1) % kFramesPerPage;
}

bool FramePages::SelectSlot(int slot) {
  const std::vector<std::size_t> shown = PageFrames();
  if (slot < 0 || std::size_t(slot) >= shown.size()) return false;
  selected_ = int(shown[std::size_t(slot)]) + 1;
  return true;
}

bool FramePages::PreviousPage() {
  if (page_ <= 0) return false;
  --page_;
  return true;
}

bool FramePages::NextPage() {
  if (page_ >= pageCount() - 1) return false;
  ++page_;
  return true;
}

void FramePages::New() {
  frames_.assign(kFramesPerPage, Drawing{});
  page_ = 0;
  selected_ = 0;
  path_.clear();
}

void FramePages::Append() { frames_.emplace_back(); }

void FramePages::Insert() {
  if (selected_ == 0) {
    Append();
    page_ = 0;
    return;
  }
  frames_.insert(frames_.begin() + (selected_ - 1), Drawing{});
}

bool FramePages::Remove() {
  if (selected_ == 0) return false;
  frames_.erase(frames_.begin() + (selected_ - 1));
  selected_ = std::min(selected_, int(frames_.size()));
  KeepPageInRange();
  return true;
}

void FramePages::KeepPageInRange() { page_ = std::clamp(page_, 0, std::max(pageCount() - 1, 0)); }

bool FramePages::SendToDrawing(EditorDocument& document) const {
  if (selected_ == 0) return false;
  document.ReplaceDrawing(FrameToCanvas(frames_[std::size_t(selected_ - 1)]));
  return true;
}

bool FramePages::TakeFromDrawing(const Drawing& canvas) {
  if (selected_ == 0) return false;
  frames_[std::size_t(selected_ - 1)] = CanvasToFrame(canvas);
  return true;
}

CommandResult FramePages::Open(const FilePrompts& prompts) {
  const std::optional<std::filesystem::path> path = Chosen(prompts.chooseOpen);
  if (!path) return CommandResult::Stopped();
  std::error_code ec;
  if (std::filesystem::exists(*path, ec)) {
    // Read aside, so that a bad file leaves the frames, the name and the page as they were.
    FrameList loaded;
    const Status status = LoadFrameList(*path, loaded);
    if (!status.ok()) return CommandResult::Stopped(status.error);
    frames_ = std::move(loaded);
  }
  path_ = *path;
  page_ = 0;
  selected_ = 0;
  return CommandResult::Done();
}

CommandResult FramePages::Save(const FilePrompts& prompts) {
  if (fileName() == kNewFrameListName) return SaveAs(prompts);
  return WriteTo(path_);
}

CommandResult FramePages::SaveAs(const FilePrompts& prompts) {
  const std::optional<std::filesystem::path> path = Chosen(prompts.chooseSave);
  if (!path) return CommandResult::Stopped();
  return WriteTo(*path);
}

CommandResult FramePages::WriteTo(const std::filesystem::path& path) {
  const Status status = SaveFrameList(path, frames_);
  if (!status.ok()) return CommandResult::Stopped(status.error);
  path_ = path;
  return CommandResult::Done();
}

}  // namespace daved
