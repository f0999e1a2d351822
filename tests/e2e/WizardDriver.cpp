#include "tests/e2e/WizardDriver.h"

#include <commctrl.h>

#include <vector>

namespace qelvane::test {

TInstallerProcess::TInstallerProcess(const std::wstring& AExe) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring cmd = L"\"" + AExe + L"\"";
  CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &FInfo);
}

TInstallerProcess::~TInstallerProcess() {
  if (!FInfo.hProcess) return;
  if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(FInfo.hProcess, 99);
    WaitForSingleObject(FInfo.hProcess, 5000);
  }
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

namespace {

struct TFind {
  DWORD Pid;
  int W, H;
  bool Dialog;
  HWND Other = nullptr;
  HWND Found = nullptr;
};

BOOL CALLBACK FindTop(HWND w, LPARAM l) {
  auto* f = reinterpret_cast<TFind*>(l);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != f->Pid || w == f->Other || !IsWindowVisible(w)) return TRUE;
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  const bool dialog = std::wstring(cls) == L"#32770";
  if (dialog != f->Dialog) return TRUE;
  // A form's drop shadow is no form.
  if (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_NOACTIVATE) return TRUE;
  if (!dialog && f->W > 0) {
    RECT r;
    GetWindowRect(w, &r);
    if (r.right - r.left != f->W || (f->H > 0 && r.bottom - r.top != f->H)) return TRUE;
  }
  f->Found = w;
  return FALSE;
}

} // namespace

HWND TInstallerProcess::WaitForWindow(int AWidth, int AHeight, DWORD ATimeoutMs, HWND AOther) const {
  TFind f{FInfo.dwProcessId, AWidth, AHeight, false, AOther};
  WaitUntil(
      [&] {
        f.Found = nullptr;
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&f));
        return f.Found != nullptr;
      },
      ATimeoutMs);
  if (f.Found) Sleep(400); // let it finish its first paint
  return f.Found;
}

HWND TInstallerProcess::WaitForDialog(DWORD ATimeoutMs) const {
  TFind f{FInfo.dwProcessId, 0, 0, true};
  WaitUntil(
      [&] {
        f.Found = nullptr;
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&f));
        return f.Found != nullptr;
      },
      ATimeoutMs);
  return f.Found;
}

DWORD TInstallerProcess::WaitForExit(DWORD ATimeoutMs) const {
  if (!FInfo.hProcess) return STILL_ACTIVE;
  WaitForSingleObject(FInfo.hProcess, ATimeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(FInfo.hProcess, &code);
  return code;
}

namespace {

// The deepest child window at a screen point, and the point in its client area.
HWND WindowAt(HWND AForm, POINT AScreen, POINT& AClient) {
  HWND w = AForm;
  for (;;) {
    POINT p = AScreen;
    ScreenToClient(w, &p);
    HWND child = ChildWindowFromPointEx(w, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == w) break;
    w = child;
  }
  AClient = AScreen;
  ScreenToClient(w, &AClient);
  return w;
}

void Post(HWND AForm, int X, int Y, UINT AMsg, WPARAM AKeys) {
  POINT screen{X, Y};
  ClientToScreen(AForm, &screen);
  SetCursorPos(screen.x, screen.y);
  POINT client;
  HWND w = WindowAt(AForm, screen, client);
  PostMessageW(w, AMsg, AKeys, MAKELPARAM(client.x, client.y));
  Sleep(150);
}

} // namespace

void HoverForm(HWND AForm, int X, int Y) {
  Post(AForm, X, Y, WM_MOUSEMOVE, 0);
}

HWND WindowUnder(HWND AForm, int X, int Y) {
  POINT screen{X, Y}, client;
  ClientToScreen(AForm, &screen);
  return WindowAt(AForm, screen, client);
}

bool ClickForNextPage(HWND AForm, int X, int Y, int AProbeX, int AProbeY) {
  const auto under = [&] { return WindowUnder(AForm, AProbeX, AProbeY); };
  const HWND before = under();
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickForm(AForm, X, Y);
    if (WaitUntil([&] { return under() != before; }, 5000)) {
      Sleep(150); // the new page's first paint
      return true;
    }
  }
  return false;
}

void ClickForm(HWND AForm, int X, int Y) {
  Post(AForm, X, Y, WM_MOUSEMOVE, 0);
  Post(AForm, X, Y, WM_LBUTTONDOWN, MK_LBUTTON);
  Post(AForm, X, Y, WM_LBUTTONUP, 0);
  Sleep(250);
}

namespace {

struct TChildSearch {
  const std::function<bool(HWND)>& Matches;
  HWND Found = nullptr;
};

// Enumeration callbacks are stdcall on 32-bit Windows, which a lambda does
// not convert to: a named function.
BOOL CALLBACK MatchChild(HWND w, LPARAM l) {
  auto* search = reinterpret_cast<TChildSearch*>(l);
  if (!search->Matches(w)) return TRUE;
  search->Found = w;
  return FALSE;
}

} // namespace

HWND FindChild(HWND AParent, const std::function<bool(HWND)>& AMatches) {
  TChildSearch search{AMatches};
  EnumChildWindows(AParent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND FindChildOfClass(HWND AParent, const wchar_t* AClass) {
  return FindChild(AParent, [AClass](HWND w) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return lstrcmpiW(cls, AClass) == 0;
  });
}

void TypeInto(HWND AEdit, const std::wstring& AText) {
  SendMessageW(AEdit, EM_SETSEL, 0, -1);
  SendMessageW(AEdit, WM_CHAR, VK_BACK, 0);
  for (wchar_t c : AText)
    SendMessageW(AEdit, WM_CHAR, c, 0);
}

void TWizardAutopilot::Step() {
  switch (FStage) {
  case 0: { // the wizard appears
    TFind f{FPid, 562, 371, false};
    EnumWindows(FindTop, reinterpret_cast<LPARAM>(&f));
    if (!f.Found) return;
    FWizard = f.Found;
    Sleep(400);
    FNoticePage = WindowUnder(FWizard, QuickInstall.x, QuickInstall.y);
    ClickForm(FWizard, NoticeConfirm.x, NoticeConfirm.y);
    FClicks = 1;
    FSince = GetTickCount();
    FStage = 5;
    return;
  }
  case 5: // the options page replaces the notice page; a click the wizard
          // was not ready for is given again (twice at most). No waiting
          // here: the caller may be the installer's debugger.
    if (WindowUnder(FWizard, QuickInstall.x, QuickInstall.y) == FNoticePage) {
      if (GetTickCount() - FSince < 5000) return;
      if (FClicks < 3) {
        ClickForm(FWizard, NoticeConfirm.x, NoticeConfirm.y);
        ++FClicks;
        FSince = GetTickCount();
        return;
      }
    }
    Sleep(150);
    ClickForm(FWizard, QuickInstall.x, QuickInstall.y);
    FBar = FindChildOfClass(FWizard, L"msctls_progress32");
    FSince = GetTickCount();
    FStage = 1;
    return;
  case 1: // the progress page is shown (a quick sequence may be over
          // before it is seen: after a while the finished page is assumed)
    if ((FBar && IsWindowVisible(FBar)) || GetTickCount() - FSince > 6000) {
      FSince = GetTickCount();
      FStage = 2;
    }
    return;
  case 2: // and gone again: the finished page
    if (FBar && IsWindowVisible(FBar)) {
      // Never a plain SendMessage: an installer stopped at a debug event of
      // a debugging caller would never answer it.
      DWORD_PTR answer = 0;
      if (!SendMessageTimeoutW(FBar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 200, &answer)) {
        FSince = GetTickCount(); // unknown: not taken for a stop
        return;
      }
      const LRESULT position = static_cast<LRESULT>(answer);
      if (position != FLastPosition || !IsWindowEnabled(FWizard)) {
        FLastPosition = position;
        FSince = GetTickCount();
      } else if (GetTickCount() - FSince > 30000) {
        ClickForm(FWizard, 540, 10); // stopped by an error: close
        FStage = 4;
      }
      return;
    }
    if (!IsWindowEnabled(FWizard)) return; // a message box is up
    Sleep(300);
    ClickForm(FWizard, 118, 199); // 立即运行 off
    ClickForm(FWizard, 302, 199); // 访问网站 off
    ClickForm(FWizard, 274, 266); // 完成安装
    FSince = GetTickCount();
    FStage = 3;
    return;
  case 3: // a disabled finished page: only the close button ends it
    if (GetTickCount() - FSince < 3000 || !IsWindow(FWizard)) return;
    ClickForm(FWizard, 540, 10);
    FStage = 4;
    return;
  default:
    return;
  }
}

bool WaitForInstallEnd(HWND AWizard, DWORD ATimeoutMs) {
  HWND bar = FindChildOfClass(AWizard, L"msctls_progress32");
  if (!bar) return false;
  // A quick sequence may be over before the page is seen at all; then the
  // caller's checks of the result tell whether it ran.
  if (!WaitUntil([&] { return IsWindowVisible(bar) != FALSE; }, 8000)) return true;
  return WaitUntil([&] { return !IsWindowVisible(bar); }, ATimeoutMs);
}

} // namespace qelvane::test
