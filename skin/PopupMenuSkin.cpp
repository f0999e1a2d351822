#include "skin/PopupMenuSkin.h"

#include "skin/SkinMng.h"

namespace qelvane {

TPopupMenuSkin::TPopupMenuSkin()
    : MenuArrowBitmap(std::make_unique<TGDIIMGPro>()), MenuBkgBitmap(std::make_unique<TGDIIMGPro>()),
      MenuCheck(std::make_unique<TGDIIMGPro>()), MenuCutling(std::make_unique<TGDIIMGPro>()),
      MenuHighLight(std::make_unique<TGDIIMGPro>()), MenuCover(std::make_unique<TGDIIMGPro>()) {}

TPopupMenuSkin::~TPopupMenuSkin() = default;

void TPopupMenuSkin::Load(TSkinMng& AMng) {
  const std::wstring p = L"ControlStyle\\PopupMenu\\";
  // An image node reads as True exactly when it holds data.
  AMng.GetSkinBoolByName(p + L"MenuArrowBitmap", Customize, false);
  if (!Customize) return;

  MenuArrowBitmap->SetImage(AMng.GetSkinImageByName(p + L"MenuArrowBitmap"));
  MenuBkgBitmap->SetImage(AMng.GetSkinImageByName(p + L"MenuBkgBitmap"));
  MenuCheck->SetImage(AMng.GetSkinImageByName(p + L"MenuCheck"));
  MenuCutling->SetImage(AMng.GetSkinImageByName(p + L"MenuCutling"));
  MenuHighLight->SetImage(AMng.GetSkinImageByName(p + L"MenuHighLight"));
  MenuCover->SetImage(AMng.GetSkinImageByName(p + L"MenuCover"));
  for (TGDIIMGPro* e :
       {MenuArrowBitmap.get(), MenuCheck.get(), MenuCutling.get(), MenuHighLight.get(), MenuCover.get()})
    e->SetStrecthMode(smStretchBoth);

  auto read = [&](const wchar_t* AKey, int32_t& AValue, int32_t ADefault) {
    AMng.GetSkinInt32ByName(p + AKey, AValue, ADefault);
  };
  read(L"MenuBkgBitmapTopMargin", MenuBkgBitmapTopMargin, 9);
  read(L"MenuBkgBitmapLeftMargin", MenuBkgBitmapLeftMargin, 33);
  read(L"MenuBkgBitmapRightMargin", MenuBkgBitmapRightMargin, 8);
  read(L"MenuBkgBitmapBottomMargin", MenuBkgBitmapBottomMargin, 9);
  read(L"MenuCutlingDrawLeftMargin", MenuCutlingDrawLeftMargin, 33);
  read(L"MenuCutlingDrawRightMargin", MenuCutlingDrawRightMargin, 8);
  read(L"MenuCutlingHeight", MenuCutlingHeight, 3);
  read(L"MenuCutlingDrawHeight", MenuCutlingDrawHeight, 1);
  read(L"MenuBkgBitmapStrecthMode", MenuBkgBitmapStrecthMode, 0);
  MenuBkgBitmap->SetMargin(MenuBkgBitmapLeftMargin, MenuBkgBitmapTopMargin, MenuBkgBitmapRightMargin,
                           MenuBkgBitmapBottomMargin);
  MenuCover->SetMargin(MenuBkgBitmapLeftMargin, 0, MenuBkgBitmapRightMargin, 0);
  read(L"MenuHighLightDrawLeftMargin", MenuHighLightDrawLeftMargin, 7);
  read(L"MenuHighLightDrawRightMargin", MenuHighLightDrawRightMargin, 7);
  read(L"MenuHighLightDrawTopMargin", MenuHighLightDrawTopMargin, -1);
  read(L"MenuHighLightDrawBottomMargin", MenuHighLightDrawBottomMargin, 0);
  read(L"MenuIconDrawLeftMargin", MenuIconDrawLeftMargin, 7);
  read(L"MenuArrowBitmapDrawRightMargin", MenuArrowBitmapDrawRightMargin, 20);
  read(L"MenuCaptionDrawLeftMargin", MenuCaptionDrawLeftMargin, 33);
  read(L"MenuItemsDrawTopMargin", MenuItemsDrawTopMargin, 8);
  read(L"MenuOtherHeight", MenuOtherHeight, 14);
  read(L"MenuOtherWidth", MenuOtherWidth, 74);

  const IGPBitmap& arrow = MenuArrowBitmap->Image();
  MenuArrowBitmap->SetWidth(ImageWidth(arrow));
  MenuArrowBitmap->SetHeight(ImageHeight(arrow));
}

} // namespace qelvane
