#include "ui/ScrollBox.h"

#include <algorithm>

namespace qelvane {

TScrollBox::TScrollBox(TComponent* AOwner) : TCustomControl(AOwner) {}

void TScrollBox::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_VSCROLL;
}

void TScrollBox::AdjustClientRect(TRect& Rect) {
  // Aligned children are laid out in the scrolled content, not the view.
  Rect.Top -= FVertPos;
  Rect.Bottom -= FVertPos;
}

void TScrollBox::AlignControls(TControl* AControl, TRect& Rect) {
  TCustomControl::AlignControls(AControl, Rect);
  int32_t bottom = 0;
  for (std::size_t i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) bottom = std::max(bottom, Controls(i)->BoundsRect().Bottom + FVertPos);
  FVertRange = bottom;
  UpdateScrollBar();
}

int32_t TScrollBox::MaxPosition() const {
  return std::max<int32_t>(0, FVertRange - ClientHeight());
}

void TScrollBox::SetVertPosition(int32_t Value) {
  Value = std::clamp<int32_t>(Value, 0, MaxPosition());
  if (Value == FVertPos) return;
  FVertPos = Value;
  Realign();
  Invalidate();
}

void TScrollBox::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO si{sizeof si,
                SIF_RANGE | SIF_PAGE | SIF_POS,
                0,
                std::max(0, FVertRange - 1),
                static_cast<UINT>(ClientHeight()),
                FVertPos,
                0};
  SetScrollInfo(HandleIfAllocated(), SB_VERT, &si, TRUE);
}

void TScrollBox::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_VSCROLL: {
    const int32_t page = ClientHeight();
    int32_t pos = FVertPos;
    switch (LOWORD(m.WParam)) {
    case SB_LINEUP:
      pos -= 16;
      break;
    case SB_LINEDOWN:
      pos += 16;
      break;
    case SB_PAGEUP:
      pos -= page;
      break;
    case SB_PAGEDOWN:
      pos += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(HandleIfAllocated(), SB_VERT, &si);
      pos = si.nTrackPos;
      break;
    }
    case SB_TOP:
      pos = 0;
      break;
    case SB_BOTTOM:
      pos = MaxPosition();
      break;
    default:
      break;
    }
    SetVertPosition(pos);
    return;
  }
  case WM_MOUSEWHEEL:
    SetVertPosition(FVertPos - GET_WHEEL_DELTA_WPARAM(m.WParam) * WheelStep / WHEEL_DELTA);
    return;
  default:
    break;
  }
  TCustomControl::WndProc(m);
}

} // namespace qelvane
