#pragma once
// TSkinPopupMenu: a popup menu drawn by the skin engine. Every open level
// (the root menu and each open submenu) is a layered top-level window of the
// class "TxSkinPopupWindow" painted into an off-screen canvas and handed to
// the system with per-pixel alpha. Two looks: the skin look, drawn with the
// skin's popup-menu images when the skin holds them, and the built-in look,
// a translucent light-grey body with rounded corners, an optional pointer
// tail on the root level and a soft shadow.
//
// The menu is driven by the mouse: hot tracking, submenus that open 300 ms
// after their item became hot, clicks that toggle AutoCheck items and run
// OnClick, and closing when the focus leaves the menu's levels (another
// window is activated, or a mouse button is pressed on a window of the
// program that is not one of the levels).
#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/gfx/Geometry.h"
#include "core/layout/PopupMenuLayout.h"
#include "drawing/GdipCanvas.h"
#include "ui/Component.h"

namespace qelvane {

class TImageList;
class TSkinImageList;
class TSkinPopupLevel;
class TSkinPopupMenu;
class TTimer;

// Delay between an item with sub-items becoming hot and its submenu opening.
constexpr uint32_t PopupSubmenuDelay = 300;

// One menu entry; an entry with sub-items opens a submenu. A caption of "-"
// makes a separator.
class TMenuItem {
public:
  using TClickEvent = std::function<void(TMenuItem& Sender)>;

  TMenuItem(TSkinPopupMenu* AMenu, TMenuItem* AParent) : FMenu(AMenu), FParent(AParent) {}
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  std::wstring Caption;
  bool Checked = false;
  // A click toggles Checked before OnClick runs.
  bool AutoCheck = false;
  // A disabled item is drawn greyed; it never highlights, opens or runs.
  bool Enabled = true;
  bool Visible = true;
  int32_t ImageIndex = -1;
  intptr_t Tag = 0;
  TClickEvent OnClick;

  // Appends a sub-item and returns it.
  TMenuItem& Add(std::wstring ACaption, TClickEvent AOnClick = {});
  TMenuItem& AddSeparator() { return Add(L"-"); }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  TMenuItem& Items(int32_t Index) const { return *FItems.at(static_cast<size_t>(Index)); }
  TMenuItem* Parent() const { return FParent; }
  TSkinPopupMenu* GetParentMenu() const { return FMenu; }
  bool IsLine() const { return Caption == L"-"; }
  bool HasVisibleItems() const;

private:
  TSkinPopupMenu* FMenu;
  TMenuItem* FParent;
  std::vector<std::unique_ptr<TMenuItem>> FItems;
};

class TSkinPopupMenu : public TComponent {
public:
  using TLevelEvent = std::function<void(TSkinPopupMenu& Sender, TMenuItem& Item)>;
  using TDrawItemEvent = std::function<void(TSkinPopupLevel& Level, TMenuItem& Item, bool& Handled, const TRect& Rect,
                                            Gdiplus::Graphics& Graphics)>;
  using TDrawBackgroundEvent =
      std::function<void(TSkinPopupLevel& Level, Gdiplus::Graphics& Graphics, bool& Handled, const TRect& Rect)>;

  explicit TSkinPopupMenu(TComponent* AOwner);
  ~TSkinPopupMenu() override;
  std::wstring_view ClassName() const override { return L"TSkinPopupMenu"; }

  // The root item: its sub-items are the menu's first level.
  TMenuItem& Items() { return FItems; }

  // Shows the root level with its anchor at the screen point (X, Y); an open
  // menu is closed first. A menu without visible items shows nothing.
  void Popup(int32_t X, int32_t Y);
  // Closes every open level.
  void CloseMenu();
  // The root level (null before the first Popup).
  TSkinPopupLevel* RootLevel() const { return FRoot.get(); }
  bool IsOpen() const;

  // Item pictures: SkinIcons (drawn at their own size) over Images (drawn at
  // ItemIconWidth x ItemIconHeight). Neither is owned.
  TImageList* Images = nullptr;
  TSkinImageList* SkinIcons = nullptr;

  TLevelEvent OnLevelCloseUp;
  TLevelEvent OnLevelPopup;
  TDrawItemEvent OnDrawMenuItem;
  TDrawBackgroundEvent OnDrawMenuBackground;

  int32_t TailSize = 20;
  int32_t CornerSize = 8;
  int32_t ItemHeight = 22;
  int32_t BackgroundAlpha = 245;
  int32_t ItemFontStyle = 0;
  bool ShowTail = false;
  bool ShowShadow = true;
  int32_t ItemIconWidth = 16, ItemIconHeight = 16;
  int32_t ItemLeftMargin = 25;
  int32_t ItemRightMargin = 20;
  int32_t ShadowSpace1 = 3, ShadowSpace2 = 3;

  // Called by TMenuItem when sub-items are added: the levels are rebuilt by
  // the next Popup.
  void ItemsChanged() { FLevelsStale = true; }

private:
  TMenuItem FItems{this, nullptr};
  std::unique_ptr<TSkinPopupLevel> FRoot;
  TTimer* FFocusWatch = nullptr;
  bool FLevelsStale = true;
};

// One level of an open menu: the sub-items of MenuItem in a window of its own.
class TSkinPopupLevel {
public:
  TSkinPopupLevel(TSkinPopupMenu& AMenu, TMenuItem& AItem, TSkinPopupLevel* AParent);
  ~TSkinPopupLevel();
  TSkinPopupLevel(const TSkinPopupLevel&) = delete;
  TSkinPopupLevel& operator=(const TSkinPopupLevel&) = delete;

  // Shows the level with its anchor at screen point (X, Y).
  void PopupAt(int32_t X, int32_t Y);
  // Hides the level and its open descendants.
  void HideLevel();
  // HideLevel, then the menu's OnLevelCloseUp.
  void CloseLevel();
  // Closes the whole menu this level belongs to.
  void CloseAll();
  // Repaints only the previous and the new hot item.
  void SetHotIndex(int32_t I);
  // Makes item I hot and opens its submenu at once, without the delay.
  void ShowSubmenu(int32_t I);
  // From the rows' places computed by the last CalcSize or PopupAt, in level
  // coordinates (moved up by the scroll position).
  TRect GetItemRect(int32_t I) const;
  int32_t ItemAtPoint(int32_t X, int32_t Y) const;
  void CalcSize();
  // Paints the background and the items that show, and updates the window.
  void PaintAll();
  // A level taller than the work area shows a part of its rows: the mouse
  // wheel moves it. ScrollTop is how far the rows are moved up.
  int32_t ScrollTop() const { return FScrollTop; }
  int32_t ScrollMax() const { return std::max(FContentHeight - Height, 0); }
  void SetScrollTop(int32_t Value);
  void UpdateLevelWindow();
  void SetTopMost(bool On);

  HWND Handle() const { return FHandle; }
  TMenuItem& MenuItem() const { return FMenuItem; }
  TSkinPopupMenu& Menu() const { return FMenu; }
  TSkinPopupLevel* Parent() const { return FParent; }
  // The level of sub-item I (null for an item without sub-items).
  TSkinPopupLevel* Child(int32_t I) const;
  const TGdipCanvas& Canvas() const { return FCanvas; }
  // Whether this level uses the skin look (the skin holds the menu images).
  bool SkinLook() const;

  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  TPopupPlacement Placement = ppRightBelow;
  int32_t HotIndex = -1;
  int32_t Opacity = 0;
  bool Visible = false;

  // The level whose window is AWnd; null for any other window.
  static TSkinPopupLevel* FindLevel(HWND AWnd);

private:
  friend class TSkinPopupMenu;
  friend LRESULT CALLBACK PopupWindowProc(HWND, UINT, WPARAM, LPARAM);
  void HandleMessage(UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  void HotTrack(int32_t X, int32_t Y);
  void MouseLeft();
  bool ContainsScreenPoint(POINT P) const;
  void ClickAt(int32_t X, int32_t Y);
  void FocusLost(HWND ANewFocus);
  void OpenHotSubmenu();

  TPopupMenuMetrics Metrics() const;
  std::vector<TPopupRow> Rows() const;
  // Rebuilds the rows' places for the current placement.
  void IndexRows();
  // Sizes the canvas and the two drawing surfaces to Width x Height.
  void SizeSurfaces();
  // The band of level rows where items show (between the paddings).
  int32_t ViewTop() const;
  int32_t ViewBottom() const;
  // Repaints the band ATop <= y < ABottom from the background and the items
  // reaching into it; AUpdate hands the result to the window.
  void PaintBand(int32_t ATop, int32_t ABottom, bool AUpdate);
  void RepaintItems(std::initializer_list<int32_t> AItems);
  void Wheel(int32_t ADelta);
  bool IsRoot() const { return FParent == nullptr; }
  void PaintBackground(Gdiplus::Graphics& G);
  void PaintBuiltInBody(Gdiplus::Graphics& G);
  // Paints item I; AOpaque collects the item rectangles whose transparent
  // pixels are made opaque once the drawing is done.
  void PaintItem(Gdiplus::Graphics& G, int32_t I, std::vector<TRect>& AOpaque);
  void FillTransparentPixels(const std::vector<TRect>& ARects, int32_t ATop, int32_t ABottom);
  void PaintItemImage(Gdiplus::Graphics& G, const TMenuItem& AItem, const TRect& R, int32_t AIconLeft);
  // Copies rows ATop <= y < ABottom of the drawn surface into the canvas
  // (premultiplied, as the layered window takes it).
  void CopySurfaceToCanvas(int32_t ATop, int32_t ABottom);

  TSkinPopupMenu& FMenu;
  TMenuItem& FMenuItem;
  TSkinPopupLevel* FParent;
  std::vector<std::unique_ptr<TSkinPopupLevel>> FChildren;
  TGdipCanvas FCanvas;
  // The background alone (painted by PaintAll) and background with items.
  std::unique_ptr<Gdiplus::Bitmap> FBackground, FSurface;
  std::unique_ptr<Gdiplus::Font> FFont;
  int32_t FFontStyle = 0;
  TPopupRowIndex FRowIndex;
  int32_t FContentHeight = 0; // the height all rows need
  int32_t FScrollTop = 0;
  TTimer* FSubmenuTimer = nullptr;
  HWND FHandle = nullptr;
  HWND FPreviousForeground = nullptr;
  BLENDFUNCTION FBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};

} // namespace qelvane
