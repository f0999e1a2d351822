// The zone view: construction, properties, the layout and its queries, and
// the drawing of the zones (scroll bars and input are in the other
// SkinZoneView*.cpp files).
#include "skinui/SkinZoneView.h"

#include <algorithm>
#include <utility>

#include "skin/SkinLog.h"
#include "skin/SkinMng.h"
#include "skinui/SkinZoneViewStyle.h"

namespace qelvane {

TSkinZoneView::TSkinZoneView(TComponent* AOwner) : TSkinCustomControl(AOwner) {
  TabStop = true;
  FZones = std::make_unique<TZoneList>(this, nullptr);
  FScrollTimer = &TComponent::Create<TTimer>(*this);
  FScrollTimer->SetInterval(100);
  FScrollTimer->OnTimer = [this](TObject*) { ScrollTimerTimer(); };
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
  for (TTimer* t : {FScrollTimer, FIdleTimer, FBlinkTimer, FEnterHoverTimer, FLeaveHoverTimer})
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
  LoadScrollBarImages();
  FRedrawAllDispalyZones = true;
  RepaintSelfImage();
}

void TSkinZoneView::SetHorzScrollPosition(int32_t Value) {
  PrepareDisplay();
  const int32_t v = FScroll.HorzVisible ? std::clamp(Value, 0, FScroll.HorzMax) : 0;
  if (v == FHorzScrollPos) return;
  FHorzScrollPos = v;
  RepaintSelfImage();
  HoverAfterScroll();
}

void TSkinZoneView::SetVertScrollPosition(int32_t Value) {
  PrepareDisplay();
  const int32_t v = FScroll.VertVisible ? std::clamp(Value, 0, FScroll.VertMax) : 0;
  if (v == FVertScrollPos) return;
  FVertScrollPos = v;
  RepaintSelfImage();
  HoverAfterScroll();
}

bool TSkinZoneView::PtInVertScrollBar(TPoint P) const {
  if (!FScroll.VertVisible) return false;
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
  ForEachZone([&](TZone& z) {
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

// Visits the zones in tree order, a zone before its children, without
// recursion; AVisit(zone) returns whether to go on into the zone's children.
template <class F> void TSkinZoneView::ForEachZone(F&& AVisit) const {
  std::vector<std::pair<const TZoneList*, std::size_t>> stack{{FZones.get(), 0}};
  while (!stack.empty()) {
    auto& [list, index] = stack.back();
    if (index >= list->Count()) {
      stack.pop_back();
      continue;
    }
    TZone& z = *list->Items(index++);
    if (AVisit(z) && z.ChildZones().Count() > 0) stack.push_back({&z.ChildZones(), 0});
  }
}

void TSkinZoneView::LayoutChanged() {
  FLayoutValid = false;
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
}

void TSkinZoneView::ZoneExpanding(TZone& AZone) {
  if (MultiExpand) return;
  std::vector<TZone*> others;
  ForEachZone([&](TZone& z) {
    if (&z != &AZone && z.Expanded() && !AZone.IsAncestor(&z)) others.push_back(&z);
    return true;
  });
  for (TZone* z : others) {
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
  SkinGuard(TLogSubject{ClassName(), Name()}, L"ClearSelectedZones", [&] {
    std::vector<TZone*> selected;
    ForEachZone([&](TZone& z) {
      if (z.Selected() && z.Width() > 0 && z.Height() > 0) selected.push_back(&z);
      return true;
    });
    for (TZone* z : selected) {
      z->FSelected = false;
      z->Changed();
      any = true;
      if (OnSelectZone) OnSelectZone(this, z, z->FDrawRect, false);
    }
  });
  if (any) RepaintSelfImage();
}

// --- Layout.

void TSkinZoneView::Relayout() {
  ForgetLayout();
  TZoneStacker stacker(FClientMargins, FItemSpace, FFillWidth, ClientWidth());
  ForEachZone([&](TZone& z) {
    if (z.Width() <= 0 || z.Height() <= 0) return false;
    const TRect r = stacker.Add(z.Width(), z.Height());
    z.FDisplayRect = r;
    z.FVisible = true;
    z.FDisplayIndex = static_cast<int32_t>(FVisibleZoneList.size());
    FVisibleZoneList.push_back(&z);
    FVisibleRects.push_back(r);
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
  const TZoneScroll plan = PlanZoneScroll({ClientWidth(), Height(), FMaxWidth, FTotalHeight, FVisibleZoneList.size(),
                                           FFillWidth, FHorzScrollPos, FVertScrollPos});
  if (plan.VertVisible) {
    for (std::size_t i = 0; i < FVisibleZoneList.size(); ++i) {
      FVisibleRects[i].Right -= ZoneScrollBarSize;
      FVisibleZoneList[i]->FDisplayRect.Right -= ZoneScrollBarSize;
    }
  }
}

void TSkinZoneView::PrepareDisplay() {
  if (!FLayoutValid || ClientWidth() != FLayoutClientWidth || Height() != FLayoutClientHeight) Relayout();
  FPrepareDisplay = true;

  FScroll = PlanZoneScroll({ClientWidth(), Height(), FMaxWidth, FTotalHeight, FVisibleZoneList.size(), FFillWidth,
                            FHorzScrollPos, FVertScrollPos});
  FHorzScrollPos = FScroll.HorzPosition;
  FVertScrollPos = FScroll.VertPosition;
  if (FTotalHeight != FLastTotalHeight) FRedrawAllDispalyZones = true;
  FLastTotalHeight = FTotalHeight;
  if (FHorzScrollPos != FLastHorzScrollOffset || FVertScrollPos != FLastVertScrollOffset) FRedrawAllDispalyZones = true;
  FLastHorzScrollOffset = FHorzScrollPos;
  FLastVertScrollOffset = FVertScrollPos;

  // The zones inside the viewport, found without walking the whole stack.
  ViewportIndexes(FVisibleRects, FOrdered, FVertScrollPos, FVertScrollPos + FScroll.ViewHeight, FDisplayIndexes);
  FDisplayZoneList.clear();
  for (std::size_t i : FDisplayIndexes)
    FDisplayZoneList.push_back(FVisibleZoneList[i]);
  if (FDisplayZoneList.size() > FLastDisplayCount) FRedrawAllDispalyZones = true;
  FLastDisplayCount = FDisplayZoneList.size();
  if (FScroll.ViewHeight != FLastActualClientHeight) {
    if (!FDisplayZoneList.empty() && FDisplayZoneList.back()->FDisplayRect.Bottom - FVertScrollPos > FScroll.ViewHeight)
      FRedrawAllDispalyZones = true;
    FLastActualClientHeight = FScroll.ViewHeight;
  }

  FHorzBar = HorzScrollBarRects(FScroll.ViewWidth, Height(), FMaxWidth, FHorzScrollPos, FScroll.HorzMax);
  FVertBar = VertScrollBarRects(ClientWidth(), FScroll.ViewHeight, FTotalHeight, FVertScrollPos, FScroll.VertMax);
}

TRect TSkinZoneView::ZoneDrawRect(const TZone& AZone) const {
  const TRect& r = AZone.FDisplayRect;
  return {r.Left - FHorzScrollPos, r.Top - FVertScrollPos, r.Right - FHorzScrollPos, r.Bottom - FVertScrollPos};
}

// --- Queries.

TZone* TSkinZoneView::GetSelected() const {
  TZone* found = nullptr;
  ForEachZone([&](TZone& z) {
    if (!found && z.Selected()) found = &z;
    return !found;
  });
  return found;
}

void TSkinZoneView::GetSelectedList(std::vector<TZone*>& AList) const {
  ForEachZone([&](TZone& z) {
    if (z.Selected()) AList.push_back(&z);
    return true;
  });
}

int TSkinZoneView::GetTotalZoneCount(bool AVisible) const {
  int n = 0;
  ForEachZone([&](TZone& z) {
    ++n;
    return !AVisible || z.Expanded();
  });
  return n;
}

int32_t TSkinZoneView::GetTotalZoneHeight(bool AVisible) {
  if (!FPrepareDisplay || !FLayoutValid) PrepareDisplay();
  if (!AVisible) return FTotalHeight;
  int32_t h = 0;
  for (TZone* z : FDisplayZoneList)
    h += z->Height();
  return h;
}

TZone* TSkinZoneView::GetZoneFromPoint(int32_t X, int32_t Y) {
  PrepareDisplay();
  if (PtInBars(X, Y)) return nullptr;
  for (TZone* z : FDisplayZoneList)
    if (ZoneHit(*z, X, Y)) return z;
  return nullptr;
}

bool TSkinZoneView::ZoneHit(TZone& AZone, int32_t X, int32_t Y) {
  TRect r = ZoneDrawRect(AZone);
  if (OnAdjustZoneRect) OnAdjustZoneRect(this, &AZone, r);
  return PtInRect(r, {X, Y});
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

void TSkinZoneView::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect&) {
  if (!FEnableUpdateView || FUpdateCount > 0) return;
  PrepareDisplay();
  if (FRedrawAllDispalyZones) Graphics.Clear(Gdiplus::Color(0x00000000));
  DrawZones(Graphics);
  DrawScrollBars(Graphics);
  FRedrawAllDispalyZones = false;
}

void TSkinZoneView::DrawZones(Gdiplus::Graphics& G) {
  for (TZone* z : FDisplayZoneList) {
    bool need = z->DispalyChanged() || FRedrawAllDispalyZones || z->Selected() || z->MouseOver() || z->MouseDown() ||
                z->Blinking() || z->BlinkRedraw();
    z->FDrawRect = ZoneDrawRect(*z);
    const TRect& r = z->FDrawRect;
    if (OnPrepareDrawZone) {
      OnPrepareDrawZone(this, G, z, r);
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
  for (TZone* z : FDisplayZoneList)
    OnAppendDrawZone(this, Graphics, z, z->FDrawRect);
}

// --- Skin.

void TSkinZoneView::ChangeSkinFile() {
  TSkinCustomControl::ChangeSkinFile();
  if (IsDesigning()) return;
  LoadScrollBarImages();
  FRedrawAllDispalyZones = true;
  RepaintSelfImage();
}

void TSkinZoneView::LoadScrollBarImages() {
  TSkinMng& mng = SkinMng();
  if (!mng.Loaded()) return;
  auto& styles = mng.SkinZoneViewItems();
  const TSkinZoneViewScrollBarItem* item = nullptr;
  if (FStyleName.empty())
    item = styles.StyleList.empty() ? nullptr : styles.StyleList.front().get();
  else
    item = styles.GetItem(FStyleName);
  if (!item) return;
  FBitmap_HorzTopBtn = item->Bitmap_HorzTopBtn;
  FBitmap_HorzScrollBtn = item->Bitmap_HorzScrollBtn;
  FBitmap_HorzBottomBtn = item->Bitmap_HorzBottomBtn;
  FBitmap_VertTopBtn = item->Bitmap_VertTopBtn;
  FBitmap_VertScrollBtn = item->Bitmap_VertScrollBtn;
  FBitmap_VertBottomBtn = item->Bitmap_VertBottomBtn;
}

} // namespace qelvane
