#pragma once
// The arithmetic of the skinned popup menu's levels: a level's size from its
// rows, the rectangle of each row, the row under a point, and where a level
// opens relative to its anchor point (right and below when it fits, flipped
// left or up when it would leave the screen's work area).
#include <cstdint>
#include <span>
#include <vector>

#include "core/gfx/Geometry.h"

namespace qelvane {

// The settings a level's geometry depends on. SkinLook picks the skin's
// measures (MenuOther*, MenuItemsDrawTopMargin, MenuCutlingHeight); the
// built-in look uses the corner, tail and margin sizes.
struct TPopupMenuMetrics {
  bool SkinLook = false;
  int32_t ItemHeight = 22;
  int32_t CornerSize = 8;
  int32_t TailSize = 20;
  int32_t ItemLeftMargin = 25;
  int32_t ItemRightMargin = 20;
  int32_t MenuOtherHeight = 14;
  int32_t MenuOtherWidth = 74;
  int32_t MenuItemsDrawTopMargin = 8;
  int32_t MenuCutlingHeight = 3;
  // Skin look: the columns right of a level's sub-menu arrow (the arrow's
  // right margin less its width); a submenu overlaps its parent no further,
  // so the arrow shows beside the open submenu. -1: no limit.
  int32_t ArrowRightRoom = -1;
};

// One sub-item as the layout sees it.
struct TPopupRow {
  bool Visible = true;
  bool Line = false;     // a separator
  int32_t TextWidth = 0; // measured caption width
};

// Height a separator adds to a level.
constexpr int32_t PopupSeparatorHeight = 3;

// Where a level opened relative to its anchor point.
enum TPopupPlacement : uint8_t {
  ppRightBelow = 0,
  ppRightAbove = 1,
  ppLeftBelow = 2,
  ppLeftAbove = 3,
};

struct TPopupSize {
  int32_t Width = 0, Height = 0;
  friend bool operator==(const TPopupSize&, const TPopupSize&) = default;
};

// Width and height of a level showing ARows (ARoot: the menu's first level,
// which keeps room for the pointer tail in the built-in look).
TPopupSize PopupLevelSize(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, bool ARoot);

// The rectangle of row AIndex in level coordinates; the empty rectangle for
// an index outside the rows.
TRect PopupItemRect(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, int32_t AIndex, int32_t ALevelWidth,
                    bool ARoot, TPopupPlacement APlacement);

// The rows' places, computed once per layout: a row's rectangle in constant
// time, the row under a point and the rows within a band by binary search,
// so a level of thousands of rows tracks the pointer as fast as a short one.
class TPopupRowIndex {
public:
  TPopupRowIndex() = default;
  TPopupRowIndex(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, bool ARoot, TPopupPlacement APlacement);

  int32_t Count() const { return static_cast<int32_t>(FTops.size()); }
  // As PopupItemRect.
  TRect ItemRect(int32_t AIndex, int32_t ALevelWidth) const;
  // As PopupItemAtPoint.
  int32_t ItemAtPoint(int32_t X, int32_t Y, int32_t ALevelWidth) const;
  // The rows [First, Last) whose rectangles reach into the band ATop <= y < ABottom.
  struct TRange {
    int32_t First = 0, Last = 0;
  };
  TRange RowsWithin(int32_t ATop, int32_t ABottom) const;
  // Top of the first row and bottom of the last (the rows' band).
  int32_t RowsTop() const { return FRowsTop; }
  int32_t RowsBottom() const { return FTops.empty() ? FRowsTop : FBottoms.back(); }

private:
  // A hidden row takes no room: its bottom equals its top. Both lists grow.
  std::vector<int32_t> FTops, FBottoms, FHeights;
  int32_t FRowsTop = 0;
};

// The first visible row whose rectangle holds (X, Y); -1 for none.
int32_t PopupItemAtPoint(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, int32_t X, int32_t Y,
                         int32_t ALevelWidth, bool ARoot, TPopupPlacement APlacement);

struct TPopupPosition {
  int32_t Left = 0, Top = 0;
  TPopupPlacement Placement = ppRightBelow;
  friend bool operator==(const TPopupPosition&, const TPopupPosition&) = default;
};

// Where a level of ASize opens for the anchor (X, Y). A submenu level
// (ARoot false) gives the width of the level that opened it. The level opens
// to the right unless it would reach AAreaRight, and below unless it would
// pass AAreaBottom.
TPopupPosition PlacePopupLevel(const TPopupMenuMetrics& M, int32_t X, int32_t Y, TPopupSize ASize, bool ARoot,
                               int32_t AParentWidth, int32_t AAreaRight, int32_t AAreaBottom);

// PlacePopupLevel inside AArea, the work area of the monitor the anchor lies
// on: a level taller than the area is cut to the area's height (it scrolls
// then), and a level the flip leaves partly outside is moved inside.
TPopupPosition FitPopupLevel(const TPopupMenuMetrics& M, int32_t X, int32_t Y, TPopupSize& ASize, bool ARoot,
                             int32_t AParentWidth, const TRect& AArea);

// The anchor of a submenu level opened from the row whose rectangle top is
// AItemTop, by a level at (ALeft, ATop) of width AWidth.
struct TPopupAnchor {
  int32_t X = 0, Y = 0;
  friend bool operator==(const TPopupAnchor&, const TPopupAnchor&) = default;
};
inline TPopupAnchor PopupSubmenuAnchor(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AItemTop) {
  return {ALeft + AWidth, ATop + AItemTop - 8};
}

} // namespace qelvane
