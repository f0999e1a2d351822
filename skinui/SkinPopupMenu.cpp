#include "skinui/SkinPopupMenu.h"

#include <algorithm>

#include "drawing/ElementDefaults.h"
#include "drawing/GdiImagePro.h"
#include "skin/SkinMng.h"
#include "ui/Timer.h"
#include "winbase/Guard.h"

namespace qelvane {

LRESULT CALLBACK PopupWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);

namespace {

constexpr wchar_t PopupWindowClass[] = L"TxSkinPopupWindow";

// The list of live levels, which the window procedure searches by window
// handle. Kept apart from the window class: creating the hidden window runs
// the window procedure, which reads the list.
std::vector<TSkinPopupLevel*>& LevelList() {
  static std::vector<TSkinPopupLevel*> levels;
  return levels;
}

// The window class and the hidden window that owns every level window (so
// no level gets a taskbar button).
struct TPopupUnit {
  HWND Hidden = nullptr;

  TPopupUnit() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = PopupWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = PopupWindowClass;
    RegisterClassExW(&wc);
    Hidden = CreateWindowExW(0, PopupWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  ~TPopupUnit() {
    if (Hidden && IsWindow(Hidden)) DestroyWindow(Hidden);
  }
};

TPopupUnit& Unit() {
  static TPopupUnit unit;
  return unit;
}

bool IsLevelWindow(HWND AWnd) {
  return AWnd && TSkinPopupLevel::FindLevel(AWnd) != nullptr;
}

// A press of a mouse button on any window of the program that is not a
// level closes every open menu. The hook is there only while a menu is open.
HHOOK MouseHook = nullptr;

void CloseEveryOpenMenu() {
  const std::vector<TSkinPopupLevel*> levels = LevelList();
  for (TSkinPopupLevel* l : levels)
    if (!l->Parent() && l->Visible) l->Menu().CloseMenu();
}

// The visible level under screen point P (the deepest first: submenus lie
// over their parents).
TSkinPopupLevel* VisibleLevelAt(POINT P) {
  const auto& levels = LevelList();
  for (auto it = levels.rbegin(); it != levels.rend(); ++it) {
    TSkinPopupLevel* l = *it;
    if (l->Visible && P.x >= l->Left && P.x < l->Left + l->Width && P.y >= l->Top && P.y < l->Top + l->Height) return l;
  }
  return nullptr;
}

LRESULT CALLBACK PopupMouseHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
  // The wheel goes to the window with the focus, never to a level (levels
  // are not activated): over a level it scrolls that level instead.
  if (ACode == HC_ACTION && AWParam == WM_MOUSEWHEEL) {
    const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCTEX*>(ALParam);
    if (TSkinPopupLevel* level = VisibleLevelAt(info->pt)) {
      const auto delta = static_cast<int16_t>(HIWORD(info->mouseData));
      GuardAppException([&] { SendMessageW(level->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); });
      return 1;
    }
  }
  const LRESULT next = CallNextHookEx(MouseHook, ACode, AWParam, ALParam);
  if (ACode == HC_ACTION) {
    switch (AWParam) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      if (!IsLevelWindow(reinterpret_cast<const MOUSEHOOKSTRUCT*>(ALParam)->hwnd))
        GuardAppException([] { CloseEveryOpenMenu(); });
      break;
    default:
      break;
    }
  }
  return next;
}

void UpdateMouseHook() {
  const auto& levels = LevelList();
  const bool open =
      std::any_of(levels.begin(), levels.end(), [](TSkinPopupLevel* l) { return !l->Parent() && l->Visible; });
  if (open && !MouseHook)
    MouseHook = SetWindowsHookExW(WH_MOUSE, PopupMouseHook, nullptr, GetCurrentThreadId());
  else if (!open && MouseHook) {
    UnhookWindowsHookEx(MouseHook);
    MouseHook = nullptr;
  }
}

} // namespace

// ---- items -----------------------------------------------------------------

TMenuItem& TMenuItem::Add(std::wstring ACaption, TClickEvent AOnClick) {
  auto item = std::make_unique<TMenuItem>(FMenu, this);
  item->Caption = std::move(ACaption);
  item->OnClick = std::move(AOnClick);
  FItems.push_back(std::move(item));
  if (FMenu) FMenu->ItemsChanged();
  return *FItems.back();
}

bool TMenuItem::HasVisibleItems() const {
  return std::any_of(FItems.begin(), FItems.end(), [](const auto& i) { return i->Visible; });
}

// ---- menu ------------------------------------------------------------------

TSkinPopupMenu::TSkinPopupMenu(TComponent* AOwner) : TComponent(AOwner) {
  // The levels never take the activation from the window the menu was opened
  // over; the menu closes when any other window (not one of its levels) is
  // activated.
  FFocusWatch = &TComponent::Create<TTimer>(*this);
  FFocusWatch->SetInterval(100);
  FFocusWatch->OnTimer = [this](TObject*) {
    if (!IsOpen()) {
      FFocusWatch->SetEnabled(false);
      return;
    }
    const HWND foreground = GetForegroundWindow();
    if (foreground != FRoot->FPreviousForeground && !IsLevelWindow(foreground)) CloseMenu();
  };
}

TSkinPopupMenu::~TSkinPopupMenu() {
  MarkDestroying();
  if (FRoot) FRoot->HideLevel();
  FRoot.reset();
}

void TSkinPopupMenu::Popup(int32_t X, int32_t Y) {
  const HWND previous = GetForegroundWindow();
  if (FRoot && FRoot->Visible) FRoot->CloseLevel();
  if (FLevelsStale || !FRoot) {
    FRoot.reset();
    FRoot = std::make_unique<TSkinPopupLevel>(*this, FItems, nullptr);
    FLevelsStale = false;
  }
  FRoot->FPreviousForeground = IsLevelWindow(previous) ? FRoot->FPreviousForeground : previous;
  FRoot->PopupAt(X, Y);
  if (!FRoot->Visible) return;
  UpdateMouseHook();
  FFocusWatch->SetEnabled(true);
}

void TSkinPopupMenu::CloseMenu() {
  if (FRoot) FRoot->CloseAll();
}

bool TSkinPopupMenu::IsOpen() const {
  return FRoot && FRoot->Visible;
}

// ---- level -----------------------------------------------------------------

TSkinPopupLevel::TSkinPopupLevel(TSkinPopupMenu& AMenu, TMenuItem& AItem, TSkinPopupLevel* AParent)
    : FMenu(AMenu), FMenuItem(AItem), FParent(AParent) {
  TPopupUnit& unit = Unit();
  FHandle = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, PopupWindowClass, L"", WS_POPUP, 0, 0, 0,
                            0, unit.Hidden, nullptr, GetModuleHandleW(nullptr), nullptr);
  LevelList().push_back(this);
  FSubmenuTimer = &TComponent::Create<TTimer>(FMenu);
  FSubmenuTimer->SetInterval(PopupSubmenuDelay);
  FSubmenuTimer->OnTimer = [this](TObject*) { OpenHotSubmenu(); };
  for (int32_t i = 0; i < FMenuItem.Count(); ++i) {
    TMenuItem& sub = FMenuItem.Items(i);
    FChildren.push_back(sub.Count() > 0 ? std::make_unique<TSkinPopupLevel>(FMenu, sub, this) : nullptr);
  }
}

TSkinPopupLevel::~TSkinPopupLevel() {
  FChildren.clear();
  auto& levels = LevelList();
  levels.erase(std::remove(levels.begin(), levels.end(), this), levels.end());
  if (IsRoot()) UpdateMouseHook();
  FMenu.FreeComponent(FSubmenuTimer);
  if (FHandle) DestroyWindow(FHandle);
}

TSkinPopupLevel* TSkinPopupLevel::FindLevel(HWND AWnd) {
  for (TSkinPopupLevel* l : LevelList())
    if (l->FHandle == AWnd) return l;
  return nullptr;
}

TSkinPopupLevel* TSkinPopupLevel::Child(int32_t I) const {
  return I >= 0 && I < static_cast<int32_t>(FChildren.size()) ? FChildren[static_cast<size_t>(I)].get() : nullptr;
}

bool TSkinPopupLevel::SkinLook() const {
  return SkinMng().PopupMenuSkin().Customize;
}

TPopupMenuMetrics TSkinPopupLevel::Metrics() const {
  const TPopupMenuSkin& s = SkinMng().PopupMenuSkin();
  TPopupMenuMetrics m;
  m.SkinLook = s.Customize;
  m.ItemHeight = FMenu.ItemHeight;
  m.CornerSize = FMenu.CornerSize;
  m.TailSize = FMenu.TailSize;
  m.ItemLeftMargin = FMenu.ItemLeftMargin;
  m.ItemRightMargin = FMenu.ItemRightMargin;
  m.MenuOtherHeight = s.MenuOtherHeight;
  m.MenuOtherWidth = s.MenuOtherWidth;
  m.MenuItemsDrawTopMargin = s.MenuItemsDrawTopMargin;
  m.MenuCutlingHeight = s.MenuCutlingHeight;
  if (s.Customize) m.ArrowRightRoom = s.MenuArrowBitmapDrawRightMargin - ImageWidth(s.MenuArrowBitmap->Image());
  return m;
}

std::vector<TPopupRow> TSkinPopupLevel::Rows() const {
  std::vector<TPopupRow> rows;
  rows.reserve(static_cast<size_t>(FMenuItem.Count()));
  for (int32_t i = 0; i < FMenuItem.Count(); ++i) {
    const TMenuItem& item = FMenuItem.Items(i);
    rows.push_back({item.Visible, item.IsLine(), 0});
  }
  return rows;
}

void TSkinPopupLevel::IndexRows() {
  FRowIndex = TPopupRowIndex(Metrics(), Rows(), IsRoot(), Placement);
}

TRect TSkinPopupLevel::GetItemRect(int32_t I) const {
  TRect r = FRowIndex.ItemRect(I, Width);
  if (r.Bottom > r.Top) {
    r.Top -= FScrollTop;
    r.Bottom -= FScrollTop;
  }
  return r;
}

int32_t TSkinPopupLevel::ItemAtPoint(int32_t X, int32_t Y) const {
  // Rows scrolled under the paddings do not show.
  if (Y < ViewTop() || Y >= ViewBottom()) return -1;
  return FRowIndex.ItemAtPoint(X, Y + FScrollTop, Width);
}

int32_t TSkinPopupLevel::ViewTop() const {
  return FRowIndex.RowsTop();
}

int32_t TSkinPopupLevel::ViewBottom() const {
  return Height - (FContentHeight - FRowIndex.RowsBottom());
}

void TSkinPopupLevel::SetScrollTop(int32_t Value) {
  Value = std::clamp(Value, 0, ScrollMax());
  if (Value == FScrollTop) return;
  // The rows move under the pointer: the hot item and its submenu go.
  if (HotIndex >= 0)
    if (TSkinPopupLevel* child = Child(HotIndex)) child->CloseLevel();
  FSubmenuTimer->SetEnabled(false);
  HotIndex = -1;
  FScrollTop = Value;
  if (Visible) PaintBand(ViewTop(), ViewBottom(), true);
}

void TSkinPopupLevel::Wheel(int32_t ADelta) {
  // Three rows a notch, as lists scroll.
  SetScrollTop(FScrollTop - ADelta * 3 * FMenu.ItemHeight / WHEEL_DELTA);
}

void TSkinPopupLevel::PopupAt(int32_t X, int32_t Y) {
  if (FMenu.OnLevelPopup) FMenu.OnLevelPopup(FMenu, FMenuItem);
  if (!FMenuItem.HasVisibleItems()) return;
  CalcSize();
  // The work area of the monitor the anchor lies on.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (GetMonitorInfoW(MonitorFromPoint(POINT{X, Y}, MONITOR_DEFAULTTONEAREST), &monitor))
    area = monitor.rcWork;
  else
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  TPopupSize size{Width, Height};
  const TPopupPosition p = FitPopupLevel(Metrics(), X, Y, size, IsRoot(), FParent ? FParent->Width : 0,
                                         {area.left, area.top, area.right, area.bottom});
  Left = p.Left;
  Top = p.Top;
  Placement = p.Placement;
  Height = size.Height;
  SizeSurfaces();
  IndexRows();
  FScrollTop = 0;
  HotIndex = -1;
  Opacity = 3;
  PaintAll();
  Visible = true;
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  SetTopMost(true);
}

void TSkinPopupLevel::HideLevel() {
  if (!Visible) return;
  Visible = false;
  FSubmenuTimer->SetEnabled(false);
  // A level that was given the activation hands it back to the window the
  // menu was opened over.
  const bool wasForeground = IsLevelWindow(GetForegroundWindow());
  ShowWindow(FHandle, SW_HIDE);
  if (IsRoot() && wasForeground && FPreviousForeground && IsWindow(FPreviousForeground))
    SetForegroundWindow(FPreviousForeground);
  for (auto& child : FChildren)
    if (child) child->HideLevel();
  if (IsRoot()) UpdateMouseHook();
}

void TSkinPopupLevel::CloseLevel() {
  if (!Visible) return;
  HideLevel();
  if (FMenu.OnLevelCloseUp) FMenu.OnLevelCloseUp(FMenu, FMenuItem);
}

void TSkinPopupLevel::CloseAll() {
  if (!Visible) return;
  TSkinPopupLevel* root = this;
  while (root->FParent)
    root = root->FParent;
  root->CloseLevel();
}

void TSkinPopupLevel::SetHotIndex(int32_t I) {
  if (I == HotIndex) return;
  const int32_t previous = HotIndex;
  HotIndex = I;
  RepaintItems({previous, I});
}

void TSkinPopupLevel::UpdateLevelWindow() {
  POINT position{Left, Top};
  SIZE size{Width, Height};
  POINT source{0, 0};
  if (!FCanvas.DC()) return;
  UpdateLayeredWindow(FHandle, nullptr, &position, &size, FCanvas.DC(), &source, 0, &FBlend, ULW_ALPHA);
}

void TSkinPopupLevel::SetTopMost(bool On) {
  SetWindowPos(FHandle, On ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TSkinPopupLevel::OpenHotSubmenu() {
  FSubmenuTimer->SetEnabled(false);
  if (HotIndex < 0 || !Visible) return;
  TSkinPopupLevel* child = Child(HotIndex);
  if (!child) return;
  const TPopupAnchor a = PopupSubmenuAnchor(Left, Top, Width, GetItemRect(HotIndex).Top);
  child->PopupAt(a.X, a.Y);
}

void TSkinPopupLevel::ShowSubmenu(int32_t I) {
  if (!Visible || I < 0 || I >= FMenuItem.Count() || !FMenuItem.Items(I).Enabled) return;
  if (HotIndex >= 0 && HotIndex != I)
    if (TSkinPopupLevel* previous = Child(HotIndex)) previous->CloseLevel();
  SetHotIndex(I);
  OpenHotSubmenu();
}

void TSkinPopupLevel::HotTrack(int32_t X, int32_t Y) {
  int32_t i = ItemAtPoint(X, Y);
  if (i >= 0 && !FMenuItem.Items(i).Enabled) i = -1;
  if (i == HotIndex) return;
  if (HotIndex >= 0)
    if (TSkinPopupLevel* previous = Child(HotIndex)) previous->CloseLevel();
  FSubmenuTimer->SetEnabled(false);
  SetHotIndex(i);
  if (i >= 0 && FMenuItem.Items(i).Count() > 0) FSubmenuTimer->SetEnabled(true);
}

bool TSkinPopupLevel::ContainsScreenPoint(POINT P) const {
  return Visible && P.x >= Left && P.x < Left + Width && P.y >= Top && P.y < Top + Height;
}

void TSkinPopupLevel::MouseLeft() {
  if (HotIndex < 0 || HotIndex >= FMenuItem.Count()) return;
  // Where the pointer is decides by the levels' own rectangles: the system's
  // window-from-point does not find layered windows everywhere, and a leave
  // notice may come while the pointer is still over this level.
  POINT cursor{};
  GetCursorPos(&cursor);
  if (ContainsScreenPoint(cursor)) return;
  TSkinPopupLevel* child = Child(HotIndex);
  if (child && child->ContainsScreenPoint(cursor)) return;
  FSubmenuTimer->SetEnabled(false);
  if (child) child->CloseLevel();
  SetHotIndex(-1);
}

void TSkinPopupLevel::ClickAt(int32_t X, int32_t Y) {
  const int32_t i = ItemAtPoint(X, Y);
  if (i < 0) return;
  TMenuItem& item = FMenuItem.Items(i);
  if (!item.Enabled) return;
  if (item.AutoCheck) item.Checked = !item.Checked;
  const bool handler = static_cast<bool>(item.OnClick);
  if (handler || item.Count() == 0) CloseAll();
  // The handler may free the menu: nothing of this level is used after it.
  if (handler) {
    TMenuItem::TClickEvent onClick = item.OnClick;
    onClick(item);
  }
}

void TSkinPopupLevel::FocusLost(HWND ANewFocus) {
  if (!Visible) return;
  // The focus moving to another level of a menu keeps the menu open.
  const HWND foreground = GetForegroundWindow();
  if (IsLevelWindow(ANewFocus) || (foreground != FHandle && IsLevelWindow(foreground))) return;
  CloseAll();
}

void TSkinPopupLevel::HandleMessage(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  const int32_t x = static_cast<int16_t>(LOWORD(ALParam)), y = static_cast<int16_t>(HIWORD(ALParam));
  switch (AMsg) {
  case WM_KILLFOCUS:
    FocusLost(reinterpret_cast<HWND>(AWParam));
    break;
  case WM_MOUSEMOVE: {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, FHandle, HOVER_DEFAULT};
    TrackMouseEvent(&tme);
    HotTrack(x, y);
    break;
  }
  case WM_LBUTTONDOWN:
    ClickAt(x, y);
    break;
  case WM_MOUSELEAVE:
    MouseLeft();
    break;
  case WM_MOUSEWHEEL:
    Wheel(static_cast<int16_t>(HIWORD(AWParam)));
    break;
  default:
    break;
  }
}

LRESULT CALLBACK PopupWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  // A click on a level never activates it: the focus stays where the menu put it.
  if (AMsg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (TSkinPopupLevel* level = TSkinPopupLevel::FindLevel(AWnd))
    GuardAppException([&] { level->HandleMessage(AMsg, AWParam, ALParam); });
  return DefWindowProcW(AWnd, AMsg, AWParam, ALParam);
}

} // namespace qelvane
