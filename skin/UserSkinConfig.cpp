#include "skin/UserSkinConfig.h"

#include "skin/SkinMng.h"

namespace qelvane {

TUserSkinConfig::TUserSkinConfig(TSkinMng& AOwner)
    : FOwner(AOwner), FDefaultSkinItem(std::make_unique<TSkinBackGroundFileItem>(&AOwner)) {}

TUserSkinConfig::~TUserSkinConfig() = default;

void TUserSkinConfig::SetAppUsedSkinItem(TBaseSkinItem* Value) {
  FAppUsedSkinItem = Value;
  if (auto* color = dynamic_cast<TSkinBackGroundColorItem*>(Value))
    FSkinType = color->IsCustom() ? stCustomColor : stColor;
  else if (dynamic_cast<TSkinBackGroundFileItem*>(Value))
    FSkinType = stPicture;
}

void TUserSkinConfig::LoadDefaultSkinItem() {
  TSkinBackGroundFileItem& item = *FDefaultSkinItem;
  // The item is refilled from a skin that may differ from the one its picture
  // and colours came from: forget them, they are made again on request.
  item.ResetPicture();
  item.SetSkinName(L"Default");
  item.SetFileStoredPosition(fspInSkinFile);
  item.SetPictureFile(L"SkinMgr\\DefaultSkins\\Image");
  // A missing clip margin repeats the margins: both are read into the same values.
  TMargin margin;
  FOwner.GetMarginByString(L"SkinMgr\\DefaultSkins\\Margin", margin);
  item.SetMargin(margin);
  FOwner.GetMarginByString(L"SkinMgr\\DefaultSkins\\ClipMargin", margin);
  item.SetClipMargin(margin);
  item.SetStretchMode(FOwner.GetStretchModeByString(L"SkinMgr\\DefaultSkins\\StretchMode"));
}

} // namespace qelvane
