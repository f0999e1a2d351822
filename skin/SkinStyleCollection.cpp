#include "skin/SkinStyleCollection.h"

#include "skin/SkinMng.h"

namespace qelvane {

void TSkinStyleCollectionBase::LoadStyles() {
  auto load = [&] {
    Clear();
    const std::wstring path = FLayout.ParentPath + FStyleNodeName;
    if (!FLayout.StylePerFolder) {
      AddAndLoadStyle(FStyleNodeName, path);
      return;
    }
    for (const std::wstring& name : FOwner.GetSkinNodesByName(path))
      AddAndLoadStyle(name, path + L"\\" + name);
  };
  if (FLayout.LoadOperation)
    SkinGuard(ClassSubject(FClassName), FLayout.LoadOperation, load);
  else
    load();
}

} // namespace qelvane
