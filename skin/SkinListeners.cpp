#include "skin/SkinListeners.h"

#include <algorithm>

namespace qelvane {

bool TSkinListeners::Register(const TSkinListenerItem& AItem) {
  auto same = [&](const TSkinListenerItem& i) { return i.ListenerWindow == AItem.ListenerWindow; };
  if (std::any_of(FItems.begin(), FItems.end(), same)) return false;
  FItems.push_back(AItem);
  return true;
}

void TSkinListeners::UnRegister(HWND AWindow) {
  auto it = std::find_if(FItems.begin(), FItems.end(),
                         [&](const TSkinListenerItem& i) { return i.ListenerWindow == AWindow; });
  if (it != FItems.end()) FItems.erase(it);
}

void TSkinListeners::SendToAll(UINT TSkinListenerItem::*Which, WPARAM wParam, LPARAM lParam) const {
  // The round is fixed when it starts; a listener that unregisters meanwhile is skipped.
  const std::vector<TSkinListenerItem> round = FItems;
  for (const TSkinListenerItem& item : round) {
    bool stillRegistered = std::any_of(FItems.begin(), FItems.end(), [&](const TSkinListenerItem& i) {
      return i.ListenerWindow == item.ListenerWindow;
    });
    if (stillRegistered) SendMessageW(item.ListenerWindow, item.*Which, wParam, lParam);
  }
}

} // namespace qelvane
