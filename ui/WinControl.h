#pragma once
// TWinControl: a control with its own window. One static window procedure
// finds the object for a window and calls its WindowProc (by default
// WndProc, which subclasses override and chain; another object may replace
// WindowProc and chain to the saved one). WndProc's default handling calls
// the window class's own procedure (DefWindowProc for the toolkit's class,
// the original procedure for system classes such as EDIT).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace qelvane {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
using TWndMethod = std::function<void(TMessage&)>;

// What a window is created with.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int32_t X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // Empty: the toolkit's own window class (styled by WindowClassStyle).
  // Otherwise a system class whose window the toolkit subclasses.
  std::wstring SystemClassName;
  UINT WindowClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  std::wstring_view ClassName() const override { return L"TWinControl"; }
  bool IsWindowed() const override { return true; }

  // The window, created on first use (its parent's first).
  HWND Handle();
  HWND HandleIfAllocated() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  void RecreateWnd();

  // The object of one of the toolkit's windows, or null.
  static TWinControl* FindControl(HWND AWnd);
  static WNDPROC ClassWndProc() { return &TWinControl::StdWndProc; }

  // Message handling.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& Message);
  void DefaultHandler(TMessage& Message);
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

  // Children, in z-order (first at the bottom).
  std::size_t ControlCount() const { return FControls.size(); }
  TControl* Controls(std::size_t Index) const { return FControls[Index]; }
  // The enabled (unless AAllowDisabled), visible graphic child at a client
  // point, topmost first; null if none. Changes no state.
  TControl* ControlAtPos(TPoint P, bool AAllowDisabled = false) const;

  // Layout.
  virtual void AdjustClientRect(TRect& Rect);
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();

  // Focus.
  bool TabStop = false;
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  virtual void CMFocusChanged(bool AFocused) { (void)AFocused; }
  TNotifyEvent OnEnter, OnExit;

  void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
  void SetVisible(bool Value) override;
  bool Showing() const override { return FShowing; }
  // Invalidates the whole window; an opaque control (one that paints every
  // pixel itself) is not erased first.
  void Invalidate() override;
  void Update() override;
  virtual bool Opaque() const { return false; }
  TRect GetClientRect() const override;
  TPoint ClientOrigin() const override;

  // Children inside this control whose showing state changed hear of it.
  virtual void CMShowingChanged() {}

  // Paints the visible graphic children that meet AClip into ADC (the
  // window's client device context), after the window's own painting.
  void PaintControls(HDC ADC, const RECT* AClip);

  // Colours for a system child control's WM_CTLCOLOR* messages.
  virtual HBRUSH CtlColor(HDC ADC);
  // WM_COMMAND notifications of a system child control.
  virtual void Command(WORD ANotifyCode) { (void)ANotifyCode; }

protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // Called right after the window exists and before its children's windows.
  virtual void CreateHandle() {}
  // Called before the window goes.
  virtual void DestroyHandle() {}
  void DestroyHandleTree();

  void BoundsChanged(bool Moved, bool Resized) override;
  void RequestAlign() override;
  void EnabledChangedFromParent() override;

  // Recomputes showing for this control and its windowed descendants,
  // notifying each that changed.
  void UpdateShowing();
  // The window's own client size; for forms the window can differ from
  // the bounds' size.
  void UpdateBoundsFromWindow();

  // Top-level windows compute their showing state themselves.
  virtual bool ComputeShowing() const;
  void SetWindowVisible(bool AVisible);

  friend class TControl;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;

private:
  static LRESULT CALLBACK StdWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void AttachWindow(HWND Wnd);
  void DetachWindow();
  void ApplyBoundsToWindow();
  void MouseMessage(TMessage& Message);
  bool SetCursorMessage(TMessage& Message);

  std::vector<TControl*> FControls;
  bool FShowing = false;
  int FAlignLevel = 0;
  bool FRealignPending = false;
  bool FSettingBounds = false;
  bool FTrackingLeave = false;
  int32_t FAnchorParentWidth = -1, FAnchorParentHeight = -1;
  int32_t FLastClientWidth = -1, FLastClientHeight = -1;
  TBrushHandle FCtlBrush;
  TColor FCtlBrushColor = 0;
};

} // namespace qelvane
