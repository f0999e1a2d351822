#pragma once
// Zone view scroll bar styles: the three button images of each direction.
#include <string>

#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

struct TSkinZoneViewScrollBarItem {
  std::wstring StyleName;
  IGPBitmap Bitmap_HorzTopBtn, Bitmap_HorzScrollBtn, Bitmap_HorzBottomBtn;
  IGPBitmap Bitmap_VertTopBtn, Bitmap_VertScrollBtn, Bitmap_VertBottomBtn;
};

class TSkinZoneViewScrollBarStyles : public TSkinStyleCollection<TSkinZoneViewScrollBarItem> {
public:
  // One item per folder under ControlStyle\<node name>; a failure of the
  // load is logged as "LoadSkinZoneViewItem".
  explicit TSkinZoneViewScrollBarStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TSkinZoneViewScrollBarStyles", {.LoadOperation = L"LoadSkinZoneViewItem"}) {}
  // The six button images (logged as "LoadSkinZoneViewItem").
  void LoadStyleItem(TSkinZoneViewScrollBarItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
