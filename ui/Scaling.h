#pragma once
// The one place where the toolkit turns control positions and sizes into
// window coordinates. Today they are the same (one control pixel is one
// screen pixel); display scaling changes only these two functions.
#include "core/gfx/Geometry.h"

namespace qelvane {

inline TRect ToDevice(const TRect& R) {
  return R;
}
inline TRect FromDevice(const TRect& R) {
  return R;
}

} // namespace qelvane
