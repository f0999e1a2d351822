#include <gtest/gtest.h>

#include "core/text/TextConvert.h"
#include "skin/SkinMng.h"
#include "skin/tests/SkinTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

class DefaultSkin : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(mng.ChangeSkinRes(L"SKIN", false)); }
  TSkinMng mng;
};

// The compiled default skin with some nodes removed (and, optionally, more added).
std::wstring DefaultSkinWithout(const std::wstring& AFile, std::initializer_list<const wchar_t*> APaths) {
  TSkinBuilder b = TSkinBuilder::FromDefaultSkin();
  for (const wchar_t* path : APaths)
    EXPECT_TRUE(b.Remove(path)) << "not in the default skin";
  return b.Save(AFile);
}

} // namespace

TEST_F(DefaultSkin, ButtonStyles) {
  ASSERT_EQ(mng.SkinButtonStyles().StyleList.size(), 1u);
  TSkinButtonStyleItem* item = mng.SkinButtonStyles().GetItem(L"0");
  ASSERT_TRUE(item);
  for (const IGPBitmap* b : {&item->NormalBitmap(), &item->HoverBitmap(), &item->DownBitmap(), &item->DisabledBitmap(),
                             &item->FocusedBitmap()})
    EXPECT_TRUE(*b);
  EXPECT_EQ(item->NormalBitmapElement()->Image(), item->NormalBitmap());
  EXPECT_EQ(item->NormalBitmapElement()->Margin(), (TMargin{3, 3, 3, 3}));
  EXPECT_FALSE(mng.SkinButtonStyles().GetItem(L"1"));
  EXPECT_EQ(mng.SkinBitButtonStyles().StyleList.size(), 1u);
  EXPECT_EQ(mng.SkinSpeedButtonStyles().StyleList.size(), 1u);

  // The drop-down style has no DropDownWidth: 0, each element shows a strip
  // 4 pixels wide at its end of the image.
  TSkinDropDownButtonStyleItem* drop = mng.SkinDropDownButtonStyles().GetItem(L"0");
  ASSERT_TRUE(drop);
  EXPECT_EQ(drop->DropDownWidth(), 0);
  EXPECT_FALSE(drop->IsLeftRightBitmapSeperate());
  using S = TSkinDropDownButtonStyleItem;
  const IGPBitmap& whole = drop->Bitmap(S::bsNormal);
  ASSERT_TRUE(whole);
  const int32_t cut = whole->Width() - 0 - 4;
  EXPECT_EQ(drop->RightBitmapElement(S::bsNormal)->ClipMargin(), (TMargin{0, cut, 0, 0}));
  EXPECT_EQ(drop->LeftBitmapElement(S::bsNormal)->ClipMargin(), (TMargin{0, 0, cut, 0}));
  EXPECT_EQ(drop->LeftBitmapElement(S::bsNormal)->Margin(), (TMargin{4, 4, 4, 4}));
  EXPECT_FALSE(drop->LeftBitmap(S::bsNormal));
}

TEST_F(DefaultSkin, PageControlFormHeadFramePanelAndZoneViewStyles) {
  ASSERT_EQ(mng.HorzPageControlStyles().StyleList.size(), 1u);
  TSkinPageControlStyleItem* page = mng.HorzPageControlStyles().GetItem(L"0");
  ASSERT_TRUE(page);
  for (int i = 0; i < pciCount; ++i)
    EXPECT_TRUE(page->Image(TPageControlImage(i))) << i;
  EXPECT_EQ(page->AverageGPColor(), 0u);
  for (TGDIIMGADV* e : {page->TabBackGroundElement(), page->TabBtnImg_HoverElement(), page->TabBtnImg_DownElement(),
                        page->TabBtnImg_NormalElement()}) {
    EXPECT_TRUE(e->Image());
    EXPECT_EQ(e->Margin(), (TMargin{8, 8, 8, 8}));
  }

  TSkinFormStyleItem* form = mng.SkinFormStyles().FormStyleItem();
  ASSERT_TRUE(form);
  EXPECT_EQ(mng.SkinFormStyles().StyleList.size(), 1u);
  EXPECT_EQ(form->StyleName, L"SkinForm");
  EXPECT_EQ(form->AppCaptionX, 10);
  EXPECT_EQ(form->AppCaptionY, -4);
  EXPECT_EQ(form->CloseBtnRight, 38);
  EXPECT_EQ(form->MaxBtnRight, 64);
  EXPECT_EQ(form->MinBtnRight, 90);
  EXPECT_EQ(form->CloseBtnTop, 1);
  EXPECT_EQ(form->MaxBtnTop, 1);
  EXPECT_EQ(form->MinBtnTop, 1);
  EXPECT_TRUE(form->EnabledShadow);
  EXPECT_EQ(form->ShadowSizeMargin, (TMargin{3, 3, 3, 5}));
  EXPECT_EQ(form->ShadowDrawMargin, (TMargin{8, 8, 8, 8}));
  for (const IGPBitmap* b :
       {&form->MinBtnBmp_Normal, &form->MinBtnBmp_Hover, &form->MinBtnBmp_Down, &form->MaxBtnBmp_Normal,
        &form->MaxBtnBmp_Hover, &form->MaxBtnBmp_Down, &form->RestoreBtnBmp_Normal, &form->RestoreBtnBmp_Hover,
        &form->RestoreBtnBmp_Down, &form->CloseBtnBmp_Normal, &form->CloseBtnBmp_Hover, &form->CloseBtnBmp_Down,
        &form->ShadowBitmap, &form->ShadowLeftBitmap, &form->ShadowTopBitmap, &form->ShadowRightBitmap,
        &form->ShadowBottomBitmap})
    EXPECT_TRUE(*b);
  EXPECT_FALSE(form->SufferBackGrounds->DefaultPngBkg()->Image());

  ASSERT_EQ(mng.SkinHeadFrameStyles().StyleList.size(), 1u);
  TSkinHeadFrameStyleItem* head = mng.SkinHeadFrameStyles().GetItem(L"0");
  ASSERT_TRUE(head);
  EXPECT_EQ(head->FrameMargin(), 4);
  EXPECT_TRUE(head->FrameActiveElement()->Image());
  ASSERT_EQ(mng.SkinPanelStyles().StyleList.size(), 1u);
  EXPECT_EQ(mng.SkinPanelStyles().StyleList[0]->StyleName, L"Panel");
  EXPECT_TRUE(mng.SkinPanelStyles().GetItem(L"Panel")->FormClientPanelBackImage);

  std::vector<std::wstring> zones;
  for (const auto& z : mng.SkinZoneViewStyles().StyleList)
    zones.push_back(z->StyleName());
  EXPECT_EQ(zones, (std::vector<std::wstring>{L"Default", L"SearchPopup", L"TeamUser", L"TeamOption", L"MenuList",
                                              L"MsgBox"}));
  TSkinZoneViewStyleItem* menuList = mng.SkinZoneViewStyles().GetItem(L"MenuList");
  ASSERT_TRUE(menuList);
  EXPECT_EQ(menuList->MainHoverFont.Name, u"宋体");
  EXPECT_EQ(menuList->MainHoverFont.Size, 12);
  EXPECT_EQ(menuList->MainHoverFont.Color, 0xDA7003u);
  // The skin stores the node-active font under a misspelt key: the default stays.
  EXPECT_EQ(menuList->NodeActiveFont.Name, FromWide(DefaultSkinFontName()));
  EXPECT_EQ(menuList->NodeActiveFont.Color, 0x363636u);
  EXPECT_TRUE(mng.PopupMenuSkin().Customize);
  EXPECT_TRUE(mng.PopupMenuSkin().MenuArrowBitmap->Image());
  EXPECT_EQ(mng.SkinZoneViewItems().StyleList.size(), 1u);
}

TEST(StyleCollections, MissingKeysGiveTheDefaults) {
  TSkinMng mng;
  ASSERT_TRUE(mng.ChangeSkinFile(
      DefaultSkinWithout(L"styles-nopos.skin", {L"SkinForm\\SysBtns\\Position", L"SkinForm\\AppCaption",
                                                L"ControlStyle\\Button\\0\\Focused.png",
                                                L"ControlStyle\\PageControlEx\\Horizontal\\0\\TabBackGround.png"}),
      false));
  TSkinFormStyleItem* form = mng.SkinFormStyles().FormStyleItem();
  ASSERT_TRUE(form);
  EXPECT_EQ(form->CloseBtnRight, 37);
  EXPECT_EQ(form->CloseBtnTop, 1);
  EXPECT_EQ(form->MaxBtnRight, 64);
  EXPECT_EQ(form->MaxBtnTop, 1);
  EXPECT_EQ(form->MinBtnRight, 90);
  EXPECT_EQ(form->MinBtnTop, 1);
  EXPECT_EQ(form->AppCaptionX, 5);
  EXPECT_EQ(form->AppCaptionY, 5);
  EXPECT_TRUE(form->CloseBtnBmp_Normal);

  TSkinButtonStyleItem* button = mng.SkinButtonStyles().GetItem(L"0");
  ASSERT_TRUE(button);
  EXPECT_FALSE(button->FocusedBitmap());
  EXPECT_FALSE(button->FocusedBitmapElement()->Image());
  EXPECT_TRUE(button->NormalBitmapElement()->Image());

  TSkinPageControlStyleItem* page = mng.HorzPageControlStyles().GetItem(L"0");
  ASSERT_TRUE(page);
  EXPECT_FALSE(page->TabBackGroundElement()->Image());
  EXPECT_TRUE(page->TabBtnImg_NormalElement()->Image());
}

TEST(StyleCollections, TwoStylesOfOneNameFindTheFirst) {
  TSkinBuilder b;
  b.NewDir(L"ControlStyle\\Button", L"x");
  b.Bin(L"ControlStyle\\Button\\x\\Normal.png", SolidPng(8, 8, 0xFF0000FF));
  TBinTreeNode100& second = b.NewDir(L"ControlStyle\\Button", L"x");
  b.Doc().CreateNode(nt100_Binary, second, u"Normal.png");
  b.Str(L"ControlStyle\\Button\\Value", L"not a style"); // values are not styles
  TSkinMng mng;
  ASSERT_TRUE(mng.ChangeSkinFile(b.Save(L"styles-twins.skin"), false));
  ASSERT_EQ(mng.SkinButtonStyles().StyleList.size(), 2u);
  TSkinButtonStyleItem* found = mng.SkinButtonStyles().GetItem(L"x");
  EXPECT_EQ(found, mng.SkinButtonStyles().StyleList[0].get());
  EXPECT_TRUE(found->NormalBitmap());
  EXPECT_FALSE(mng.SkinButtonStyles().GetItem(L"X"));
}

namespace {

struct TProbeItem : TBaseSkinStyleItem {
  std::wstring Path;
};

// A collection that records where each item was filled from and fails on
// the item named AFailOn.
class TProbeStyles : public TSkinStyleCollection<TProbeItem> {
public:
  TProbeStyles(TSkinMng& AOwner, const TStyleLayout& ALayout, std::wstring AFailOn = L"")
      : TSkinStyleCollection(AOwner, L"TProbeStyles", ALayout), FFailOn(std::move(AFailOn)) {}
  void LoadStyleItem(TProbeItem* AItem, const std::wstring& AStyleNodeName) override {
    if (AItem->StyleName() == FFailOn) throw EDrawingError(L"probe");
    AItem->Path = AStyleNodeName;
  }

private:
  std::wstring FFailOn;
};

std::vector<std::wstring> NamesAndPaths(const TProbeStyles& AStyles) {
  std::vector<std::wstring> result;
  for (const auto& item : AStyles.StyleList)
    result.push_back(item->StyleName() + L"=" + item->Path);
  return result;
}

} // namespace

TEST_F(DefaultSkin, TheSharedLoadLoopFollowsTheLayout) {
  // One style per folder, in document order, refilled on every load.
  TProbeStyles perFolder(mng, {.ParentPath = L"ControlStyle\\PageControlEx\\"});
  perFolder.SetStyleNodeName(L"Horizontal");
  perFolder.LoadStyles();
  perFolder.LoadStyles();
  EXPECT_EQ(NamesAndPaths(perFolder), std::vector<std::wstring>{L"0=ControlStyle\\PageControlEx\\Horizontal\\0"});

  // One style named after the node, filled from the node.
  TProbeStyles single(mng, {.ParentPath = L"", .StylePerFolder = false});
  single.SetStyleNodeName(L"SkinForm");
  single.LoadStyles();
  EXPECT_EQ(NamesAndPaths(single), std::vector<std::wstring>{L"SkinForm=SkinForm"});
}

TEST_F(DefaultSkin, ALoadFailureIsLoggedUnderTheLayoutsNameOrReachesTheCaller) {
  ClearSkinLog();
  TProbeStyles guarded(mng, {.LoadOperation = L"LoadProbeStyles"}, L"TeamUser");
  guarded.SetStyleNodeName(L"ZoneViewStyle");
  guarded.LoadStyles();
  // The styles before the failing one stay; the failing one was added but not filled.
  EXPECT_EQ(NamesAndPaths(guarded),
            (std::vector<std::wstring>{L"Default=ControlStyle\\ZoneViewStyle\\Default",
                                       L"SearchPopup=ControlStyle\\ZoneViewStyle\\SearchPopup", L"TeamUser="}));
  EXPECT_EQ(SkinLogLines(), std::vector<std::string>{"ClassName:TProbeStyles      ExceptionName:EDrawingError   "
                                                     "ExceptionMsg:probe   AdditionalMsg:LoadProbeStyles"});

  ClearSkinLog();
  TProbeStyles unguarded(mng, {}, L"Default");
  unguarded.SetStyleNodeName(L"ZoneViewStyle");
  EXPECT_THROW(unguarded.LoadStyles(), EDrawingError);
  EXPECT_TRUE(SkinLogLines().empty());
}
