#include "skin/HeadFrameStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

TSkinHeadFrameStyleItem::TSkinHeadFrameStyleItem()
    : FFrameActiveElement(std::make_unique<TGDIIMGADV>()), FFrameNormalElement(std::make_unique<TGDIIMGADV>()) {}

TSkinHeadFrameStyleItem::~TSkinHeadFrameStyleItem() = default;

void TSkinHeadFrameStyleItem::SetFrameMargin(int32_t Value) {
  FFrameMargin = Value;
  FFrameActiveElement->SetMargin(Value, Value, Value, Value);
  FFrameNormalElement->SetMargin(Value, Value, Value, Value);
}

void TSkinHeadFrameStyleItem::SetFrameActive(const IGPBitmap& Value) {
  FFrameActive = Value;
  if (Value) TSkinHelper::InitGdiImgAdv(*FFrameActiveElement, Value, FFrameMargin, FFrameMargin);
}

void TSkinHeadFrameStyleItem::SetFrameNormal(const IGPBitmap& Value) {
  FFrameNormal = Value;
  if (Value) TSkinHelper::InitGdiImgAdv(*FFrameNormalElement, Value, FFrameMargin, FFrameMargin);
}

void TSkinHeadFrameStyles::LoadStyleItem(TSkinHeadFrameStyleItem* AItem, const std::wstring& AStyleNodeName) {
  TSkinMng& mng = Owner();
  if (!AItem || !mng.Loaded()) return;
  AItem->SetFrameActive(mng.GetSkinImageByName(AStyleNodeName + L"\\FrameActive"));
  AItem->SetFrameNormal(mng.GetSkinImageByName(AStyleNodeName + L"\\FrameNormal"));
  int32_t margin = 4;
  mng.GetSkinInt32ByName(AStyleNodeName + L"\\FrameMargin", margin, 4);
  AItem->SetFrameMargin(margin);
}

} // namespace qelvane
