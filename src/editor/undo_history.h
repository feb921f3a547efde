#pragma once
// The editor's undo history: the drawing as it was after each recorded edit.

#include <cstddef>
#include <deque>

#include "model/point.h"

namespace daved {

// A deep copy with every point in the normal state.
Drawing Snapshot(const Drawing& drawing);

class UndoHistory {
 public:
  static constexpr std::size_t kCapacity = 400;

  // Drops the snapshots after the current one, appends this one and makes it current; the
  // oldest goes when there are more than kCapacity.
  void Record(const Drawing& drawing);
  // The snapshot before the current one, now current; nothing when there is none.
  const Drawing* Undo();
  // The snapshot after the current one, now current; nothing when there is none.
  const Drawing* Redo();
  void Clear();

  std::size_t size() const { return snapshots_.size(); }
  // -1 when empty, else the index of the current snapshot.
  int position() const { return position_; }

 private:
  std::deque<Drawing> snapshots_;
  int position_ = -1;
};

}  // namespace daved
