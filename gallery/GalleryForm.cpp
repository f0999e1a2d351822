#include "gallery/GalleryForm.h"

namespace qelvane {

TGalleryForm::TGalleryForm(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
  SetName(L"frmGallery");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  SetCaption(L"Qelvane 控件一览");
  SetBounds(60, 60, 562, 371);
}

void TGalleryForm::Paint() {
  TDefaultSkinForm::Paint();
  if (FPainted) return;
  FPainted = true;
  GdiFlush();
  if (OnFirstFrame) OnFirstFrame();
}

} // namespace qelvane
