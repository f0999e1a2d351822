#pragma once
// TCustomControl: a windowed control that paints itself on a canvas.
// TGraphicControl: a control without a window, painted by its parent after
// the parent's own painting, on the parent's device context moved to the
// control's origin and clipped to it.
#include <windows.h>

#include "ui/Canvas.h"
#include "ui/WinControl.h"

namespace qelvane {

class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}
  std::wstring_view ClassName() const override { return L"TCustomControl"; }

  TCanvas& Canvas() { return FCanvas; }
  // Paints the window now, outside the paint message (no invalidation).
  void PaintNow();

protected:
  virtual void Paint() {}
  void WndProc(TMessage& Message) override;
  void CMFontChanged() override;

private:
  TCanvas FCanvas;
};

class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
  std::wstring_view ClassName() const override { return L"TGraphicControl"; }

  TCanvas& Canvas() { return FCanvas; }
  // Called by the parent with its device context set up for this control.
  void PaintWithCanvas(HDC ADC);

protected:
  virtual void Paint() {}
  void CMFontChanged() override;

private:
  TCanvas FCanvas;
};

} // namespace qelvane
