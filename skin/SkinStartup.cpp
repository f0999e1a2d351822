#include "skin/SkinStartup.h"

#include "skin/SkinMng.h"

namespace qelvane {

bool InitSkinEngineAtStartup() {
  bool loaded = false;
  // The manager's own steps log their failures; anything else that escapes is
  // logged here so that the program still starts.
  SkinGuard(ClassSubject(L"TSkinMng"), L"ChangeSkinRes", [&] {
    TSkinMng& mng = SkinMng();
    mng.SetIsPrepareBuildBackGndImage(false);
    loaded = mng.ChangeSkinRes(L"SKIN", false);
  });
  return loaded;
}

} // namespace qelvane
