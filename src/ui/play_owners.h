#pragma once
// The play owner: the window whose play the output settings window's and the play window's
// play buttons repeat. Each playing window registers its play here once, and sets the owner
// (in the output settings) whenever it plays.

#include <array>
#include <functional>

#include "output/output_settings.h"

namespace daved {

class PlayOwners {
 public:
  static constexpr int kCount = 6;  // kPlayOwnerQuickPlay .. kPlayOwnerQuickPlay2

  void Register(PlayOwner owner, std::function<void()> play) {
    if (owner >= 0 && owner < kCount) plays_[owner] = std::move(play);
  }
  // Repeats the play of `owner`; false when it has none (no owner yet, or its window is not
  // part of the program).
  bool Repeat(int32_t owner) const {
    if (owner < 0 || owner >= kCount || !plays_[owner]) return false;
    plays_[owner]();
    return true;
  }

 private:
  std::array<std::function<void()>, kCount> plays_;
};

}  // namespace daved
