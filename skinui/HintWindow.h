#pragma once
// TGDIHintWindow: the hint window the drawing elements show after their
// hint delay: a small top-most popup on the tooltip colour, framed by a
// one-pixel black line drawn in its non-client area.
#include <windows.h>

#include <string>

#include "drawing/GdiObject.h"
#include "ui/CustomControl.h"

namespace qelvane {

class TGDIHintWindow : public TCustomControl, public IGDIHintWindow {
public:
  explicit TGDIHintWindow(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TGDIHintWindow"; }

  SIZE TextExtent(const std::wstring& AText) override;
  void ActivateHint(const TRect& ARect, const std::wstring& AText) override;
  void ReleaseHandle() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  // The frame of the non-client area (logged as "NCPaint" when it fails).
  virtual void NCPaint(HDC ADC);
};

// Makes the drawing elements show their hints in a TGDIHintWindow.
void InstallGDIHintWindows();

} // namespace qelvane
