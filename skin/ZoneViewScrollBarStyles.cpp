#include "skin/ZoneViewScrollBarStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

void TSkinZoneViewScrollBarStyles::LoadStyleItem(TSkinZoneViewScrollBarItem* AItem,
                                                 const std::wstring& AStyleNodeName) {
  SkinGuard(ClassSubject(ClassName()), L"LoadSkinZoneViewItem", [&] {
    TSkinMng& mng = Owner();
    if (!AItem || !mng.Loaded()) return;
    AItem->Bitmap_HorzTopBtn = mng.GetSkinImageByName(AStyleNodeName + L"\\Horizontal\\Up.png");
    AItem->Bitmap_HorzScrollBtn = mng.GetSkinImageByName(AStyleNodeName + L"\\Horizontal\\Scroll.png");
    AItem->Bitmap_HorzBottomBtn = mng.GetSkinImageByName(AStyleNodeName + L"\\Horizontal\\Down.png");
    AItem->Bitmap_VertTopBtn = mng.GetSkinImageByName(AStyleNodeName + L"\\Vertical\\Up.png");
    AItem->Bitmap_VertScrollBtn = mng.GetSkinImageByName(AStyleNodeName + L"\\Vertical\\Scroll.png");
    AItem->Bitmap_VertBottomBtn = mng.GetSkinImageByName(AStyleNodeName + L"\\Vertical\\Down.png");
  });
}

} // namespace qelvane
