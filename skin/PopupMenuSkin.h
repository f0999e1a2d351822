#pragma once
// The skin settings of the skinned popup menu: six image elements, the
// customise flag and the drawing offsets, each named after its skin key under
// ControlStyle\PopupMenu.
#include <memory>

#include "skin/SkinDrawing.h"

namespace qelvane {

class TSkinMng;

struct TPopupMenuSkin {
  TPopupMenuSkin();
  ~TPopupMenuSkin();

  // True when the skin holds the menu's arrow image: menus draw the skin look.
  bool Customize = false;
  std::unique_ptr<TGDIIMGPro> MenuArrowBitmap, MenuBkgBitmap, MenuCheck, MenuCutling, MenuHighLight, MenuCover;
  int32_t MenuBkgBitmapTopMargin = 9;
  int32_t MenuBkgBitmapLeftMargin = 33;
  int32_t MenuBkgBitmapRightMargin = 8;
  int32_t MenuBkgBitmapBottomMargin = 9;
  int32_t MenuCutlingDrawLeftMargin = 33;
  int32_t MenuCutlingDrawRightMargin = 8;
  int32_t MenuCutlingHeight = 3;
  int32_t MenuCutlingDrawHeight = 1;
  int32_t MenuBkgBitmapStrecthMode = 0;
  int32_t MenuHighLightDrawLeftMargin = 7;
  int32_t MenuHighLightDrawRightMargin = 7;
  int32_t MenuHighLightDrawTopMargin = -1;
  int32_t MenuHighLightDrawBottomMargin = 0;
  int32_t MenuIconDrawLeftMargin = 7;
  int32_t MenuArrowBitmapDrawRightMargin = 20;
  int32_t MenuCaptionDrawLeftMargin = 33;
  int32_t MenuItemsDrawTopMargin = 8;
  int32_t MenuOtherHeight = 14;
  int32_t MenuOtherWidth = 74;

  // Reads the settings from AMng's skin. A skin without the arrow image clears
  // Customize and leaves every other setting as it was.
  void Load(TSkinMng& AMng);
};

} // namespace qelvane
