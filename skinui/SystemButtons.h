#pragma once
// The skinned form's minimise, maximise and close buttons: windowless
// controls whose normal look is drawn into the form's buffer and whose
// hover and pressed looks they paint themselves while the mouse is over
// them. Each has a normal and a clicked image set (the maximise button shows
// the restore images after it maximised the form).
#include "drawing/GPBitmap.h"
#include "skinui/SkinControl.h"

namespace qelvane {

class TSkinSystemButton : public TFormDrawSkinCustomControl {
public:
  explicit TSkinSystemButton(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TSkinSystemButton"; }

  bool Clicked() const { return FClicked; }
  void SetClicked(bool Value) { FClicked = Value; }
  // Shows the pressed image: the left button is down on it.
  bool Pressed() const { return FMouseDown; }
  IGPBitmap NormalBitmapNormal, NormalBitmapHover, NormalBitmapDown;
  IGPBitmap ClickedBitmapNormal, ClickedBitmapHover, ClickedBitmapDown;

  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

protected:
  void PaintSelfImage(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void PaintNormalImage(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  // The click: toggles Clicked, then the button's action on its form.
  virtual void SysBtnClick();
  TCustomForm* Form() const;

  bool FMouseEnter = false;
  bool FMouseDown = false;
  bool FClicked = false;
};

class TSysMinBtn : public TSkinSystemButton {
public:
  using TSkinSystemButton::TSkinSystemButton;
  std::wstring_view ClassName() const override { return L"TSysMinBtn"; }

protected:
  void SysBtnClick() override;
};

class TSysMaxBtn : public TSkinSystemButton {
public:
  using TSkinSystemButton::TSkinSystemButton;
  std::wstring_view ClassName() const override { return L"TSysMaxBtn"; }

protected:
  void SysBtnClick() override;
};

class TSysCloseBtn : public TSkinSystemButton {
public:
  using TSkinSystemButton::TSkinSystemButton;
  std::wstring_view ClassName() const override { return L"TSysCloseBtn"; }

protected:
  void SysBtnClick() override;
};

} // namespace qelvane
