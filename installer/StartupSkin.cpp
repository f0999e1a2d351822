#include "installer/StartupSkin.h"

#include <windows.h>

#include "winbase/Log.h"

namespace qelvane {

void LoadStartupSkin() {
  // The skin manager takes over once it exists; until then only the presence
  // of the resource is checked.
  if (!FindResourceW(nullptr, L"SKIN", L"DATA")) WriteLog(L"LoadSkinRes: resource SKIN not found", L"SkinEngine.log");
}

} // namespace qelvane
