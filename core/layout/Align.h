#pragma once
// Alignment and anchoring of child controls inside their parent's client
// area: pure arithmetic, shared by the UI toolkit and its native tests.
#include <cstdint>
#include <span>

#include "core/gfx/Anchors.h"
#include "core/gfx/Geometry.h"

namespace qelvane {

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// One child as the aligner sees it. Bounds are in the parent's client
// coordinates; the aligner writes the new bounds of aligned children.
struct TAlignItem {
  TAlign Align = alNone;
  bool Visible = true;
  TRect Bounds;
};

// Places the visible aligned children inside ARect in the order top, bottom,
// left, right, client (children of one kind in list order); each takes its
// strip off the remaining rectangle, which is returned. Hidden children and
// alNone/alCustom children keep their bounds and take no space.
TRect AlignItems(TRect ARect, std::span<TAlignItem> AItems);

// The bounds of an unaligned child after its parent's client area changed
// from AOldSize to ANewSize (width, height): an edge anchored to the right or
// bottom keeps its distance to that edge; a child anchored to both opposite
// edges stretches; one anchored to neither keeps its centre proportionally.
TRect AnchorBounds(const TRect& ABounds, TAnchors AAnchors, int32_t AOldWidth, int32_t AOldHeight, int32_t ANewWidth,
                   int32_t ANewHeight);

} // namespace qelvane
