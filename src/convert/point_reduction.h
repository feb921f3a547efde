#pragma once
// Thinning out the points of ILDA frames: fewer points give a steadier picture at a given
// scan speed.

#include "model/point.h"

namespace daved {

// Keeps the first point and every later point farther than `threshold` from the point just
// before it in the source; kept points get state 0. The comparison is with the source
// neighbour, not the last point kept, so a run of close points keeps only its first one.
Object ReduceObject(const Object& source, int threshold);
Drawing ReduceDrawing(const Drawing& source, int threshold);

}  // namespace daved
