#pragma once
// Zone view styles: the images, icon offsets and fonts of a zone view.
#include <memory>
#include <string>

#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

class TSkinZoneViewStyleItem : public TBaseSkinStyleItem {
public:
  TSkinZoneViewStyleItem();
  ~TSkinZoneViewStyleItem() override;

  IGPBitmap HeadActiveFrame, HeadNomalFrame;
  IGPBitmap ZoneNodeExpandIcon, ZoneNodeCollapseIcon;
  int32_t IconXOffset = 2;
  int32_t IconYOffset = 3;
  TFontDesc NodeNormalFont, NodeActiveFont, NodeHoverFont;
  int32_t NodeFontXOffset = 20;
  int32_t NodeFontYOffset = 5;
  TFontDesc NickNormalFont, NickActiveFont, NickHoverFont;
  TFontDesc InfoNormalFont, InfoActiveFont, InfoHoverFont;
  TFontDesc MainNormalFont, MainActiveFont, MainHoverFont;

  // The six images with elements; each setter gives a non-empty image to its
  // element with margins 8, stretched both ways.
  const IGPBitmap& ZoneActive() const { return FZoneActive; }
  void SetZoneActive(const IGPBitmap& Value) { SetImage(FZoneActive, *FZoneActiveElement, Value); }
  const IGPBitmap& ZoneHover() const { return FZoneHover; }
  void SetZoneHover(const IGPBitmap& Value) { SetImage(FZoneHover, *FZoneHoverElement, Value); }
  const IGPBitmap& ZoneNormal() const { return FZoneNormal; }
  void SetZoneNormal(const IGPBitmap& Value) { SetImage(FZoneNormal, *FZoneNormalElement, Value); }
  const IGPBitmap& ZoneNodeCollapseBackImage() const { return FZoneNodeCollapseBackImage; }
  void SetZoneNodeCollapseBackImage(const IGPBitmap& Value) {
    SetImage(FZoneNodeCollapseBackImage, *FZoneNodeCollapseBackElement, Value);
  }
  const IGPBitmap& ZoneNodeExpandBackImage() const { return FZoneNodeExpandBackImage; }
  void SetZoneNodeExpandBackImage(const IGPBitmap& Value) {
    SetImage(FZoneNodeExpandBackImage, *FZoneNodeExpandBackElement, Value);
  }
  const IGPBitmap& ZoneNodeHover() const { return FZoneNodeHover; }
  void SetZoneNodeHover(const IGPBitmap& Value) { SetImage(FZoneNodeHover, *FZoneNodeHoverElement, Value); }

  TGDIIMGADV* ZoneActiveElement() const { return FZoneActiveElement.get(); }
  TGDIIMGADV* ZoneHoverElement() const { return FZoneHoverElement.get(); }
  TGDIIMGADV* ZoneNormalElement() const { return FZoneNormalElement.get(); }
  TGDIIMGADV* ZoneNodeCollapseBackElement() const { return FZoneNodeCollapseBackElement.get(); }
  TGDIIMGADV* ZoneNodeExpandBackElement() const { return FZoneNodeExpandBackElement.get(); }
  TGDIIMGADV* ZoneNodeHoverElement() const { return FZoneNodeHoverElement.get(); }

private:
  static void SetImage(IGPBitmap& AField, TGDIIMGADV& AElement, const IGPBitmap& Value);

  IGPBitmap FZoneActive, FZoneHover, FZoneNormal;
  IGPBitmap FZoneNodeCollapseBackImage, FZoneNodeExpandBackImage, FZoneNodeHover;
  std::unique_ptr<TGDIIMGADV> FZoneActiveElement, FZoneHoverElement, FZoneNormalElement, FZoneNodeCollapseBackElement,
      FZoneNodeExpandBackElement, FZoneNodeHoverElement;
};

class TSkinZoneViewStyles : public TSkinStyleCollection<TSkinZoneViewStyleItem> {
public:
  // One item per folder under ControlStyle\<node name>; a failure of the
  // load is logged as "LoadSkinZoneViewStyleItem".
  explicit TSkinZoneViewStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TSkinZoneViewStyles", {.LoadOperation = L"LoadSkinZoneViewStyleItem"}) {}
  // Images, icon offsets and fonts (logged as "LoadSkinZoneViewStyleItem").
  void LoadStyleItem(TSkinZoneViewStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
