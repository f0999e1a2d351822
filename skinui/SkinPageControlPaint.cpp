// The tab strip painters of TSkinPageControl.
#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"
#include "skinui/SkinPageControl.h"

namespace qelvane {

namespace {

constexpr TGPColor kDisabledCaptionColor = 0xFF808080;
constexpr TColor kDisabledFontColor = 0x808080;

TGPRect ToGPRect(const TRect& R) {
  return {R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top};
}

bool IsVertical(TSkinTabOrientation ASide) {
  return ASide == toLeft || ASide == toRight;
}

} // namespace

void TSkinPageControl::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  SkinGuard(TLogSubject{ClassName(), Name()}, L"CustomPaint", [&] {
    TSkinCustomControl::CustomPaint(Graphics, ADrawRect);
    TRect strip;
    GetTabRect(strip);
    if (FVisiblePages.empty()) {
      if (FShowCard) DrawTabs(Graphics, strip);
      TRect page;
      GetPageRect(page);
      DrawEmptyPage(Graphics, page);
    } else if (FShowCard) {
      DrawTabs(Graphics, strip);
    }
  });
}

void TSkinPageControl::DrawEmptyPage(Gdiplus::Graphics&, const TRect&) {}

void TSkinPageControl::DrawTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect) {
  switch (FTabOrientation) {
  case toLeft:
    DrawLeftTabs(Graphics, AStripRect);
    break;
  case toTop:
    DrawTopTabs(Graphics, AStripRect);
    break;
  case toRight:
    DrawRightTabs(Graphics, AStripRect);
    break;
  case toBottom:
    DrawBottomTabs(Graphics, AStripRect);
    break;
  }
}

void TSkinPageControl::DrawLeftTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect) {
  DrawStrip(Graphics, AStripRect, toLeft);
}
void TSkinPageControl::DrawTopTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect) {
  DrawStrip(Graphics, AStripRect, toTop);
}
void TSkinPageControl::DrawRightTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect) {
  DrawStrip(Graphics, AStripRect, toRight);
}
void TSkinPageControl::DrawBottomTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect) {
  DrawStrip(Graphics, AStripRect, toBottom);
}

void TSkinPageControl::DrawTabCtrlImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TRect& ARect) {
  const TGPRect r = ToGPRect(ARect);
  if (Image) {
    Graphics.DrawImage(Image->Native(), Gdiplus::Rect(r.X, r.Y, r.Width, r.Height));
    return;
  }
  Gdiplus::Pen pen(Gdiplus::Color(0xFF00FFFF), 1);
  Graphics.DrawRectangle(&pen, r.X, r.Y, r.Width - 1, r.Height - 1);
}

void TSkinPageControl::DrawStrip(Gdiplus::Graphics& Graphics, const TRect& AStripRect, TSkinTabOrientation ASide) {
  const bool top = ASide == toTop;
  // Only the top strip has a background.
  if (top) TSkinHelper::DrawButtonFrame(Graphics, *ElementFor(pciTabBackGround), ToGPRect(AStripRect));

  TTabStrip strip;
  strip.Strip = AStripRect;
  strip.Vertical = IsVertical(ASide);
  strip.FillInRow = FillInRow;
  strip.AlwaysShowFirstPage = FAlwaysShowFirstPage;
  strip.PageScrollStart = FPageScrollStart;
  const int32_t active = ActivePageIndex();
  std::vector<bool> captionShown;
  for (int32_t i = 0; i < VisiblePageCount(); ++i) {
    const TSkinTabSheet* page = FVisiblePages[i];
    const bool shown = (!OnlyShowActivePageCaption || i == active) && !page->Caption().empty();
    const int32_t textWidth = shown ? FCaptionText->GetFontWidth(Graphics, page->Caption()) : 0;
    captionShown.push_back(shown);
    strip.Lengths.push_back(TabLength(top, textWidth, shown, page->ImageIndex() >= 0, IconWidth));
  }
  const auto button = [&](TStripButton& b, bool AShown, TPageControlImage AImage) {
    b.Shown = AShown;
    b.Width = ImageWidth(FImages[AImage]);
    b.Height = ImageHeight(FImages[AImage]);
  };
  button(strip.Attach, ShowAttachButton, pciAttachBtnImg_Normal);
  button(strip.Custom, ShowCustomButton, pciCustomBtnImg_Normal);
  button(strip.Close, ShowCloseButton, pciCloseBtnImg_Normal);
  button(strip.PageUp, false, pciPageUpBtnImg_Normal);
  button(strip.PageDown, false, pciPageDownBtnImg_Normal);
  LayoutTabStrip(strip);

  FPageScrollStart = strip.PageScrollStart;
  FPageScrollVisible = strip.PageScrollVisible;
  FMaxPageScrollStart = strip.MaxPageScrollStart;
  FAttachBtnRect = strip.Attach.Rect;
  FCustomBtnRect = strip.Custom.Rect;
  FCloseBtnRect = strip.Close.Rect;
  FPageUpBtnRect = strip.PageUp.Rect;
  FPageDownBtnRect = strip.PageDown.Rect;
  // A tab off the strip keeps no rectangle, so a click beside the last
  // drawn tab never selects a tab that is scrolled out of sight.
  for (int32_t i = 0; i < VisiblePageCount(); ++i)
    FVisiblePages[i]->FDisplayRect = strip.Tabs[i];

  for (int32_t i = 0; i < VisiblePageCount(); ++i) {
    if (!strip.Drawn[i]) continue;
    const TRect& r = strip.Tabs[i];
    DrawTab(Graphics, i, r, strip.Lengths[i], captionShown[i], ASide);
  }
  DrawStripButtons(Graphics, strip);
}

void TSkinPageControl::DrawTab(Gdiplus::Graphics& Graphics, int32_t AIndex, const TRect& ATab, int32_t ATabLength,
                               bool ACaptionShown, TSkinTabOrientation ASide) {
  // The tab image: pressed for the active tab and a pressed hovered tab,
  // hover for a hovered tab, else normal (when normal tabs are drawn).
  const int32_t active = ActivePageIndex();
  TGDIIMGADV* element = nullptr;
  if (AIndex == FMouseOverPageIndex && AIndex != active) {
    if (FTabCtrlBtn == cbNone)
      element = ElementFor(FMouseDown ? pciTabBtnImg_Down : pciTabBtnImg_Hover);
    else if (DrawTabNormal)
      element = ElementFor(pciTabBtnImg_Normal);
  } else if (AIndex == active) {
    element = ElementFor(pciTabBtnImg_Down);
  } else if (DrawTabNormal) {
    element = ElementFor(pciTabBtnImg_Normal);
  }
  if (element) TSkinHelper::DrawButtonFrame(Graphics, *element, ToGPRect(ATab));

  const TSkinTabSheet* page = FVisiblePages[AIndex];
  const std::wstring& caption = page->Caption();
  const bool vertical = IsVertical(ASide);
  const int32_t across = vertical ? ATab.Right - ATab.Left : ATab.Bottom - ATab.Top;
  const int32_t index = page->ImageIndex();
  const bool icon = index >= 0 && index < FIconList->Count();
  if (icon) {
    const int32_t iconAlong = vertical ? IconHeight : IconWidth;
    const int32_t iconAcross = vertical ? IconWidth : IconHeight;
    const int32_t inAcross = (FTabHeight - iconAcross) / 2;
    const int32_t inAlong = caption.empty() ? (ATabLength - iconAlong) / 2 : 4;
    const TGPRect r = vertical ? TGPRect{ATab.Left + inAcross, ATab.Top + inAlong, across - 2 * inAcross, iconAlong}
                               : TGPRect{ATab.Left + inAlong, ATab.Top + inAcross, iconAlong, across - 2 * inAcross};
    if (IGPBitmap bitmap = FIconList->GetImage(index))
      Graphics.DrawImage(bitmap->Native(), Gdiplus::Rect(r.X, r.Y, r.Width, r.Height));
  }
  if (!ACaptionShown) return;

  const int32_t inAcross = (FTabHeight - FCaptionText->GetFontHeight(Graphics)) / 2;
  const bool grey = !page->TabEnabled();
  if (ASide == toTop) {
    const int32_t left = ATab.Left + 4 + (icon ? IconWidth + 4 : 0);
    const int32_t topEdge = ATab.Top + inAcross;
    const TGPColor color = FCaptionText->FontColor();
    if (grey) FCaptionText->SetFontColor(kDisabledCaptionColor);
    TSkinHelper::DrawRectText(Graphics, *FCaptionText, caption, left, topEdge, ATab.Right - 4 - left,
                              ATab.Bottom - inAcross - topEdge);
    if (grey) FCaptionText->SetFontColor(color);
    return;
  }
  TFontDesc font = Font().ToDesc();
  if (grey) font.Color = kDisabledFontColor;
  if (vertical) {
    const int32_t topEdge = ATab.Top + 4 + (icon ? IconHeight + 4 : 0);
    TSkinHelper::DrawText(Graphics, caption, font, static_cast<float>(ATab.Left + inAcross),
                          static_cast<float>(topEdge), true);
  } else {
    TSkinHelper::DrawText(Graphics, caption, font, static_cast<float>(ATab.Left + 4 + (icon ? IconWidth + 4 : 0)),
                          static_cast<float>(ATab.Top + inAcross), false);
  }
}

const IGPBitmap& TSkinPageControl::ButtonImage(TSkinTabCtrlBtn AButton, TPageControlImage AHover,
                                               TPageControlImage ADown, TPageControlImage ANormal) const {
  if (FTabCtrlBtn != AButton) return FImages[ANormal];
  return FImages[FMouseDown ? ADown : AHover];
}

void TSkinPageControl::DrawStripButtons(Gdiplus::Graphics& Graphics, const TTabStrip& AStrip) {
  if (ShowAttachButton)
    DrawTabCtrlImage(Graphics,
                     ButtonImage(cbAttach, pciAttachBtnImg_Hover, pciAttachBtnImg_Down, pciAttachBtnImg_Normal),
                     FAttachBtnRect);
  if (ShowCloseButton)
    DrawTabCtrlImage(Graphics, ButtonImage(cbClose, pciCloseBtnImg_Hover, pciCloseBtnImg_Down, pciCloseBtnImg_Normal),
                     FCloseBtnRect);
  if (ShowCustomButton)
    DrawTabCtrlImage(Graphics,
                     ButtonImage(cbCustom, pciCustomBtnImg_Hover, pciCustomBtnImg_Down, pciCustomBtnImg_Normal),
                     FCustomBtnRect);
  if (!AStrip.PageScrollVisible) return;
  DrawTabCtrlImage(
      Graphics,
      FPageScrollStart == FMaxPageScrollStart
          ? FImages[pciPageDownBtnImg_Disabled]
          : ButtonImage(cbPageDown, pciPageDownBtnImg_Hover, pciPageDownBtnImg_Down, pciPageDownBtnImg_Normal),
      FPageDownBtnRect);
  DrawTabCtrlImage(Graphics,
                   FPageScrollStart == FirstScrollable()
                       ? FImages[pciPageUpBtnImg_Disabled]
                       : ButtonImage(cbPageUp, pciPageUpBtnImg_Hover, pciPageUpBtnImg_Down, pciPageUpBtnImg_Normal),
                   FPageUpBtnRect);
}

} // namespace qelvane
