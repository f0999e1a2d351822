#include "skinui/SkinForm.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "core/layout/SkinFormGeometry.h"
#include "drawing/DrawingTypes.h"
#include "drawing/GdiBigImagePro.h"
#include "drawing/SkinEngineLog.h"
#include "drawing/SkinHelper.h"
#include "skin/SkinItems.h"
#include "skin/SkinMng.h"
#include "skin/SufferBackGrounds.h"
#include "skinui/ParentImage.h"
#include "ui/Application.h"
#include "ui/GdiHandles.h"
#include "winbase/Messages.h"

namespace qelvane {

namespace {

// The live skinned forms.
std::vector<TBaseSkinForm*>& SkinFormList() {
  static std::vector<TBaseSkinForm*> list;
  return list;
}

constexpr UINT WM_NCUAHDRAWCAPTION = 0x00AE, WM_NCUAHDRAWFRAME = 0x00AF;

} // namespace

// --- Construction.

TBaseSkinForm::TBaseSkinForm(TComponent* AOwner) : TForm(AOwner) {
  SkinFormList().push_back(this);
  SkinGuard(TLogSubject{ClassName(), Name()}, L"Create", [&] {
    FShadowFrame = &TComponent::Create<TFormShadowFrame>(*this);
    FMinButtonToClose = false;
    ChangeSkinFile();
  });
}

TBaseSkinForm::~TBaseSkinForm() {
  auto& list = SkinFormList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  SkinGuard(TLogSubject{ClassName(), Name()}, L"Destroy", [&] {
    if (FShadowFrame) FShadowFrame->SetParentForm(nullptr);
    if (HWND h = HandleIfAllocated()) SkinMng().UnRegisterSkinListener(h);
  });
}

const TGdiBitmap* TBaseSkinForm::BackgroundBufferBitmap() const {
  if (!FSufferBackGroundItem || !FSufferBackGroundItem->BackgroundGdiImage()) return nullptr;
  return &FSufferBackGroundItem->BackgroundGdiImage()->BufferBitmap();
}

void TBaseSkinForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  if (FShowInTaskBar)
    Params.ExStyle |= WS_EX_APPWINDOW;
  else
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_APPWINDOW);
}

void TBaseSkinForm::SetShowInTaskBar(bool Value) {
  FShowInTaskBar = Value;
  if (HWND h = HandleIfAllocated()) {
    LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
    SetWindowLongW(h, GWL_EXSTYLE, Value ? (ex | WS_EX_APPWINDOW) : (ex & ~WS_EX_APPWINDOW));
  }
}

void TBaseSkinForm::CreateHandle() {
  TForm::CreateHandle();
  SkinMng().RegisterSkinListener(HandleIfAllocated(), ChangeSkinFileMessage, ChangeSkinBackGroundColorMessage,
                                 ChangeSkinBackGroundFileMessage, ChangeSkinBackGroundCustomColorMessage);
}

void TBaseSkinForm::DestroyHandle() {
  if (HWND h = HandleIfAllocated()) SkinMng().UnRegisterSkinListener(h);
  TForm::DestroyHandle();
}

// --- Skin.

void TBaseSkinForm::LoadFormStyleItem() {
  FFormStyleItem = SkinMng().SkinFormStyles().FormStyleItem();
}

void TBaseSkinForm::ChangeSkinFile() {
  FSkinLoaded = false;
  LoadFormStyleItem();
  LoadSkinResource();
  FSkinLoaded = true;
  if (Showing() && FIsFirstShowed) RedrawWindow(false, true);
}

void TBaseSkinForm::SelectSufferBackGround(const std::wstring& AName) {
  if ((AName == FSufferBackGroundName && FSufferBackGroundItem) || !SkinMng().Loaded()) return;
  FSufferBackGroundName = AName;
  if (FFormStyleItem && FFormStyleItem->SufferBackGrounds) {
    FSufferBackGroundItem = FFormStyleItem->SufferBackGrounds->GetItem(AName);
    if (FSufferBackGroundItem && FTextureGdiImage) FSufferBackGroundItem->SetTextureGdiImage(FTextureGdiImage);
  }
  if (FLastSufferBackGroundItem) FLastSufferBackGroundItem = FSufferBackGroundItem;
}

void TBaseSkinForm::LoadSkinResource() {
  // A new skin has new items: the old ones are gone.
  FSufferBackGroundItem = nullptr;
  SelectSufferBackGround(FSufferBackGroundName);
  ChangeSkinBackGroundItem(SkinMng().UserSkinConfig().AppUsedSkinItem());
  if (FFormStyleItem) {
    FAppCaptionX = FFormStyleItem->AppCaptionX;
    FAppCaptionY = FFormStyleItem->AppCaptionY;
    FEnabledShadow = FFormStyleItem->EnabledShadow;
  }
}

void TBaseSkinForm::ChangeSkinBackGroundItem(TBaseSkinItem* AItem) {
  if (!AItem) return;
  FTextureGdiImage = AItem->TextureGdiImage();
  if (FSufferBackGroundItem) FSufferBackGroundItem->SetTextureGdiImage(FTextureGdiImage);
  SetColor(AItem->AverageColor() & 0x00FFFFFF);
  if (Showing() && FIsFirstShowed) {
    TSkinCustomControl::AllMembersChangeSkinBackGround(AItem);
    TFormDrawSkinCustomControl::AllMembersChangeSkinBackGround(AItem);
    RedrawWindow(true, true);
    RePaintParentImageImmediatelyAll(*this);
  }
}

// --- Geometry.

bool TBaseSkinForm::Resizable() const {
  return BorderStyle() != bsSingle && BorderStyle() != bsDialog && BorderStyle() != bsToolWindow;
}

TRect TBaseSkinForm::GetClientRect() const {
  if (WindowState() != wsMaximized || !HandleIfAllocated()) return {0, 0, Width(), Height()};
  HWND h = HandleIfAllocated();
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)), GetMenu(h) != nullptr,
                     static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)));
  return {0, 0, Width() - (frame.right - frame.left),
          Height() - (frame.bottom - frame.top) + GetSystemMetrics(SM_CYCAPTION)};
}

void TBaseSkinForm::AdjustClientRect(TRect& Rect) {
  TForm::AdjustClientRect(Rect);
  if (BorderStyle() == bsNone) return;
  Rect = {FBorderLeftWidth, FBorderTopHeight + FTitleHeight, ClientWidth() - FBorderRightWidth,
          ClientHeight() - FBorderBottomHeight};
}

void TBaseSkinForm::AlignControls(TControl* AControl, TRect& Rect) {
  if (ReSizeNotAlignControls) return;
  TForm::AlignControls(AControl, Rect);
}

TPoint TBaseSkinForm::FormPoint(int32_t XPos, int32_t YPos) const {
  return {XPos - Left() - (Width() - ClientWidth()) / 2, YPos - Top() - (Height() - ClientHeight()) / 2};
}

void TBaseSkinForm::SetWindowRegion(bool ARedraw) {
  HWND h = HandleIfAllocated();
  if (!h) return;
  int32_t w = ClientWidth() + 1, hgt = ClientHeight() + 1;
  if (WindowState() == wsMaximized) {
    w = ClientWidth() + GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXBORDER);
    hgt = ClientHeight() + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYBORDER);
  }
  // Setting the region the window already has would only make it repaint
  // (and lay out) again.
  const TWindowRegion wanted{h, w, hgt, FIsRoundRectWindow};
  if (wanted == FWindowRegion) return;
  TRegionHandle region(FIsRoundRectWindow ? CreateRoundRectRgn(0, 0, w, hgt, 6, 6) : CreateRectRgn(0, 0, w, hgt));
  // The window owns the region from here on.
  if (SetWindowRgn(h, region.Get(), ARedraw)) {
    region.Release();
    FWindowRegion = wanted;
  }
}

// --- Composition.

void TBaseSkinForm::RedrawWindow(bool ARedraw, bool ARegion) {
  SkinGuard(TLogSubject{ClassName(), Name()}, L"RedrawWindow", [&] {
    if (!Showing()) return;
    const int32_t cw = ClientWidth(), ch = ClientHeight();
    if (ARegion) {
      // Setting the same region again would only repaint the window (and
      // paint sets the region): only a new size changes it.
      static_assert(sizeof(cw) == 4);
      if (FBufferBitmap.Width() != cw || FBufferBitmap.Height() != ch || !FIsFirstDrawedWindow) SetWindowRegion(true);
    }
    bool resized = false;
    if (FBufferBitmap.Width() != cw || FBufferBitmap.Height() != ch) {
      FBufferBitmap.SetSize(cw, ch);
      resized = true;
    }
    if (ARedraw || resized || !FIsFirstDrawedWindow) {
      if (!FSufferBackGroundItem) {
        FIsFirstDrawedWindow = false;
      } else {
        FSufferBackGroundItem->BuildBackgroundImage(cw, ch);
        TGDIBIGIMGPro* element = FSufferBackGroundItem->BackgroundGdiImage();
        element->SetBounds(0, 0, cw, ch);
        element->Build();
        const TGdiBitmap& built = element->BufferBitmap();
        if (!built.Empty()) BitBlt(FBufferBitmap.DC(), 0, 0, cw, ch, built.DC(), 0, 0, SRCCOPY);
        FIsFirstDrawedWindow = true;
        ++FBackgroundBuilds;
      }
      FBufferBitmapGraphics = CanvasToGPGraphics(FBufferBitmap.DC());
      DrawWindow(*FBufferBitmapGraphics);
      FBufferBitmapGraphics.reset();
    }
    if (Canvas().Painting()) {
      BitBlt(Canvas().Handle(), 0, 0, cw, ch, FBufferBitmap.DC(), 0, 0, SRCCOPY);
      return;
    }
    // Outside a paint the canvas is only a measuring context: the buffer goes
    // to the window itself, and the windowless controls over it are drawn
    // again (a hovered system button's own look).
    TWindowDC dc(HandleIfAllocated());
    if (!dc.Get()) return;
    BitBlt(dc.Get(), 0, 0, cw, ch, FBufferBitmap.DC(), 0, 0, SRCCOPY);
    PaintControls(dc.Get(), nullptr);
  });
}

void TBaseSkinForm::RedrawTitle() {
  SkinGuard(TLogSubject{ClassName(), Name()}, L"RedrawWindow", [&] {
    if (!Showing() || FBufferBitmap.Empty()) return;
    TWindowDC dc(HandleIfAllocated());
    BitBlt(dc.Get(), 0, 0, ClientWidth(), FTitleHeight, FBufferBitmap.DC(), 0, 0, SRCCOPY);
  });
}

void TBaseSkinForm::DrawWindow(Gdiplus::Graphics& Graphics) {
  DrawChildControls(Graphics);
  FTitleRect = {0, FBorderTopHeight, ClientWidth(), FTitleHeight};
  if (IsDrawCaption)
    DrawCaption(Graphics, {FTitleRect.Left, FTitleRect.Top, RectWidth(FTitleRect), RectHeight(FTitleRect)});
}

void TBaseSkinForm::DrawCaption(Gdiplus::Graphics&, const TGPRect&) {}

void TBaseSkinForm::DrawChildControls(Gdiplus::Graphics& Graphics) {
  DrawFormDrawSkinCustomControlList(Graphics);
}

void TBaseSkinForm::DrawFormDrawSkinCustomControlList(Gdiplus::Graphics& Graphics) {
  SkinGuard(TLogSubject{ClassName(), Name()}, L"DrawFormDrawSkinCustomControlList", [&] {
    for (std::size_t i = 0; i < ControlCount(); ++i) {
      auto* c = dynamic_cast<TFormDrawSkinCustomControl*>(Controls(i));
      if (!c) continue;
      c->PaintNormalImageToBuffer();
      if (c->Visible() && c->NormalBufferGPBitmap())
        Graphics.DrawImage(c->NormalBufferGPBitmap()->Native(), c->Left(), c->Top(), c->Width(), c->Height());
    }
  });
}

void TBaseSkinForm::EraseBkgndWindow(HDC DC) {
  SkinGuard(TLogSubject{ClassName(), Name()}, L"EraseBkgndWindow", [&] {
    if (!Showing() || !FIsFirstShowed) return;
    const int32_t cw = ClientWidth(), ch = ClientHeight();
    const int32_t bw = FBufferBitmap.Width(), bh = FBufferBitmap.Height();
    if (const TGdiBitmap* bk = BackgroundBufferBitmap(); bk && !bk->Empty()) {
      if (bw < cw) BitBlt(DC, bw, 0, cw, ch, bk->DC(), cw - bw, 0, SRCCOPY);
      if (bh < ch) BitBlt(DC, 0, ch - bh, cw, ch, bk->DC(), 0, ch - bh, SRCCOPY);
    }
    if (!FBufferBitmap.Empty()) BitBlt(DC, 0, 0, bw, bh, FBufferBitmap.DC(), 0, 0, SRCCOPY);
  });
}

void TBaseSkinForm::Paint() {
  RedrawWindow(FIsFirstShowed, true);
}

// --- Showing and the shadow.

void TBaseSkinForm::DoShow() {
  HandleNeeded();
  if (!NotDelayShow && !FFading) {
    // The form shows fully transparent until the show timer fades it in;
    // its own alpha settings are put back then.
    FFading = true;
    FAlphaBeforeFade = {AlphaBlend(), AlphaBlendValue()};
    SetAlphaBlendValue(0);
    SetAlphaBlend(true);
  }
  // The region is set while the window is still hidden: the first paint
  // then needs no second one.
  SetWindowRegion(false);
  TForm::DoShow();
  RedrawWindow(true, true);
  FIsFirstShowed = true;
  if (!NotDelayShow) {
    if (!FShowTimer) {
      FShowTimer = &TComponent::Create<TTimer>(*this);
      FShowTimer->SetInterval(200);
      FShowTimer->OnTimer = [this](TObject*) { ShowTimerTick(); };
    }
    FShowTimer->SetEnabled(true);
  } else if (FEnabledShadow) {
    AttachShadow(true);
  }
}

void TBaseSkinForm::ShowTimerTick() {
  if (!FShowTimer || !FShowTimer->Enabled()) return;
  if (FFading) {
    FFading = false;
    SetAlphaBlendValue(FAlphaBeforeFade.second);
    SetAlphaBlend(FAlphaBeforeFade.first);
  }
  FShowTimer->SetEnabled(false);
  if (FEnabledShadow) AttachShadow(true);
}

void TBaseSkinForm::SetEnabledShadow(bool Value) {
  FEnabledShadow = Value;
  AttachShadow(Value);
}

void TBaseSkinForm::AttachShadow(bool Value) {
  if (Value) {
    if (!FShadowFrame || !FFormStyleItem) return;
    FShadowFrame->ShadowBottomBitmap = FFormStyleItem->ShadowBottomBitmap;
    FShadowFrame->ShadowTopBitmap = FFormStyleItem->ShadowTopBitmap;
    FShadowFrame->ShadowLeftBitmap = FFormStyleItem->ShadowLeftBitmap;
    FShadowFrame->ShadowRightBitmap = FFormStyleItem->ShadowRightBitmap;
    FShadowFrame->ShadowBitmap = FFormStyleItem->ShadowBitmap;
    FShadowFrame->SetShadowDrawMargin(FFormStyleItem->ShadowDrawMargin);
    FShadowFrame->SetShadowSizeMargin(FFormStyleItem->ShadowSizeMargin);
    FShadowFrame->SetParentForm(this);
    FShadowFrame->SetActive(true);
  } else if (FShadowFrame) {
    FShadowFrame->SetParentForm(nullptr);
    FShadowFrame->SetActive(false);
  }
}

void TBaseSkinForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  // The shadow goes with the form; whether the form wants one stays as the
  // skin (or SetEnabledShadow) said, so the next show brings it back.
  if (Action == caHide || Action == caFree) AttachShadow(false);
}

// --- Messages.

void TBaseSkinForm::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_NCPAINT:
  case WM_NCACTIVATE:
  case WM_SYNCPAINT:
  case WM_NCUAHDRAWCAPTION:
  case WM_NCUAHDRAWFRAME:
    m.Result = 1; // the form draws its own frame; activation changes nothing
    return;
  case WM_NCCALCSIZE: {
    TForm::WndProc(m);
    if (!m.WParam) {
      m.Result = 0;
      return;
    }
    if (BorderStyle() == bsNone) return;
    try {
      auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
      int32_t bx = GetSystemMetrics(SM_CXFRAME), by = GetSystemMetrics(SM_CYFRAME);
      if (BorderStyle() < bsSizeable) {
        bx = FBorderLeftWidth;
        by = FBorderTopHeight;
      }
      const int32_t cap = GetSystemMetrics(SM_CYCAPTION);
      RECT& r = p->rgrc[0];
      if (!IsZoomed(HandleIfAllocated())) {
        r.left -= bx;
        r.top -= by + cap;
        r.right += bx;
        r.bottom += cap - by;
      } else {
        r.top -= cap;
        r.right += bx;
      }
    } catch (const std::exception& e) {
      OutputDebugStringA((std::string("TBaseSkinForm.WMNCCalcSize=") + e.what()).c_str());
    }
    return;
  }
  case WM_NCHITTEST:
    TForm::WndProc(m);
    SkinGuard(TLogSubject{ClassName(), Name()}, L"WMNCHitTest", [&] {
      if (BorderStyle() == bsNone) return;
      const TPoint p = FormPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      m.Result = SkinFormHitTest(p.X, p.Y, ClientWidth(), ClientHeight(), Resizable());
    });
    return;
  case WM_NCMOUSEMOVE:
    TForm::WndProc(m);
    if (BorderStyle() != bsNone) RedrawTitle();
    return;
  case WM_ERASEBKGND:
    EraseBkgndWindow(reinterpret_cast<HDC>(m.WParam));
    m.Result = 1;
    return;
  case WM_PRINTCLIENT:
    if (!FBufferBitmap.Empty())
      BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, ClientWidth(), ClientHeight(), FBufferBitmap.DC(), 0, 0, SRCCOPY);
    return;
  case WM_LBUTTONDOWN: {
    // Only a press on the form's own surface moves it; a windowless control
    // under the pointer takes the press itself.
    const bool onSurface = ControlAtPos({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) == nullptr;
    TForm::WndProc(m);
    if (!onSurface) return;
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    const TPoint p = FormPoint(cursor.x, cursor.y);
    if (!FullMove) {
      FTitleRect = {0, FBorderTopHeight, Width(), FTitleHeight};
      if (!PtInRect(FTitleRect, p)) return;
    }
    ReleaseCapture();
    PostMessageW(HandleIfAllocated(), WM_SYSCOMMAND, 0xF012, 0);
    return;
  }
  case WM_LBUTTONDBLCLK: {
    const bool onSurface = ControlAtPos({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) == nullptr;
    TForm::WndProc(m);
    if (onSurface && FullMove && (BorderIcons() & biMaximize))
      SetWindowState(WindowState() == wsMaximized ? wsNormal : wsMaximized);
    return;
  }
  case WM_SIZE:
    TForm::WndProc(m);
    if (Showing() && FIsFirstShowed) {
      RedrawWindow(false, true);
      RePaintParentImageImmediatelyAll(*this);
    }
    return;
  case ChangeSkinFileMessage:
    ChangeSkinFile();
    return;
  case ChangeSkinBackGroundColorMessage:
    ChangeSkinBackGroundColor(reinterpret_cast<TBaseSkinItem*>(m.WParam));
    return;
  case ChangeSkinBackGroundFileMessage:
    ChangeSkinBackGroundFile(reinterpret_cast<TBaseSkinItem*>(m.WParam));
    return;
  case ChangeSkinBackGroundCustomColorMessage:
    ChangeSkinBackGroundCustomColor(reinterpret_cast<TBaseSkinItem*>(m.WParam));
    return;
  default:
    break;
  }
  TForm::WndProc(m);
}

// --- TDefaultSkinForm.

TDefaultSkinForm::TDefaultSkinForm(TComponent* AOwner) : TBaseSkinForm(AOwner) {
  FCaptionText = std::make_unique<TGDIText>();
  FCaptionText->PrintStyle = 1;
  FCaptionText->SetFontStyle(Gdiplus::FontStyleBold);
  FCaptionText->IsDrawShadow = true;
  FCloseBtn = &TComponent::Create<TSysCloseBtn>(*this);
  FMaxBtn = &TComponent::Create<TSysMaxBtn>(*this);
  FMinBtn = &TComponent::Create<TSysMinBtn>(*this);
  const std::pair<TSkinSystemButton*, const wchar_t*> hints[] = {
      {FCloseBtn, L"关闭"}, {FMaxBtn, L"最大化"}, {FMinBtn, L"最小化"}};
  for (auto [button, hint] : hints) {
    button->Hint = hint;
    button->ShowHint = true;
    button->SetAnchors(akTop | akRight);
  }
  FCloseBtn->SetParent(this);
  FMaxBtn->SetParent(this);
  FMinBtn->SetParent(this);
  // The base part loaded the skin before the buttons existed.
  LoadSkinResource();
  PlaceSystemButtons();
}

TDefaultSkinForm::~TDefaultSkinForm() = default;

void TDefaultSkinForm::LoadSkinResource() {
  TBaseSkinForm::LoadSkinResource();
  if (!FFormStyleItem || !FCloseBtn) return;
  const TSkinFormStyleItem& s = *FFormStyleItem;
  const auto take = [](TSkinSystemButton& b, const IGPBitmap& n, const IGPBitmap& h, const IGPBitmap& d,
                       const IGPBitmap& cn, const IGPBitmap& ch, const IGPBitmap& cd) {
    b.NormalBitmapNormal = n;
    b.NormalBitmapHover = h;
    b.NormalBitmapDown = d;
    b.ClickedBitmapNormal = cn;
    b.ClickedBitmapHover = ch;
    b.ClickedBitmapDown = cd;
    b.SetBounds(b.Left(), b.Top(), ImageWidth(n), ImageHeight(n));
    b.Repaint();
  };
  take(*FMinBtn, s.MinBtnBmp_Normal, s.MinBtnBmp_Hover, s.MinBtnBmp_Down, s.MinBtnBmp_Normal, s.MinBtnBmp_Hover,
       s.MinBtnBmp_Down);
  take(*FMaxBtn, s.MaxBtnBmp_Normal, s.MaxBtnBmp_Hover, s.MaxBtnBmp_Down, s.RestoreBtnBmp_Normal, s.RestoreBtnBmp_Hover,
       s.RestoreBtnBmp_Down);
  take(*FCloseBtn, s.CloseBtnBmp_Normal, s.CloseBtnBmp_Hover, s.CloseBtnBmp_Down, s.CloseBtnBmp_Normal,
       s.CloseBtnBmp_Hover, s.CloseBtnBmp_Down);
  FCloseBtnRight = s.CloseBtnRight;
  FCloseBtnTop = s.CloseBtnTop;
  FMaxBtnRight = s.MaxBtnRight;
  FMaxBtnTop = s.MaxBtnTop;
  FMinBtnRight = s.MinBtnRight;
  FMinBtnTop = s.MinBtnTop;
  PlaceSystemButtons();
}

void TDefaultSkinForm::PlaceSystemButtons() {
  if (!FCloseBtn) return;
  TSysButtonPlace close, max, min;
  close.Width = FCloseBtn->Width(), close.Height = FCloseBtn->Height();
  max.Width = FMaxBtn->Width(), max.Height = FMaxBtn->Height();
  min.Width = FMinBtn->Width(), min.Height = FMinBtn->Height();
  const TSysButtonOffsets o{FCloseBtnRight, FCloseBtnTop, FMaxBtnRight, FMaxBtnTop, FMinBtnRight, FMinBtnTop};
  PlaceSysButtons(ClientWidth(), BorderStyle() == bsNone, BorderIcons() & biSystemMenu, BorderIcons() & biMinimize,
                  BorderIcons() & biMaximize, o, close, max, min);
  const auto apply = [](TSkinSystemButton& b, const TSysButtonPlace& p, bool placed) {
    if (placed) b.SetBounds(p.Bounds.X, p.Bounds.Y, p.Bounds.Width, p.Bounds.Height);
    b.SetVisible(p.Visible);
  };
  const bool none = BorderStyle() == bsNone;
  apply(*FCloseBtn, close, !none);
  apply(*FMaxBtn, max, !none && (BorderIcons() & biMaximize));
  apply(*FMinBtn, min, !none);
}

void TDefaultSkinForm::DrawCaption(Gdiplus::Graphics& Graphics, const TGPRect&) {
  DrawCaptionInRect(Graphics, {0, FBorderTopHeight, ClientWidth(), FTitleHeight});
}

void TDefaultSkinForm::DrawCaptionInRect(Gdiplus::Graphics& Graphics, const TRect& ARect) {
  DrawCaptionText(Graphics, ARect.Left + FAppCaptionX, ARect.Top + FAppCaptionY, ARect.Right, ARect.Bottom);
}

void TDefaultSkinForm::DrawCaptionText(Gdiplus::Graphics& Graphics, int32_t ALeft, int32_t ATop, int32_t, int32_t) {
  TSkinHelper::DrawGDIText(Graphics, *FCaptionText, ALeft, ATop, 0, 0, Caption());
}

void TDefaultSkinForm::Loaded() {
  TBaseSkinForm::Loaded();
  FCaptionText->SetFont(Font().ToDesc());
}

void TDefaultSkinForm::CMFontChanged() {
  TBaseSkinForm::CMFontChanged();
  if (FCaptionText) FCaptionText->SetFont(Font().ToDesc());
}

void TDefaultSkinForm::Resize() {
  TBaseSkinForm::Resize();
  PlaceSystemButtons();
}

} // namespace qelvane
