#include "output/preview_board.h"

#include "model/thumbnail.h"

namespace daved {

void PreviewBoard::Post(PreviewFrame frame) {
  auto posted = std::make_shared<const PreviewFrame>(std::move(frame));
  {
    std::lock_guard lock(mutex_);
    latest_ = std::move(posted);
  }
  version_.fetch_add(1, std::memory_order_release);
}

std::shared_ptr<const PreviewFrame> PreviewBoard::Latest() const {
  std::lock_guard lock(mutex_);
  return latest_;
}

std::shared_ptr<const PreviewFrame> PreviewReader::TakeNew(const PreviewBoard& board) {
  const uint64_t version = board.version();
  if (version == seen_) return nullptr;
  seen_ = version;
  return board.Latest();
}

QImage RenderPreview(const PreviewFrame& frame) {
  Drawing drawing = frame.drawing;  // the drawer drops deleted points from what it is given
  return RenderDrawing(drawing, 0, 1);
}

}  // namespace daved
