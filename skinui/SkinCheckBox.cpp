#include "skinui/SkinCheckBox.h"

#include "drawing/DrawingTypes.h"
#include "drawing/GPBitmap.h"
#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"
#include "skinui/SkinLabel.h"

namespace qelvane {

TSkinCheckBox::TSkinCheckBox(TComponent* AOwner)
    : TSkinCustomControl(AOwner), FCaptionText(std::make_unique<TGDIText>()) {
  FCaptionText->SetFont(Font().ToDesc());
  SetBounds(Left(), Top(), 100, 15);
  SetCaption(L"TSkinCheckBox");
  SetIsNeedAppendPaint(true);
}

TSkinCheckBox::~TSkinCheckBox() = default;

void TSkinCheckBox::SetState(TCheckBoxState Value) {
  if (Value == FState) return;
  FState = Value;
  RepaintSelfImage();
}

void TSkinCheckBox::SetChecked(bool Value) {
  if (Value == Checked()) return;
  SetState(Value ? cbChecked : cbUnchecked);
}

void TSkinCheckBox::Click() {
  if (!Enabled()) return;
  SetState(CheckBoxClickedState(FState));
  TSkinCustomControl::Click();
}

void TSkinCheckBox::CMMouseEnter() {
  TSkinCustomControl::CMMouseEnter();
  RepaintSelfImage();
}

void TSkinCheckBox::CMMouseLeave() {
  TSkinCustomControl::CMMouseLeave();
  RepaintSelfImage();
}

void TSkinCheckBox::CMEnabledChanged() {
  TSkinCustomControl::CMEnabledChanged();
  RepaintSelfImage();
}

void TSkinCheckBox::CMTextChanged() {
  TSkinCustomControl::CMTextChanged();
  RepaintSelfImage();
}

void TSkinCheckBox::CMFontChanged() {
  TSkinCustomControl::CMFontChanged();
  if (FCaptionText) FCaptionText->SetFont(Font().ToDesc());
  RepaintSelfImage();
}

void TSkinCheckBox::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  TSkinCustomControl::CustomPaint(Graphics, ADrawRect);
  const TCheckBoxGeometry g = CheckBoxLayout(ADrawRect, Height(), FSquareWidth);
  const bool enabled = Enabled();
  const bool hover = MouseInClient();
  if (hover && enabled) {
    Gdiplus::Pen outer(Gdiplus::Color(HoverOuterFrameColor), 1);
    Graphics.DrawRectangle(&outer, ToGp(g.Box));
  }
  if (hover) {
    Gdiplus::LinearGradientBrush brush(ToGp(g.Inner), Gdiplus::Color(HoverInsideFrameTopColor),
                                       Gdiplus::Color(HoverInsideFrameBottomColor),
                                       Gdiplus::LinearGradientModeVertical);
    Graphics.FillRectangle(&brush, ToGp(g.Inner));
  } else {
    Gdiplus::LinearGradientBrush brush(ToGp(g.NormalGradient), Gdiplus::Color(NormalInsideFrameTopColor),
                                       Gdiplus::Color(NormalInsideFrameBottomColor),
                                       Gdiplus::LinearGradientModeVertical);
    Graphics.FillRectangle(&brush, ToGp(g.Inner));
  }
  Gdiplus::SolidBrush face(Gdiplus::Color(ColorToGPColor(Color())));
  Graphics.FillRectangle(&face, ToGp(g.Face));
  if (CheckBoxHasTick(FState)) {
    FCircleCenterColor = CheckBoxTickColor(FState, enabled);
    Gdiplus::Pen tick(Gdiplus::Color(FCircleCenterColor), 2);
    Graphics.DrawLine(&tick, g.Tick[0].X, g.Tick[0].Y, g.Tick[1].X, g.Tick[1].Y);
    Graphics.DrawLine(&tick, g.Tick[1].X, g.Tick[1].Y, g.Tick[2].X, g.Tick[2].Y);
  }
}

void TSkinCheckBox::AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  TSkinCustomControl::AppendPaint(Graphics, ADrawRect);
  const TCheckBoxGeometry g = CheckBoxLayout(ADrawRect, Height(), FSquareWidth);
  const int32_t space = FCaptionText->GetFontWidth(Graphics, kIdeographicSpace);
  // The caption takes the width right of the box, plus one ideographic space.
  TSkinHelper::DrawGDIText(Graphics, *FCaptionText, g.CaptionLeft, g.CaptionTop, Width() - g.CaptionLeft + space,
                           Height(), Caption());
}

} // namespace qelvane
