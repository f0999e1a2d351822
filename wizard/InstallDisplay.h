#pragma once
// The installing page's status line and progress bar as the install sequence
// feeds them. While files stream past (a range is set and the bar is short
// of its end) they are redrawn at most every IntervalMs: a redraw costs a few
// milliseconds, more than writing a small file. What arrives in between is
// kept and shown by the next due call or by a timer, so the display is never
// more than one interval behind while messages are processed; the bar's
// first and last positions, and everything outside the copy, show at once.
#include <optional>
#include <string>

#include <windows.h>

namespace qelvane {

class TComponent;
class TSkinLabel;
class TProgressBar;
class TTimer;

class TInstallDisplay {
public:
  static constexpr DWORD IntervalMs = 40;

  TInstallDisplay(TComponent& AOwner, TSkinLabel& AStatus, TProgressBar& ABar, DWORD AIntervalMs = IntervalMs);

  void SetStatus(const std::wstring& Text);
  void SetProgressRange(int Min, int Max);
  void SetProgress(int Position);
  // Shows whatever is still waiting.
  void Flush();

private:
  bool Streaming() const;
  void Show(bool AForce);

  TSkinLabel& FStatus;
  TProgressBar& FBar;
  TTimer& FTimer;
  std::optional<std::wstring> FPendingStatus;
  std::optional<int> FPendingPosition;
  DWORD FInterval;
  DWORD FShownAt = 0;
};

} // namespace qelvane
