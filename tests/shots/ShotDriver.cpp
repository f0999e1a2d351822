// shot_driver.exe: one user action on a window of the virtual display, for
// the screenshot script. "click W H X Y" clicks at (X, Y) of the visible
// top-level window whose size is W x H (H 0: any height); "type W H TEXT" types into its edit;
// "rect W H" prints its left and top; "close W H" closes it as its close
// button would; "prompt" prints the size of a visible form that is not the
// wizard; "ok" presses OK on a visible system message box; "install EXE" starts an installer and
// takes it through a quick install as a user would, returning its exit code.
// Exit code 0 when done.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/WizardDriver.h"

using namespace qelvane::test;

namespace {

HWND FindBySize(int W, int H) {
  struct TF {
    int W, H;
    HWND Found = nullptr;
  } f{W, H};
  EnumWindows(
      [](HWND w, LPARAM l) CALLBACK -> BOOL {
        auto* f = reinterpret_cast<TF*>(l);
        RECT r;
        if (!IsWindowVisible(w) || !GetWindowRect(w, &r)) return TRUE;
        if (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_NOACTIVATE) return TRUE; // a drop shadow
        if (r.right - r.left == f->W && (f->H == 0 || r.bottom - r.top == f->H)) {
          f->Found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.Found;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring verb = argv[1];
  if (verb == L"list") { // the visible top-level windows and their sizes
    EnumWindows(
        [](HWND w, LPARAM) CALLBACK -> BOOL {
          RECT r;
          if (IsWindowVisible(w) && GetWindowRect(w, &r))
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
          return TRUE;
        },
        0);
    return 0;
  }
  if (verb == L"ok") {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box) return 1;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  if (verb == L"prompt") { // the size of a visible form that is not the wizard
    struct TP {
      HWND Found = nullptr;
    } p;
    EnumWindows(
        [](HWND w, LPARAM l) CALLBACK -> BOOL {
          RECT r;
          wchar_t cls[64] = {};
          GetClassNameW(w, cls, 64);
          if (!IsWindowVisible(w) || !GetWindowRect(w, &r) || std::wstring(cls) == L"#32770") return TRUE;
          if (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_NOACTIVATE) return TRUE; // a drop shadow
          if (r.right - r.left == 562 && r.bottom - r.top == 371) return TRUE;
          if (r.right - r.left < 100 || r.bottom - r.top < 60) return TRUE;
          reinterpret_cast<TP*>(l)->Found = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&p));
    RECT r;
    if (!p.Found || !GetWindowRect(p.Found, &r)) return 1;
    std::printf("%ld %ld\n", r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (verb == L"install" && argc >= 3) {
    TInstallerProcess installer(argv[2]);
    if (!installer.Id()) return 3;
    TWizardAutopilot pilot(installer.Id());
    const DWORD start = GetTickCount();
    for (;;) {
      const DWORD rc = installer.WaitForExit(200);
      if (rc != STILL_ACTIVE) return static_cast<int>(rc);
      if (GetTickCount() - start > 600000) return 4; // a prompt nobody answers
      pilot.Step();
    }
  }
  if (argc < 4) return 2;
  HWND w = FindBySize(_wtoi(argv[2]), _wtoi(argv[3]));
  if (!w) return 1;
  if (verb == L"rect") {
    RECT r;
    GetWindowRect(w, &r);
    std::printf("%ld %ld %ld\n", r.left, r.top, r.bottom - r.top);
    return 0;
  }
  if (verb == L"close") {
    PostMessageW(w, WM_CLOSE, 0, 0);
    return 0;
  }
  if (verb == L"click" && argc >= 6) {
    ClickForm(w, _wtoi(argv[4]), _wtoi(argv[5]));
    return 0;
  }
  if (verb == L"hover" && argc >= 6) {
    HoverForm(w, _wtoi(argv[4]), _wtoi(argv[5]));
    return 0;
  }
  if (verb == L"type" && argc >= 5) {
    HWND edit = FindChildOfClass(w, L"Edit");
    if (!edit) return 1;
    TypeInto(edit, argv[4]);
    return 0;
  }
  return 2;
}
