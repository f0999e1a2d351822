#pragma once
// TSkinCheckBox: a check box whose box and tick are drawn with GDI+
// primitives (no images), with the caption to its right. A click toggles it
// only while it is enabled, before OnClick runs; setting the state from the
// program never fires OnClick.
#include <memory>

#include "core/layout/CheckBoxRules.h"
#include "drawing/GdiText.h"
#include "skinui/SkinControl.h"

namespace qelvane {

class TSkinCheckBox : public TSkinCustomControl {
public:
  explicit TSkinCheckBox(TComponent* AOwner);
  ~TSkinCheckBox() override;
  std::wstring_view ClassName() const override { return L"TSkinCheckBox"; }

  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  // Side of the box (stored only).
  int32_t SquareWidth() const { return FSquareWidth; }
  void SetSquareWidth(int32_t Value) { FSquareWidth = Value; }
  TGDIText& CaptionText() { return *FCaptionText; }

  void Click() override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void CMEnabledChanged() override;
  void CMTextChanged() override;
  void CMFontChanged() override;

  TGPColor HoverOuterFrameColor = 0xFF60C8FD;         // (255, 96, 200, 253)
  TGPColor HoverInsideFrameTopColor = 0xFF338CC1;     // (255, 51, 140, 193)
  TGPColor HoverInsideFrameBottomColor = 0xFF48AAE5;  // (255, 72, 170, 229)
  TGPColor NormalInsideFrameTopColor = 0xFFA1BFD2;    // (255, 161, 191, 210)
  TGPColor NormalInsideFrameBottomColor = 0xFFD6E1E9; // (255, 214, 225, 233)
  // The tick's colour at the last paint.
  TGPColor CircleCenterColor() const { return FCircleCenterColor; }

protected:
  void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;

  TLogSubject Subject() const { return {ClassName(), Name()}; }

private:
  std::unique_ptr<TGDIText> FCaptionText;
  TCheckBoxState FState = cbUnchecked;
  int32_t FSquareWidth = 15;
  TGPColor FCircleCenterColor = 0;
};

} // namespace qelvane
