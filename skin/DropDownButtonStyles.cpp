#include "skin/DropDownButtonStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

namespace {
const wchar_t* const StateNames[TSkinDropDownButtonStyleItem::bsCount] = {L"Normal", L"Hover", L"Down", L"Disabled",
                                                                          L"Focused"};
constexpr int32_t SeparateImageMargin = 8;
} // namespace

TSkinDropDownButtonStyleItem::TSkinDropDownButtonStyleItem() {
  for (int i = 0; i < bsCount; ++i) {
    FRightElement[i] = std::make_unique<TGDIIMGADV>();
    FLeftElement[i] = std::make_unique<TGDIIMGADV>();
  }
}

TSkinDropDownButtonStyleItem::~TSkinDropDownButtonStyleItem() = default;

void TSkinDropDownButtonStyleItem::SetBitmap(TState AState, const IGPBitmap& Value) {
  if (FBitmap[AState] == Value) return;
  FBitmap[AState] = Value;
  if (!Value) return;
  TSkinHelper::InitLeftGdiImgAdv(*FLeftElement[AState], Value, FDropDownWidth);
  TSkinHelper::InitRightGdiImgAdv(*FRightElement[AState], Value, FDropDownWidth);
}

void TSkinDropDownButtonStyleItem::SetLeftBitmap(TState AState, const IGPBitmap& Value) {
  if (FLeftBitmap[AState] == Value) return;
  FLeftBitmap[AState] = Value;
  if (Value) TSkinHelper::InitGdiImgAdv(*FLeftElement[AState], Value, SeparateImageMargin, SeparateImageMargin);
}

void TSkinDropDownButtonStyleItem::SetRightBitmap(TState AState, const IGPBitmap& Value) {
  if (FRightBitmap[AState] == Value) return;
  FRightBitmap[AState] = Value;
  if (Value) TSkinHelper::InitGdiImgAdv(*FRightElement[AState], Value, SeparateImageMargin, SeparateImageMargin);
}

void TDropDownButtonStyles::LoadStyleItem(TSkinDropDownButtonStyleItem* AItem, const std::wstring& AStyleNodeName) {
  using S = TSkinDropDownButtonStyleItem;
  SkinGuard(ClassSubject(ClassName()), L"LoadButtonStyleItem", [&] {
    if (!AItem || !Owner().Loaded()) return;
    TSkinMng& mng = Owner();
    AItem->SetDropDownWidth(mng.GetSkinInt32ByName(AStyleNodeName + L"\\DropDownWidth"));
    AItem->SetIsLeftRightBitmapSeperate(mng.GetSkinBoolByName(AStyleNodeName + L"\\IsLeftRightBitmapSeperate"));
    if (AItem->IsLeftRightBitmapSeperate()) {
      for (int s = 0; s < S::bsCount; ++s)
        AItem->SetLeftBitmap(S::TState(s),
                             mng.GetSkinImageByName(AStyleNodeName + L"\\Left" + StateNames[s] + L".png"));
      for (int s = 0; s < S::bsCount; ++s)
        AItem->SetRightBitmap(S::TState(s),
                              mng.GetSkinImageByName(AStyleNodeName + L"\\Right" + StateNames[s] + L".png"));
    } else {
      for (int s = 0; s < S::bsCount; ++s)
        AItem->SetBitmap(S::TState(s), mng.GetSkinImageByName(AStyleNodeName + L"\\" + StateNames[s] + L".png"));
    }
  });
}

} // namespace qelvane
