#include "skinui/SkinPageControl.h"

#include <windowsx.h>

#include <algorithm>

#include "core/gfx/TextLayout.h"
#include "core/gfx/Tint.h"
#include "drawing/SkinHelper.h"
#include "skin/SkinItems.h"
#include "skin/SkinMng.h"
#include "skinui/HintWindow.h"
#include "ui/Form.h"

namespace qelvane {

namespace {

constexpr int32_t kTabImageMargin = 8;

// AControl is AAncestor or lies inside it.
bool IsWithin(const TControl* AControl, const TControl* AAncestor) {
  for (const TControl* c = AControl; c; c = c->Parent())
    if (c == AAncestor) return true;
  return false;
}

// The first windowed control inside AParent (depth first, in z-order) that
// takes the focus with the Tab key and can take it now.
TWinControl* FirstTabStop(TWinControl& AParent) {
  for (std::size_t i = 0; i < AParent.ControlCount(); ++i) {
    auto* w = dynamic_cast<TWinControl*>(AParent.Controls(i));
    if (!w) continue;
    if (w->TabStop && w->CanFocus()) return w;
    if (TWinControl* inner = FirstTabStop(*w)) return inner;
  }
  return nullptr;
}

} // namespace

TSkinPageControl::TSkinPageControl(TComponent* AOwner)
    : TSkinCustomControl(AOwner), FIconList(std::make_unique<TSkinImageList>()),
      FTabBtnImg_HoverElement(std::make_unique<TGDIIMGADV>()), FTabBtnImg_DownElement(std::make_unique<TGDIIMGADV>()),
      FTabBtnImg_NormalElement(std::make_unique<TGDIIMGADV>()), FTabBackGroundElement(std::make_unique<TGDIIMGADV>()),
      FCaptionText(std::make_unique<TGDIText>()) {
  TabStop = true;
  FCaptionText->PrintStyle = 0;
  FCaptionText->SetFont(Font().ToDesc());
  FIconList->OnChange = [this](TSkinImageList*) { UpdateVisiblePages(); };
  // A control made outside a form's construction never gets Loaded.
  LoadSkinResource();
}

TSkinPageControl::~TSkinPageControl() {
  MarkDestroying();
  FHintWindow.reset();
  // The pages go with the control, first to last; each removes itself.
  while (!FPages.empty()) {
    TSkinTabSheet* page = FPages.front();
    if (TComponent* owner = page->Owner()) owner->FreeComponent(page);
    if (!FPages.empty() && FPages.front() == page) RemovePage(page); // not freed by an owner
  }
}

// --- Pages.

void TSkinPageControl::InsertPage(TSkinTabSheet* APage) {
  if (Parent() && Parent()->HandleAllocated()) HandleNeeded();
  FPages.push_back(APage);
  APage->FPageControl = this;
  UpdateVisiblePages();
}

void TSkinPageControl::RemovePage(TSkinTabSheet* APage) {
  // While the control or its form goes away the selection is left alone.
  const bool dismantling = IsDestroying() || (Owner() && Owner()->IsDestroying());
  if (APage == FActivePage) {
    if (dismantling)
      FActivePage = nullptr;
    else
      SetActivePage(nullptr);
  }
  std::erase(FPages, APage);
  if (dismantling)
    std::erase(FVisiblePages, APage);
  else
    UpdateVisiblePages();
  APage->FPageControl = nullptr;
}

void TSkinPageControl::MovePage(TSkinTabSheet* APage, int32_t AIndex) {
  std::erase(FPages, APage);
  FPages.insert(FPages.begin() + AIndex, APage);
  UpdateVisiblePages();
}

void TSkinPageControl::UpdateVisiblePages() {
  FVisiblePages.clear();
  for (TSkinTabSheet* page : FPages)
    if (page->TabVisible()) FVisiblePages.push_back(page);
  if (FActivePage) {
    const int32_t index = FActivePage->TabIndex();
    if (index >= 0) {
      if (index != FTabIndex) SetTabIndex(index);
    } else {
      SelectNextPage(true);
    }
  } else if (!FVisiblePages.empty()) {
    SetTabIndex(0);
  }
  RepaintSelfImage();
}

TSkinTabSheet* TSkinPageControl::FindNextPage(TSkinTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
  const int32_t count = PageCount();
  if (count == 0) return nullptr;
  auto it = std::find(FPages.begin(), FPages.end(), CurPage);
  int32_t start = it != FPages.end() ? static_cast<int32_t>(it - FPages.begin()) : (GoForward ? count - 1 : 0);
  int32_t i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    if (!CheckTabVisible || FPages[i]->TabVisible()) return FPages[i];
  } while (i != start);
  return nullptr;
}

void TSkinPageControl::SelectNextPage(bool GoForward) {
  if (TSkinTabSheet* page = FindNextPage(FActivePage, GoForward, true)) SetActivePage(page);
}

void TSkinPageControl::MakeControlVisible(TControl* AControl) {
  int32_t position = 0;
  for (int32_t i = 0; i < PageCount(); ++i)
    if (IsWithin(AControl, FPages[i])) {
      position = i;
      break;
    }
  if (position != ActivePageIndex()) SetActivePageIndex(position);
}

void TSkinPageControl::ShowControl(TControl* AControl) {
  auto* page = dynamic_cast<TSkinTabSheet*>(AControl);
  if (page && page->PageControl() == this) SetActivePage(page);
}

void TSkinPageControl::HideAllTabs() {
  for (TSkinTabSheet* page : std::vector<TSkinTabSheet*>(FPages))
    page->SetTabVisible(false);
}

void TSkinPageControl::ShowAllTabs() {
  for (TSkinTabSheet* page : std::vector<TSkinTabSheet*>(FPages))
    page->SetTabVisible(true);
}

// --- Selection.

int32_t TSkinPageControl::ActivePageIndex() const {
  auto it = std::find(FVisiblePages.begin(), FVisiblePages.end(), FActivePage);
  return FActivePage && it != FVisiblePages.end() ? static_cast<int32_t>(it - FVisiblePages.begin()) : -1;
}

void TSkinPageControl::SetActivePageIndex(int32_t Value) {
  if (Value < 0 || Value >= VisiblePageCount())
    SetTabIndex(-1);
  else
    SetActivePage(FVisiblePages[Value]);
}

void TSkinPageControl::SetActivePage(TSkinTabSheet* Value) {
  if (Value && Value->PageControl() != this) return;
  if (IsLoading()) {
    FActivePage = Value;
    return;
  }
  const int32_t index = Value ? Value->TabIndex() : -1;
  if (index == -1) ChangeActivePage(Value);
  SetTabIndex(index);
}

void TSkinPageControl::SetTabIndex(int32_t Value) {
  if (IsLoading()) {
    FTabIndex = Value;
    return;
  }
  if (Value < 0 || Value >= VisiblePageCount()) {
    FTabIndex = -1; // the active page stays
    RepaintSelfImage();
    return;
  }
  const int32_t old = FTabIndex;
  bool allow = true;
  if (Value != old && OnChanging) OnChanging(this, Value, allow);
  // The handler may have hidden tabs meanwhile.
  if (allow && Value < VisiblePageCount()) {
    FTabIndex = Value;
    ChangeActivePage(FVisiblePages[Value]);
  }
  if (FTabIndex != old) Change();
}

void TSkinPageControl::ChangeActivePage(TSkinTabSheet* APage) {
  if (APage == FActivePage) return;
  TCustomForm* form = ParentForm();
  TSkinTabSheet* const old = FActivePage;
  // The focus leaves the page that is about to be hidden through the page
  // itself, so that it can follow to the new page.
  if (form && old && form->ActiveControl() != old && IsWithin(form->ActiveControl(), old) && old->CanFocus())
    old->SetFocus();
  if (APage) {
    if (HWND h = APage->HandleIfAllocated())
      SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    APage->SetVisible(true);
    APage->RepaintSelfImage();
    if (form && old && form->ActiveControl() == old) {
      if (APage->CanFocus())
        APage->SetFocus();
      else
        SetFocus();
    }
  }
  if (old) old->SetVisible(false);
  FActivePage = APage;
  if (form && APage && form->ActiveControl() == APage)
    if (TWinControl* first = FirstTabStop(*APage)) first->SetFocus();
  RepaintSelfImage(); // the active tab is drawn pressed
}

void TSkinPageControl::Change() {
  if (OnChange) OnChange(this);
}

int32_t TSkinPageControl::TabAtPos(int32_t X, int32_t Y) const {
  std::vector<TRect> tabs;
  tabs.reserve(FVisiblePages.size());
  for (TSkinTabSheet* page : FVisiblePages)
    tabs.push_back(page->DisplayRect());
  std::vector<TRect> buttons;
  if (ShowCloseButton) buttons.push_back(FCloseBtnRect);
  if (ShowCustomButton) buttons.push_back(FCustomBtnRect);
  if (FPageScrollVisible) {
    buttons.push_back(FPageUpBtnRect);
    buttons.push_back(FPageDownBtnRect);
  }
  if (ShowAttachButton) buttons.push_back(FAttachBtnRect);
  return qelvane::TabAtPos(X, Y, tabs, buttons, FAlwaysShowFirstPage, FPageScrollStart);
}

TSkinTabCtrlBtn TSkinPageControl::ButtonAtPos(int32_t X, int32_t Y) const {
  if (ShowCloseButton && RectContains(FCloseBtnRect, X, Y)) return cbClose;
  if (ShowCustomButton && RectContains(FCustomBtnRect, X, Y)) return cbCustom;
  if (ShowAttachButton && RectContains(FAttachBtnRect, X, Y)) return cbAttach;
  if (FPageScrollVisible && RectContains(FPageUpBtnRect, X, Y)) return cbPageUp;
  if (FPageScrollVisible && RectContains(FPageDownBtnRect, X, Y)) return cbPageDown;
  return cbNone;
}

TRect TSkinPageControl::ButtonRect(TSkinTabCtrlBtn AButton) const {
  switch (AButton) {
  case cbAttach:
    return FAttachBtnRect;
  case cbPageUp:
    return FPageUpBtnRect;
  case cbPageDown:
    return FPageDownBtnRect;
  case cbCustom:
    return FCustomBtnRect;
  case cbClose:
    return FCloseBtnRect;
  default:
    return {};
  }
}

// --- Geometry.

void TSkinPageControl::GetTabRect(TRect& R) const {
  R = GetClientRect();
  switch (FTabOrientation) {
  case toLeft:
    R.Right = R.Left + FTabHeight;
    break;
  case toTop:
    R.Bottom = R.Top + FTabHeight;
    break;
  case toRight:
    R.Left = R.Right - FTabHeight;
    break;
  case toBottom:
    R.Top = R.Bottom - FTabHeight;
    break;
  }
}

void TSkinPageControl::GetPageRect(TRect& R) const {
  R = GetClientRect();
  if (!FShowCard) return;
  switch (FTabOrientation) {
  case toLeft:
    R.Left += FTabHeight;
    break;
  case toTop:
    R.Top += FTabHeight;
    break;
  case toRight:
    R.Right -= FTabHeight;
    break;
  case toBottom:
    R.Bottom -= FTabHeight;
    break;
  }
}

TRect TSkinPageControl::DisplayRect() const {
  TRect r;
  GetPageRect(r);
  return r;
}

void TSkinPageControl::AdjustClientRect(TRect& Rect) {
  GetPageRect(Rect);
}

void TSkinPageControl::AlignControls(TControl* AControl, TRect& Rect) {
  GetPageRect(Rect);
  TSkinCustomControl::AlignControls(AControl, Rect);
}

void TSkinPageControl::Resize() {
  TSkinCustomControl::Resize();
  if (FPageScrollVisible) FPageScrollStart = FirstScrollable();
}

// --- Settings.

void TSkinPageControl::SetTabHeight(int32_t Value) {
  if (Value == FTabHeight) return;
  FTabHeight = Value;
  Realign();
  UpdateVisiblePages();
}

void TSkinPageControl::SetShowCard(bool Value) {
  if (Value == FShowCard) return;
  FShowCard = Value;
  Realign();
  UpdateVisiblePages();
}

void TSkinPageControl::SetTabOrientation(TSkinTabOrientation Value) {
  if (Value == FTabOrientation) return;
  FTabOrientation = Value;
  LoadSkinResource();
  Realign();
  UpdateVisiblePages();
}

void TSkinPageControl::SetAlwaysShowFirstPage(bool Value) {
  if (Value == FAlwaysShowFirstPage) return;
  FAlwaysShowFirstPage = Value;
  RepaintSelfImage();
}

void TSkinPageControl::SetStyleName(const std::wstring& Value) {
  FStyleName = Value;
  ChangeSkinFile();
}

// --- Skin.

TGDIIMGADV* TSkinPageControl::OwnElement(TPageControlImage AImage) const {
  switch (AImage) {
  case pciTabBtnImg_Hover:
    return FTabBtnImg_HoverElement.get();
  case pciTabBtnImg_Down:
    return FTabBtnImg_DownElement.get();
  case pciTabBtnImg_Normal:
    return FTabBtnImg_NormalElement.get();
  case pciTabBackGround:
    return FTabBackGroundElement.get();
  default:
    return nullptr;
  }
}

TGDIIMGADV* TSkinPageControl::ElementFor(TPageControlImage AImage) const {
  const TSkinPageControlStyleItem* style = FPageControlStyleItem;
  if (!style || FImages[AImage] != style->Image(AImage)) return OwnElement(AImage);
  switch (AImage) {
  case pciTabBtnImg_Hover:
    return style->TabBtnImg_HoverElement();
  case pciTabBtnImg_Down:
    return style->TabBtnImg_DownElement();
  case pciTabBtnImg_Normal:
    return style->TabBtnImg_NormalElement();
  case pciTabBackGround:
    return style->TabBackGroundElement();
  default:
    return nullptr;
  }
}

void TSkinPageControl::SetImage(TPageControlImage AImage, const IGPBitmap& Value) {
  if (AImage < 0 || AImage >= pciCount || FImages[AImage] == Value) return;
  FImages[AImage] = Value;
  if (TGDIIMGADV* own = OwnElement(AImage)) TSkinHelper::InitGdiImgAdv(*own, Value, kTabImageMargin, kTabImageMargin);
}

void TSkinPageControl::LoadPageControlStyleItem() {
  FPageControlStyleItem = FTabOrientation == toTop || FTabOrientation == toBottom
                              ? SkinMng().HorzPageControlStyles().GetItem(FStyleName)
                              : nullptr;
}

void TSkinPageControl::LoadSkinResource() {
  // The bitmaps a form designer shows are not part of this program: the
  // control is never designed here, and at run time the style is the source.
  if (IsDesigning() || !SkinMng().Loaded()) return;
  LoadPageControlStyleItem();
  if (!FPageControlStyleItem) return;
  for (int i = 0; i < pciCount; ++i)
    SetImage(TPageControlImage(i), FPageControlStyleItem->Image(TPageControlImage(i)));
  RepaintSelfImage();
}

void TSkinPageControl::ChangeSkinFile() {
  TSkinCustomControl::ChangeSkinFile();
  LoadSkinResource();
  UpdateVisiblePages();
}

void TSkinPageControl::ChangeSkinBackGroundItem(TBaseSkinItem* AItem) {
  TSkinCustomControl::ChangeSkinBackGroundItem(AItem);
  if (!FPageControlStyleItem || !AItem) return;
  const TGPColor color = AItem->AverageGPColor();
  if (FPageControlStyleItem->AverageGPColor() == color) return;
  TintTabBackGround(color);
  // The elements built the old pixels of the same bitmap: build them anew.
  const IGPBitmap& background = FImages[pciTabBackGround];
  for (TGDIIMGADV* element : {ElementFor(pciTabBackGround), FTabBackGroundElement.get()}) {
    element->UnBuild();
    if (background) element->SetImage(background);
  }
  FPageControlStyleItem->SetAverageGPColor(color);
  RepaintSelfImage();
}

void TSkinPageControl::TintTabBackGround(TGPColor AColor) {
  const IGPBitmap& background = FImages[pciTabBackGround];
  if (!background) return;
  TBitmapBits bits(background->Native());
  TintTabBackGroundPixels(bits.View(), AColor);
}

void TSkinPageControl::Loaded() {
  TSkinCustomControl::Loaded();
  LoadSkinResource();
  SetTabIndex(-1);
  TSkinTabSheet* const remembered = FActivePage;
  FActivePage = nullptr;
  UpdateVisiblePages(); // selects the first visible tab
  // The page named while loading wins; without one the first stays.
  if (remembered) SetActivePage(remembered);
}

// --- Mouse and keyboard.

void TSkinPageControl::SetHover(int32_t AIndex) {
  if (AIndex == FMouseOverPageIndex) return;
  FMouseOverPageIndex = AIndex;
  if (AIndex != -1) FTabCtrlBtn = cbNone;
}

void TSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseDown(Button, Shift, X, Y);
  SetFocus();
  if (!Focused()) return;
  FMouseDown = true;
  const int32_t index = TabAtPos(X, Y);
  SetHover(index);
  SetTabIndex(index); // a press beside every tab leaves TabIndex at -1, the page stays
  RepaintSelfImage();
}

void TSkinPageControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseMove(Shift, X, Y);
  const int32_t index = TabAtPos(X, Y);
  if (index == FMouseOverPageIndex) {
    const TSkinTabCtrlBtn button = ButtonAtPos(X, Y);
    if (button != cbNone) {
      if (button != FTabCtrlBtn) {
        FTabCtrlBtn = button;
        RepaintSelfImage();
      }
    } else if (FTabCtrlBtn != cbNone) {
      FTabCtrlBtn = cbNone;
      RepaintSelfImage();
    }
    return;
  }
  FMouseOverPageIndex = index;
  HideTabHint(); // the hint belonged to the tab the mouse left
  if (ShowHint && index >= 0 && index < VisiblePageCount() && FVisiblePages[index]->ShowHint) {
    Hint = FVisiblePages[index]->Hint;
    if (!Hint.empty()) ShowTabHint(index);
  }
  if (index != -1) FTabCtrlBtn = cbNone;
  RepaintSelfImage();
}

void TSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TSkinCustomControl::MouseUp(Button, Shift, X, Y);
  SetHover(TabAtPos(X, Y));
  FMouseDown = false;
  RepaintSelfImage();
  const int32_t m = FirstScrollable();
  if (ShowCloseButton && RectContains(FCloseBtnRect, X, Y)) {
    if (OnCloseBtnClick) OnCloseBtnClick(this);
  } else if (ShowCustomButton && RectContains(FCustomBtnRect, X, Y)) {
    if (OnCustomBtnClick) OnCustomBtnClick(this);
  } else if (ShowAttachButton && RectContains(FAttachBtnRect, X, Y)) {
    if (OnAttachBtnClick) OnAttachBtnClick(this);
  } else if (FPageScrollVisible && RectContains(FPageUpBtnRect, X, Y)) {
    if (FPageScrollStart >= m + 1) --FPageScrollStart;
    RepaintSelfImage();
  } else if (FPageScrollVisible && RectContains(FPageDownBtnRect, X, Y)) {
    if (FPageScrollStart < FMaxPageScrollStart) ++FPageScrollStart;
    RepaintSelfImage();
  }
}

void TSkinPageControl::CMMouseEnter() {
  TSkinCustomControl::CMMouseEnter();
  FMouseOverPageIndex = -1;
  FMouseDown = false;
  FTabCtrlBtn = cbNone;
  RepaintSelfImage();
}

void TSkinPageControl::CMMouseLeave() {
  TSkinCustomControl::CMMouseLeave();
  FMouseOverPageIndex = -1;
  FMouseDown = false;
  FTabCtrlBtn = cbNone;
  Hint.clear();
  HideTabHint();
  RepaintSelfImage();
}

void TSkinPageControl::ShowTabHint(int32_t) {
  POINT p;
  if (!GetCursorPos(&p)) return;
  if (!FHintWindow) FHintWindow = std::make_unique<TGDIHintWindow>(nullptr);
  const SIZE extent = FHintWindow->TextExtent(Hint);
  FHintWindow->ActivateHint(HintRect(p.x, p.y + 20, extent.cx, extent.cy), Hint);
}

void TSkinPageControl::HideTabHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TSkinPageControl::CMFontChanged() {
  TSkinCustomControl::CMFontChanged();
  if (FCaptionText) FCaptionText->SetFont(Font().ToDesc());
  RepaintSelfImage();
}

bool TSkinPageControl::CMDialogKey(WORD Key, TShiftState Shift) {
  if (TSkinCustomControl::CMDialogKey(Key, Shift)) return true;
  TCustomForm* form = ParentForm();
  if (form && Key == VK_TAB && (Shift & ssCtrl) && IsWithin(form->ActiveControl(), this)) {
    SelectNextPage(!(Shift & ssShift));
    return true;
  }
  return false;
}

void TSkinPageControl::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_LBUTTONDOWN: {
    TSkinCustomControl::WndProc(m);
    const int32_t index = TabAtPos(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (index >= 0 && index < PageCount()) SetTabIndex(index);
    return;
  }
  case WM_GETDLGCODE:
    TSkinCustomControl::WndProc(m);
    m.Result = DLGC_WANTARROWS;
    return;
  case WM_SETFOCUS:
    TSkinCustomControl::WndProc(m);
    // A page without a tab cannot be reached by clicking: its first control takes the focus.
    if (FActivePage && !FActivePage->TabVisible() && FActivePage->ControlCount() > 0) {
      for (std::size_t i = 0; i < FActivePage->ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(FActivePage->Controls(i));
        if (w && w->CanFocus()) {
          w->SetFocus();
          break;
        }
      }
    }
    return;
  default:
    break;
  }
  TSkinCustomControl::WndProc(m);
}

} // namespace qelvane
