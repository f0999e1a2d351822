#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/HostTracker.h"
#include "ui/WinControl.h"

namespace qelvane {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  FFont.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  MarkDestroying();
  LeaveHostTracking();
  if (FParent) FParent->RemoveControl(this);
}

void TControl::LeaveHostTracking() {
  // Every tracker that may know the control: its form's and the application's.
  if (TCustomForm* form = ParentForm()) form->Tracker().ControlGone(this);
  Application().Tracker().ControlGone(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (FParent) {
    HostTrackerOf(*this).ControlHidden(this);
    LeaveHostTracking();
    FParent->RemoveControl(this);
  }
  FParent = nullptr;
  if (AParent) AParent->InsertControl(this);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->FParent)
    c = c->FParent;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::StoreBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  const bool moved = ALeft != FLeft || ATop != FTop;
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  if (!moved && !resized) return;
  // A graphic control repaints where it was and where it is now.
  if (FParent && FVisible) Invalidate();
  StoreBounds(ALeft, ATop, AWidth, AHeight);
  if (FParent && FVisible) Invalidate();
  BoundsChanged(moved, resized);
}

void TControl::BoundsChanged(bool, bool Resized) {
  if (Resized) Resize();
  RequestAlign();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::RequestAlign() {
  if (FParent && FAlign != alNone) FParent->Realign();
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  const TPoint p = FParent->ClientOrigin();
  return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  const TPoint o = ClientOrigin();
  return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  const TPoint o = ClientOrigin();
  return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  if (!Value) HostTrackerOf(*this).ControlHidden(this);
  FVisible = Value;
  if (FParent) {
    // The area it covered (or now covers) is painted again by the parent.
    const TRect r = BoundsRect();
    if (HWND h = FParent->HandleIfAllocated()) {
      RECT rc{r.Left, r.Top, r.Right, r.Bottom};
      InvalidateRect(h, &rc, TRUE);
    }
    if (FAlign != alNone) FParent->Realign();
  }
  CMVisibleChanged();
}

bool TControl::Showing() const {
  return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  if (!Value) HostTrackerOf(*this).ControlHidden(this);
  FEnabled = Value;
  EnabledChangedFromParent();
}

bool TControl::EffectivelyEnabled() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FEnabled) return false;
  return true;
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent) FParent->Realign();
}

void TControl::SetParentFont(bool Value) {
  if (Value == FParentFont) return;
  FParentFont = Value;
  if (Value && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FSettingParentFont = true;
  FFont.Assign(FParent->Font());
  FSettingParentFont = false;
}

void TControl::FontChanged() {
  // An explicit font change breaks the link to the parent's font.
  if (!FSettingParentFont) FParentFont = false;
  CMFontChanged();
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (std::size_t i = 0; i < w->ControlCount(); ++i)
      w->Controls(i)->ParentFontChanged();
}

void TControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  CMColorChanged();
}

void TControl::SetCaption(const std::wstring& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowTextW(w->HandleIfAllocated(), FCaption.c_str());
  CMTextChanged();
}

void TControl::SetMouseInClient(bool Value) {
  if (Value == FMouseInClient) return;
  FMouseInClient = Value;
  if (Value)
    CMMouseEnter();
  else
    CMMouseLeave();
}

void TControl::CMMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::Invalidate() {
  if (!FParent || !FVisible) return;
  if (HWND h = FParent->HandleIfAllocated()) {
    RECT rc{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
    InvalidateRect(h, &rc, FALSE);
  }
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::Click() {
  if (OnClick) OnClick(this);
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

} // namespace qelvane
