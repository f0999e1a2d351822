// The zone view: construction, properties, timers, the layout and its
// queries, and the drawing of the zones (input is in SkinZoneViewInput.cpp,
// the scroll bars and the tree walks in their own classes).
#include "skinui/SkinZoneView.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "skin/SkinLog.h"
#include "skinui/SkinZoneViewStyle.h"

namespace qelvane {

TSkinZoneView::TSkinZoneView(TComponent* AOwner) : TSkinCustomControl(AOwner) {
  TabStop = true;
  FZones = std::make_unique<TZoneList>(this, nullptr);
  FWalker = std::make_unique<TZoneWalker>(*this, *FZones);
  FBars = std::make_unique<TZoneScrollBars>(*this);
  ChangeSkinFile();
  FRedrawAllDispalyZones = true;
  SetIsNeedAppendPaint(true);
}

TSkinZoneView::~TSkinZoneView() {
  FDestroying = true;
  FEnableUpdateView = false;
  for (TBaseZoneViewStyle* style : std::vector<TBaseZoneViewStyle*>(FStyles))
    style->ZoneViewGone(this);
  // The timers are owned components, freed after this body: no tick from now on.
  FBars->Release();
  for (TTimer* t : {FIdleTimer, FBlinkTimer, FEnterHoverTimer, FLeaveHoverTimer})
    if (t) t->SetEnabled(false);
  FVisibleZoneList.clear();
  FDisplayZoneList.clear();
  FZones.reset();
}

// --- Properties.

void TSkinZoneView::SetClientMargins(const TZoneMargins& Value) {
  if (Value == FClientMargins) return;
  FClientMargins = Value;
  LayoutChanged();
  RepaintSelfImage();
}

void TSkinZoneView::SetItemSpace(int32_t Value) {
  if (Value == FItemSpace) return;
  FItemSpace = Value;
  LayoutChanged();
  RepaintSelfImage();
}

void TSkinZoneView::SetFillWidth(bool Value) {
  if (Value == FFillWidth) return;
  FFillWidth = Value;
  LayoutChanged();
  RepaintSelfImage();
}

void TSkinZoneView::SetStyleName(const std::wstring& Value) {
  if (Value == FStyleName) return;
  FStyleName = Value;
  FBars->LoadImages(FStyleName);
  FRedrawAllDispalyZones = true;
  RepaintSelfImage();
}

void TSkinZoneView::SetHorzScrollPosition(int32_t Value) {
  PrepareDisplay();
  if (!FBars->SetHorzPosition(Value)) return;
  RepaintSelfImage();
  HoverAfterScroll();
}

void TSkinZoneView::SetVertScrollPosition(int32_t Value) {
  PrepareDisplay();
  if (!FBars->SetVertPosition(Value)) return;
  RepaintSelfImage();
  HoverAfterScroll();
}

bool TSkinZoneView::PtInVertScrollBar(TPoint P) const {
  if (!VertScrollVisible()) return false;
  return PtInRect({ClientWidth() - ZoneScrollBarSize, 0, ClientWidth(), ClientHeight()}, P);
}

// --- Timers. A closed timer is disabled, never freed: a timer may be closed
// from its own tick.

namespace {
void OpenTimer(TComponent& AOwner, TTimer*& ATimer, uint32_t AInterval, std::function<void()> ATick) {
  if (!ATimer) {
    ATimer = &TComponent::Create<TTimer>(AOwner);
    ATimer->OnTimer = [tick = std::move(ATick)](TObject*) { tick(); };
  }
  if (!ATimer->Enabled()) ATimer->SetInterval(AInterval);
  ATimer->SetEnabled(true);
}
void CloseTimer(TTimer* ATimer) {
  if (ATimer) ATimer->SetEnabled(false);
}
} // namespace

void TSkinZoneView::OpenIdleTimer() {
  OpenTimer(*this, FIdleTimer, FIdleTimerInterval, [this] {
    if (OnIdleTimer) OnIdleTimer(this);
  });
  FIdleTimerEnable = true;
}

void TSkinZoneView::CloseIdleTimer() {
  CloseTimer(FIdleTimer);
  FIdleTimerEnable = false;
}

void TSkinZoneView::OpenBlinkTimer() {
  OpenTimer(*this, FBlinkTimer, FBlinkTimerInterval, [this] { BlinkTimerTimer(); });
  FBlinkTimerEnable = true;
}

void TSkinZoneView::CloseBlinkTimer() {
  CloseTimer(FBlinkTimer);
  FBlinkTimerEnable = false;
}

void TSkinZoneView::SetIdleTimerEnable(bool Value) {
  if (Value)
    OpenIdleTimer();
  else
    CloseIdleTimer();
}

void TSkinZoneView::SetBlinkTimerEnable(bool Value) {
  if (Value)
    OpenBlinkTimer();
  else
    CloseBlinkTimer();
}

void TSkinZoneView::SetIdleTimerInterval(uint32_t Value) {
  FIdleTimerInterval = Value;
}

void TSkinZoneView::SetBlinkTimerInterval(uint32_t Value) {
  FBlinkTimerInterval = Value;
}

void TSkinZoneView::BlinkTimerTimer() {
  if (GetBlinkingZoneCount() == 0) {
    CloseBlinkTimer();
    return;
  }
  bool any = false;
  for (TZone* z : FDisplayZoneList) {
    if (!z->Blinking()) continue;
    z->SetBlinkRedraw(true);
    any = true;
  }
  if (any) RepaintSelfImage();
}

int TSkinZoneView::GetBlinkingZoneCount() const {
  int n = 0;
  FWalker->ForEach([&](TZone& z) {
    if (z.Blinking()) ++n;
    return true;
  });
  return n;
}

// --- Updates.

void TSkinZoneView::BeginUpdate() {
  ++FUpdateCount;
}

void TSkinZoneView::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount == 0) Repaint();
}

void TSkinZoneView::Repaint() {
  FEnableUpdateView = true;
  FUpdateCount = 0;
  FRedrawAllDispalyZones = true;
  TSkinCustomControl::Repaint();
}

// --- The tree.

void TSkinZoneView::LayoutChanged() {
  FLayoutValid = false;
  if (FPainting) FRepaintAfterPaint = true;
}

void TSkinZoneView::ForgetLayout() {
  for (TZone* z : FVisibleZoneList) {
    z->FVisible = false;
    z->FDisplayIndex = -1;
  }
  FVisibleZoneList.clear();
  FVisibleRects.clear();
  FDisplayZoneList.clear();
  FDisplayIndexes.clear();
  FLastMouseOverZone = nullptr;
  FLayoutValid = false;
}

void TSkinZoneView::ZoneFreed(TZone*) {
  if (FDestroying) return;
  ForgetLayout();
  LayoutChanged();
}

void TSkinZoneView::FreeZone(std::unique_ptr<TZone> AZone) {
  FWalker->Free(std::move(AZone));
}

void TSkinZoneView::ZoneExpanding(TZone& AZone) {
  if (MultiExpand) return;
  const std::vector<TZone*> others =
      FWalker->Collect([&](TZone& z) { return &z != &AZone && z.Expanded() && !AZone.IsAncestor(&z); });
  for (TZone* z : others) {
    if (!FWalker->InTree(*z)) continue; // freed by a handler meanwhile
    z->FExpanded = false;
    z->Changed();
    if (OnExpandZone) OnExpandZone(this, z, z->FDrawRect, false);
  }
  if (!others.empty()) LayoutChanged();
}

void TSkinZoneView::ZoneExpanded(TZone& AZone) {
  LayoutChanged();
  ClearZoneHover();
  if (AZone.Expanded() && OnExpandZone) OnExpandZone(this, &AZone, AZone.FDrawRect, true);
  RepaintSelfImage();
}

void TSkinZoneView::ZoneSelected(TZone& AZone) {
  if (AZone.Selected() && OnSelectZone) OnSelectZone(this, &AZone, AZone.FDrawRect, true);
  RepaintSelfImage();
}

void TSkinZoneView::ZoneBlinkingChanged(TZone& AZone) {
  if (AZone.Blinking())
    OpenBlinkTimer();
  else if (GetBlinkingZoneCount() == 0)
    CloseBlinkTimer();
  if (AZone.Blinking() && OnBlinkZone) OnBlinkZone(this, &AZone, AZone.FDrawRect);
  RepaintSelfImage();
}

void TSkinZoneView::ClearSelectedZones() {
  bool any = false;
  const TZoneWalker::THold hold = FWalker->Hold();
  SkinGuard(TLogSubject{ClassName(), Name()}, L"ClearSelectedZones", [&] {
    for (TZone* z : FWalker->Collect([](TZone& z) { return z.Selected(); })) {
      if (!FWalker->InTree(*z)) continue; // freed by a handler meanwhile
      z->FSelected = false;
      z->Changed();
      any = true;
      if (OnSelectZone) OnSelectZone(this, z, z->FDrawRect, false);
    }
  });
  if (any) RepaintSelfImage();
}

// --- Layout.

TZoneScrollInput TSkinZoneView::StackSize() const {
  return {ClientWidth(), Height(), FMaxWidth, FTotalHeight, FVisibleZoneList.size(), FFillWidth, 0, 0};
}

void TSkinZoneView::Relayout() {
  ForgetLayout();
  TZoneStacker stacker(FClientMargins, FItemSpace, FFillWidth, ClientWidth());
  FWalker->ForEach([&](TZone& z) {
    if (z.Width() <= 0 || z.Height() <= 0) return false;
    // A zone the coordinates cannot hold any more is left out, as its children.
    const std::optional<TRect> r = stacker.Add(z.Width(), z.Height());
    if (!r) return false;
    z.FDisplayRect = *r;
    z.FVisible = true;
    z.FDisplayIndex = static_cast<int32_t>(FVisibleZoneList.size());
    FVisibleZoneList.push_back(&z);
    FVisibleRects.push_back(*r);
    return z.Expanded();
  });
  FMaxWidth = stacker.MaxWidth();
  FTotalHeight = stacker.TotalHeight();
  FOrdered = stacker.Ordered();
  FLayoutClientWidth = ClientWidth();
  FLayoutClientHeight = Height();
  FLayoutValid = true;
  // Zones moved or changed size: every zone in the viewport is drawn anew.
  FRedrawAllDispalyZones = true;

  // Which bars show depends only on the stack and the client size, both
  // fixed until the next layout: zones beside a vertical bar end before it.
  if (FBars->Plan(StackSize()).VertVisible) {
    for (std::size_t i = 0; i < FVisibleZoneList.size(); ++i) {
      FVisibleRects[i].Right -= ZoneScrollBarSize;
      FVisibleZoneList[i]->FDisplayRect.Right -= ZoneScrollBarSize;
    }
  }
}

void TSkinZoneView::PrepareDisplay() {
  if (!FLayoutValid || ClientWidth() != FLayoutClientWidth || Height() != FLayoutClientHeight) Relayout();
  FPrepareDisplay = true;

  if (FBars->Layout(StackSize())) FRedrawAllDispalyZones = true;
  if (FTotalHeight != FLastTotalHeight) FRedrawAllDispalyZones = true;
  FLastTotalHeight = FTotalHeight;

  // The zones inside the viewport, found without walking the whole stack.
  const TZoneScroll& scroll = FBars->Scroll();
  const int32_t top = FBars->VertPosition();
  ViewportIndexes(FVisibleRects, FOrdered, top, top + scroll.ViewHeight, FDisplayIndexes);
  FDisplayZoneList.clear();
  for (std::size_t i : FDisplayIndexes)
    FDisplayZoneList.push_back(FVisibleZoneList[i]);
  if (FDisplayZoneList.size() > FLastDisplayCount) FRedrawAllDispalyZones = true;
  FLastDisplayCount = FDisplayZoneList.size();
  if (scroll.ViewHeight != FLastActualClientHeight) {
    if (!FDisplayZoneList.empty() && FDisplayZoneList.back()->FDisplayRect.Bottom - top > scroll.ViewHeight)
      FRedrawAllDispalyZones = true;
    FLastActualClientHeight = scroll.ViewHeight;
  }
}

TRect TSkinZoneView::ZoneDrawRect(const TZone& AZone) const {
  const TRect& r = AZone.FDisplayRect;
  const int32_t x = FBars->HorzPosition(), y = FBars->VertPosition();
  return {r.Left - x, r.Top - y, r.Right - x, r.Bottom - y};
}

// --- Queries.

TZone* TSkinZoneView::GetSelected() const {
  TZone* found = nullptr;
  FWalker->ForEach([&](TZone& z) {
    if (!found && z.Selected()) found = &z;
    return !found;
  });
  return found;
}

void TSkinZoneView::GetSelectedList(std::vector<TZone*>& AList) const {
  for (TZone* z : FWalker->Collect([](TZone& z) { return z.Selected(); }))
    AList.push_back(z);
}

int TSkinZoneView::GetTotalZoneCount(bool AVisible) const {
  int n = 0;
  FWalker->ForEach([&](TZone& z) {
    ++n;
    return !AVisible || z.Expanded();
  });
  return n;
}

int32_t TSkinZoneView::GetTotalZoneHeight(bool AVisible) {
  if (!FPrepareDisplay || !FLayoutValid) PrepareDisplay();
  if (!AVisible) return FTotalHeight;
  int64_t h = 0;
  for (TZone* z : FDisplayZoneList)
    h += z->Height();
  return static_cast<int32_t>(std::min<int64_t>(h, std::numeric_limits<int32_t>::max()));
}

TZone* TSkinZoneView::GetZoneFromPoint(int32_t X, int32_t Y) {
  PrepareDisplay();
  if (FBars->Contains(X, Y)) return nullptr;
  const TZoneWalker::THold hold = FWalker->Hold();
  return FWalker->ZoneAt(DisplayedZones(), X, Y);
}

std::unique_ptr<TGdiBitmap> TSkinZoneView::GetZoneBitmap(const TZone* AZone) const {
  if (!AZone) return nullptr;
  const int32_t w = FFillWidth ? ClientWidth() - FClientMargins.Left - FClientMargins.Right : AZone->Width();
  const int32_t h = AZone->Height();
  auto bitmap = std::make_unique<TGdiBitmap>();
  if (w <= 0 || h <= 0) return bitmap;
  bitmap->SetSize(w, h);
  if (!BufferBitmap().Empty())
    BitBlt(bitmap->DC(), 0, 0, w, h, BufferBitmap().DC(), AZone->FDrawRect.Left, AZone->FDrawRect.Top, SRCCOPY);
  return bitmap;
}

// --- Painting.

IGPBitmap TSkinZoneView::CreateSelfBufferBitmap() {
  // A new bitmap holds nothing: every zone is drawn into it.
  FRedrawAllDispalyZones = true;
  return TSkinCustomControl::CreateSelfBufferBitmap();
}

void TSkinZoneView::Paint() {
  FPainting = true;
  TSkinCustomControl::Paint();
  FPainting = false;
  // The paint ends by taking back every repaint request made during it.
  if (std::exchange(FRepaintAfterPaint, false)) RepaintSelfImage();
}

void TSkinZoneView::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect&) {
  if (!FEnableUpdateView || FUpdateCount > 0) return;
  PrepareDisplay();
  if (FRedrawAllDispalyZones) Graphics.Clear(Gdiplus::Color(0x00000000));
  DrawZones(Graphics);
  FBars->Draw(Graphics);
  FRedrawAllDispalyZones = false;
}

void TSkinZoneView::DrawZones(Gdiplus::Graphics& G) {
  const TZoneWalker::THold hold = FWalker->Hold();
  for (TZone* z : DisplayedZones()) {
    if (!FWalker->InTree(*z)) continue; // freed by a handler meanwhile
    bool need = z->DispalyChanged() || FRedrawAllDispalyZones || z->Selected() || z->MouseOver() || z->MouseDown() ||
                z->Blinking() || z->BlinkRedraw();
    z->FDrawRect = ZoneDrawRect(*z);
    const TRect r = z->FDrawRect;
    if (OnPrepareDrawZone) {
      OnPrepareDrawZone(this, G, z, r);
      if (!FWalker->InTree(*z)) continue;
      if (RectWidth(r) < z->NeedDisplayWidth || RectHeight(r) < z->NeedDisplayHeight) need = true;
    }
    if (need && OnDrawZone) {
      if (!FRedrawAllDispalyZones) {
        // Only this zone is drawn again over the kept bitmap.
        G.SetClip(Gdiplus::Rect(r.Left, r.Top, RectWidth(r), RectHeight(r)));
        G.Clear(Gdiplus::Color(0x00000000));
        G.ResetClip();
      }
      OnDrawZone(this, G, z, r);
    }
    z->FBlinkRedraw = false;
    z->FDispalyChanged = false;
  }
}

void TSkinZoneView::AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect&) {
  if (!OnAppendDrawZone) return;
  const TZoneWalker::THold hold = FWalker->Hold();
  for (TZone* z : DisplayedZones())
    if (FWalker->InTree(*z)) OnAppendDrawZone(this, Graphics, z, z->FDrawRect);
}

// --- Skin.

void TSkinZoneView::ChangeSkinFile() {
  TSkinCustomControl::ChangeSkinFile();
  if (IsDesigning()) return;
  FBars->LoadImages(FStyleName);
  FRedrawAllDispalyZones = true;
  RepaintSelfImage();
}

} // namespace qelvane
