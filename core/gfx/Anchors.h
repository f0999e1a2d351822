#pragma once
// Anchors of a control: which edges of its parent it keeps its distance to.
#include <cstdint>

namespace qelvane {

enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t; // a set of TAnchorKind bits

} // namespace qelvane
