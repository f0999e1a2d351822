#include "skin/FormStyles.h"

#include "skin/SkinMng.h"

namespace qelvane {

TSkinFormStyleItem::TSkinFormStyleItem() : SufferBackGrounds(std::make_unique<TSufferBackGrounds>()) {}

TSkinFormStyleItem::~TSkinFormStyleItem() = default;

void TSkinFormStyles::LoadStyleItem(TSkinFormStyleItem* AItem, const std::wstring& /*AStyleNodeName*/) {
  SkinGuard(ClassSubject(ClassName()), L"LoadSkinFormStyleItem", [&] {
    TSkinMng& mng = Owner();
    if (!AItem || !mng.Loaded()) return;
    TSkinFormStyleItem& s = *AItem;

    // Every configuration loads into the same single overlay item: the last wins.
    const std::wstring configs = L"SkinForm\\SufferBackGroundConfigs";
    for (const std::wstring& name : mng.GetSkinNodesByName(configs))
      s.SufferBackGrounds->LoadSufferBackGroundItem(mng, name, configs + L"\\" + name);

    const std::wstring btns = L"SkinForm\\SysBtns\\";
    s.MinBtnBmp_Normal = mng.GetSkinImageByName(btns + L"Min_Normal_Active.png");
    s.MinBtnBmp_Hover = mng.GetSkinImageByName(btns + L"Min_Hover_Active.png");
    s.MinBtnBmp_Down = mng.GetSkinImageByName(btns + L"Min_Down_Active.png");
    s.MaxBtnBmp_Normal = mng.GetSkinImageByName(btns + L"Max_Normal_Active.png");
    s.MaxBtnBmp_Hover = mng.GetSkinImageByName(btns + L"Max_Hover_Active.png");
    s.MaxBtnBmp_Down = mng.GetSkinImageByName(btns + L"Max_Down_Active.png");

    const std::wstring shadow = L"SkinForm\\Shadow\\";
    s.ShadowBottomBitmap = mng.GetSkinImageByName(shadow + L"ShadowBottomBitmap.png");
    s.ShadowLeftBitmap = mng.GetSkinImageByName(shadow + L"ShadowLeftBitmap.png");
    s.ShadowRightBitmap = mng.GetSkinImageByName(shadow + L"ShadowRightBitmap.png");
    s.ShadowTopBitmap = mng.GetSkinImageByName(shadow + L"ShadowTopBitmap.png");
    s.ShadowBitmap = mng.GetSkinImageByName(shadow + L"ShadowBitmap.png");
    mng.GetMarginByString(shadow + L"ShadowSizeMargin", s.ShadowSizeMargin);
    mng.GetMarginByString(shadow + L"ShadowDrawMargin", s.ShadowDrawMargin);
    s.EnabledShadow = mng.GetSkinBoolByName(shadow + L"EnabledShadow");

    s.RestoreBtnBmp_Normal = mng.GetSkinImageByName(btns + L"Restore_Normal_Active.png");
    s.RestoreBtnBmp_Hover = mng.GetSkinImageByName(btns + L"Restore_Hover_Active.png");
    s.RestoreBtnBmp_Down = mng.GetSkinImageByName(btns + L"Restore_Down_Active.png");
    s.CloseBtnBmp_Normal = mng.GetSkinImageByName(btns + L"Close_Normal_Active.png");
    s.CloseBtnBmp_Hover = mng.GetSkinImageByName(btns + L"Close_Hover_Active.png");
    s.CloseBtnBmp_Down = mng.GetSkinImageByName(btns + L"Close_Down_Active.png");

    const std::wstring pos = L"SkinForm\\SysBtns\\Position\\";
    mng.GetSkinInt32ByName(pos + L"CloseBtnRight", s.CloseBtnRight, 37);
    mng.GetSkinInt32ByName(pos + L"CloseBtnTop", s.CloseBtnTop, 1);
    mng.GetSkinInt32ByName(pos + L"MaxBtnRight", s.MaxBtnRight, 64);
    mng.GetSkinInt32ByName(pos + L"MaxBtnTop", s.MaxBtnTop, 1);
    mng.GetSkinInt32ByName(pos + L"MinBtnRight", s.MinBtnRight, 90);
    mng.GetSkinInt32ByName(pos + L"MinBtnTop", s.MinBtnTop, 1);
    mng.GetSkinInt32ByName(L"SkinForm\\AppCaption\\X", s.AppCaptionX, 5);
    mng.GetSkinInt32ByName(L"SkinForm\\AppCaption\\Y", s.AppCaptionY, 5);
  });
}

} // namespace qelvane
