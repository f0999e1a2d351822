#include "ui/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "core/layout/Align.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/HostTracker.h"
#include "ui/Scaling.h"
#include "winbase/Exception.h"
#include "winbase/Guard.h"

namespace qelvane {

namespace {

constexpr wchar_t kWindowClass[] = L"QelvaneWindow";
// The window property naming a window's object. Properties can be read
// across processes, so the name carries the process id: a window of another
// process (found under the pointer, say, or another running copy of this
// program) never yields an address that is meaningless here.
const wchar_t* ControlProp() {
  static const std::wstring name = L"QelvaneControl." + std::to_wstring(GetCurrentProcessId());
  return name.c_str();
}
// The object whose window is being created (CreateWindowEx runs our window
// procedure before it returns the handle).
TWinControl* GCreating = nullptr;

ATOM RegisterToolkitClass(UINT AStyle) {
  // One class per class style; the toolkit uses very few.
  static std::vector<std::pair<UINT, ATOM>> classes;
  for (auto& c : classes)
    if (c.first == AStyle) return c.second;
  const std::wstring name = std::wstring(kWindowClass) + std::to_wstring(AStyle);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = AStyle;
  wc.lpfnWndProc = TWinControl::ClassWndProc();
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = nullptr; // WM_SETCURSOR chooses
  wc.lpszClassName = name.c_str();
  ATOM atom = RegisterClassExW(&wc);
  if (!atom) throw EOSError(GetLastError(), L"RegisterClassEx");
  classes.push_back({AStyle, atom});
  return atom;
}

} // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Children that outlive this control (owned elsewhere) are let go.
  while (!FControls.empty()) {
    TControl* c = FControls.back();
    FControls.pop_back();
    c->FParent = nullptr;
  }
  DestroyHandleTree();
}

TWinControl* TWinControl::FindControl(HWND AWnd) {
  if (!AWnd) return nullptr;
  return static_cast<TWinControl*>(GetPropW(AWnd, ControlProp()));
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = Caption();
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (FParent) Params.Style |= WS_CHILD;
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (TabStop) Params.Style |= WS_TABSTOP;
  const TRect r = ToDevice(BoundsRect());
  Params.X = r.Left;
  Params.Y = r.Top;
  Params.Width = RectWidth(r);
  Params.Height = RectHeight(r);
  if (FParent) Params.WndParent = FParent->Handle();
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateWnd();
  return FHandle;
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (FParent && !p.WndParent) p.WndParent = FParent->Handle();
  HWND wnd = nullptr;
  TWinControl* const previous = GCreating;
  GCreating = this;
  if (p.SystemClassName.empty()) {
    const ATOM atom = RegisterToolkitClass(p.WindowClassStyle);
    // The object takes the window with its first message, so even
    // WM_NCCREATE and WM_NCCALCSIZE reach it.
    wnd = CreateWindowExW(p.ExStyle, MAKEINTATOM(atom), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width, p.Height,
                          p.WndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
  } else {
    wnd = CreateWindowExW(p.ExStyle, p.SystemClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width, p.Height,
                          p.WndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (wnd && !FHandle) AttachWindow(wnd);
  }
  GCreating = previous;
  if (!wnd) throw EOSError(GetLastError(), L"CreateWindowEx");
  if (!FHandle) AttachWindow(wnd);
  if (HFONT f = Font().Handle()) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
  FShowing = ComputeShowing();
  CreateHandle();
  // Children get their windows now, in z-order.
  for (TControl* c : std::vector<TControl*>(FControls))
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
  Realign();
}

void TWinControl::AttachWindow(HWND Wnd) {
  FHandle = Wnd;
  SetPropW(Wnd, ControlProp(), this);
  // Our class starts on DefWindowProc; a system class keeps its own
  // procedure as the default handler.
  WNDPROC previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StdWndProc)));
  FDefWndProc = previous == &TWinControl::StdWndProc ? DefWindowProcW : previous;
}

void TWinControl::DetachWindow() {
  if (!FHandle) return;
  RemovePropW(FHandle, ControlProp());
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
  FHandle = nullptr;
}

void TWinControl::DestroyWnd() {
  if (!FHandle) return;
  DestroyHandle();
  HWND h = FHandle;
  // Children's windows go with this one; their objects forget them first.
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandleTree();
  DestroyWindow(h);
  if (FHandle == h) DetachWindow();
  FShowing = false;
}

void TWinControl::DestroyHandleTree() {
  if (FHandle) DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyWnd();
  CreateWnd();
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* c = FindControl(Wnd);
  if (!c && GCreating && !GCreating->FHandle) {
    // The first message of a window of ours being created.
    GCreating->AttachWindow(Wnd);
    c = GCreating;
  }
  if (!c) return DefWindowProcW(Wnd, Msg, WParam, LParam);
  TMessage m{Msg, WParam, LParam, 0};
  THandlerScope scope(c->ParentForm());
  GuardAppException([&] { c->WindowProc(m); });
  if (Msg == WM_NCDESTROY) {
    // The window is gone; the object (if it still exists) forgets it.
    if (TWinControl* still = FindControl(Wnd)) still->DetachWindow();
  }
  return m.Result;
}

void TWinControl::DefaultHandler(TMessage& Message) {
  Message.Result =
      CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT TWinControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  WindowProc(m);
  return m.Result;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_MOUSEMOVE:
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP:
  case WM_MBUTTONDBLCLK:
    MouseMessage(m);
    DefaultHandler(m);
    return;
  case WM_MOUSELEAVE:
    FTrackingLeave = false;
    HostTrackerOf(*this).MouseLeftWindow(*this);
    return;
  case WM_CAPTURECHANGED:
    HostTrackerOf(*this).CaptureChanged(*this);
    DefaultHandler(m);
    return;
  case WM_SETCURSOR:
    if (SetCursorMessage(m)) return;
    break;
  case WM_SETFOCUS:
    DefaultHandler(m);
    HostTrackerOf(*this).FocusChanged(*this, true);
    return;
  case WM_KILLFOCUS:
    DefaultHandler(m);
    HostTrackerOf(*this).FocusChanged(*this, false);
    return;
  case WM_WINDOWPOSCHANGED:
    DefaultHandler(m);
    UpdateBoundsFromWindow();
    return;
  case WM_ERASEBKGND:
    if (FDefWndProc == DefWindowProcW) {
      RECT rc;
      ::GetClientRect(FHandle, &rc);
      TBrushHandle b(CreateSolidBrush(ColorToRGB(Color())));
      FillRect(reinterpret_cast<HDC>(m.WParam), &rc, b.Get());
      m.Result = 1;
      return;
    }
    break;
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam))) {
      if (HBRUSH b = child->CtlColor(reinterpret_cast<HDC>(m.WParam))) {
        m.Result = reinterpret_cast<LRESULT>(b);
        return;
      }
    }
    break;
  case WM_COMMAND:
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam))) {
      child->Command(HIWORD(m.WParam));
      return;
    }
    break;
  case WM_PAINT:
    if (FDefWndProc != DefWindowProcW) {
      // A system control paints itself; graphic children follow.
      DefaultHandler(m);
      return;
    }
    {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(FHandle, &ps);
      PaintControls(dc, &ps.rcPaint);
      EndPaint(FHandle, &ps);
    }
    return;
  default:
    break;
  }
  DefaultHandler(m);
}

void TWinControl::MouseMessage(TMessage& m) {
  if (!FTrackingLeave && m.Msg == WM_MOUSEMOVE) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, FHandle, HOVER_DEFAULT};
    FTrackingLeave = TrackMouseEvent(&t) != FALSE;
  }
  HostTrackerOf(*this).MouseMessage(*this, m.Msg, m.WParam, {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
}

bool TWinControl::SetCursorMessage(TMessage& m) {
  if (LOWORD(m.LParam) != HTCLIENT || reinterpret_cast<HWND>(m.WParam) != FHandle) return false;
  POINT pt;
  GetCursorPos(&pt);
  const TPoint p = ScreenToClient({pt.x, pt.y});
  TControl* c = ControlAtPos(p, true);
  if (!c) c = this;
  if (c->Cursor == crDefault && FDefWndProc != DefWindowProcW) return false; // the system control's own cursor
  LPCWSTR id = IDC_ARROW;
  switch (c->Cursor) {
  case crHandPoint:
    id = IDC_HAND;
    break;
  case crIBeam:
    id = IDC_IBEAM;
    break;
  default:
    break;
  }
  SetCursor(LoadCursorW(nullptr, id));
  m.Result = TRUE;
  return true;
}

HBRUSH TWinControl::CtlColor(HDC ADC) {
  SetTextColor(ADC, ColorToRGB(Font().Color()));
  const COLORREF bk = ColorToRGB(Color());
  SetBkColor(ADC, bk);
  if (!FCtlBrush || FCtlBrushColor != bk) {
    FCtlBrush.Reset(CreateSolidBrush(bk));
    FCtlBrushColor = bk;
  }
  return FCtlBrush.Get();
}

// --- Children and layout.

void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  AControl->FParent = this;
  AControl->ParentFontChanged();
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (FHandle) {
      if (w->FHandle) {
        // Run-time reparenting: the window moves with the object.
        ::SetParent(w->FHandle, FHandle);
        w->ApplyBoundsToWindow();
      } else {
        w->HandleNeeded();
      }
    } else if (w->FHandle) {
      w->DestroyHandleTree();
    }
    w->UpdateShowing();
  } else {
    AControl->Invalidate();
  }
  if (AControl->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* AControl) {
  auto it = std::find(FControls.begin(), FControls.end(), AControl);
  if (it == FControls.end()) return;
  AControl->Invalidate();
  FControls.erase(it);
  AControl->FParent = nullptr;
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (w->FHandle && !IsDestroying()) {
      // Keep the window until the control gets a new parent.
      ShowWindow(w->FHandle, SW_HIDE);
      ::SetParent(w->FHandle, Application().Handle());
    }
    w->FShowing = false;
  }
  if (AControl->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AAllowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible()) continue;
    if (!AAllowDisabled && !c->Enabled()) continue;
    if (PtInRect(c->BoundsRect(), P)) return c;
  }
  return nullptr;
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
  // Anchored children follow a change of the client size.
  const int32_t w = ClientWidth(), h = ClientHeight();
  if (FAnchorParentWidth >= 0 && (w != FAnchorParentWidth || h != FAnchorParentHeight)) {
    for (TControl* c : FControls) {
      if (c->Align() != alNone || c->Anchors() == (akLeft | akTop)) continue;
      const TRect r = AnchorBounds(c->BoundsRect(), c->Anchors(), FAnchorParentWidth, FAnchorParentHeight, w, h);
      c->SetBounds(r.Left, r.Top, RectWidth(r), RectHeight(r));
    }
  }
  FAnchorParentWidth = w;
  FAnchorParentHeight = h;

  std::vector<TAlignItem> items;
  items.reserve(FControls.size());
  for (TControl* c : FControls)
    items.push_back({c->Align(), c->Visible(), c->BoundsRect()});
  AlignItems(Rect, items);
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    TControl* c = FControls[i];
    if (c->Align() == alNone || c->Align() == alCustom || !c->Visible()) continue;
    const TRect& r = items[i].Bounds;
    c->SetBounds(r.Left, r.Top, RectWidth(r), RectHeight(r));
  }
}

void TWinControl::Realign() {
  if (FAlignLevel > 0 || IsDestroying()) {
    FRealignPending = true;
    return;
  }
  FRealignPending = false;
  ++FAlignLevel; // children resizing during the layout do not restart it
  TRect r = GetClientRect();
  AdjustClientRect(r);
  AlignControls(nullptr, r);
  --FAlignLevel;
}

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && FRealignPending) Realign();
}

void TWinControl::RequestAlign() {
  TControl::RequestAlign();
}

// --- Bounds and showing.

void TWinControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  const bool moved = ALeft != Left() || ATop != Top();
  const bool resized = AWidth != Width() || AHeight != Height();
  if (!moved && !resized) return;
  StoreBounds(ALeft, ATop, AWidth, AHeight);
  if (FHandle) {
    ApplyBoundsToWindow(); // WM_WINDOWPOSCHANGED brings the notices
  } else {
    BoundsChanged(moved, resized);
  }
}

void TWinControl::ApplyBoundsToWindow() {
  const TRect r = ToDevice(BoundsRect());
  FSettingBounds = true;
  SetWindowPos(FHandle, nullptr, r.Left, r.Top, RectWidth(r), RectHeight(r), SWP_NOZORDER | SWP_NOACTIVATE);
  FSettingBounds = false;
  // The window may not report a change it did not see (same rectangle).
  UpdateBoundsFromWindow();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!FHandle) return;
  RECT wr;
  GetWindowRect(FHandle, &wr);
  POINT tl{wr.left, wr.top};
  if (HWND parent = GetParent(FHandle); parent && (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
    ::ScreenToClient(parent, &tl);
  const TRect r = FromDevice({tl.x, tl.y, tl.x + (wr.right - wr.left), tl.y + (wr.bottom - wr.top)});
  // A minimised top-level window keeps its normal bounds.
  if (IsIconic(FHandle)) return;
  const bool moved = r.Left != Left() || r.Top != Top();
  const bool resized = RectWidth(r) != Width() || RectHeight(r) != Height();
  const bool clientResized = [&] {
    RECT cr;
    ::GetClientRect(FHandle, &cr);
    return cr.right != FLastClientWidth || cr.bottom != FLastClientHeight;
  }();
  StoreBounds(r.Left, r.Top, RectWidth(r), RectHeight(r));
  if (moved || resized || clientResized) {
    RECT cr;
    ::GetClientRect(FHandle, &cr);
    FLastClientWidth = cr.right;
    FLastClientHeight = cr.bottom;
    BoundsChanged(moved, resized || clientResized);
  }
}

void TWinControl::BoundsChanged(bool Moved, bool Resized) {
  if (Resized) Realign();
  TControl::BoundsChanged(Moved, Resized);
}

bool TWinControl::ComputeShowing() const {
  if (!Visible()) return false;
  if (FParent) return FParent->Showing();
  return FHandle && IsWindowVisible(FHandle);
}

void TWinControl::UpdateShowing() {
  const bool showing = ComputeShowing();
  if (showing != FShowing) {
    FShowing = showing;
    CMShowingChanged();
  }
  for (TControl* c : std::vector<TControl*>(FControls))
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
}

void TWinControl::SetWindowVisible(bool AVisible) {
  if (!FHandle) return;
  if (AVisible)
    ShowWindow(FHandle, FParent ? SW_SHOWNA : SW_SHOW);
  else
    ShowWindow(FHandle, SW_HIDE);
}

void TWinControl::SetVisible(bool Value) {
  if (Value == Visible()) return;
  TControl::SetVisible(Value);
  if (Value && FParent && FParent->HandleAllocated()) HandleNeeded();
  SetWindowVisible(Value);
  UpdateShowing();
}

void TWinControl::EnabledChangedFromParent() {
  if (FHandle) EnableWindow(FHandle, EffectivelyEnabled());
  TControl::EnabledChangedFromParent();
  // A disabled windowed control disables what lies inside it.
  for (TControl* c : std::vector<TControl*>(FControls))
    if (c->Enabled()) c->EnabledChangedFromParent();
}

TRect TWinControl::GetClientRect() const {
  if (FHandle) {
    RECT r;
    ::GetClientRect(FHandle, &r);
    return FromDevice({r.left, r.top, r.right, r.bottom});
  }
  return TControl::GetClientRect();
}

TPoint TWinControl::ClientOrigin() const {
  if (FHandle) {
    POINT p{0, 0};
    ::ClientToScreen(FHandle, &p);
    return {p.x, p.y};
  }
  return TControl::ClientOrigin();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, Opaque() ? FALSE : TRUE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

// --- Focus.

bool TWinControl::CanFocus() const {
  return Showing() && EffectivelyEnabled();
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  if (CanFocus()) ::SetFocus(Handle());
}

// --- Painting of graphic children.

void TWinControl::PaintControls(HDC ADC, const RECT* AClip) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    if (c->IsWindowed() || !c->Visible()) continue;
    const TRect b = c->BoundsRect();
    if (AClip) {
      RECT inter, rc{b.Left, b.Top, b.Right, b.Bottom};
      if (!IntersectRect(&inter, &rc, AClip)) continue;
    }
    auto* g = static_cast<TGraphicControl*>(c);
    TSavedDC saved(ADC);
    POINT org;
    GetViewportOrgEx(ADC, &org);
    SetViewportOrgEx(ADC, org.x + b.Left, org.y + b.Top, nullptr);
    IntersectClipRect(ADC, 0, 0, c->Width(), c->Height());
    g->PaintWithCanvas(ADC);
  }
}

} // namespace qelvane
