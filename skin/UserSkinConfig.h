#pragma once
// The user skin configuration: the skin's default background item and the
// item in use. (The lists of items a user could choose from, their XML files
// and the default colour table are not part of this engine: nothing calls them.)
#include <memory>

#include "skin/SkinItems.h"

namespace qelvane {

class TSkinMng;

enum TSkinType : uint8_t { stColor = 0, stPicture = 1, stCustomColor = 2 };

class TUserSkinConfig {
public:
  explicit TUserSkinConfig(TSkinMng& AOwner);
  ~TUserSkinConfig();

  TSkinType SkinType() const { return FSkinType; }
  TSkinBackGroundFileItem* DefaultSkinItem() const { return FDefaultSkinItem.get(); }
  TBaseSkinItem* AppUsedSkinItem() const { return FAppUsedSkinItem; }
  // Keeps the reference; a picture item makes the skin type stPicture, a
  // colour item stCustomColor or stColor by its IsCustom.
  void SetAppUsedSkinItem(TBaseSkinItem* Value);

  // Refills the default item from SkinMgr\DefaultSkins of the owner's skin.
  void LoadDefaultSkinItem();

private:
  TSkinMng& FOwner;
  TSkinType FSkinType = stPicture;
  std::unique_ptr<TSkinBackGroundFileItem> FDefaultSkinItem;
  TBaseSkinItem* FAppUsedSkinItem = nullptr;
};

} // namespace qelvane
