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

TPopupRowIndex::TPopupRowIndex(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, bool ARoot,
                               TPopupPlacement APlacement) {
  const int32_t lineHeight = M.SkinLook ? M.MenuCutlingHeight : PopupSeparatorHeight;
  int32_t top = M.SkinLook ? M.MenuItemsDrawTopMargin : M.CornerSize / 2 + 3;
  if (!M.SkinLook && ARoot && (APlacement == ppRightBelow || APlacement == ppLeftBelow)) top += M.TailSize / 2;
  FRowsTop = top;
  FTops.reserve(ARows.size());
  FBottoms.reserve(ARows.size());
  FHeights.reserve(ARows.size());
  for (const TPopupRow& r : ARows) {
    const int32_t height = r.Line ? lineHeight : M.ItemHeight;
    FTops.push_back(top);
    FHeights.push_back(height);
    FBottoms.push_back(r.Visible ? top + height : top);
    if (r.Visible) top += height;
  }
}

TRect TPopupRowIndex::ItemRect(int32_t AIndex, int32_t ALevelWidth) const {
  if (AIndex < 0 || AIndex >= Count()) return {};
  const size_t i = static_cast<size_t>(AIndex);
  // A hidden row's rectangle is where it would stand, at its own height.
  return {4, FTops[i], ALevelWidth - 14, FTops[i] + FHeights[i]};
}

int32_t TPopupRowIndex::ItemAtPoint(int32_t X, int32_t Y, int32_t ALevelWidth) const {
  if (X < 4 || X >= ALevelWidth - 14) return -1;
  // The first row ending below Y is visible (a hidden row ends where the
  // visible row before it does) and holds Y when it starts at or above it.
  const auto it = std::upper_bound(FBottoms.begin(), FBottoms.end(), Y);
  if (it == FBottoms.end()) return -1;
  const size_t i = static_cast<size_t>(it - FBottoms.begin());
  return FTops[i] <= Y && FBottoms[i] > FTops[i] ? static_cast<int32_t>(i) : -1;
}

TPopupRowIndex::TRange TPopupRowIndex::RowsWithin(int32_t ATop, int32_t ABottom) const {
  const auto first = std::upper_bound(FBottoms.begin(), FBottoms.end(), ATop);
  const auto last = std::lower_bound(FTops.begin(), FTops.end(), ABottom);
  const int32_t f = static_cast<int32_t>(first - FBottoms.begin()), l = static_cast<int32_t>(last - FTops.begin());
  return {f, std::max(f, l)};
}

TRect PopupItemRect(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, int32_t AIndex, int32_t ALevelWidth,
                    bool ARoot, TPopupPlacement APlacement) {
  return TPopupRowIndex(M, ARows, ARoot, APlacement).ItemRect(AIndex, ALevelWidth);
}

int32_t PopupItemAtPoint(const TPopupMenuMetrics& M, std::span<const TPopupRow> ARows, int32_t X, int32_t Y,
                         int32_t ALevelWidth, bool ARoot, TPopupPlacement APlacement) {
  return TPopupRowIndex(M, ARows, ARoot, APlacement).ItemAtPoint(X, Y, ALevelWidth);
}

TPopupPosition PlacePopupLevel(const TPopupMenuMetrics& M, int32_t X, int32_t Y, TPopupSize ASize, bool ARoot,
                               int32_t AParentWidth, int32_t AAreaRight, int32_t AAreaBottom) {
  TPopupPosition p{X, Y, ppRightBelow};
  const bool below = Y + ASize.Height <= AAreaBottom;
  if (X + ASize.Width < AAreaRight) {
    // To the right: a submenu overlaps its parent's right edge (the parent's
    // shadow room and corner), so its items line up beside the hot row.
    if (!ARoot) {
      int32_t overlap = M.TailSize / 2 + M.CornerSize / 2 + 3;
      if (M.SkinLook && M.ArrowRightRoom >= 0) overlap = std::min(overlap, M.ArrowRightRoom);
      p.Left -= overlap;
    }
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

TPopupPosition FitPopupLevel(const TPopupMenuMetrics& M, int32_t X, int32_t Y, TPopupSize& ASize, bool ARoot,
                             int32_t AParentWidth, const TRect& AArea) {
  ASize.Height = std::min(ASize.Height, std::max(AArea.Bottom - AArea.Top, 0));
  TPopupPosition p = PlacePopupLevel(M, X, Y, ASize, ARoot, AParentWidth, AArea.Right, AArea.Bottom);
  p.Top = std::max(std::min(p.Top, AArea.Bottom - ASize.Height), AArea.Top);
  p.Left = std::max(std::min(p.Left, AArea.Right - ASize.Width), AArea.Left);
  return p;
}

} // namespace qelvane
