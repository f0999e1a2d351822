#pragma once
// Windows registered with the skin manager to hear of skin and background
// changes, each with the four message numbers it chose.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "winbase/Messages.h"

namespace qelvane {

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
