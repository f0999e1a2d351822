#include "skinui/SkinZoneViewStyle.h"

#include <algorithm>

#include "core/text/TextConvert.h"
#include "drawing/ElementDefaults.h"
#include "drawing/SkinHelper.h"
#include "skin/SkinLog.h"
#include "skin/SkinMng.h"

namespace qelvane {

namespace {

constexpr int32_t ZoneImageMargin = 8;

// A caption element with the skin's default font in a colour, laid out in
// its rectangle, left-aligned and cut with "..." when too long.
std::unique_ptr<TGDIText> NewCaption(TColor AColor) {
  auto t = std::make_unique<TGDIText>();
  TFontDesc font;
  font.Name = FromWide(DefaultSkinFontName());
  font.Size = DefaultSkinFontSize();
  font.Color = AColor;
  t->SetFontFamilyName(DefaultSkinFontName());
  t->SetFontSize(font.Size);
  t->SetFont(font);
  t->SetStringAlign(Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter);
  t->EnableCutOff = true;
  return t;
}

void ApplyFont(TGDIText& AText, const TFontDesc& AFont) {
  if (!AFont.Name.empty()) AText.SetFontFamilyName(ToWide(AFont.Name));
  if (AFont.Size > 0) AText.SetFontSize(AFont.Size);
  AText.SetFont(AFont);
}

TGPRect ToGP(const TRect& R) {
  return {R.Left, R.Top, RectWidth(R), RectHeight(R)};
}

} // namespace

TBaseZoneViewStyle::TBaseZoneViewStyle(TComponent* AOwner)
    : TComponent(AOwner), FZoneActiveElement(std::make_unique<TGDIIMGADV>()),
      FZoneHoverElement(std::make_unique<TGDIIMGADV>()), FZoneNormalElement(std::make_unique<TGDIIMGADV>()),
      FZoneNodeCollapseBackElement(std::make_unique<TGDIIMGADV>()),
      FZoneNodeExpandBackElement(std::make_unique<TGDIIMGADV>()), FZoneNodeHoverElement(std::make_unique<TGDIIMGADV>()),
      FNodeNormalFont(NewCaption(0x363636)), FNodeActiveFont(NewCaption(0x363636)),
      FNodeHoverFont(NewCaption(0x363636)), FNickNormalFont(NewCaption(0)), FNickActiveFont(NewCaption(0)),
      FNickHoverFont(NewCaption(0)), FInfoNormalFont(NewCaption(0xA5A5A5)), FInfoActiveFont(NewCaption(0xA5A5A5)),
      FInfoHoverFont(NewCaption(0xA5A5A5)), FMainNormalFont(NewCaption(0)), FMainActiveFont(NewCaption(0)),
      FMainHoverFont(NewCaption(0)) {
  LoadSkinResource();
}

TBaseZoneViewStyle::~TBaseZoneViewStyle() {
  SetZoneView(nullptr);
}

template <class F> void TBaseZoneViewStyle::Guarded(const wchar_t* AEvent, F&& ABody) {
  SkinGuard(TLogSubject{ClassName(), Name()}, AEvent, std::forward<F>(ABody));
}

void TBaseZoneViewStyle::SetImage(IGPBitmap& AField, std::unique_ptr<TGDIIMGADV>& AElement, const IGPBitmap& Value) {
  if (Value == AField) return;
  AField = Value;
  if (Value)
    TSkinHelper::InitGdiImgAdv(*AElement, Value, ZoneImageMargin, ZoneImageMargin);
  else
    AElement = std::make_unique<TGDIIMGADV>(); // no image: nothing drawn
}

void TBaseZoneViewStyle::SetStyleName(const std::wstring& Value) {
  if (Value == FStyleName) return;
  FStyleName = Value;
  LoadSkinResource();
}

void TBaseZoneViewStyle::LoadSkinResource() {
  TSkinMng& mng = SkinMng();
  if (!mng.Loaded()) return;
  const TSkinZoneViewStyleItem* item = mng.SkinZoneViewStyles().GetItem(EffectiveStyleName());
  if (!item) return;
  ZoneNodeExpandIcon = item->ZoneNodeExpandIcon;
  ZoneNodeCollapseIcon = item->ZoneNodeCollapseIcon;
  IconXOffset = item->IconXOffset;
  IconYOffset = item->IconYOffset;
  SetZoneActive(item->ZoneActive());
  SetZoneHover(item->ZoneHover());
  SetZoneNormal(item->ZoneNormal());
  SetZoneNodeCollapseBackImage(item->ZoneNodeCollapseBackImage());
  SetZoneNodeExpandBackImage(item->ZoneNodeExpandBackImage());
  SetZoneNodeHover(item->ZoneNodeHover());
  HeadActiveFrame = item->HeadActiveFrame;
  HeadNomalFrame = item->HeadNomalFrame;
  ApplyFont(*FNodeNormalFont, item->NodeNormalFont);
  ApplyFont(*FNodeActiveFont, item->NodeActiveFont);
  ApplyFont(*FNodeHoverFont, item->NodeHoverFont);
  NodeFontXOffset = item->NodeFontXOffset;
  NodeFontYOffset = item->NodeFontYOffset;
  ApplyFont(*FNickNormalFont, item->NickNormalFont);
  ApplyFont(*FNickActiveFont, item->NickActiveFont);
  ApplyFont(*FNickHoverFont, item->NickHoverFont);
  ApplyFont(*FInfoNormalFont, item->InfoNormalFont);
  ApplyFont(*FInfoActiveFont, item->InfoActiveFont);
  ApplyFont(*FInfoHoverFont, item->InfoHoverFont);
  ApplyFont(*FMainNormalFont, item->MainNormalFont);
  ApplyFont(*FMainActiveFont, item->MainActiveFont);
  ApplyFont(*FMainHoverFont, item->MainHoverFont);
  if (FZoneView) FZoneView->RedrawView();
}

// --- Attaching to a view.

void TBaseZoneViewStyle::SetZoneView(TSkinZoneView* Value) {
  if (Value == FZoneView) return;
  if (FZoneView) {
    TSkinZoneView& old = *FZoneView;
    Detach();
    old.RedrawView();
  }
  FZoneView = Value;
  if (!FZoneView) return;
  FZoneView->FStyles.push_back(this);
  InstallHandlers();
  FZoneView->RedrawView();
}

void TBaseZoneViewStyle::ZoneViewGone(TSkinZoneView* AView) {
  if (AView != FZoneView) return;
  FZoneView = nullptr;
  FOld = {};
}

// Leaves the view. This style's handlers were called by the view itself when
// it was attached last, otherwise by the style attached right after it: that
// one takes over what this style saved, so the chain stays whole.
void TBaseZoneViewStyle::Detach() {
  auto& styles = FZoneView->FStyles;
  const auto it = std::find(styles.begin(), styles.end(), this);
  TBaseZoneViewStyle* next = it != styles.end() && it + 1 != styles.end() ? *(it + 1) : nullptr;
  if (it != styles.end()) styles.erase(it);
  if (next) {
    next->FOld = std::move(FOld);
    ZoneViewGone(FZoneView);
  } else {
    RestoreHandlers();
  }
}

void TBaseZoneViewStyle::RestoreHandlers() {
  TSkinZoneView& v = *FZoneView;
  v.OnAdjustZoneRect = std::move(FOld.OnAdjustZoneRect);
  v.OnBlinkZone = std::move(FOld.OnBlinkZone);
  v.OnClickZone = std::move(FOld.OnClickZone);
  v.OnDblClickZone = std::move(FOld.OnDblClickZone);
  v.OnZonePopup = std::move(FOld.OnZonePopup);
  v.OnClientPopup = std::move(FOld.OnClientPopup);
  v.OnIdleTimer = std::move(FOld.OnIdleTimer);
  v.OnDrawHead = std::move(FOld.OnDrawHead);
  v.OnDrawZone = std::move(FOld.OnDrawZone);
  v.OnAppendDrawZone = std::move(FOld.OnAppendDrawZone);
  v.OnPrepareDrawZone = std::move(FOld.OnPrepareDrawZone);
  v.OnExpandZone = std::move(FOld.OnExpandZone);
  v.OnSelectZone = std::move(FOld.OnSelectZone);
  ZoneViewGone(FZoneView);
}

void TBaseZoneViewStyle::InstallHandlers() {
  TSkinZoneView& v = *FZoneView;
  FOld.OnAdjustZoneRect = std::move(v.OnAdjustZoneRect);
  FOld.OnBlinkZone = std::move(v.OnBlinkZone);
  FOld.OnClickZone = std::move(v.OnClickZone);
  FOld.OnDblClickZone = std::move(v.OnDblClickZone);
  FOld.OnZonePopup = std::move(v.OnZonePopup);
  FOld.OnClientPopup = std::move(v.OnClientPopup);
  FOld.OnIdleTimer = std::move(v.OnIdleTimer);
  FOld.OnDrawHead = std::move(v.OnDrawHead);
  FOld.OnDrawZone = std::move(v.OnDrawZone);
  FOld.OnAppendDrawZone = std::move(v.OnAppendDrawZone);
  // The prepare handler stays the view's own; it is only remembered.
  FOld.OnPrepareDrawZone = v.OnPrepareDrawZone;
  FOld.OnExpandZone = std::move(v.OnExpandZone);
  FOld.OnSelectZone = std::move(v.OnSelectZone);

  v.OnAdjustZoneRect = [this](TObject* S, TZone* Z, TRect& R) {
    Guarded(L"OnAdjustZoneRect", [&] {
      if (FOld.OnAdjustZoneRect) FOld.OnAdjustZoneRect(S, Z, R);
    });
  };
  v.OnBlinkZone = [this](TObject* S, TZone* Z, const TRect& R) {
    Guarded(L"OnBlinkZone", [&] {
      if (FOld.OnBlinkZone) FOld.OnBlinkZone(S, Z, R);
    });
  };
  v.OnClickZone = [this](TObject* S, TZone* Z, const TRect& R) {
    Guarded(L"OnClickZone", [&] {
      if (FZoneView) FZoneView->SetFocus();
      if (Z) Z->SetSelected(true);
      if (FOld.OnClickZone) FOld.OnClickZone(S, Z, R);
    });
  };
  v.OnDblClickZone = [this](TObject* S, TZone* Z, const TRect& R) {
    Guarded(L"OnDblClickZone", [&] {
      if (FOld.OnDblClickZone) FOld.OnDblClickZone(S, Z, R);
    });
  };
  v.OnZonePopup = [this](TObject* S, TZone* Z, const TRect& R) {
    Guarded(L"OnZonePopup", [&] {
      if (FOld.OnZonePopup) FOld.OnZonePopup(S, Z, R);
    });
  };
  v.OnClientPopup = [this](TObject* S) {
    Guarded(L"OnClientPopup", [&] {
      if (FOld.OnClientPopup) FOld.OnClientPopup(S);
    });
  };
  v.OnIdleTimer = [this](TObject* S) {
    Guarded(L"OnIdleTimer", [&] {
      if (FOld.OnIdleTimer) FOld.OnIdleTimer(S);
    });
  };
  v.OnDrawHead = [this](TObject* S, Gdiplus::Graphics& G, const TRect& R) {
    Guarded(L"OnDrawHead", [&] {
      if (FOld.OnDrawHead) FOld.OnDrawHead(S, G, R);
    });
  };
  v.OnDrawZone = [this](TObject* S, Gdiplus::Graphics& G, TZone* Z, const TRect& R) {
    Guarded(L"OnDrawZone", [&] {
      if (Z) DrawZone(G, *Z, R);
      if (FOld.OnDrawZone) FOld.OnDrawZone(S, G, Z, R);
    });
  };
  v.OnAppendDrawZone = [this](TObject* S, Gdiplus::Graphics& G, TZone* Z, const TRect& R) {
    Guarded(L"OnAppendDrawZone", [&] {
      if (FOld.OnAppendDrawZone) FOld.OnAppendDrawZone(S, G, Z, R);
    });
  };
  v.OnExpandZone = [this](TObject* S, TZone* Z, const TRect& R, bool AExpanded) {
    Guarded(L"OnExpandZone", [&] {
      if (FOld.OnExpandZone) FOld.OnExpandZone(S, Z, R, AExpanded);
    });
  };
  v.OnSelectZone = [this](TObject* S, TZone* Z, const TRect& R, bool ASelected) {
    Guarded(L"OnSelectZone", [&] {
      if (FOld.OnSelectZone) FOld.OnSelectZone(S, Z, R, ASelected);
    });
  };
}

// --- Drawing.

void TBaseZoneViewStyle::DrawZone(Gdiplus::Graphics& G, TZone& AZone, const TRect& ADrawRect) {
  if (AZone.Blinking() && AZone.BlinkRedraw()) AZone.BlinkFlag ^= 1;
  const bool nodeLook = AZone.ChildZones().Count() > 0 && FZoneNodeCollapseBackImage && FZoneNodeExpandBackImage;
  if (nodeLook)
    DrawNode(G, AZone, ADrawRect);
  else
    DrawLeaf(G, AZone, ADrawRect);
}

void TBaseZoneViewStyle::DrawNode(Gdiplus::Graphics& G, TZone& AZone, const TRect& R) {
  const bool hover = AZone.MouseOver() || (AZone.Blinking() && AZone.BlinkFlag);
  TGDIIMGADV* back = AZone.Expanded() ? FZoneNodeExpandBackElement.get() : FZoneNodeCollapseBackElement.get();
  if (hover && FZoneNodeHover) back = FZoneNodeHoverElement.get();
  TSkinHelper::DrawButtonFrame(G, *back, ToGP(R));
  if (const IGPBitmap& icon = AZone.Expanded() ? ZoneNodeExpandIcon : ZoneNodeCollapseIcon) {
    const int32_t y = R.Top + (RectHeight(R) - icon->Height()) / 2;
    G.DrawImage(icon->Native(), R.Left + IconXOffset, y, icon->Width(), icon->Height());
  }
  TGDIText& font = AZone.Selected() ? *FNodeActiveFont : hover ? *FNodeHoverFont : *FNodeNormalFont;
  TSkinHelper::DrawGDIText(G, font, R.Left + NodeFontXOffset, R.Top + NodeFontYOffset,
                           RectWidth(R) - NodeFontXOffset - IconXOffset, RectHeight(R) - 2 * NodeFontYOffset,
                           AZone.ZoneName());
}

void TBaseZoneViewStyle::DrawLeaf(Gdiplus::Graphics& G, TZone& AZone, const TRect& R) {
  const bool active = AZone.Selected() || AZone.MouseDown();
  const bool hover = AZone.MouseOver() || (AZone.Blinking() && AZone.BlinkFlag);
  TGDIIMGADV& back = active ? *FZoneActiveElement : hover ? *FZoneHoverElement : *FZoneNormalElement;
  TSkinHelper::DrawButtonFrame(G, back, ToGP(R));

  int32_t textLeft = R.Left + IconXOffset;
  const IGPBitmap& head = active || hover ? (HeadActiveFrame ? HeadActiveFrame : HeadNomalFrame) : HeadNomalFrame;
  if (head) {
    const int32_t side = std::max(0, RectHeight(R) - 2 * IconYOffset);
    AZone.HeadRect = MakeRectBySize(R.Left + IconXOffset, R.Top + IconYOffset, side, side);
    G.DrawImage(head->Native(), Gdiplus::Rect(AZone.HeadRect.Left, AZone.HeadRect.Top, side, side), 0, 0, head->Width(),
                head->Height(), Gdiplus::UnitPixel);
    if (FOld.OnDrawHead) Guarded(L"OnDrawHead", [&] { FOld.OnDrawHead(FZoneView, G, AZone.HeadRect); });
    textLeft = AZone.HeadRect.Right + IconXOffset;
  }

  const std::wstring& name = AZone.ZoneName();
  const std::size_t cut = name.find(L'\n');
  const std::wstring first = name.substr(0, cut);
  TGDIText& mainFont = head ? (active  ? *FNickActiveFont
                               : hover ? *FNickHoverFont
                                       : *FNickNormalFont)
                            : (active  ? *FMainActiveFont
                               : hover ? *FMainHoverFont
                                       : *FMainNormalFont);
  const int32_t width = R.Right - IconXOffset - textLeft;
  if (cut == std::wstring::npos) {
    TSkinHelper::DrawGDIText(G, mainFont, textLeft, R.Top, width, RectHeight(R), first);
    return;
  }
  const int32_t half = RectHeight(R) / 2;
  TSkinHelper::DrawGDIText(G, mainFont, textLeft, R.Top, width, half, first);
  TGDIText& infoFont = active ? *FInfoActiveFont : hover ? *FInfoHoverFont : *FInfoNormalFont;
  TSkinHelper::DrawGDIText(G, infoFont, textLeft, R.Top + half, width, RectHeight(R) - half, name.substr(cut + 1));
}

} // namespace qelvane
