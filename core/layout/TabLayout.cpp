#include "core/layout/TabLayout.h"

#include <algorithm>

namespace qelvane {

int32_t TabLength(bool ATopStrip, int32_t ATextWidth, bool ACaptionShown, bool AHasIcon, int32_t AIconWidth) {
  if (!ACaptionShown) return AIconWidth + 8;
  if (ATopStrip) return AHasIcon ? ATextWidth + AIconWidth + 20 : ATextWidth + 16;
  return AHasIcon ? ATextWidth + AIconWidth + 12 : ATextWidth + 8;
}

namespace {

int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

class TStripPlacer {
public:
  explicit TStripPlacer(const TTabStrip& S)
      : FS(S), FStart(S.Vertical ? S.Strip.Top : S.Strip.Left), FEnd(S.Vertical ? S.Strip.Bottom : S.Strip.Right) {}

  int64_t Along(const TStripButton& B) const { return FS.Vertical ? B.Height : B.Width; }
  int64_t Start() const { return FStart; }
  // Room left for the tabs.
  int64_t Room() const { return FEnd - FStart - FUsed; }
  int64_t Used() const { return FUsed; }

  // The button's rectangle starting at APos along the strip, centred across it.
  TRect ButtonAt(const TStripButton& B, int64_t APos) const {
    const TRect& s = FS.Strip;
    if (FS.Vertical) {
      const int64_t o = ((int64_t(s.Right) - s.Left) - B.Width) / 2;
      return {Clamp32(s.Left + o), Clamp32(APos), Clamp32(s.Right - o), Clamp32(APos + B.Height)};
    }
    const int64_t o = ((int64_t(s.Bottom) - s.Top) - B.Height) / 2;
    return {Clamp32(APos), Clamp32(s.Top + o), Clamp32(APos + B.Width), Clamp32(s.Bottom - o)};
  }
  // Takes the next place from the far end.
  void FromEnd(TStripButton& B) {
    if (!B.Shown) return;
    FUsed += Along(B);
    B.Rect = ButtonAt(B, FEnd - FUsed);
  }
  // The tab's rectangle from offset A with length ALen.
  TRect TabAt(int64_t A, int64_t ALen) const {
    const TRect& s = FS.Strip;
    if (FS.Vertical) return {s.Left, Clamp32(FStart + A), s.Right, Clamp32(FStart + A + ALen)};
    return {Clamp32(FStart + A), s.Top, Clamp32(FStart + A + ALen), s.Bottom};
  }

private:
  const TTabStrip& FS;
  int64_t FStart, FEnd;
  int64_t FUsed = 0;
};

void FillRow(TTabStrip& S, TStripPlacer& P, int32_t n) {
  P.FromEnd(S.Close);
  P.FromEnd(S.Custom);
  P.FromEnd(S.Attach);
  if (n == 0) return;
  const int64_t W = P.Room();
  const int64_t each = W / n; // truncating, as the last tab takes the rest
  int64_t a = 0;
  for (int32_t i = 0; i < n; ++i) {
    const int64_t len = i < n - 1 ? each : W - each * (n - 1);
    S.Tabs[i] = P.TabAt(a, len);
    S.Drawn[i] = true;
    a += len;
  }
}

void ScrollRow(TTabStrip& S, TStripPlacer& P, int32_t n) {
  const int32_t m = FirstScrollableTab(S.AlwaysShowFirstPage);
  int32_t s = S.PageScrollStart;
  if (n > 0) s = std::min(s, n - 1);
  // At least the first scrollable tab, so that a first tab that always stays
  // shown is never walked a second time.
  s = std::max(s, m);
  S.PageScrollStart = s;

  std::vector<int32_t> walk;
  if (S.AlwaysShowFirstPage && n > 0) walk.push_back(0);
  for (int32_t i = s; i < n; ++i)
    walk.push_back(i);

  int64_t total = S.Attach.Shown ? P.Along(S.Attach) : 0;
  for (int32_t i : walk)
    total += S.Lengths[i];

  P.FromEnd(S.Close);
  P.FromEnd(S.Custom);
  const bool scroll = P.Room() < total || s > m;
  S.PageScrollVisible = scroll;
  S.PageUp.Shown = S.PageDown.Shown = scroll;
  if (scroll) {
    P.FromEnd(S.Attach);
    P.FromEnd(S.PageDown);
    P.FromEnd(S.PageUp);
  } else if (S.Attach.Shown) {
    S.Attach.Rect = P.ButtonAt(S.Attach, P.Start()); // no tab yet: at the start
  }

  const int64_t W = P.Room();
  int64_t a = 0;
  int32_t drawn = 0;
  for (int32_t i : walk) {
    const int64_t len = S.Lengths[i];
    // A tab that ends exactly at the end of the room still fits.
    if (a + len > W) break;
    S.Tabs[i] = P.TabAt(a, len);
    S.Drawn[i] = true;
    a += len;
    ++drawn;
    if (!scroll && S.Attach.Shown) S.Attach.Rect = P.ButtonAt(S.Attach, P.Start() + a);
  }
  S.MaxPageScrollStart = n - drawn + m;
}

} // namespace

void LayoutTabStrip(TTabStrip& S) {
  const int32_t n = static_cast<int32_t>(S.Lengths.size());
  S.Tabs.assign(n, TRect{});
  S.Drawn.assign(n, false);
  for (TStripButton* b : {&S.Attach, &S.Custom, &S.Close, &S.PageUp, &S.PageDown})
    b->Rect = {};
  S.PageScrollVisible = false;
  S.PageUp.Shown = S.PageDown.Shown = false;

  TStripPlacer placer(S);
  if (S.FillInRow) {
    FillRow(S, placer, n);
    const int32_t m = FirstScrollableTab(S.AlwaysShowFirstPage);
    S.PageScrollStart = m; // every tab is on the strip
    S.MaxPageScrollStart = m;
  } else {
    ScrollRow(S, placer, n);
  }
}

int32_t TabAtPos(int32_t X, int32_t Y, std::span<const TRect> ATabs, std::span<const TRect> AShownButtons,
                 bool AAlwaysShowFirstPage, int32_t APageScrollStart) {
  for (const TRect& b : AShownButtons)
    if (RectContains(b, X, Y)) return -1;
  const int32_t n = static_cast<int32_t>(ATabs.size());
  if (AAlwaysShowFirstPage && n > 0 && RectContains(ATabs[0], X, Y)) return 0;
  for (int32_t i = std::max(APageScrollStart, 0); i < n; ++i)
    if (RectContains(ATabs[i], X, Y)) return i;
  return -1;
}

} // namespace qelvane
