#include "ui/Application.h"

#include "ui/Form.h"
#include "winbase/Guard.h"
#include "winbase/Messages.h"

namespace qelvane {

TApplication& Application() {
  static TApplication app;
  return app;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  // Forms go first (they are owned components), then the window.
  DestroyComponents();
  if (FHandle) DestroyWindow(FHandle);
}

void TApplication::DestroyComponents() {
  while (ComponentCount() > 0)
    FreeComponent(Component(ComponentCount() - 1));
}

HWND TApplication::Handle() {
  if (!FHandle) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TApplication::ToolkitWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QelvaneApplication";
    RegisterClassExW(&wc);
    // A hidden tool window: it owns popups and never shows on the taskbar.
    FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              wc.hInstance, nullptr);
  }
  return FHandle;
}

LRESULT CALLBACK TApplication::ToolkitWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TApplication& app = Application();
  switch (Msg) {
  case CM_RELEASE:
    GuardAppException([&] {
      auto* form = reinterpret_cast<TCustomForm*>(WParam);
      if (!app.IsLiveForm(form)) return;
      if (form->FHandlerDepth > 0) {
        form->FReleasePending = true; // freed when its handlers have returned
        return;
      }
      if (TComponent* owner = form->Owner()) owner->FreeComponent(form);
    });
    return 0;
  default:
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  }
}

void TApplication::PostToolkitMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  PostMessageW(Handle(), Msg, WParam, LParam);
}

void TApplication::FormDestroyed(TCustomForm* AForm) {
  FForms.erase(AForm);
  if (FMainForm == AForm) FMainForm = nullptr;
}

bool TApplication::PreTranslate(MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN && Msg.message != WM_SYSCHAR) return false;
  // The control the key is for, and its form.
  TWinControl* c = nullptr;
  for (HWND w = Msg.hwnd; w && !c; w = GetParent(w))
    c = TWinControl::FindControl(w);
  if (!c) return false;
  TCustomForm* form = c->ParentForm();
  if (!form) return false;
  THandlerScope scope(form);
  // A key whose handler failed counts as handled: it is not delivered twice.
  bool handled = true;
  GuardAppException([&] {
    if (Msg.message == WM_SYSCHAR) {
      handled = form->DialogChar(static_cast<wchar_t>(Msg.wParam));
      return;
    }
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    handled = form->DialogKey(static_cast<WORD>(Msg.wParam), shift);
  });
  return handled;
}

void TApplication::Dispatch(MSG& Msg) {
  if (Msg.message == WM_QUIT) {
    // A quit request from anywhere ends the main loop, not a modal one.
    FTerminated = true;
    return;
  }
  if (PreTranslate(Msg)) return;
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
}

void TApplication::HandleMessage() {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) < 0) return;
  Dispatch(msg);
}

bool TApplication::ProcessMessages() {
  MSG msg;
  bool any = false;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    Dispatch(msg);
    any = true;
  }
  return any;
}

void TApplication::Run() {
  while (!FTerminated)
    HandleMessage();
}

void TApplication::Terminate() {
  FTerminated = true;
  // Wakes a waiting main loop so it sees the request.
  PostToolkitMessage(CM_WAKEUP, 0, 0);
}

} // namespace qelvane
