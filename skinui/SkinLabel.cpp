#include "skinui/SkinLabel.h"

#include "core/layout/LabelRules.h"
#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"
#include "skin/SkinItems.h"
#include "skinui/SkinFormInfo.h"

namespace qelvane {

TSkinLabel::TSkinLabel(TComponent* AOwner) : TSkinCustomControl(AOwner), FCaptionText(std::make_unique<TGDIText>()) {
  FCaptionText->PrintStyle = 0;
  FCaptionText->SetFont(Font().ToDesc());
  SetIsNeedAppendPaint(true);
}

TSkinLabel::~TSkinLabel() = default;

void TSkinLabel::SetAutoSize(bool Value) {
  SkinGuard(Subject(), L"SetAutoSize", [&] {
    FAutoSize = Value;
    if (!Value) return;
    auto g = ToGPGraphics();
    const int32_t w = FCaptionText->GetFontWidth(*g, Caption()) + FCaptionText->GetFontWidth(*g, kIdeographicSpace);
    const int32_t h = FCaptionText->GetFontHeight(*g) + 1;
    if (Parent()) {
      FLastParentWidth = Parent()->Width();
      FLastParentHeight = Parent()->Height();
    }
    const TGPRect b = LabelAutoSizeBounds(Left(), Top(), w, h, Parent() != nullptr, FLastParentWidth);
    SetBounds(b.X, b.Y, b.Width, b.Height);
  });
}

void TSkinLabel::CMFontChanged() {
  TSkinCustomControl::CMFontChanged();
  if (!FCaptionText) return; // still being built
  FCaptionText->SetFont(Font().ToDesc());
  SetAutoSize(FAutoSize);
  RepaintSelfImage();
}

void TSkinLabel::CMTextChanged() {
  TSkinCustomControl::CMTextChanged();
  SetAutoSize(FAutoSize);
  RepaintSelfImage();
}

void TSkinLabel::Loaded() {
  TSkinCustomControl::Loaded();
  if (!FAutoSize) return;
  // Once after loading: the plain text size.
  auto g = ToGPGraphics();
  SetBounds(Left(), Top(), FCaptionText->GetFontWidth(*g, Caption()), FCaptionText->GetFontHeight(*g));
}

void TSkinLabel::ChangeSkinBackGroundItem(TBaseSkinItem* AItem) {
  TSkinCustomControl::ChangeSkinBackGroundItem(AItem);
  if (AItem && LiesOnTransparentTitle(*this)) {
    FCaptionText->IsDrawShadow = true;
    Font().SetColor(AItem->TextColor());
  }
}

void TSkinLabel::AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  TSkinCustomControl::AppendPaint(Graphics, ADrawRect);
  DrawLabelCaption(Graphics);
}

void TSkinLabel::DesignPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  SkinGuard(Subject(), L"CustomPaint", [&] {
    TSkinCustomControl::DesignPaint(Graphics, ADrawRect);
    Graphics.Clear(Gdiplus::Color(0xFF5F9EA0));
    DrawLabelCaption(Graphics);
  });
}

void TSkinLabel::DrawLabelCaption(Gdiplus::Graphics& Graphics) {
  SkinGuard(Subject(), L"CustomPaint", [&] {
    const int32_t space = FCaptionText->GetFontWidth(Graphics, kIdeographicSpace);
    TSkinHelper::DrawGDIText(Graphics, *FCaptionText, 0, 0, Width() + space, Height(), Caption());
  });
}

} // namespace qelvane
