#pragma once
// Button styles: per style name the five state images of a button, each also
// held as an image element ready to draw stretched by margins. The manager
// keeps three such collections (buttons, bit buttons, speed buttons).
#include <memory>
#include <string>

#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

class TSkinButtonStyleItem : public TBaseSkinStyleItem {
public:
  TSkinButtonStyleItem();
  ~TSkinButtonStyleItem() override;

  const IGPBitmap& NormalBitmap() const { return FNormalBitmap; }
  const IGPBitmap& HoverBitmap() const { return FHoverBitmap; }
  const IGPBitmap& DownBitmap() const { return FDownBitmap; }
  const IGPBitmap& DisabledBitmap() const { return FDisabledBitmap; }
  const IGPBitmap& FocusedBitmap() const { return FFocusedBitmap; }
  // Each setter keeps the bitmap and, when it is not empty, gives it to the
  // matching element with the item's margins, stretched both ways. Setting
  // the bitmap already held does nothing.
  void SetNormalBitmap(const IGPBitmap& Value);
  void SetHoverBitmap(const IGPBitmap& Value);
  void SetDownBitmap(const IGPBitmap& Value);
  void SetDisabledBitmap(const IGPBitmap& Value);
  void SetFocusedBitmap(const IGPBitmap& Value);

  TGDIIMGADV* NormalBitmapElement() const { return FNormalBitmapElement.get(); }
  TGDIIMGADV* HoverBitmapElement() const { return FHoverBitmapElement.get(); }
  TGDIIMGADV* DownBitmapElement() const { return FDownBitmapElement.get(); }
  TGDIIMGADV* DisabledBitmapElement() const { return FDisabledBitmapElement.get(); }
  TGDIIMGADV* FocusedBitmapElement() const { return FFocusedBitmapElement.get(); }

  int32_t HorzBitmapMargin() const { return FHorzBitmapMargin; }
  int32_t VertBitmapMargin() const { return FVertBitmapMargin; }

private:
  void SetStateBitmap(IGPBitmap& AField, TGDIIMGADV& AElement, const IGPBitmap& Value);

  IGPBitmap FNormalBitmap, FHoverBitmap, FDownBitmap, FDisabledBitmap, FFocusedBitmap;
  std::unique_ptr<TGDIIMGADV> FNormalBitmapElement, FHoverBitmapElement, FDownBitmapElement, FDisabledBitmapElement,
      FFocusedBitmapElement;
  int32_t FHorzBitmapMargin = 3;
  int32_t FVertBitmapMargin = 3;
};

class TButtonStyles : public TSkinStyleCollection<TSkinButtonStyleItem> {
public:
  // One item per folder under ControlStyle\<node name>; a failure of the
  // load is logged as "LoadButtonStyles".
  explicit TButtonStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TButtonStyles", {.LoadOperation = L"LoadButtonStyles"}) {}
  // The five state images (logged as "LoadButtonStyleItem").
  void LoadStyleItem(TSkinButtonStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
