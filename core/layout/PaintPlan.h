#pragma once
// The decisions of a skinned control's paint pipeline, as a pure function of
// its repaint flags and sizes: which of the expensive steps a paint runs.
#include <cstdint>
#include <vector>

namespace qelvane {

struct TPaintState {
  int32_t Width = 0, Height = 0;
  bool Transparent = true;
  bool EnableGdiPlusBuffer = true;
  // The parent image, own GDI+ bitmap and composed buffer exist at the
  // control's size (otherwise they are (re)made, which forces their step).
  bool ParentBufferFits = false;
  bool SelfBufferFits = false;
  bool BufferFits = false;
  bool ForceRepaintSelfImage = true;
  bool ForceRepaintParentImage = true;
  bool ForceRepaintSelfBuffer = true;
  bool ForceRepaintParentBuffer = true;
  bool JustChangeSkinFile = true;
  bool JustChangeSkinBackGround = true;
  // The own GDI+ bitmap, as last drawn, holds no visible pixel (every alpha
  // 0). A paint that draws it anew learns the answer only then and plans its
  // composition again; no step before that drawing may depend on it.
  bool SelfBufferBlank = false;
};

struct TPaintPlan {
  bool Paint = false;            // false: nothing at all (empty control)
  bool FetchParentImage = false; // copy the parent's pixels under the control
  bool DrawSelfBuffer = false;   // run the control's own drawing into its GDI+ bitmap
  bool Compose = false;          // rebuild the composed buffer
  bool DrawSelfDirect = false;   // own drawing straight onto the composed buffer
  // The own GDI+ bitmap drawn onto the composed buffer. A blank one is left
  // out: it would change no pixel, and a window-sized draw is far dearer than
  // the look at its alpha.
  bool BlendSelfBuffer = false;
  friend bool operator==(const TPaintPlan&, const TPaintPlan&) = default;
};

inline bool IsNeedRepaintSelfImage(const TPaintState& S) {
  return S.JustChangeSkinBackGround || S.JustChangeSkinFile || S.ForceRepaintSelfImage || S.ForceRepaintParentImage;
}
inline bool IsNeedRepaintParentBuffer(const TPaintState& S) {
  return S.ForceRepaintParentBuffer || S.JustChangeSkinBackGround || S.JustChangeSkinFile;
}

inline TPaintPlan PlanPaint(const TPaintState& S) {
  TPaintPlan p;
  if (S.Width <= 0 || S.Height <= 0) return p;
  p.Paint = true;
  p.FetchParentImage = S.Transparent && (!S.ParentBufferFits || IsNeedRepaintParentBuffer(S));
  p.DrawSelfBuffer = S.EnableGdiPlusBuffer && (!S.SelfBufferFits || S.ForceRepaintSelfBuffer);
  p.Compose = !S.BufferFits || IsNeedRepaintSelfImage(S);
  p.DrawSelfDirect = p.Compose && !S.EnableGdiPlusBuffer;
  p.BlendSelfBuffer = p.Compose && S.EnableGdiPlusBuffer && !S.SelfBufferBlank;
  return p;
}

// Where the parent's image must be drawn while a stale buffer of
// ABufferWidth x ABufferHeight covers a control of AWidth x AHeight: the strip
// right of the buffer and the strip below it, as origins (x, y) inside the
// control; the parent image runs from there to the control's far corner.
struct TEraseStrip {
  int32_t X = 0, Y = 0;
  friend bool operator==(const TEraseStrip&, const TEraseStrip&) = default;
};
inline std::vector<TEraseStrip> EraseStrips(int32_t ABufferWidth, int32_t ABufferHeight, int32_t AWidth,
                                            int32_t AHeight) {
  std::vector<TEraseStrip> strips;
  if (ABufferWidth < AWidth) strips.push_back({ABufferWidth, 0});
  if (ABufferHeight < AHeight) strips.push_back({0, ABufferHeight});
  return strips;
}

} // namespace qelvane
