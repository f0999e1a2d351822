#pragma once
// Small value types of the UI toolkit: alignment, anchors, mouse and keyboard
// state, cursors, form styles and results.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "core/gfx/Anchors.h"
#include "core/gfx/Geometry.h"
#include "core/layout/Align.h"

namespace qelvane {

class TObject;
class TControl;

constexpr TAnchors DefaultAnchors = akLeft | akTop;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftKind : uint16_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64
};
using TShiftState = uint16_t;

enum TCursor : int8_t { crDefault = 0, crArrow = -2, crHandPoint = -21, crIBeam = -4 };

enum TBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;

enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };

enum TPosition : uint8_t { poDesigned, poScreenCenter, poOwnerFormCenter };

enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// Modal results, as the system's dialog-box results.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

enum TComponentStateKind : uint8_t { csLoading = 1, csDesigning = 2, csDestroying = 4 };
using TComponentState = uint8_t;

struct TPoint {
  int32_t X = 0, Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Typed callbacks.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

inline bool PtInRect(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
inline int32_t RectWidth(const TRect& R) {
  return R.Right - R.Left;
}
inline int32_t RectHeight(const TRect& R) {
  return R.Bottom - R.Top;
}

} // namespace qelvane
