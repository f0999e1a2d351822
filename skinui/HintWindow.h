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
  // Shows the hint at ARect's place and width; the window is made taller
  // than ARect when the wrapped text needs it, so every line shows.
  void ActivateHint(const TRect& ARect, const std::wstring& AText) override;
  void ReleaseHandle() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  // The frame of the non-client area (logged as "NCPaint" when it fails).
  virtual void NCPaint(HDC ADC);

private:
  // The text's left inset in the client area, and how Paint draws it.
  static constexpr int32_t TextInset = 4;
  static constexpr UINT TextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
  // The window height that shows every line of AText at window width AWidth.
  int32_t HeightFor(const std::wstring& AText, int32_t AWidth);
};

// Makes the drawing elements show their hints in a TGDIHintWindow.
void InstallGDIHintWindows();

} // namespace qelvane
