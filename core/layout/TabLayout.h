#pragma once
// Geometry of a page control's tab strip: the length of a tab, where the
// tabs and the strip buttons (attach, custom, close, page-up, page-down) go
// in both modes (tabs sharing the strip, or tabs at their own length with a
// scrolled start), and which tab lies under a point. Pure arithmetic.
#include <cstdint>
#include <span>
#include <vector>

#include "core/gfx/Geometry.h"

namespace qelvane {

// The length of one tab along the strip. The top strip pads its caption
// more than the others. A tab whose caption is not shown (or empty) is as
// long as an icon plus its padding.
int32_t TabLength(bool ATopStrip, int32_t ATextWidth, bool ACaptionShown, bool AHasIcon, int32_t AIconWidth);

// A strip button: whether it is shown and its image size (input), and the
// rectangle it got (output; empty when not placed).
struct TStripButton {
  bool Shown = false;
  int32_t Width = 0, Height = 0;
  TRect Rect;
};

struct TTabStrip {
  // --- Input.
  TRect Strip;           // the strip inside the control
  bool Vertical = false; // tabs run top to bottom (left and right strips)
  bool FillInRow = false;
  bool AlwaysShowFirstPage = false;
  int32_t PageScrollStart = 0;
  std::vector<int32_t> Lengths; // of the visible tabs, in order
  // Shown flags and image sizes of the attach, custom and close buttons; the
  // page buttons' sizes (they are shown while the strip scrolls).
  TStripButton Attach, Custom, Close, PageUp, PageDown;

  // --- Output.
  std::vector<TRect> Tabs; // per visible tab; empty when not drawn
  std::vector<bool> Drawn; // the tab lies on the strip
  bool PageScrollVisible = false;
  int32_t MaxPageScrollStart = 0;
  // PageScrollStart is written back clamped (and reset to the first
  // scrollable tab when the tabs share the strip).
};

// The first scrollable tab: 1 when the first tab always stays shown, else 0.
inline int32_t FirstScrollableTab(bool AAlwaysShowFirstPage) {
  return AAlwaysShowFirstPage ? 1 : 0;
}

// Places the tabs and buttons of the strip.
//
// Buttons sit at the far end of the strip (right, or bottom for vertical
// strips), centred across it, the close button outermost, then custom, then
// attach (then page-down and page-up while scrolling).
//
// FillInRow: the strip less the buttons is divided equally; the last tab
// takes the remainder. No scrolling.
//
// Otherwise tabs keep their lengths: the first tab (when it always stays
// shown), then the tabs from PageScrollStart on, as long as they fit. The
// strip scrolls when all of them (and the attach button) do not fit or when
// it is already scrolled; then the page buttons take room at the end and
// the attach button joins them, else the attach button follows the last tab.
void LayoutTabStrip(TTabStrip& AStrip);

// The visible tab at (X, Y) from the tab rectangles of the last layout:
// -1 inside a shown strip button; the first tab when it always stays shown
// and contains the point; else the first tab from APageScrollStart on that
// contains it; else -1. AShownButtons holds the rectangles of the buttons
// that are shown (page buttons only while scrolling).
int32_t TabAtPos(int32_t X, int32_t Y, std::span<const TRect> ATabs, std::span<const TRect> AShownButtons,
                 bool AAlwaysShowFirstPage, int32_t APageScrollStart);

// Right and bottom exclusive.
inline bool RectContains(const TRect& R, int32_t X, int32_t Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

} // namespace qelvane
