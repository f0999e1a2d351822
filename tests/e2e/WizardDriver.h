#pragma once
// Drives a running Install.exe from outside, as a user would: finds its
// windows by process, moves the real pointer to a point of a form and posts
// the mouse messages to the window that lies there.
#include <windows.h>

#include <functional>
#include <string>

namespace qelvane::test {

class TInstallerProcess {
public:
  explicit TInstallerProcess(const std::wstring& AExe);
  ~TInstallerProcess(); // ends the process if it still runs
  TInstallerProcess(const TInstallerProcess&) = delete;
  TInstallerProcess& operator=(const TInstallerProcess&) = delete;

  // The visible top-level window of the process whose size is AWidth x
  // AHeight (AWidth 0: any window; AHeight 0: any height, for prompts that
  // fit their height to their text), waited for up to ATimeoutMs; null if
  // none. AOther is passed over (another form of the same size).
  HWND WaitForWindow(int AWidth, int AHeight, DWORD ATimeoutMs = 20000, HWND AOther = nullptr) const;
  // A visible standard dialog (system message box) of the process.
  HWND WaitForDialog(DWORD ATimeoutMs = 20000) const;
  // Exit code after waiting up to ATimeoutMs; STILL_ACTIVE if it runs on.
  DWORD WaitForExit(DWORD ATimeoutMs) const;
  DWORD Id() const { return FInfo.dwProcessId; }

private:
  PROCESS_INFORMATION FInfo{};
};

// Hover, press and release at (X, Y) of AForm's client area.
void ClickForm(HWND AForm, int X, int Y);
void HoverForm(HWND AForm, int X, int Y);
// Clicks (X, Y) of AForm and waits for the page to change: for the window
// under (AProbeX, AProbeY) to be another one. A click the wizard was not
// ready for (still busy with its first frames on a loaded machine) is given
// again, up to three times in all; false when the page never changed.
bool ClickForNextPage(HWND AForm, int X, int Y, int AProbeX, int AProbeY);
// Places on the wizard's first two pages (client coordinates): the notice
// page's 确定安装 and the options page's 立刻安装.
constexpr POINT NoticeConfirm{274, 292}, QuickInstall{281, 239};
// The notice page's 确定安装, waiting for the options page.
inline bool ConfirmNotice(HWND AWizard) {
  return ClickForNextPage(AWizard, NoticeConfirm.x, NoticeConfirm.y, QuickInstall.x, QuickInstall.y);
}
// The deepest visible child window of AForm at (X, Y) of its client area.
HWND WindowUnder(HWND AForm, int X, int Y);
// The first child window of AParent (at any depth) that AMatches, or null.
HWND FindChild(HWND AParent, const std::function<bool(HWND)>& AMatches);
// The first child window of AParent of a window class, or null.
HWND FindChildOfClass(HWND AParent, const wchar_t* AClass);
// Replaces an edit's text by typing it.
void TypeInto(HWND AEdit, const std::wstring& AText);
// Waits for the wizard's progress page to come and go (the install sequence
// ran to its end or stopped); false when it stays. A page not seen within
// 8 s counts as gone (a quick sequence); callers check the outcome.
bool WaitForInstallEnd(HWND AWizard, DWORD ATimeoutMs = 240000);
// Takes a running installer through a quick install, one small step per
// call (meant for loops that also watch the process): finds the wizard,
// confirms the notice, starts the quick install, and once the progress page
// is gone finishes without starting anything (or closes a disabled
// finished page). A progress page that stays without progress (an error
// stopped the sequence) is closed with the window's close button.
class TWizardAutopilot {
public:
  explicit TWizardAutopilot(DWORD AProcessId) : FPid(AProcessId) {}
  void Step();

private:
  DWORD FPid;
  HWND FWizard = nullptr;
  HWND FBar = nullptr;
  int FStage = 0;
  HWND FNoticePage = nullptr;
  int FClicks = 0;
  DWORD FSince = 0;
  LRESULT FLastPosition = -1;
};

// Waits until ACondition holds or ATimeoutMs passes; returns the last result.
template <class F> bool WaitUntil(F&& ACondition, DWORD ATimeoutMs) {
  const DWORD start = GetTickCount();
  while (!ACondition()) {
    if (GetTickCount() - start > ATimeoutMs) return false;
    Sleep(100);
  }
  return true;
}

} // namespace qelvane::test
