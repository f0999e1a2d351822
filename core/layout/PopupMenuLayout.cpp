#include "core/layout/PopupMenuLayout.h"

#include <algorithm>

namespace qelvane {

TPopupSize PopupLevelSize(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, bool ARoot) {
  int32_t widest = 0;
  int32_t height = M.SkinLook ? M.MenuOtherHeight : M.CornerSize + 16 + (ARoot ? M.TailSize / 2 : 0);
  for (const TPopupRow& r : ARows) {
    if (!r.Visible) continue;
    widest = std::max(widest, r.TextWidth);
    height += r.Line ? PopupSeparatorHeight : M.ItemHeight;
  }
  const int32_t width = widest + (M.SkinLook ? M.MenuOtherWidth : M.ItemRightMargin + M.ItemLeftMargin + 49);
  return {width, height};
}

TRect PopupItemRect(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, int32_t AIndex, int32_t ALevelWidth,
                    bool ARoot, TPopupPlacement APlacement) {
  if (AIndex < 0 || AIndex >= static_cast<int32_t>(ARows.size())) return {};
  const int32_t lineHeight = M.SkinLook ? M.MenuCutlingHeight : PopupSeparatorHeight;
  int32_t top = M.SkinLook ? M.MenuItemsDrawTopMargin : M.CornerSize / 2 + 3;
  if (!M.SkinLook && ARoot && (APlacement == ppRightBelow || APlacement == ppLeftBelow)) top += M.TailSize / 2;
  for (int32_t i = 0; i < AIndex; ++i)
    if (ARows[i].Visible) top += ARows[i].Line ? lineHeight : M.ItemHeight;
  const int32_t height = ARows[AIndex].Line ? lineHeight : M.ItemHeight;
  return {4, top, ALevelWidth - 14, top + height};
}

int32_t PopupItemAtPoint(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, int32_t X, int32_t Y,
                         int32_t ALevelWidth, bool ARoot, TPopupPlacement APlacement) {
  for (int32_t i = 0; i < static_cast<int32_t>(ARows.size()); ++i) {
    if (!ARows[i].Visible) continue;
    const TRect r = PopupItemRect(M, ARows, i, ALevelWidth, ARoot, APlacement);
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

TPopupPosition PlacePopupLevel(const TPopupMenuMetrics& M, int32_t X, int32_t Y, TPopupSize ASize, bool ARoot,
                               int32_t AParentWidth, int32_t AAreaRight, int32_t AAreaBottom) {
  TPopupPosition p{X, Y, ppRightBelow};
  const bool below = Y + ASize.Height <= AAreaBottom;
  if (X + ASize.Width < AAreaRight) {
    // To the right: a submenu overlaps its parent's right edge (the parent's
    // shadow room and corner), so its items line up beside the hot row.
    if (!ARoot) p.Left -= M.TailSize / 2 + M.CornerSize / 2 + 3;
    if (!below) {
      p.Placement = ppRightAbove;
      p.Top = p.Top + 6 - ASize.Height;
      if (!ARoot) p.Top += 37;
    } else {
      p.Placement = ppRightBelow;
      p.Top += ARoot ? -10 : 1;
    }
  } else {
    if (!ARoot)
      p.Left -= ASize.Width + AParentWidth - 18;
    else
      p.Left += M.TailSize / 2 + M.CornerSize / 2 - ASize.Width + 14;
    if (!below) {
      p.Placement = ppLeftAbove;
      p.Top = p.Top - ASize.Height + 13;
    } else {
      p.Placement = ppLeftBelow;
      p.Top += ARoot ? -10 : 1;
    }
  }
  return p;
}

} // namespace qelvane
