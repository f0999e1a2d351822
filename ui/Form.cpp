#include "ui/Form.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Scaling.h"
#include "ui/WindowsDisabled.h"
#include "winbase/Exception.h"
#include "winbase/Guard.h"
#include "winbase/Messages.h"

namespace qelvane {

// --- Handler depth.

THandlerScope::THandlerScope(TCustomForm* AForm) : FForm(AForm) {
  if (FForm) ++FForm->FHandlerDepth;
}

THandlerScope::~THandlerScope() {
  // The form may have been freed directly meanwhile; never touch it then.
  if (FForm && Application().IsLiveForm(FForm)) FForm->LeaveHandler();
}

void TCustomForm::LeaveHandler() {
  if (--FHandlerDepth > 0) return;
  if (FClosePending) {
    FClosePending = false;
    GuardAppException([&] { CloseNow(); });
  }
  if (FReleasePending) {
    FReleasePending = false;
    Application().PostToolkitMessage(CM_RELEASE, reinterpret_cast<WPARAM>(this), 0);
  }
}

// --- Construction.

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
  Application().FormCreated(this);
  FTracker.SetHostRoot(this);
  SetVisible(false);
  // The form's children are built by the derived constructors; FinishCreation
  // calls Loaded on all of them afterwards.
  BeginLoading();
}

TCustomForm::~TCustomForm() {
  MarkDestroying();
  if (!FDestroyedCalled) {
    FDestroyedCalled = true;
    GuardAppException([&] { DoDestroy(); });
  }
  // Children go while the form is still a form (their notices may ask for it).
  while (ComponentCount() > 0)
    FreeComponent(Component(ComponentCount() - 1));
  DestroyHandleTree();
  Application().FormDestroyed(this);
}

void TCustomForm::FinishCreation() {
  BeginLoading(); // components created after the constructor load too
  EndLoading();
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}
void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}
void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}
void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}
void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}
bool TCustomForm::CloseQuery() {
  bool can = true;
  if (OnCloseQuery) OnCloseQuery(this, can);
  return can;
}

// --- Window.

void TCustomForm::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style &= ~(WS_CHILD | WS_VISIBLE); // shown by SetVisible, after DoShow
  Params.WndParent = nullptr;
  switch (FBorderStyle) {
  case bsNone:
    Params.Style |= WS_POPUP;
    break;
  case bsSingle:
  case bsToolWindow:
    Params.Style |= WS_CAPTION | WS_BORDER;
    break;
  case bsSizeable:
  case bsSizeToolWin:
    Params.Style |= WS_CAPTION | WS_THICKFRAME;
    break;
  case bsDialog:
    Params.Style |= WS_POPUP | WS_CAPTION;
    Params.ExStyle |= WS_EX_DLGMODALFRAME;
    break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone) {
    if (FBorderIcons & biSystemMenu) Params.Style |= WS_SYSMENU;
    if ((FBorderIcons & biMinimize) && FBorderStyle != bsDialog) Params.Style |= WS_MINIMIZEBOX;
    if ((FBorderIcons & biMaximize) && FBorderStyle != bsDialog) Params.Style |= WS_MAXIMIZEBOX;
  }
  if (FAlphaBlend) Params.ExStyle |= WS_EX_LAYERED;
}

void TCustomForm::CreateHandle() {
  TCustomControl::CreateHandle();
  if (Icon) {
    SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
    SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
  }
  ApplyLayered();
}

void TCustomForm::ApplyLayered() {
  if (!FHandle) return;
  LONG ex = GetWindowLongW(FHandle, GWL_EXSTYLE);
  if (FAlphaBlend) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(FHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(FHandle, 0, FAlphaBlendValue, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(FHandle, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
  }
}

void TCustomForm::SetAlphaBlend(bool Value) {
  if (Value == FAlphaBlend) return;
  FAlphaBlend = Value;
  ApplyLayered();
}

void TCustomForm::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  if (FAlphaBlend && FHandle) SetLayeredWindowAttributes(FHandle, 0, Value, LWA_ALPHA);
}

void TCustomForm::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  RecreateWnd();
}

TRect TCustomForm::GetClientRect() const {
  if (FHandle) return TCustomControl::GetClientRect();
  // Before the window exists: the frame its styles will give.
  TCreateParams p;
  const_cast<TCustomForm*>(this)->CreateParams(p);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
  return {0, 0, std::max<int32_t>(0, Width() - (r.right - r.left)),
          std::max<int32_t>(0, Height() - (r.bottom - r.top))};
}

void TCustomForm::SetClientSize(int32_t AWidth, int32_t AHeight) {
  SetBounds(Left(), Top(), Width() - ClientWidth() + AWidth, Height() - ClientHeight() + AHeight);
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (Value == FWindowState) return;
  FWindowState = Value;
  if (FHandle && Visible()) {
    static constexpr int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(FHandle, commands[Value]);
  }
}

bool TCustomForm::ComputeShowing() const {
  return Visible() && FHandle && IsWindowVisible(FHandle);
}

void TCustomForm::CenterOnScreen() {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetBounds(work.left + (work.right - work.left - Width()) / 2, work.top + (work.bottom - work.top - Height()) / 2,
            Width(), Height());
}

void TCustomForm::SetVisible(bool Value) {
  if (Value == Visible()) return;
  if (Value) {
    HandleNeeded();
    if (!FShownOnce) {
      FShownOnce = true;
      if (Position == poScreenCenter) CenterOnScreen();
    }
    TControl::SetVisible(true);
    DoShow();
    static constexpr int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(FHandle, commands[FWindowState]);
    UpdateShowing();
    if (TWinControl* active = ActiveControl(); active && active->CanFocus()) active->SetFocus();
  } else {
    if (FHandle) {
      DoHide();
      ShowWindow(FHandle, SW_HIDE);
    }
    TControl::SetVisible(false);
    UpdateShowing();
  }
}

// --- Closing.

void TCustomForm::Close() {
  if (FHandlerDepth > 0) {
    FClosePending = true;
    return;
  }
  CloseNow();
}

void TCustomForm::CloseNow() {
  if (FModal) {
    if (FModalResult == mrNone) FModalResult = mrCancel; // the modal loop closes it
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (this == Application().MainForm()) {
    Hide();
    Application().Terminate();
    return;
  }
  switch (action) {
  case caHide:
    Hide();
    break;
  case caMinimize:
    SetWindowState(wsMinimized);
    break;
  case caFree:
    Hide();
    Release();
    break;
  default:
    break;
  }
}

void TCustomForm::CloseModal() {
  TCloseAction action = caHide;
  if (!CloseQuery()) {
    FModalResult = mrNone;
    return;
  }
  DoClose(action);
  if (action == caNone) {
    FModalResult = mrNone;
    return;
  }
  if (action == caFree) Release();
}

void TCustomForm::Release() {
  Application().PostToolkitMessage(CM_RELEASE, reinterpret_cast<WPARAM>(this), 0);
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || FModal) throw Exception(L"Cannot make a visible window modal");
  HWND previousActive = GetActiveWindow();
  HandleNeeded();
  // The modal form stays above the window that opened it.
  if (previousActive && previousActive != FHandle)
    SetWindowLongPtrW(FHandle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previousActive));
  TWindowsDisabled disabled(FHandle);
  FModal = true;
  FModalResult = mrNone;
  struct TRestore {
    TCustomForm* Form;
    TWindowsDisabled& Disabled;
    HWND Previous;
    ~TRestore() {
      // Enabled first: a disabled window cannot be activated below.
      Disabled.Restore();
      if (Application().IsLiveForm(Form)) {
        Form->FModal = false;
        if (Form->Visible()) Form->Hide();
      }
      if (Previous && IsWindow(Previous)) SetActiveWindow(Previous);
    }
  } restore{this, disabled, previousActive};
  Show();
  SetForegroundWindow(FHandle);
  while (true) {
    Application().HandleMessage();
    if (FModalResult != mrNone) {
      CloseModal();
      if (FModalResult != mrNone) break;
    }
  }
  return FModalResult;
}

// --- Keys.

namespace {

bool OfferDialogKey(TWinControl& AParent, WORD Key, TShiftState Shift) {
  for (std::size_t i = 0; i < AParent.ControlCount(); ++i) {
    TControl* c = AParent.Controls(i);
    if (!c->Visible()) continue;
    if (c->CMDialogKey(Key, Shift)) return true;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && OfferDialogKey(*w, Key, Shift)) return true;
  }
  return false;
}

bool OfferDialogChar(TWinControl& AParent, wchar_t Char) {
  for (std::size_t i = 0; i < AParent.ControlCount(); ++i) {
    TControl* c = AParent.Controls(i);
    if (!c->Visible() || !c->EffectivelyEnabled()) continue;
    if (c->CMDialogChar(Char)) return true;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && OfferDialogChar(*w, Char)) return true;
  }
  return false;
}

void CollectTabStops(TWinControl& AParent, std::vector<TWinControl*>& AOut) {
  for (std::size_t i = 0; i < AParent.ControlCount(); ++i) {
    auto* w = dynamic_cast<TWinControl*>(AParent.Controls(i));
    if (!w) continue;
    if (w->TabStop && w->CanFocus()) AOut.push_back(w);
    CollectTabStops(*w, AOut);
  }
}

} // namespace

bool TCustomForm::DialogKey(WORD Key, TShiftState Shift) {
  if (OfferDialogKey(*this, Key, Shift)) return true;
  if (Key == VK_TAB && !(Shift & (ssCtrl | ssAlt))) {
    std::vector<TWinControl*> stops;
    CollectTabStops(*this, stops);
    if (stops.empty()) return false;
    auto it = std::find(stops.begin(), stops.end(), ActiveControl());
    std::size_t i = it == stops.end() ? 0 : static_cast<std::size_t>(it - stops.begin());
    if (it != stops.end()) i = (Shift & ssShift) ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
    stops[i]->SetFocus();
    return true;
  }
  return false;
}

bool TCustomForm::DialogChar(wchar_t Char) {
  return OfferDialogChar(*this, Char);
}

// --- Messages.

void TCustomForm::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_CLOSE:
    Close();
    return;
  case WM_GETMINMAXINFO: {
    TCustomControl::WndProc(m);
    auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
    if (Constraints.MinWidth > 0) info->ptMinTrackSize.x = Constraints.MinWidth;
    if (Constraints.MinHeight > 0) info->ptMinTrackSize.y = Constraints.MinHeight;
    if (Constraints.MaxWidth > 0) info->ptMaxTrackSize.x = Constraints.MaxWidth;
    if (Constraints.MaxHeight > 0) info->ptMaxTrackSize.y = Constraints.MaxHeight;
    return;
  }
  case WM_SIZE:
    switch (m.WParam) {
    case SIZE_MINIMIZED:
      FWindowState = wsMinimized;
      break;
    case SIZE_MAXIMIZED:
      FWindowState = wsMaximized;
      break;
    case SIZE_RESTORED:
      FWindowState = wsNormal;
      break;
    default:
      break;
    }
    TCustomControl::WndProc(m);
    return;
  case WM_SHOWWINDOW:
    TCustomControl::WndProc(m);
    UpdateShowing();
    return;
  case WM_ACTIVATE:
    TCustomControl::WndProc(m);
    if (LOWORD(m.WParam) != WA_INACTIVE)
      if (TWinControl* active = ActiveControl(); active && active != this && active->CanFocus()) active->SetFocus();
    return;
  default:
    break;
  }
  TCustomControl::WndProc(m);
}

} // namespace qelvane
