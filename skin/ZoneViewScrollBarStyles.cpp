#include "skin/ZoneViewScrollBarStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

void TSkinZoneViewScrollBarStyles::LoadSkinZoneViewItems() {
  Clear();
  SkinGuard(ClassSubject(ClassName()), L"LoadSkinZoneViewItem", [&] {
    const std::wstring path = L"ControlStyle\\" + StyleNodeName();
    for (const std::wstring& name : Owner().GetSkinNodesByName(path)) {
      TSkinZoneViewScrollBarItem* item = AddStyle(name);
      LoadSkinZoneViewItem(item, path + L"\\" + name);
    }
  });
}

void TSkinZoneViewScrollBarStyles::LoadSkinZoneViewItem(TSkinZoneViewScrollBarItem* AItem,
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
