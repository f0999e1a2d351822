#include "skinui/SystemButtons.h"

#include <gdiplus.h>

#include "ui/Form.h"

namespace qelvane {

TSkinSystemButton::TSkinSystemButton(TComponent* AOwner) : TFormDrawSkinCustomControl(AOwner) {
  OnClick = [this](TObject*) { SysBtnClick(); };
}

TCustomForm* TSkinSystemButton::Form() const {
  return dynamic_cast<TCustomForm*>(Parent());
}

void TSkinSystemButton::CMMouseEnter() {
  TFormDrawSkinCustomControl::CMMouseEnter();
  FMouseEnter = true;
  RepaintSelfImage();
}

void TSkinSystemButton::CMMouseLeave() {
  TFormDrawSkinCustomControl::CMMouseLeave();
  FMouseEnter = false;
  RepaintSelfImage();
}

void TSkinSystemButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TFormDrawSkinCustomControl::MouseDown(Button, Shift, X, Y);
  // Only the left button presses (and clicks) a system button.
  if (Button != mbLeft) return;
  FMouseDown = true;
  RepaintSelfImage();
}

void TSkinSystemButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TFormDrawSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMouseDown = false;
  RepaintSelfImage();
}

void TSkinSystemButton::PaintSelfImage(Gdiplus::Graphics& Graphics, const TGPRect&) {
  Graphics.Clear(Gdiplus::Color(0));
  const IGPBitmap& image = FClicked ? (FMouseDown    ? ClickedBitmapDown
                                       : FMouseEnter ? ClickedBitmapHover
                                                     : ClickedBitmapNormal)
                                    : (FMouseDown    ? NormalBitmapDown
                                       : FMouseEnter ? NormalBitmapHover
                                                     : NormalBitmapNormal);
  if (image) Graphics.DrawImage(image->Native(), 0, 0, image->Width(), image->Height());
}

void TSkinSystemButton::PaintNormalImage(Gdiplus::Graphics& Graphics, const TGPRect&) {
  Graphics.Clear(Gdiplus::Color(0));
  const IGPBitmap& image = FClicked ? ClickedBitmapNormal : NormalBitmapNormal;
  if (image) Graphics.DrawImage(image->Native(), 0, 0, image->Width(), image->Height());
}

void TSkinSystemButton::SysBtnClick() {
  FClicked = !FClicked;
  // The form's buffer holds the normal image of the current set: redraw it.
  RepaintNormalImage();
}

void TSysMinBtn::SysBtnClick() {
  TSkinSystemButton::SysBtnClick();
  if (TCustomForm* f = Form()) f->SetWindowState(wsMinimized);
}

void TSysMaxBtn::SysBtnClick() {
  TSkinSystemButton::SysBtnClick();
  if (TCustomForm* f = Form()) {
    if (f->WindowState() == wsMaximized)
      f->SetWindowState(wsNormal);
    else if (f->WindowState() == wsNormal)
      f->SetWindowState(wsMaximized);
  }
}

void TSysCloseBtn::SysBtnClick() {
  TSkinSystemButton::SysBtnClick();
  if (TCustomForm* f = Form()) f->Close();
}

} // namespace qelvane
