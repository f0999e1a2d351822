#pragma once
// Automatic sizing of a skinned label: one line as wide as its text, or,
// when that does not fit beside its parent's right edge, the width that is
// left and as many lines as the text needs.
#include <cstdint>

#include "core/gfx/Geometry.h"

namespace qelvane {

// Room a label keeps to its parent's right edge.
inline constexpr int32_t kLabelRightGap = 20;

// ATextWidth and ALineHeight are the measured sizes (caption plus one
// ideographic space, text height plus one). Without a parent, or when the
// label starts so far right that no width is left, the text stays on one line.
inline TGPRect LabelAutoSizeBounds(int32_t ALeft, int32_t ATop, int32_t ATextWidth, int32_t ALineHeight,
                                   bool AHasParent, int32_t AParentWidth) {
  if (AHasParent) {
    const int32_t available = AParentWidth - ALeft - kLabelRightGap;
    if (available > 0 && ATextWidth > available)
      return {ALeft, ATop, available, ALineHeight * (ATextWidth / available + 1)};
  }
  return {ALeft, ATop, ATextWidth, ALineHeight};
}

} // namespace qelvane
