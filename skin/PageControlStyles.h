#pragma once
// Page control styles: the tab buttons, the tab strip background, the page-up
// and page-down buttons and the attach, close and custom buttons of a tab.
#include <memory>
#include <string>

#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

// The images of a page control style, in the order they are read.
enum TPageControlImage : int {
  pciTabBtnImg_Hover = 0,
  pciTabBtnImg_Down,
  pciTabBtnImg_Normal,
  pciTabBackGround,
  pciAttachBtnImg_Hover,
  pciAttachBtnImg_Down,
  pciAttachBtnImg_Normal,
  pciCustomBtnImg_Hover,
  pciCustomBtnImg_Down,
  pciCustomBtnImg_Normal,
  pciCloseBtnImg_Hover,
  pciCloseBtnImg_Down,
  pciCloseBtnImg_Normal,
  pciPageDownBtnImg_Hover,
  pciPageDownBtnImg_Down,
  pciPageDownBtnImg_Normal,
  pciPageDownBtnImg_Disabled,
  pciPageUpBtnImg_Hover,
  pciPageUpBtnImg_Down,
  pciPageUpBtnImg_Normal,
  pciPageUpBtnImg_Disabled,
  pciCount
};

// Key of each image under the style's folder.
const wchar_t* PageControlImageKey(TPageControlImage AImage);

class TSkinPageControlStyleItem : public TBaseSkinStyleItem {
public:
  TSkinPageControlStyleItem();
  ~TSkinPageControlStyleItem() override;

  // Average colour of the background the page control last adapted its tab
  // background to; kept for the page control, 0 at creation.
  TGPColor AverageGPColor() const { return FAverageGPColor; }
  void SetAverageGPColor(TGPColor Value) { FAverageGPColor = Value; }

  const IGPBitmap& Image(TPageControlImage AImage) const { return FImages[AImage]; }
  // Keeps the bitmap (nothing when it is the one held). The three tab button
  // states and the tab background also give a non-empty bitmap to their
  // element with margins 8, stretched both ways; the other images are drawn
  // directly by the page control.
  void SetImage(TPageControlImage AImage, const IGPBitmap& Value);

  TGDIIMGADV* TabBackGroundElement() const { return FTabBackGroundElement.get(); }
  TGDIIMGADV* TabBtnImg_HoverElement() const { return FTabBtnImg_HoverElement.get(); }
  TGDIIMGADV* TabBtnImg_DownElement() const { return FTabBtnImg_DownElement.get(); }
  TGDIIMGADV* TabBtnImg_NormalElement() const { return FTabBtnImg_NormalElement.get(); }

private:
  TGDIIMGADV* ElementOf(TPageControlImage AImage) const;

  TGPColor FAverageGPColor = 0;
  IGPBitmap FImages[pciCount];
  std::unique_ptr<TGDIIMGADV> FTabBackGroundElement, FTabBtnImg_HoverElement, FTabBtnImg_DownElement,
      FTabBtnImg_NormalElement;
};

class TSkinPageControlStyles : public TSkinStyleCollection<TSkinPageControlStyleItem> {
public:
  // One item per folder under ControlStyle\PageControlEx\<node name>.
  // Failures are not caught here: they reach the caller.
  explicit TSkinPageControlStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TSkinPageControlStyles", {.ParentPath = L"ControlStyle\\PageControlEx\\"}) {}
  // The 21 images, in the order of TPageControlImage.
  void LoadStyleItem(TSkinPageControlStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
