#pragma once
// The panel style: the background image of a form's client panel.
#include <string>

#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

struct TSkinPanelStyleItem {
  std::wstring StyleName;
  IGPBitmap FormClientPanelBackImage;
};

class TSkinPanelStyles : public TSkinStyleCollection<TSkinPanelStyleItem> {
public:
  explicit TSkinPanelStyles(TSkinMng& AOwner) : TSkinStyleCollection(AOwner, L"TSkinPanelStyles") {}
  // Clears and adds the one item, named after the node name, filled from
  // ControlStyle\<node name>. Failures reach the caller.
  void LoadSkinPanelStyles();
  void LoadSkinPanelStyleItem(TSkinPanelStyleItem* AItem, const std::wstring& AStyleNodeName);
};

} // namespace qelvane
