#pragma once
// TScrollBox: a control whose children can be taller than it; a vertical
// scroll bar (and the mouse wheel) moves them.
#include "ui/CustomControl.h"

namespace qelvane {

class TScrollBox : public TCustomControl {
public:
  explicit TScrollBox(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TScrollBox"; }

  int32_t VertPosition() const { return FVertPos; }
  int32_t VertRange() const { return FVertRange; }
  void SetVertPosition(int32_t Value);
  int32_t WheelStep = 48;

  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

private:
  void UpdateScrollBar();
  int32_t MaxPosition() const;

  int32_t FVertPos = 0;
  int32_t FVertRange = 0;
};

} // namespace qelvane
