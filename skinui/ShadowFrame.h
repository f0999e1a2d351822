#pragma once
// TFormShadowFrame: a click-through, non-activating, per-pixel-alpha window
// behind a form that shows its drop shadow. It follows the form by hooking
// the form's window procedure (and gives it back exactly on detach), fades in
// when activated, and hides whenever the form is minimised, maximised or
// hidden.
#include <windows.h>

#include <cstdint>

#include "core/gfx/Geometry.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdiBitmap.h"
#include "drawing/GdiPlusSession.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace qelvane {

class TFormShadowFrame : public TWinControl {
public:
  explicit TFormShadowFrame(TComponent* AOwner);
  ~TFormShadowFrame() override;
  std::wstring_view ClassName() const override { return L"TFormShadowFrame"; }

  TCustomForm* ParentForm() const { return FParentForm; }
  void SetParentForm(TCustomForm* Value);
  bool Active() const { return FActive; }
  void SetActive(bool Value);

  IGPBitmap ShadowRightBitmap, ShadowBottomBitmap, ShadowTopBitmap, ShadowLeftBitmap, ShadowBitmap;
  const TMargin& ShadowDrawMargin() const { return FShadowDrawMargin; }
  void SetShadowDrawMargin(const TMargin& Value) { FShadowDrawMargin = Value; }
  const TMargin& ShadowSizeMargin() const { return FShadowSizeMargin; }
  void SetShadowSizeMargin(const TMargin& Value) { FShadowSizeMargin = Value; }

  // Pushes the current image to the screen with the current fade alpha.
  void AdjustBlendMasks(bool CalledFromInternal);
  int32_t ShowAlpha() const { return FShowAlpha; }
  // The fade alpha last given to the layered window (-1: none yet).
  int32_t PushedAlpha() const { return FPushedAlpha; }
  // The composed shadow (premultiplied ARGB), for tests.
  const TGdiBitmap& BlendBitmap() const { return FBlendBmp; }
  // One fade step (the timer's event).
  void ShowTimerTimer();

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  virtual void ParentFormWndProc(TMessage& Message);

private:
  void FollowParentForm(const WINDOWPOS& APos);
  void UpdateShadowPosition();
  void RebuildBlend();
  bool NineGrid() const { return ShadowBitmap != nullptr; }

  TGdiPlusLease FLease;
  TCustomForm* FParentForm = nullptr;
  bool FActive = false;
  TWndMethod FSavedWndProc;
  TGdiBitmap FBlendBmp;
  BLENDFUNCTION FBlendFunc{AC_SRC_OVER, 0, 0, AC_SRC_ALPHA};
  bool FNeedRebuildBlend = true;
  TMargin FShadowDrawMargin{8, 8, 8, 8};
  TMargin FShadowSizeMargin;
  int32_t FShowAlpha = 0;
  int32_t FPushedAlpha = -1;
  TTimer* FShowTimer = nullptr;
};

} // namespace qelvane
