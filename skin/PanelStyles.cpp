#include "skin/PanelStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

void TSkinPanelStyles::LoadSkinPanelStyles() {
  Clear();
  TSkinPanelStyleItem* item = AddStyle(StyleNodeName());
  LoadSkinPanelStyleItem(item, L"ControlStyle\\" + StyleNodeName());
}

void TSkinPanelStyles::LoadSkinPanelStyleItem(TSkinPanelStyleItem* AItem, const std::wstring& AStyleNodeName) {
  if (!AItem || !Owner().Loaded()) return;
  AItem->FormClientPanelBackImage = Owner().GetSkinImageByName(AStyleNodeName + L"\\FormClientPanelBackImage");
}

} // namespace qelvane
