#pragma once
// Every private window message number of the program, in one place.
//
// The control notices of the UI toolkit are virtual operations of the control
// classes; their numbers are only used where a notice has to travel through a
// window's message queue. The skin manager's four change messages are the
// ones the skinned forms register with.
#include <windows.h>

namespace qelvane {

// Skin manager -> registered skinned forms (wParam: the background item).
constexpr UINT ChangeSkinFileMessage = WM_USER + 8001;                  // 9025, 0x2341
constexpr UINT ChangeSkinBackGroundColorMessage = WM_USER + 8002;       // 9026, 0x2342
constexpr UINT ChangeSkinBackGroundFileMessage = WM_USER + 8003;        // 9027, 0x2343
constexpr UINT ChangeSkinBackGroundCustomColorMessage = WM_USER + 8004; // 9028, 0x2344

// UI toolkit, posted to its own utility window or to a control's window.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_RELEASE = CM_BASE + 1; // free the form in wParam (deferred destruction)
constexpr UINT CM_WAKEUP = CM_BASE + 3;  // wakes the message loop (terminate request)

} // namespace qelvane
