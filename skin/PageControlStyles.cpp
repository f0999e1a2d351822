#include "skin/PageControlStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

namespace {
constexpr int32_t TabImageMargin = 8;
const wchar_t* const Keys[pciCount] = {
    L"TabBtnImg_Hover.png",       L"TabBtnImg_Down.png",          L"TabBtnImg_Normal.png",
    L"TabBackGround.png",         L"AttachButton_Hover.png",      L"AttachButton_Down.png",
    L"AttachButton_Normal.png",   L"CustomButton_Hover.png",      L"CustomButton_Down.png",
    L"CustomButton_Normal.png",   L"CloseButton_Hover.png",       L"CloseButton_Down.png",
    L"CloseButton_Normal.png",    L"PageDownButton_Hover.png",    L"PageDownButton_Down.png",
    L"PageDownButton_Normal.png", L"PageDownButton_Disabled.png", L"PageUpButton_Hover.png",
    L"PageUpButton_Down.png",     L"PageUpButton_Normal.png",     L"PageUpButton_Disabled.png"};
} // namespace

const wchar_t* PageControlImageKey(TPageControlImage AImage) {
  return AImage >= 0 && AImage < pciCount ? Keys[AImage] : L"";
}

TSkinPageControlStyleItem::TSkinPageControlStyleItem()
    : FTabBackGroundElement(std::make_unique<TGDIIMGADV>()), FTabBtnImg_HoverElement(std::make_unique<TGDIIMGADV>()),
      FTabBtnImg_DownElement(std::make_unique<TGDIIMGADV>()), FTabBtnImg_NormalElement(std::make_unique<TGDIIMGADV>()) {
}

TSkinPageControlStyleItem::~TSkinPageControlStyleItem() = default;

TGDIIMGADV* TSkinPageControlStyleItem::ElementOf(TPageControlImage AImage) const {
  switch (AImage) {
  case pciTabBtnImg_Hover:
    return FTabBtnImg_HoverElement.get();
  case pciTabBtnImg_Down:
    return FTabBtnImg_DownElement.get();
  case pciTabBtnImg_Normal:
    return FTabBtnImg_NormalElement.get();
  case pciTabBackGround:
    return FTabBackGroundElement.get();
  default:
    return nullptr;
  }
}

void TSkinPageControlStyleItem::SetImage(TPageControlImage AImage, const IGPBitmap& Value) {
  if (AImage < 0 || AImage >= pciCount || FImages[AImage] == Value) return;
  FImages[AImage] = Value;
  TGDIIMGADV* element = ElementOf(AImage);
  if (element && Value) TSkinHelper::InitGdiImgAdv(*element, Value, TabImageMargin, TabImageMargin);
}

void TSkinPageControlStyles::LoadStyleItem(TSkinPageControlStyleItem* AItem, const std::wstring& AStyleNodeName) {
  if (!AItem || !Owner().Loaded()) return;
  for (int i = 0; i < pciCount; ++i)
    AItem->SetImage(TPageControlImage(i), Owner().GetSkinImageByName(AStyleNodeName + L"\\" + Keys[i]));
}

} // namespace qelvane
