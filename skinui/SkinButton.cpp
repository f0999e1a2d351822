#include "skinui/SkinButton.h"

#include "core/text/Accel.h"
#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"
#include "skin/SkinItems.h"
#include "skin/SkinMng.h"
#include "skinui/SkinFormInfo.h"

namespace qelvane {

namespace {

const IGPBitmap& StyleBitmap(const TSkinButtonStyleItem& AItem, TButtonImage AImage) {
  switch (AImage) {
  case TButtonImage::Normal:
    return AItem.NormalBitmap();
  case TButtonImage::Hover:
    return AItem.HoverBitmap();
  case TButtonImage::Down:
    return AItem.DownBitmap();
  case TButtonImage::Disabled:
    return AItem.DisabledBitmap();
  case TButtonImage::Focused:
    break;
  }
  return AItem.FocusedBitmap();
}

TGDIIMGADV* StyleElement(const TSkinButtonStyleItem& AItem, TButtonImage AImage) {
  switch (AImage) {
  case TButtonImage::Normal:
    return AItem.NormalBitmapElement();
  case TButtonImage::Hover:
    return AItem.HoverBitmapElement();
  case TButtonImage::Down:
    return AItem.DownBitmapElement();
  case TButtonImage::Disabled:
    return AItem.DisabledBitmapElement();
  case TButtonImage::Focused:
    break;
  }
  return AItem.FocusedBitmapElement();
}

const wchar_t* ElementOperation(TButtonImage AImage) {
  switch (AImage) {
  case TButtonImage::Normal:
    return L"GetNormalBitmapElement";
  case TButtonImage::Hover:
    return L"GetHoverBitmapElement";
  case TButtonImage::Down:
    return L"GetDownBitmapElement";
  case TButtonImage::Disabled:
    return L"GetDisabledBitmapElement";
  case TButtonImage::Focused:
    break;
  }
  return L"GetFocusedBitmapElement";
}

} // namespace

TSkinButton::TSkinButton(TComponent* AOwner) : TSkinCustomControl(AOwner), FCaptionText(std::make_unique<TGDIText>()) {
  FCaptionText->PrintStyle = 0;
  FCaptionText->SetFont(Font().ToDesc());
  SetIsNeedAppendPaint(true);
}

TSkinButton::~TSkinButton() {
  SkinGuard(Subject(), L"Destroy", [&] {
    FCaptionText.reset();
    for (TStateImage& s : FStates)
      s.Element.reset();
  });
}

// --- Style and images.

void TSkinButton::SetButtonStyle(const std::wstring& Value) {
  SkinGuard(Subject(), L"SetButtonStyle", [&] {
    FButtonStyle = Value;
    LoadSkinResource();
  });
}

bool TSkinButton::SetButtonStyleItem() {
  return SkinGuard(Subject(), L"SetButtonStyleItem",
                   [&] { FButtonStyleItem = SkinMng().SkinButtonStyles().GetItem(FButtonStyle); });
}

void TSkinButton::LoadSkinResource() {
  SkinGuard(Subject(), L"LoadSkinResource", [&] {
    if (IsDesigning()) return;
    if (!SetButtonStyleItem() || !FButtonStyleItem || !SkinMng().Loaded()) return;
    SetNormalBitmap(FButtonStyleItem->NormalBitmap());
    SetHoverBitmap(FButtonStyleItem->HoverBitmap());
    SetDownBitmap(FButtonStyleItem->DownBitmap());
    SetDisabledBitmap(FButtonStyleItem->DisabledBitmap());
    SetFocusedBitmap(FButtonStyleItem->FocusedBitmap());
  });
}

void TSkinButton::SetStateBitmap(TButtonImage AImage, const IGPBitmap& Value, const wchar_t* AOperation) {
  TStateImage& s = FStates[Index(AImage)];
  if (Value == s.Bitmap) return;
  auto store = [&] {
    s.Bitmap = Value;
    s.NeedInit = true;
  };
  if (AOperation)
    SkinGuard(Subject(), AOperation, store);
  else
    store();
}

void TSkinButton::SetNormalBitmap(const IGPBitmap& Value) {
  SetStateBitmap(TButtonImage::Normal, Value, nullptr);
}
void TSkinButton::SetHoverBitmap(const IGPBitmap& Value) {
  SetStateBitmap(TButtonImage::Hover, Value, L"SetHoverBitmap");
}
void TSkinButton::SetDownBitmap(const IGPBitmap& Value) {
  SetStateBitmap(TButtonImage::Down, Value, L"SetDownBitmap");
}
void TSkinButton::SetDisabledBitmap(const IGPBitmap& Value) {
  SetStateBitmap(TButtonImage::Disabled, Value, L"SetDisabledBitmap");
}
void TSkinButton::SetFocusedBitmap(const IGPBitmap& Value) {
  SetStateBitmap(TButtonImage::Focused, Value, L"SetFocusedBitmap");
}

TGDIIMGADV* TSkinButton::GetStateElement(TButtonImage AImage) {
  TGDIIMGADV* result = nullptr;
  SkinGuard(Subject(), ElementOperation(AImage), [&] {
    TStateImage& s = FStates[Index(AImage)];
    if (FButtonStyleItem && s.Bitmap == StyleBitmap(*FButtonStyleItem, AImage)) {
      result = StyleElement(*FButtonStyleItem, AImage);
      return;
    }
    if (!s.Element) s.Element = std::make_unique<TGDIIMGADV>();
    if (s.NeedInit) {
      TSkinHelper::InitGdiImgAdv(*s.Element, s.Bitmap, FHorzBitmapMargin, FVertBitmapMargin);
      s.NeedInit = false;
    }
    result = s.Element.get();
  });
  return result;
}

// --- Skin changes.

void TSkinButton::ChangeSkinFile() {
  TSkinCustomControl::ChangeSkinFile();
  // The style items were made anew: look the style up again, and draw the
  // new skin's images (a skin change alone recomposes without redrawing).
  SetButtonStyle(FButtonStyle);
  RepaintSelfImage();
}

void TSkinButton::Loaded() {
  TSkinCustomControl::Loaded();
  ChangeSkinFile();
}

void TSkinButton::ChangeSkinBackGroundItem(TBaseSkinItem* AItem) {
  TSkinCustomControl::ChangeSkinBackGroundItem(AItem);
  if (AItem && FTransprent && LiesOnTransparentTitle(*this)) {
    FCaptionText->IsDrawShadow = true;
    Font().SetColor(AItem->TextColor());
  }
}

// --- Notices.

void TSkinButton::CMMouseEnter() {
  TSkinCustomControl::CMMouseEnter();
  RepaintSelfImage();
}

void TSkinButton::CMMouseLeave() {
  TSkinCustomControl::CMMouseLeave();
  // Leaving while the button is held shows the resting look at once.
  FMouseDown = false;
  RepaintSelfImage();
}

void TSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMouseDown = true;
  FDoublePress = (Shift & ssDouble) != 0;
  RepaintSelfImage();
}

void TSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  // The click (press and release over the button) has already been fired.
  TSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMouseDown = false;
  FDoublePress = false;
  RepaintSelfImage();
}

void TSkinButton::Click() {
  if (FDoublePress) return;
  TSkinCustomControl::Click();
}

void TSkinButton::CMEnabledChanged() {
  TSkinCustomControl::CMEnabledChanged();
  RepaintSelfImage();
}

void TSkinButton::CMFocusChanged(bool AFocused) {
  TSkinCustomControl::CMFocusChanged(AFocused);
  RepaintSelfImage();
}

void TSkinButton::CMTextChanged() {
  TSkinCustomControl::CMTextChanged();
  RepaintSelfImage();
}

void TSkinButton::CMFontChanged() {
  TSkinCustomControl::CMFontChanged();
  if (FCaptionText) FCaptionText->SetFont(Font().ToDesc());
  RepaintSelfImage();
}

bool TSkinButton::CMDialogKey(WORD Key, TShiftState Shift) {
  if (Key == VK_MENU) {
    FAltKey = true;
    return false; // every other control sees Alt too
  }
  return TSkinCustomControl::CMDialogKey(Key, Shift);
}

bool TSkinButton::CMDialogChar(wchar_t Char) {
  if (IsAccel(Char, Caption()) && CanFocus() && FAltKey) {
    Click();
    FAltKey = false;
    return true;
  }
  return TSkinCustomControl::CMDialogChar(Char);
}

void TSkinButton::WndProc(TMessage& m) {
  if (m.Msg == WM_KEYDOWN) {
    TSkinCustomControl::WndProc(m);
    if (Focused() && m.WParam == VK_RETURN && Enabled()) Click();
    return;
  }
  TSkinCustomControl::WndProc(m);
}

// --- Painting.

void TSkinButton::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  SkinGuard(Subject(), L"CustomPaint", [&] {
    TSkinCustomControl::CustomPaint(Graphics, ADrawRect);
    TButtonState state;
    state.Enabled = Enabled();
    state.MouseDown = FMouseDown;
    state.Focused = Focused();
    state.MouseOver = MouseInClient();
    state.Transprent = FTransprent;
    const TButtonImages images = ButtonStateImages(state);
    for (int i = 0; i < images.Count; ++i) {
      if (!FStates[Index(images.Items[i])].Bitmap) continue; // no image for that state
      if (TGDIIMGADV* element = GetStateElement(images.Items[i]))
        TSkinHelper::DrawButtonFrame(Graphics, *element, ADrawRect);
    }
  });
}

void TSkinButton::AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  TSkinCustomControl::AppendPaint(Graphics, ADrawRect);
  if (FIsDrawIconCaption) DrawIconCaption(Graphics, ADrawRect);
}

void TSkinButton::DesignPaint(Gdiplus::Graphics& Graphics, const TGPRect&) {
  Graphics.Clear(Gdiplus::Color(0xFF00FFFF));
}

void TSkinButton::DrawIconCaption(Gdiplus::Graphics& Graphics, const TGPRect& ARect) {
  SkinGuard(Subject(), L"DrawIconCaption", [&] {
    TGPRect iconRect, captionRect;
    AdjustDrawIconRect(Graphics, ARect, iconRect);
    DrawIcon(Graphics, iconRect);
    AdjustDrawCaptionRect(Graphics, ARect, iconRect, captionRect);
    DrawCaption(Graphics, captionRect);
  });
}

void TSkinButton::AdjustDrawIconRect(Gdiplus::Graphics&, const TGPRect&, TGPRect&) {}
void TSkinButton::DrawIcon(Gdiplus::Graphics&, const TGPRect&) {}

void TSkinButton::AdjustDrawCaptionRect(Gdiplus::Graphics& Graphics, const TGPRect& ARect, const TGPRect&,
                                        TGPRect& ACaptionRect) {
  SkinGuard(Subject(), L"AdjustDrawCaptionRect", [&] {
    const int32_t tw = FCaptionText->GetFontWidth(Graphics, Caption());
    const int32_t th = FCaptionText->GetFontHeight(Graphics);
    ACaptionRect = ButtonCaptionRect(ARect, tw, th);
  });
}

void TSkinButton::DrawCaption(Gdiplus::Graphics& Graphics, const TGPRect& ACaptionRect) {
  SkinGuard(Subject(), L"DrawCaption",
            [&] { TSkinHelper::DrawGDIText(Graphics, *FCaptionText, ACaptionRect, Caption()); });
}

} // namespace qelvane
