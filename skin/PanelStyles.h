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
  // The one item, named after the node name, filled from
  // ControlStyle\<node name>. Failures reach the caller.
  explicit TSkinPanelStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TSkinPanelStyles", {.StylePerFolder = false}) {}
  // The client panel's background image.
  void LoadStyleItem(TSkinPanelStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
