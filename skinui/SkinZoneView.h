#pragma once
// TSkinZoneView: an owner-drawn, scrollable list of zones arranged as a
// tree. The view stacks the visible zones (top-level ones and the children
// of expanded ones) one under the other, keeps the ones inside the viewport,
// draws its own skinned scroll bars and tracks hover, press, selection,
// expansion and blinking per zone. What a zone looks like is left to the
// OnDrawZone handlers (a zone-view style, TBaseZoneViewStyle, supplies one).
//
// The layout is kept between paints and made again only when the tree, a
// zone's size or expansion, the margins or the client size changed, so a
// scroll step costs work in proportion to the zones in the viewport.
//
// The view owns two helpers: its scroll bars (TZoneScrollBars: positions,
// bar geometry and drawing, arrows and the thumb drag) and the walker of its
// tree (TZoneWalker: visiting zones, hit tests, moving and freeing subtrees,
// and keeping zones freed by handlers alive until the walk that called them
// ends). The view keeps its properties, events, layout, painting and input.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/layout/ZoneLayout.h"
#include "drawing/GdiBitmap.h"
#include "skinui/SkinControl.h"
#include "skinui/SkinZoneViewBars.h"
#include "skinui/SkinZoneViewWalk.h"
#include "skinui/SkinZoneViewZones.h"
#include "ui/Timer.h"

namespace qelvane {

class TBaseZoneViewStyle;

using TDrawHeadEvent = std::function<void(TObject* ASender, Gdiplus::Graphics& AGraphics, const TRect& ADrawRect)>;
using TDrawZoneEvent =
    std::function<void(TObject* ASender, Gdiplus::Graphics& AGraphics, TZone* AZone, const TRect& ADrawRect)>;
using TZoneMouseMoveEvent = std::function<void(TObject* ASender, TZone* AZone, int32_t X, int32_t Y)>;
using TZoneEvent = std::function<void(TObject* ASender, TZone* AZone, const TRect& AZoneRect)>;
using TZoneStateEvent = std::function<void(TObject* ASender, TZone* AZone, const TRect& AZoneRect, bool AState)>;
using TAdjustZoneRectEvent = std::function<void(TObject* ASender, TZone* AZone, TRect& AZoneRect)>;

class TSkinZoneView : public TSkinCustomControl {
public:
  explicit TSkinZoneView(TComponent* AOwner);
  ~TSkinZoneView() override;
  std::wstring_view ClassName() const override { return L"TSkinZoneView"; }

  TZoneList& Zones() { return *FZones; }

  // --- Layout.
  const TZoneMargins& ClientMargins() const { return FClientMargins; }
  void SetClientMargins(const TZoneMargins& Value);
  int32_t ItemSpace() const { return FItemSpace; }
  void SetItemSpace(int32_t Value);
  // Zones take the view's width (and no horizontal bar shows).
  bool FillWidth() const { return FFillWidth; }
  void SetFillWidth(bool Value);

  // --- Behaviour.
  bool MultiSelect = false;
  bool MultiExpand = true;
  // A press outside every zone clears the selection.
  bool HideSelection = true;
  // The wheel scrolls only while the mouse is over the view.
  bool EnableWheelInSelf = false;
  // OnMouseEnterHover after the mouse stayed HoverInterval ms over the view,
  // OnMouseLeaveHover as long after it left.
  bool EnableHover = false;
  uint32_t HoverInterval = 1000;

  // The scroll-bar style of the skin (the first one when empty).
  const std::wstring& StyleName() const { return FStyleName; }
  void SetStyleName(const std::wstring& Value);

  // --- Timers. The intervals take effect only while the timer is closed.
  bool IdleTimerEnable() const { return FIdleTimerEnable; }
  void SetIdleTimerEnable(bool Value);
  uint32_t IdleTimerInterval() const { return FIdleTimerInterval; }
  void SetIdleTimerInterval(uint32_t Value);
  bool BlinkTimerEnable() const { return FBlinkTimerEnable; }
  void SetBlinkTimerEnable(bool Value);
  uint32_t BlinkTimerInterval() const { return FBlinkTimerInterval; }
  void SetBlinkTimerInterval(uint32_t Value);
  void OpenIdleTimer();
  void CloseIdleTimer();
  void OpenBlinkTimer();
  void CloseBlinkTimer();
  // Zones of the tree that blink.
  int GetBlinkingZoneCount() const;

  // --- Scrolling (positions in pixels; clamped into the ranges when the
  // view is laid out).
  bool HorzScrollVisible() const { return FBars->Scroll().HorzVisible; }
  bool VertScrollVisible() const { return FBars->Scroll().VertVisible; }
  int32_t HorzScrollPosition() const { return FBars->HorzPosition(); }
  int32_t VertScrollPosition() const { return FBars->VertPosition(); }
  void SetHorzScrollPosition(int32_t Value);
  void SetVertScrollPosition(int32_t Value);
  // The layout's figures and bar geometry (PrepareDisplay makes them).
  const TZoneScroll& Scroll() const { return FBars->Scroll(); }
  const TScrollBarRects& HorzScrollBar() const { return FBars->Horz(); }
  const TScrollBarRects& VertScrollBar() const { return FBars->Vert(); }
  int32_t TotalHeight() const { return FTotalHeight; }
  int32_t MaxWidth() const { return FMaxWidth; }
  bool PtInVertScrollBar(TPoint P) const;

  // --- Updates.
  void BeginUpdate();
  void EndUpdate();
  // Allow updates again and redraw everything.
  void Repaint() override;
  void RedrawView() { Repaint(); }

  // --- Queries.
  // The first selected zone in tree order (a zone before its children).
  TZone* GetSelected() const;
  void GetSelectedList(std::vector<TZone*>& AList) const;
  // Deselects every selected zone of the tree, reporting each.
  void ClearSelectedZones();
  // Zones of the tree; with AVisible children count only below expanded zones.
  int GetTotalZoneCount(bool AVisible) const;
  // With AVisible the heights of the zones in the viewport, otherwise the
  // whole stack's height.
  int32_t GetTotalZoneHeight(bool AVisible);
  // The first zone in the viewport under the point (rectangles as adjusted
  // by OnAdjustZoneRect); none over the scroll bars.
  TZone* GetZoneFromPoint(int32_t X, int32_t Y);
  TZone* GetZoneFromPoint(TPoint P) { return GetZoneFromPoint(P.X, P.Y); }
  // A copy of the zone's pixels as last composed (its width, or with
  // FillWidth the view's width less the margins); null for no zone.
  std::unique_ptr<TGdiBitmap> GetZoneBitmap(const TZone* AZone) const;
  // Lays the view out now (a paint does it too).
  void PrepareDisplay();
  // The zones laid out, in display order, and those inside the viewport.
  const std::vector<TZone*>& VisibleZoneList() const { return FVisibleZoneList; }
  const std::vector<TZone*>& DisplayZoneList() const { return FDisplayZoneList; }
  // Where a zone lies on the control now (its display rectangle scrolled).
  TRect ZoneDrawRect(const TZone& AZone) const;

  // --- Events.
  TDrawHeadEvent OnDrawHead;
  TDrawZoneEvent OnDrawZone, OnAppendDrawZone, OnPrepareDrawZone;
  TZoneMouseMoveEvent OnMouseMoveZone;
  TZoneEvent OnClickZone, OnDblClickZone, OnZonePopup, OnBlinkZone;
  TZoneStateEvent OnSelectZone, OnExpandZone;
  TAdjustZoneRectEvent OnAdjustZoneRect;
  TNotifyEvent OnClientPopup, OnIdleTimer, OnDeActive, OnMouseEnterHover, OnMouseLeaveHover;

  // Mouse and notices (called by the hosting form).
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void Click() override;
  void DblClick() override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void CMFocusChanged(bool AFocused) override;

  // Whether the hover state was reached (EnableHover).
  bool IsMouseHovered() const { return FIsMouseHovered; }

protected:
  IGPBitmap CreateSelfBufferBitmap() override;
  void Paint() override;
  void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void ChangeSkinFile() override;
  void WndProc(TMessage& Message) override;

private:
  friend class TZone;
  friend class TZoneList;
  friend class TZoneWalker;
  friend class TBaseZoneViewStyle;

  // --- Called by the zones and the walker.
  // The tree, a size or an expansion changed: lay out again.
  void LayoutChanged();
  // AZone is about to be freed or left the tree: forget every reference to zones.
  void ZoneFreed(TZone* AZone);
  // A list lets go of a zone: freed now, or after the walk that runs handlers.
  void FreeZone(std::unique_ptr<TZone> AZone);
  void ZoneExpanding(TZone& AZone);
  void ZoneExpanded(TZone& AZone);
  void ZoneSelected(TZone& AZone);
  void ZoneBlinkingChanged(TZone& AZone);

  // --- Layout.
  void ForgetLayout();
  void Relayout();
  TZoneScrollInput StackSize() const;
  // The zones in the viewport as a copy: handlers may change the layout.
  std::vector<TZone*> DisplayedZones() const { return FDisplayZoneList; }

  // --- Painting.
  void DrawZones(Gdiplus::Graphics& G);

  // --- Input.
  TZone* ZoneUnderCursor();
  void ClearZoneHover();
  void UpdateHover(int32_t X, int32_t Y);
  void HoverAfterScroll();
  bool CursorInClient() const;
  void MouseWheel(int ADelta);
  void KeyDown(WORD AKey);
  void EnterHoverTimerTimer();
  void LeaveHoverTimerTimer();
  void BlinkTimerTimer();

  std::unique_ptr<TZoneList> FZones;
  std::unique_ptr<TZoneWalker> FWalker;
  std::unique_ptr<TZoneScrollBars> FBars;
  std::vector<TZone*> FVisibleZoneList;
  std::vector<TRect> FVisibleRects;
  std::vector<TZone*> FDisplayZoneList;
  std::vector<std::size_t> FDisplayIndexes;
  std::size_t FLastDisplayCount = 0;
  TZone* FLastMouseOverZone = nullptr;

  TZoneMargins FClientMargins;
  int32_t FItemSpace = 0;
  bool FFillWidth = true;
  int32_t FMaxWidth = 0, FTotalHeight = 0, FLastTotalHeight = -1;
  int32_t FLastActualClientHeight = -1;
  bool FLayoutValid = false;
  bool FOrdered = true;
  int32_t FLayoutClientWidth = -1, FLayoutClientHeight = -1;
  bool FPrepareDisplay = false;
  bool FRedrawAllDispalyZones = true;
  bool FEnableUpdateView = true;
  int FUpdateCount = 0;
  bool FDestroying = false;
  // A handler changed the tree while the view painted: paint again after.
  bool FPainting = false, FRepaintAfterPaint = false;

  std::wstring FStyleName;
  bool FMouseDown = false;

  // Timers are owned components of the view, made on first use.
  TTimer* FEnterHoverTimer = nullptr;
  TTimer* FLeaveHoverTimer = nullptr;
  bool FIsStartHoverTimer = false, FIsMouseHovered = false;

  TTimer* FIdleTimer = nullptr;
  TTimer* FBlinkTimer = nullptr;
  bool FIdleTimerEnable = false, FBlinkTimerEnable = false;
  uint32_t FIdleTimerInterval = 1000, FBlinkTimerInterval = 250;

  // Styles attached to the view, in the order they were attached (they let
  // go of it when it goes).
  std::vector<TBaseZoneViewStyle*> FStyles;
};

} // namespace qelvane
