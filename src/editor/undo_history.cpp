#include "editor/undo_history.h"

namespace daved {

Drawing Snapshot(const Drawing& drawing) {
  Drawing copy = drawing;
  for (Object& object : copy) {
    for (Point& p : object) p.state = kStateNormal;
  }
  return copy;
}

void UndoHistory::Record(const Drawing& drawing) {
  snapshots_.resize(std::size_t(position_ + 1));
  snapshots_.push_back(Snapshot(drawing));
  ++position_;
  if (snapshots_.size() > kCapacity) {
    snapshots_.pop_front();
    --position_;
  }
}

const Drawing* UndoHistory::Undo() {
  if (position_ < 1) return nullptr;
  --position_;
  return &snapshots_[std::size_t(position_)];
}

const Drawing* UndoHistory::Redo() {
  if (position_ + 1 >= int(snapshots_.size())) return nullptr;
  ++position_;
  return &snapshots_[std::size_t(position_)];
}

void UndoHistory::Clear() {
  snapshots_.clear();
  position_ = -1;
}

}  // namespace daved
