#pragma once
// The preview hand-off: a player thread posts the frame it is playing, and every window with a
// preview (the output settings and play windows) takes the latest one on its own timer. A
// posted frame is never changed again, so readers share it without copying.

#include <QImage>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "model/point.h"

namespace daved {

struct PreviewFrame {
  Drawing drawing;  // laser coordinates
  std::size_t point_count = 0;
  std::string file_name;
};

class PreviewBoard {
 public:
  // From a player thread.
  void Post(PreviewFrame frame);
  // Counts posts, so a window's timer takes the frame only after a new one.
  uint64_t version() const { return version_.load(std::memory_order_acquire); }
  // The latest frame; empty before the first post.
  std::shared_ptr<const PreviewFrame> Latest() const;

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const PreviewFrame> latest_;
  // Bumped after the frame is in place (release), so a reader that sees the new count
  // (acquire) finds that frame or a later one.
  std::atomic<uint64_t> version_{0};
};

// One window's view of the board: a frame is handed out once, after each new post.
class PreviewReader {
 public:
  std::shared_ptr<const PreviewFrame> TakeNew(const PreviewBoard& board);

 private:
  uint64_t seen_ = 0;
};

// The 256 by 256 preview picture of a frame: black, with the lit lines in their colours.
QImage RenderPreview(const PreviewFrame& frame);

}  // namespace daved
