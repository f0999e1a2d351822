#include "installer/InterimWindow.h"

#include <commctrl.h>

#include <string>

#include "installer/InstallLog.h"
#include "installer/InstallSequence.h"
#include "installer/Profile.h"
#include "winbase/Exception.h"

namespace qelvane {

namespace {

constexpr UINT WM_START_INSTALL = WM_APP + 1;
constexpr UINT_PTR CloseTimer = 1;
bool GInstallSucceeded = false;

class TInterimView : public TInstallView {
public:
  HWND Status = nullptr;
  HWND Progress = nullptr;
  std::wstring Path;

  std::wstring InstallPathText() override { return Path; }
  void SetStatus(const std::wstring& Text) override { SetWindowTextW(Status, Text.c_str()); }
  void SetProgressRange(int Min, int Max) override { SendMessageW(Progress, PBM_SETRANGE32, Min, Max); }
  void SetProgress(int Position) override { SendMessageW(Progress, PBM_SETPOS, Position, 0); }
  void ProcessMessages() override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  void ShowCopyFailure(const std::wstring& Text, const std::wstring& Caption) override {
    MessageBoxW(nullptr, Text.c_str(), Caption.c_str(), MB_ICONERROR | MB_OK);
  }
};

TInterimView GView;

LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_CREATE: {
    HFONT font =
        CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"微软雅黑");
    GView.Status = CreateWindowExW(0, L"STATIC", StepText(TInstallStep::RemoveOld).c_str(), WS_CHILD | WS_VISIBLE, 20,
                                   20, 520, 22, Wnd, nullptr, nullptr, nullptr);
    GView.Progress = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 20, 52, 520, 17, Wnd, nullptr,
                                     nullptr, nullptr);
    SendMessageW(GView.Status, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    GView.Path = DefaultInstallPath();
    PostMessageW(Wnd, WM_START_INSTALL, 0, 0);
    return 0;
  }
  case WM_START_INSTALL:
    try {
      TInstaller installer(GView);
      GInstallSucceeded = installer.DoInstall();
      GView.SetStatus(GInstallSucceeded ? L"安装完成" : L"安装失败");
    } catch (const std::exception& e) {
      // The application-wide handler: the message goes to the log only.
      WriteInstallLog(ErrorText(e));
      GView.SetStatus(L"安装失败");
    }
    SetTimer(Wnd, CloseTimer, 1000, nullptr);
    return 0;
  case WM_TIMER:
    if (WParam == CloseTimer) DestroyWindow(Wnd);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

} // namespace

bool InterimInstallSucceeded() {
  return GInstallSucceeded;
}

HWND CreateInterimWindow(HINSTANCE Instance) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WndProc;
  wc.hInstance = Instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); // the status text's own background
  wc.lpszClassName = L"QelvaneInterimInstaller";
  RegisterClassExW(&wc);
  std::wstring caption = ProductTag() + L" 安装向导";
  RECT r = {0, 0, 562, 100};
  AdjustWindowRect(&r, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, caption.c_str(),
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                             r.right - r.left, r.bottom - r.top, nullptr, nullptr, Instance, nullptr);
  if (wnd) ShowWindow(wnd, SW_SHOW);
  return wnd;
}

} // namespace qelvane
