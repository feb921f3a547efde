#pragma once
// The drawing player's play list from the editor's drawing.

#include "model/point.h"

namespace daved {

// One entry per object, in laser coordinates: canvas positions halved and held to 0..255; kind,
// colour and blank copied, every point in the normal state.
Drawing MakePlayList(const Drawing& drawing);

}  // namespace daved
