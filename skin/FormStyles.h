#pragma once
// The form style: what a skinned form takes from the skin (caption offset,
// system button images and positions, drop shadow, overlay background).
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"
#include "skin/SufferBackGrounds.h"

namespace qelvane {

struct TSkinFormStyleItem {
  TSkinFormStyleItem();
  ~TSkinFormStyleItem();

  std::wstring StyleName = L"SkinForm";
  std::unique_ptr<TSufferBackGrounds> SufferBackGrounds;
  int32_t CloseBtnRight = 37;
  int32_t CloseBtnTop = 1;
  int32_t MaxBtnRight = 64;
  int32_t MaxBtnTop = 1;
  int32_t MinBtnRight = 90;
  int32_t MinBtnTop = 1;
  IGPBitmap MinBtnBmp_Normal, MinBtnBmp_Hover, MinBtnBmp_Down;
  IGPBitmap MaxBtnBmp_Normal, MaxBtnBmp_Hover, MaxBtnBmp_Down;
  IGPBitmap RestoreBtnBmp_Normal, RestoreBtnBmp_Hover, RestoreBtnBmp_Down;
  IGPBitmap CloseBtnBmp_Normal, CloseBtnBmp_Hover, CloseBtnBmp_Down;
  bool EnabledShadow = false;
  IGPBitmap ShadowBitmap;
  TMargin ShadowSizeMargin;
  TMargin ShadowDrawMargin;
  IGPBitmap ShadowRightBitmap, ShadowBottomBitmap, ShadowTopBitmap, ShadowLeftBitmap;
  bool IsDrawCaption = false;
  int32_t AppCaptionX = 5;
  int32_t AppCaptionY = 5;
};

class TSkinFormStyles : public TSkinStyleCollection<TSkinFormStyleItem> {
public:
  // One item named after the node name (a root node); a failure of the load
  // is logged as "LoadSkinFormStyles".
  explicit TSkinFormStyles(TSkinMng& AOwner)
      : TSkinStyleCollection(AOwner, L"TSkinFormStyles",
                             {.ParentPath = L"", .StylePerFolder = false, .LoadOperation = L"LoadSkinFormStyles"}) {}
  // The one form style, or nothing before a skin is loaded.
  TSkinFormStyleItem* FormStyleItem() const { return StyleList.empty() ? nullptr : StyleList.front().get(); }
  // Fills the item from the fixed paths under SkinForm (AStyleNodeName is not
  // used; logged as "LoadSkinFormStyleItem").
  void LoadStyleItem(TSkinFormStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
