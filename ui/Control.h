#pragma once
// TControl: a rectangle of a form with a parent, bounds, visibility, enabled
// state, alignment, anchors, font, colour, cursor, caption and hint, mouse
// events and the control notices (enter, leave, font, text, enabled, focus,
// showing, dialog keys) as virtual operations.
//
// Windowed controls (TWinControl) own a window; graphic controls
// (TGraphicControl) have none and are painted, hit-tested and given mouse
// input by their parent window. Hover, capture and focus are tracked by the
// form that hosts the controls (THostTracker), never by the controls.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Types.h"

namespace qelvane {

class TWinControl;
class TCustomForm;

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::wstring_view ClassName() const override { return L"TControl"; }

  // --- Parent.
  TWinControl* Parent() const { return FParent; }
  // Moves the control into AParent's child list (and its window, if any, into
  // AParent's window); null takes it out.
  virtual void SetParent(TWinControl* AParent);
  // The form the control lies on (itself for a form), or null.
  TCustomForm* ParentForm() const;
  virtual bool IsWindowed() const { return false; }

  // --- Bounds, in the parent's client coordinates.
  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetLeft(int32_t Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int32_t Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int32_t Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int32_t Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
  // The client area in the control's own coordinates.
  virtual TRect GetClientRect() const { return {0, 0, FWidth, FHeight}; }
  int32_t ClientWidth() const { return RectWidth(GetClientRect()); }
  int32_t ClientHeight() const { return RectHeight(GetClientRect()); }
  // Screen position of the client area's origin.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;

  // --- Visibility. Showing: visible up the whole parent chain.
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  virtual bool Showing() const;

  // --- Enabled. A control is effectively enabled when it and every parent is.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool EffectivelyEnabled() const;

  // --- Layout.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value) { FAnchors = Value; }

  // --- Look.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TCursor Cursor = crDefault;
  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& Value);
  std::wstring Hint;
  bool ShowHint = false;

  // True while the mouse is over the control (kept by the hosting form).
  bool MouseInClient() const { return FMouseInClient; }

  // --- Painting requests. Invalidate marks for a later paint; Update paints
  // what is marked now; Repaint does both.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();

  // --- Events.
  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave, OnResize;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // --- Mouse, called by the hosting form with client coordinates.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
  virtual void MouseMove(TShiftState Shift, int32_t X, int32_t Y);
  // A press and release of the left button over the control.
  virtual void Click();
  virtual void DblClick();

  // --- Control notices.
  virtual void CMMouseEnter();
  virtual void CMMouseLeave();
  virtual void CMFontChanged() { Invalidate(); }
  virtual void CMTextChanged() { Invalidate(); }
  virtual void CMEnabledChanged() { Invalidate(); }
  virtual void CMColorChanged() { Invalidate(); }
  virtual void CMVisibleChanged() {}
  // Keys the form offers every control before the focused one sees them;
  // true when handled. Alt accelerators arrive as dialog characters.
  virtual bool CMDialogKey(WORD /*Key*/, TShiftState /*Shift*/) { return false; }
  virtual bool CMDialogChar(wchar_t /*Char*/) { return false; }

  // Called by the hosting form when the mouse enters or leaves.
  void SetMouseInClient(bool Value);

protected:
  // The bounds changed (after the window, if any, moved).
  virtual void BoundsChanged(bool Moved, bool Resized);
  virtual void Resize();
  // Asks the parent to lay out its aligned children again.
  virtual void RequestAlign();
  // The parent's font changed and ParentFont is set.
  void ParentFontChanged();
  // Enabled changed for this control or a parent.
  virtual void EnabledChangedFromParent() { CMEnabledChanged(); }
  // Stores bounds without side effects (used when the window reports a move).
  void StoreBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
  // Takes the control out of the hosting form's tracking (hover, capture, focus).
  void LeaveHostTracking();

  friend class TWinControl;
  TWinControl* FParent = nullptr;

private:
  void FontChanged();

  int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  TAnchors FAnchors = DefaultAnchors;
  TFont FFont;
  bool FParentFont = true;
  bool FSettingParentFont = false;
  TColor FColor = 0xFF000000 | COLOR_BTNFACE;
  std::wstring FCaption;
  bool FMouseInClient = false;
};

} // namespace qelvane
