#include "skinui/SkinPanel.h"

#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"
#include "skinui/ParentImage.h"

namespace qelvane {

TSkinPanel::TSkinPanel(TComponent* AOwner)
    : TSkinCustomControl(AOwner), FBitmapElement(std::make_unique<TGDIIMGADV>()) {}

TSkinPanel::~TSkinPanel() = default;

void TSkinPanel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Realign();
  RepaintSelfImage();
}

void TSkinPanel::SetBitmap(const IGPBitmap& Value) {
  if (Value == FBitmap) return;
  FBitmap = Value;
  TSkinHelper::InitGdiImgAdv(*FBitmapElement, FBitmap, 8, 8);
  // A new background shows at the next paint.
  RepaintSelfImage();
}

void TSkinPanel::WndProc(TMessage& m) {
  TSkinCustomControl::WndProc(m);
  if (m.Msg == WM_MOVE && RedrawAllChildren) RePaintParentImageAll(*this);
}

void TSkinPanel::CMShowingChanged() {
  TSkinCustomControl::CMShowingChanged();
  if (RedrawAllChildren) RePaintParentImageAll(*this);
}

void TSkinPanel::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  SkinGuard(Subject(), L"CustomPaint", [&] {
    TSkinCustomControl::CustomPaint(Graphics, ADrawRect);
    if (FBitmap) TSkinHelper::DrawButtonFrame(Graphics, *FBitmapElement, ADrawRect);
  });
}

} // namespace qelvane
