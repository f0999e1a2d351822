#include "skin/PanelStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

void TSkinPanelStyles::LoadStyleItem(TSkinPanelStyleItem* AItem, const std::wstring& AStyleNodeName) {
  if (!AItem || !Owner().Loaded()) return;
  AItem->FormClientPanelBackImage = Owner().GetSkinImageByName(AStyleNodeName + L"\\FormClientPanelBackImage");
}

} // namespace qelvane
