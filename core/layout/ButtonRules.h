#pragma once
// The look of a skinned push button as a pure function of its state: which
// state images are drawn, in which order, and where the caption goes.
#include <cstdint>

#include "core/gfx/Geometry.h"

namespace qelvane {

enum class TButtonImage : uint8_t { Normal, Hover, Down, Disabled, Focused };

struct TButtonState {
  bool Enabled = true;
  bool MouseDown = false; // left button pressed on the button
  bool Focused = false;
  bool MouseOver = false;
  // The resting images (normal, disabled) are left out: the parent shows.
  bool Transprent = false;
};

// At most two images, bottom first.
struct TButtonImages {
  TButtonImage Items[2] = {};
  int Count = 0;
  void Add(TButtonImage AImage) { Items[Count++] = AImage; }
  friend bool operator==(const TButtonImages& A, const TButtonImages& B) {
    if (A.Count != B.Count) return false;
    for (int i = 0; i < A.Count; ++i)
      if (A.Items[i] != B.Items[i]) return false;
    return true;
  }
};

// The first matching row decides: disabled; pressed; focused (with the hover
// image over it while the mouse is over); otherwise normal (with hover).
inline TButtonImages ButtonStateImages(const TButtonState& S) {
  TButtonImages r;
  if (!S.Enabled) {
    if (!S.Transprent) r.Add(TButtonImage::Disabled);
  } else if (S.MouseDown) {
    r.Add(TButtonImage::Down);
  } else if (S.Focused) {
    r.Add(TButtonImage::Focused);
    if (S.MouseOver) r.Add(TButtonImage::Hover);
  } else {
    if (!S.Transprent) r.Add(TButtonImage::Normal);
    if (S.MouseOver) r.Add(TButtonImage::Hover);
  }
  return r;
}

// The caption's rectangle in a button of ADrawRect's size for a text of
// ATextWidth x ATextHeight: centred horizontally, 2 pixels below the vertical
// centre, 10 pixels wider than the text (C++ division truncates toward zero).
inline TGPRect ButtonCaptionRect(const TGPRect& ADrawRect, int32_t ATextWidth, int32_t ATextHeight) {
  return {(ADrawRect.Width - ATextWidth) / 2, (ADrawRect.Height - ATextHeight) / 2 + 2, ATextWidth + 10, ATextHeight};
}

} // namespace qelvane
