#pragma once
// Windows registered with the skin manager to hear of skin and background
// changes, each with the four message numbers it chose.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace qelvane {

// Message numbers the skinned forms register with.
constexpr UINT ChangeSkinFileMessage = WM_USER + 8001;                  // 9025
constexpr UINT ChangeSkinBackGroundColorMessage = WM_USER + 8002;       // 9026
constexpr UINT ChangeSkinBackGroundFileMessage = WM_USER + 8003;        // 9027
constexpr UINT ChangeSkinBackGroundCustomColorMessage = WM_USER + 8004; // 9028

struct TSkinListenerItem {
  HWND ListenerWindow = nullptr;
  UINT ChangeSkinFileMsg = 0;
  UINT ChangeSkinBackGroundColorMsg = 0;
  UINT ChangeSkinBackGroundFileMsg = 0;
  UINT ChangeSkinBackGroundCustomColorMsg = 0;
};

class TSkinListeners {
public:
  // Appends a listener; false (nothing changed) when the window is already registered.
  bool Register(const TSkinListenerItem& AItem);
  // Removes the first listener of the window; an unknown window is ignored.
  void UnRegister(HWND AWindow);
  const std::vector<TSkinListenerItem>& Items() const { return FItems; }

  // Sends the message chosen by Which to every listener, synchronously, in
  // registration order. The round is the list as it was when the round began;
  // a listener that unregisters meanwhile is skipped, one that registers
  // meanwhile waits for the next round. A window that no longer exists just
  // misses its message.
  void SendToAll(UINT TSkinListenerItem::*Which, WPARAM wParam, LPARAM lParam) const;

private:
  std::vector<TSkinListenerItem> FItems;
};

} // namespace qelvane
