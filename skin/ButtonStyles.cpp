#include "skin/ButtonStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

TSkinButtonStyleItem::TSkinButtonStyleItem()
    : FNormalBitmapElement(std::make_unique<TGDIIMGADV>()), FHoverBitmapElement(std::make_unique<TGDIIMGADV>()),
      FDownBitmapElement(std::make_unique<TGDIIMGADV>()), FDisabledBitmapElement(std::make_unique<TGDIIMGADV>()),
      FFocusedBitmapElement(std::make_unique<TGDIIMGADV>()) {}

TSkinButtonStyleItem::~TSkinButtonStyleItem() = default;

void TSkinButtonStyleItem::SetStateBitmap(IGPBitmap& AField, TGDIIMGADV& AElement, const IGPBitmap& Value) {
  if (AField == Value) return;
  AField = Value;
  if (AField) TSkinHelper::InitGdiImgAdv(AElement, AField, FHorzBitmapMargin, FVertBitmapMargin);
}

void TSkinButtonStyleItem::SetNormalBitmap(const IGPBitmap& Value) {
  SetStateBitmap(FNormalBitmap, *FNormalBitmapElement, Value);
}
void TSkinButtonStyleItem::SetHoverBitmap(const IGPBitmap& Value) {
  SetStateBitmap(FHoverBitmap, *FHoverBitmapElement, Value);
}
void TSkinButtonStyleItem::SetDownBitmap(const IGPBitmap& Value) {
  SetStateBitmap(FDownBitmap, *FDownBitmapElement, Value);
}
void TSkinButtonStyleItem::SetDisabledBitmap(const IGPBitmap& Value) {
  SetStateBitmap(FDisabledBitmap, *FDisabledBitmapElement, Value);
}
void TSkinButtonStyleItem::SetFocusedBitmap(const IGPBitmap& Value) {
  SetStateBitmap(FFocusedBitmap, *FFocusedBitmapElement, Value);
}

void TButtonStyles::LoadStyleItem(TSkinButtonStyleItem* AItem, const std::wstring& AStyleNodeName) {
  SkinGuard(ClassSubject(ClassName()), L"LoadButtonStyleItem", [&] {
    if (!AItem || !Owner().Loaded()) return;
    TSkinMng& mng = Owner();
    AItem->SetNormalBitmap(mng.GetSkinImageByName(AStyleNodeName + L"\\Normal.png"));
    AItem->SetHoverBitmap(mng.GetSkinImageByName(AStyleNodeName + L"\\Hover.png"));
    AItem->SetDownBitmap(mng.GetSkinImageByName(AStyleNodeName + L"\\Down.png"));
    AItem->SetDisabledBitmap(mng.GetSkinImageByName(AStyleNodeName + L"\\Disabled.png"));
    AItem->SetFocusedBitmap(mng.GetSkinImageByName(AStyleNodeName + L"\\Focused.png"));
  });
}

} // namespace qelvane
