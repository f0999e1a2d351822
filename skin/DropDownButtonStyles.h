#pragma once
// Drop-down button styles: per state either one image split into a main
// (left) part and a drop-down (right) part, or separate left and right images.
#include <memory>
#include <string>

#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

class TSkinDropDownButtonStyleItem : public TBaseSkinStyleItem {
public:
  // The five button states, in the order the items store them.
  enum TState { bsNormal = 0, bsHover, bsDown, bsDisabled, bsFocused, bsCount };

  TSkinDropDownButtonStyleItem();
  ~TSkinDropDownButtonStyleItem() override;

  bool IsLeftRightBitmapSeperate() const { return FIsLeftRightBitmapSeperate; }
  void SetIsLeftRightBitmapSeperate(bool Value) { FIsLeftRightBitmapSeperate = Value; }
  int32_t DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int32_t Value) { FDropDownWidth = Value; }

  // Whole-button image of a state. The setter keeps it and, when it is not
  // empty, gives it to the left and right elements of that state, each showing
  // its end of the image (the drop-down part DropDownWidth wide).
  const IGPBitmap& Bitmap(TState AState) const { return FBitmap[AState]; }
  void SetBitmap(TState AState, const IGPBitmap& Value);
  // Separate main-part and drop-down-part images; each setter gives a
  // non-empty image to its own element with margins 8.
  const IGPBitmap& LeftBitmap(TState AState) const { return FLeftBitmap[AState]; }
  void SetLeftBitmap(TState AState, const IGPBitmap& Value);
  const IGPBitmap& RightBitmap(TState AState) const { return FRightBitmap[AState]; }
  void SetRightBitmap(TState AState, const IGPBitmap& Value);

  TGDIIMGADV* LeftBitmapElement(TState AState) const { return FLeftElement[AState].get(); }
  TGDIIMGADV* RightBitmapElement(TState AState) const { return FRightElement[AState].get(); }

private:
  bool FIsLeftRightBitmapSeperate = false;
  int32_t FDropDownWidth = 13;
  IGPBitmap FBitmap[bsCount];
  IGPBitmap FLeftBitmap[bsCount];
  IGPBitmap FRightBitmap[bsCount];
  std::unique_ptr<TGDIIMGADV> FRightElement[bsCount];
  std::unique_ptr<TGDIIMGADV> FLeftElement[bsCount];
};

class TDropDownButtonStyles : public TSkinStyleCollection<TSkinDropDownButtonStyleItem> {
public:
  // One item per folder under ControlStyle\<node name>; a failure of the
  // load is logged as "LoadButtonStyles".
  explicit TDropDownButtonStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TDropDownButtonStyles", {.LoadOperation = L"LoadButtonStyles"}) {}
  // The drop-down width and the whole or separate images (logged as
  // "LoadButtonStyleItem").
  void LoadStyleItem(TSkinDropDownButtonStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
