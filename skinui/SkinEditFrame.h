#pragma once
// The skinned border of the native text controls (edit, memo, hot key),
// painted into the window's non-client area as concentric one-pixel rings:
// the outer ring shows the parent's image under it (or the hover colour while
// the mouse is over the control), then the inside frame colour, then twice the
// control's colour; while the control has the focus the two rings inside the
// outer one are the focus colours.
//
// TSkinEditFrame paints the rings. TSkinFramedControl<Base> is everything the
// three controls do with them, written once: the frame measured again when
// the window is made, the rings painted after every paint of the window and
// its frame and whenever the pointer enters or leaves (the hosting form's
// hover, MouseInClient), each redraw run in the skin engine's guard, and the
// skin manager's font.
#include <windows.h>

#include "drawing/GdiBitmap.h"
#include "ui/Colors.h"
#include "ui/WinControl.h"

namespace qelvane {

// Blue-green-red: red 78, green 160, blue 209 inside; red 134, green 227,
// blue 255 for the hover ring.
constexpr TColor SkinEditInsideFrameColor = 0xD1A04E;
constexpr TColor SkinEditOuterFrameColor = 0xFFE386;
// The focused control's two frames, the focus ring of the skin's focused
// button art: the accent line (red 3, green 112, blue 218) and its soft inner
// line (red 190, green 216, blue 246).
constexpr TColor SkinEditFocusFrameColor = 0xDA7003;
constexpr TColor SkinEditFocusInnerColor = 0xF6D8BE;

class TSkinEditFrame {
public:
  TColor FInsideFrameColor = SkinEditInsideFrameColor;
  TColor FouterFrameColor = SkinEditOuterFrameColor;
  // The parent's image under the control, the control's size.
  TGdiBitmap FParentBackGroundBitmap;

  // Copies the parent's image under AControl into FParentBackGroundBitmap.
  void RefreshParentImage(TWinControl& AControl);
  // Paints the rings over the window's edge, the outer one in the hover colour
  // while the mouse is over AControl; with AOuterRingOnly just the outer ring,
  // always from the parent's image.
  void RedrawBorder(TWinControl& AControl, bool AOuterRingOnly);
};

// Where the client area starts inside the window (the border's width).
POINT ClientOffsetInWindow(HWND AWnd);

// TBase is one of the native text controls (TCustomEdit, TCustomMemo,
// TCustomHotKey); the members are compiled once for each in SkinEditFrame.cpp.
template <class TBase> class TSkinFramedControl : public TBase {
public:
  explicit TSkinFramedControl(TComponent* AOwner);

  TColor InsideFrameColor() const { return FFrame.FInsideFrameColor; }
  void SetInsideFrameColor(TColor Value);
  // Shows at the next hover.
  TColor outerFrameColor() const { return FFrame.FouterFrameColor; }
  void SetouterFrameColor(TColor Value) { FFrame.FouterFrameColor = Value; }
  void RefreshParentImage() { FFrame.RefreshParentImage(*this); }
  // Paints the rings now; a failure is logged to the skin engine log.
  void RedrawBorder();

  void SkinClassChangeSkinFile() { ChangeSkinFile(); }
  void CMMouseEnter() override;
  void CMMouseLeave() override;

protected:
  // How the rings sit on this control's window: whether it has a border at
  // all, whether only the outer ring is painted, and how many pixels of rings
  // lie inside the system's own border (taken from the client area).
  virtual bool HasSkinBorder() const { return true; }
  virtual bool OuterRingOnly() const { return false; }
  virtual int RingsInsideClient() const { return 0; }

  void Loaded() override;
  virtual void ChangeSkinFile();
  void CreateHandle() override;
  void WndProc(TMessage& Message) override;

  TSkinEditFrame FFrame;
};

} // namespace qelvane
