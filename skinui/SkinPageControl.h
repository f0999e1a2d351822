#pragma once
// TSkinPageControl: a tabbed container whose pages are TSkinTabSheets. It
// draws its tab strip from the skin's page-control style (strip background,
// one nine-grid tab image per tab in normal, hover or down state, an
// optional icon and the caption), with optional attach, custom and close
// buttons at the end of the strip and, when the tabs do not fit, page-up and
// page-down buttons that scroll it. Tabs either share the strip equally
// (FillInRow) or take their own length and scroll.
//
// Selection is the active page plus TabIndex (the selected tab among the
// visible tabs). Changing it asks OnChanging, shows the new sheet, hides the
// old one (the sheets' OnShow/OnHide follow their showing state) and fires
// OnChange.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/layout/TabLayout.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiText.h"
#include "drawing/SkinImageList.h"
#include "skin/PageControlStyles.h"
#include "skinui/SkinControl.h"

namespace qelvane {

class TSkinPageControl;
class TGDIHintWindow;

enum TSkinTabOrientation : uint8_t { toLeft, toTop, toRight, toBottom };
// The strip button under the mouse.
enum TSkinTabCtrlBtn : uint8_t { cbNone, cbAttach, cbPageUp, cbPageDown, cbCustom, cbClose };
using TTabChangingEvent = std::function<void(TObject* Sender, int32_t NewIndex, bool& AllowChange)>;

class TSkinTabSheet : public TSkinCustomControl {
public:
  explicit TSkinTabSheet(TComponent* AOwner);
  ~TSkinTabSheet() override;
  std::wstring_view ClassName() const override { return L"TSkinTabSheet"; }

  TSkinPageControl* PageControl() const { return FPageControl; }
  // Moves the sheet to another page control (null: none); the control
  // becomes its parent.
  void SetPageControl(TSkinPageControl* Value);
  // Position among the control's pages, -1 without a control.
  int32_t PageIndex() const;
  // Throws for a position outside the control's pages.
  void SetPageIndex(int32_t Value);
  // Index among the visible tabs, -1 when the tab is hidden.
  int32_t TabIndex() const;

  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  bool TabEnabled() const { return FTabEnabled; }
  void SetTabEnabled(bool Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  int32_t DisabledIndex() const { return FDisabledIndex; }
  void SetDisabledIndex(int32_t Value);
  void* Data = nullptr;
  // The tab's rectangle in the page control from its last paint (empty when
  // the tab was not on the strip).
  const TRect& DisplayRect() const { return FDisplayRect; }

  TNotifyEvent OnShow, OnHide;

  // A page control as the new parent takes the sheet as its page.
  void SetParent(TWinControl* AParent) override;
  void CMShowingChanged() override;
  void CMTextChanged() override;

private:
  friend class TSkinPageControl;
  void UpdateTab();

  TSkinPageControl* FPageControl = nullptr;
  int32_t FDisabledIndex = -1;
  bool FTabEnabled = true;
  int32_t FImageIndex = -1;
  bool FTabVisible = true;
  TRect FDisplayRect;
};

class TSkinPageControl : public TSkinCustomControl {
public:
  explicit TSkinPageControl(TComponent* AOwner);
  ~TSkinPageControl() override;
  std::wstring_view ClassName() const override { return L"TSkinPageControl"; }

  // --- Pages.
  int32_t PageCount() const { return static_cast<int32_t>(FPages.size()); }
  TSkinTabSheet* Pages(int32_t Index) const { return FPages[static_cast<std::size_t>(Index)]; }
  int32_t VisiblePageCount() const { return static_cast<int32_t>(FVisiblePages.size()); }
  TSkinTabSheet* VisiblePages(int32_t Index) const { return FVisiblePages[static_cast<std::size_t>(Index)]; }

  // --- Selection.
  TSkinTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TSkinTabSheet* Value);
  // Index of the active page among the visible tabs, -1 for none.
  int32_t ActivePageIndex() const;
  void SetActivePageIndex(int32_t Value);
  int32_t TabIndex() const { return FTabIndex; }
  virtual void SetTabIndex(int32_t Value);
  // The next page after CurPage, cyclically; nil when none qualifies.
  TSkinTabSheet* FindNextPage(TSkinTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
  void SelectNextPage(bool GoForward);
  // Activates the page that holds AControl (the first page when none does).
  void MakeControlVisible(TControl* AControl);
  // One of this control's sheets becomes the active page.
  void ShowControl(TControl* AControl);
  // The visible tab at a client point, -1 for none (see TabAtPos in
  // core/layout/TabLayout.h).
  int32_t TabAtPos(int32_t X, int32_t Y) const;
  virtual void HideAllTabs();
  virtual void ShowAllTabs();
  // The page area.
  TRect DisplayRect() const;

  // --- Look.
  int32_t TabHeight() const { return FTabHeight; }
  void SetTabHeight(int32_t Value);
  TSkinTabOrientation TabOrientation() const { return FTabOrientation; }
  void SetTabOrientation(TSkinTabOrientation Value);
  bool AlwaysShowFirstPage() const { return FAlwaysShowFirstPage; }
  void SetAlwaysShowFirstPage(bool Value);
  bool ShowCard() const { return FShowCard; }
  void SetShowCard(bool Value);
  bool OnlyShowActivePageCaption = false;
  bool FillInRow = false;
  bool DrawTabNormal = true;
  int32_t IconWidth = 16, IconHeight = 16;
  bool ShowAttachButton = false, ShowCustomButton = false, ShowCloseButton = false;
  const std::wstring& StyleName() const { return FStyleName; }
  void SetStyleName(const std::wstring& Value);
  // The tab icons (ImageIndex of the sheets); a change updates the tabs.
  TSkinImageList& IconList() { return *FIconList; }

  // The twenty button and tab images and the strip background. A setter
  // stores only a different bitmap; the tab images and the background also
  // go to the control's own elements.
  const IGPBitmap& Image(TPageControlImage AImage) const { return FImages[AImage]; }
  void SetImage(TPageControlImage AImage, const IGPBitmap& Value);
  TSkinPageControlStyleItem* PageControlStyleItem() const { return FPageControlStyleItem; }

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TNotifyEvent OnCustomBtnClick, OnAttachBtnClick, OnCloseBtnClick;

  // --- State of the strip from the last paint and the mouse.
  int32_t MouseOverPageIndex() const { return FMouseOverPageIndex; }
  TSkinTabCtrlBtn TabCtrlBtn() const { return FTabCtrlBtn; }
  bool PageScrollVisible() const { return FPageScrollVisible; }
  int32_t PageScrollStart() const { return FPageScrollStart; }
  int32_t MaxPageScrollStart() const { return FMaxPageScrollStart; }
  TRect ButtonRect(TSkinTabCtrlBtn AButton) const;

  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void CMFontChanged() override;
  bool CMDialogKey(WORD Key, TShiftState Shift) override;

protected:
  virtual void LoadPageControlStyleItem();
  virtual void UpdateVisiblePages();
  virtual void GetTabRect(TRect& R) const;
  virtual void GetPageRect(TRect& R) const;
  virtual void DrawTabCtrlImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TRect& ARect);
  virtual void DrawLeftTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect);
  virtual void DrawTopTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect);
  virtual void DrawRightTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect);
  virtual void DrawBottomTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect);
  virtual void DrawTabs(Gdiplus::Graphics& Graphics, const TRect& AStripRect);
  virtual void DrawEmptyPage(Gdiplus::Graphics& Graphics, const TRect& APageRect);
  virtual void Change();

  void Loaded() override;
  void Resize() override;
  void WndProc(TMessage& Message) override;
  void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void ChangeSkinFile() override;
  void ChangeSkinBackGroundItem(TBaseSkinItem* AItem) override;
  // Recolours the strip background in place (see core/gfx/Tint.h).
  void TintTabBackGround(TGPColor AColor);
  virtual void LoadSkinResource();

private:
  friend class TSkinTabSheet;
  void InsertPage(TSkinTabSheet* APage);
  void RemovePage(TSkinTabSheet* APage);
  void MovePage(TSkinTabSheet* APage, int32_t AIndex);
  void ChangeActivePage(TSkinTabSheet* APage);
  int32_t FirstScrollable() const { return FirstScrollableTab(FAlwaysShowFirstPage); }
  // The element drawn for a tab state or the strip background: the style's
  // own element while the control shows the style's image.
  TGDIIMGADV* ElementFor(TPageControlImage AImage) const;
  TGDIIMGADV* OwnElement(TPageControlImage AImage) const;
  // The shared painter of the four strips.
  void DrawStrip(Gdiplus::Graphics& Graphics, const TRect& AStripRect, TSkinTabOrientation ASide);
  void DrawTab(Gdiplus::Graphics& Graphics, int32_t AIndex, const TRect& ATab, int32_t ATabLength, bool ACaptionShown,
               TSkinTabOrientation ASide);
  void DrawStripButtons(Gdiplus::Graphics& Graphics, const TTabStrip& AStrip);
  const IGPBitmap& ButtonImage(TSkinTabCtrlBtn AButton, TPageControlImage AHover, TPageControlImage ADown,
                               TPageControlImage ANormal) const;
  // The shown strip buttons under a point, in the order close, custom,
  // attach, page-up, page-down; cbNone for none.
  TSkinTabCtrlBtn ButtonAtPos(int32_t X, int32_t Y) const;
  void ShowTabHint(int32_t AIndex);
  void HideTabHint();
  void SetHover(int32_t AIndex);

  TSkinPageControlStyleItem* FPageControlStyleItem = nullptr;
  std::vector<TSkinTabSheet*> FPages;
  TSkinTabSheet* FActivePage = nullptr;
  int32_t FTabHeight = 26;
  TSkinTabOrientation FTabOrientation = toTop;
  bool FAlwaysShowFirstPage = false;
  bool FShowCard = true;
  int32_t FTabIndex = -1;
  std::unique_ptr<TSkinImageList> FIconList;
  std::wstring FStyleName = L"0";
  std::vector<TSkinTabSheet*> FVisiblePages;
  IGPBitmap FImages[pciCount];
  std::unique_ptr<TGDIIMGADV> FTabBtnImg_HoverElement, FTabBtnImg_DownElement, FTabBtnImg_NormalElement,
      FTabBackGroundElement;
  std::unique_ptr<TGDIText> FCaptionText;
  int32_t FMouseOverPageIndex = -1;
  bool FMouseDown = false;
  bool FPageScrollVisible = false;
  int32_t FPageScrollStart = 0;
  int32_t FMaxPageScrollStart = 0;
  TRect FAttachBtnRect, FPageUpBtnRect, FPageDownBtnRect, FCustomBtnRect, FCloseBtnRect;
  TSkinTabCtrlBtn FTabCtrlBtn = cbNone;
  std::unique_ptr<TGDIHintWindow> FHintWindow;
};

} // namespace qelvane
