#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/SkinClassMembers.h"
#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "skin/tests/SkinTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// What a skinned control class sees when it is told of a new skin.
struct TSeen {
  size_t Buttons;
  bool DefaultItemInUse;
  size_t MessagesSoFar;
};
std::vector<TSeen> GSeen;
std::vector<TReceived>* GMessages = nullptr;
TSkinMng* GWatched = nullptr;

class TWatchingControl : public TSkinClassMembers<TWatchingControl, 8, false> {
public:
  void SkinClassChangeSkinFile() {
    GSeen.push_back({GWatched->SkinButtonStyles().StyleList.size(),
                     GWatched->UserSkinConfig().AppUsedSkinItem() != nullptr, GMessages ? GMessages->size() : 0});
  }
};

std::wstring SkinWithButtons(const std::wstring& AFile, std::initializer_list<const wchar_t*> ANames) {
  TSkinBuilder b;
  b.Str(L"SkinInfo\\SkinName", AFile);
  for (const wchar_t* name : ANames)
    b.Bin(std::wstring(L"ControlStyle\\Button\\") + name + L"\\Normal.png", SolidPng(6, 6, 0xFF00FF00));
  return b.Save(AFile);
}

} // namespace

TEST(SkinMng, StartUpLoadsTheSkinResourceIntoTheProcessWideManager) {
  ASSERT_TRUE(InitSkinEngineAtStartup());
  TSkinMng& mng = SkinMng();
  EXPECT_TRUE(mng.Loaded());
  EXPECT_FALSE(mng.IsPrepareBuildBackGndImage());
  EXPECT_EQ(mng.SkinName(), L"Default");
  ASSERT_EQ(mng.SkinButtonStyles().StyleList.size(), 1u);
  EXPECT_EQ(mng.SkinButtonStyles().StyleList[0]->StyleName(), L"0");
  // The skin's default background is the item in use.
  TUserSkinConfig& config = mng.UserSkinConfig();
  EXPECT_EQ(config.AppUsedSkinItem(), config.DefaultSkinItem());
  EXPECT_EQ(config.SkinType(), stPicture);
  EXPECT_EQ(config.DefaultSkinItem()->SkinName(), L"Default");
  TGDIBIGIMGPro* texture = config.DefaultSkinItem()->TextureGdiImage();
  ASSERT_TRUE(texture->Image());
  EXPECT_GT(texture->Image()->Width(), 0);
  EXPECT_EQ(texture->StrecthMode(), smAvgColor);
  // Started once: the same name again is refused.
  EXPECT_FALSE(InitSkinEngineAtStartup());
  EXPECT_TRUE(mng.Loaded());
}

TEST(SkinMng, ReloadRulesNotificationOrderAndListenerMessages) {
  TSkinMng mng;
  std::vector<TReceived> messages;
  TRecordingWindow w1(&messages), w2(&messages), w3(&messages);
  EXPECT_EQ(mng.RegisterSkinListener(w2.Handle(), 5001, 5002, 5003, 5004), -1);
  EXPECT_EQ(mng.RegisterSkinListener(w1.Handle(), 6001, 6002, 6003, 6004), -1);
  EXPECT_EQ(mng.RegisterSkinListener(w3.Handle(), 7001, 7002, 7003, 7004), -1);
  // A window registers once; its first message numbers stay.
  EXPECT_EQ(mng.RegisterSkinListener(w1.Handle(), 9, 9, 9, 9), 0);
  mng.UnRegisterSkinListener(w3.Handle());
  mng.UnRegisterSkinListener(reinterpret_cast<HWND>(0x1234)); // not registered: ignored
  ASSERT_EQ(mng.SkinListeners().Items().size(), 2u);

  TWatchingControl control;
  GSeen.clear();
  GMessages = &messages;
  GWatched = &mng;
  // While a listener handles its message, the load is complete.
  std::vector<size_t> buttonsSeenByListener;
  w1.OnMessage = [&](const TReceived&) { buttonsSeenByListener.push_back(mng.SkinButtonStyles().StyleList.size()); };

  ASSERT_TRUE(mng.ChangeSkinRes(L"SKIN", false));
  // Classes first (after the collections were filled), then the windows, in
  // registration order, synchronously.
  ASSERT_EQ(GSeen.size(), 1u);
  EXPECT_EQ(GSeen[0].Buttons, 1u);
  EXPECT_EQ(GSeen[0].MessagesSoFar, 0u);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].Window, w2.Handle());
  EXPECT_EQ(messages[0].Message, 5001u);
  EXPECT_EQ(messages[1].Window, w1.Handle());
  EXPECT_EQ(messages[1].Message, 6001u);
  EXPECT_EQ(messages[1].WParam, 0u);
  EXPECT_EQ(messages[1].LParam, 0);
  EXPECT_EQ(buttonsSeenByListener, std::vector<size_t>{1});

  // The same name in another letter case is refused: nothing happens.
  EXPECT_FALSE(mng.ChangeSkinRes(L"skin", false));
  EXPECT_EQ(GSeen.size(), 1u);
  EXPECT_EQ(messages.size(), 2u);

  // A forced reload does everything again and frees the items of the first load.
  std::weak_ptr<TGPBitmap> oldNormal = mng.SkinButtonStyles().GetItem(L"0")->NormalBitmap();
  ASSERT_FALSE(oldNormal.expired());
  ASSERT_TRUE(mng.ChangeSkinRes(L"SKIN", true));
  EXPECT_TRUE(oldNormal.expired());
  ASSERT_TRUE(mng.SkinButtonStyles().GetItem(L"0"));
  EXPECT_TRUE(mng.SkinButtonStyles().GetItem(L"0")->NormalBitmap());
  EXPECT_EQ(GSeen.size(), 2u);
  EXPECT_EQ(messages.size(), 4u);

  // A load that fails tells nobody and leaves the collections.
  EXPECT_FALSE(mng.ChangeSkinRes(L"NOSUCHSKIN", true));
  EXPECT_FALSE(mng.ChangeSkinFile(L"C:\\missing.skin", true));
  EXPECT_EQ(GSeen.size(), 2u);
  EXPECT_EQ(messages.size(), 4u);
  EXPECT_EQ(mng.SkinButtonStyles().StyleList.size(), 1u);
  GMessages = nullptr;
}

TEST(SkinMng, FileLoadsCompareTheFileNameAndReplaceTheCollections) {
  TSkinMng mng;
  const std::wstring one = SkinWithButtons(L"mng-one.skin", {L"a", L"b"});
  const std::wstring two = SkinWithButtons(L"mng-two.skin", {L"c"});
  ASSERT_TRUE(mng.ChangeSkinFile(one, false));
  EXPECT_EQ(mng.FileName(), one);
  EXPECT_EQ(mng.SkinButtonStyles().StyleList.size(), 2u);
  EXPECT_FALSE(mng.ChangeSkinFile(one, false));
  // Only the skin in use is refused: once another source was loaded, the
  // first loads again without Reload.
  ASSERT_TRUE(mng.ChangeSkinRes(L"SKIN", false));
  EXPECT_FALSE(mng.ChangeSkinRes(L"skin", false));
  ASSERT_TRUE(mng.ChangeSkinFile(one, false));
  ASSERT_TRUE(mng.ChangeSkinRes(L"Skin", false));
  ASSERT_TRUE(mng.ChangeSkinFile(two, false));
  EXPECT_EQ(mng.SkinButtonStyles().StyleList.size(), 1u);
  EXPECT_FALSE(mng.SkinButtonStyles().GetItem(L"a"));
  EXPECT_TRUE(mng.SkinButtonStyles().GetItem(L"c"));
  // Collections of kinds the skin does not have are empty; the form and panel
  // collections always hold their one item.
  EXPECT_TRUE(mng.HorzPageControlStyles().StyleList.empty());
  ASSERT_TRUE(mng.SkinFormStyles().FormStyleItem());
  EXPECT_EQ(mng.SkinPanelStyles().StyleList.size(), 1u);
}

TEST(SkinMng, BackGroundChangesGoToEveryListenerWithTheItem) {
  TSkinMng mng;
  std::vector<TReceived> messages;
  TRecordingWindow w1(&messages), w2(&messages);
  mng.RegisterSkinListener(w1.Handle(), ChangeSkinFileMessage, ChangeSkinBackGroundColorMessage,
                           ChangeSkinBackGroundFileMessage, ChangeSkinBackGroundCustomColorMessage);
  mng.RegisterSkinListener(w2.Handle(), ChangeSkinFileMessage, ChangeSkinBackGroundColorMessage,
                           ChangeSkinBackGroundFileMessage, ChangeSkinBackGroundCustomColorMessage);
  TSkinBackGroundColorItem custom, plain;
  plain.SetIsCustom(false);
  TSkinBackGroundFileItem picture(&mng);

  // Before a skin is loaded nothing is sent.
  mng.ChangeSkinBackGround(&custom);
  mng.ChangeSkinBackGroundColor(&plain);
  EXPECT_TRUE(messages.empty());

  ASSERT_TRUE(mng.ChangeSkinRes(L"SKIN", false));
  messages.clear();
  mng.ChangeSkinBackGround(&custom);
  mng.ChangeSkinBackGround(&plain);
  mng.ChangeSkinBackGround(&picture);
  mng.ChangeSkinBackGround(nullptr); // no item: nothing
  const UINT expected[] = {9028, 9026, 9027};
  ASSERT_EQ(messages.size(), 6u);
  const TBaseSkinItem* items[] = {&custom, &plain, &picture};
  for (size_t i = 0; i < 3; ++i) {
    for (size_t w = 0; w < 2; ++w) {
      const TReceived& r = messages[i * 2 + w];
      EXPECT_EQ(r.Window, w == 0 ? w1.Handle() : w2.Handle());
      EXPECT_EQ(r.Message, expected[i]);
      EXPECT_EQ(r.WParam, reinterpret_cast<WPARAM>(items[i]));
    }
  }
  // The item in use stays; its picture was freed when another item was applied.
  TBaseSkinItem* used = mng.UserSkinConfig().AppUsedSkinItem();
  EXPECT_EQ(used, mng.UserSkinConfig().DefaultSkinItem());
  used->GPImage();
  EXPECT_TRUE(used->HasGPImage());
  mng.ChangeSkinBackGround(used);
  EXPECT_TRUE(used->HasGPImage());
  mng.ChangeSkinBackGround(&custom);
  EXPECT_FALSE(used->HasGPImage());
}

TEST(SkinMng, PopupMenuSettingsNeedTheArrowImage) {
  TSkinMng mng;
  TSkinBuilder b;
  b.Bin(L"ControlStyle\\PopupMenu\\MenuArrowBitmap", SolidPng(5, 9, 0xFF000000));
  b.Bin(L"ControlStyle\\PopupMenu\\MenuBkgBitmap", SolidPng(60, 40, 0xFFFFFFFF));
  b.Int(L"ControlStyle\\PopupMenu\\MenuBkgBitmapLeftMargin", 30);
  b.Int(L"ControlStyle\\PopupMenu\\MenuOtherWidth", 80);
  b.Int(L"ControlStyle\\PopupMenu\\MenuBkgBitmapStretchMode", 3); // not the key that is read
  ASSERT_TRUE(mng.ChangeSkinFile(b.Save(L"mng-menu.skin"), false));
  TPopupMenuSkin& menu = mng.PopupMenuSkin();
  EXPECT_TRUE(menu.Customize);
  EXPECT_EQ(menu.MenuBkgBitmapLeftMargin, 30);
  EXPECT_EQ(menu.MenuOtherWidth, 80);
  EXPECT_EQ(menu.MenuBkgBitmapTopMargin, 9);
  EXPECT_EQ(menu.MenuHighLightDrawTopMargin, -1);
  EXPECT_EQ(menu.MenuBkgBitmapStrecthMode, 0);
  EXPECT_EQ(menu.MenuArrowBitmap->Width(), 5);
  EXPECT_EQ(menu.MenuArrowBitmap->Height(), 9);
  EXPECT_TRUE(menu.MenuBkgBitmap->Image());
  EXPECT_FALSE(menu.MenuCheck->Image());
  EXPECT_EQ(menu.MenuBkgBitmap->Margin(), (TMargin{9, 30, 8, 9}));
  EXPECT_EQ(menu.MenuCover->Margin(), (TMargin{0, 30, 8, 0}));

  // A skin without the arrow image clears the flag and keeps everything else.
  TSkinBuilder plain;
  plain.Int(L"ControlStyle\\PopupMenu\\MenuOtherWidth", 99);
  ASSERT_TRUE(mng.ChangeSkinFile(plain.Save(L"mng-menu-plain.skin"), false));
  EXPECT_FALSE(menu.Customize);
  EXPECT_EQ(menu.MenuOtherWidth, 80);
  EXPECT_EQ(menu.MenuBkgBitmapLeftMargin, 30);
  EXPECT_TRUE(menu.MenuBkgBitmap->Image());
}

TEST(SkinMng, LayoutValuesFromSkinNodes) {
  TSkinBuilder b;
  b.Str(L"Forms\\Main\\Label\\Bounds", L"10, 20, 100, 30, 5");
  b.Str(L"Forms\\Main\\Label\\BadBounds", L"1,x,7");
  b.Str(L"Forms\\Main\\Label\\Anchors", L"akLeft,AKBOTTOM, akMiddle");
  b.Str(L"Forms\\Main\\Label\\NoAnchors", L"");
  b.Str(L"Forms\\Main\\Button\\NormalImageSetting", L"Button.png,4,0,2,3,1");
  b.Str(L"Forms\\Main\\Button\\BadImageSetting", L"Other.png,1,wide");
  b.Bin(L"Forms\\Main\\Button\\Button.png",
        PngBytes(6, 3, [](int32_t x, int32_t) -> TGPColor { return x < 4 ? 0xFF0000FF : 0xFFFF0000; }));
  TSkinMng mng;
  ASSERT_TRUE(mng.ChangeSkinFile(b.Save(L"mng-layout.skin"), false));
  ClearSkinLog();

  TSkinBounds bounds;
  mng.GetBoundsByString(L"Forms\\Main\\Label\\Bounds", bounds);
  EXPECT_EQ(bounds.AnchorMargin, (TMargin{20, 10, 100, 30}));
  EXPECT_EQ(bounds.AnchorMarginType, 5);
  mng.GetBoundsByString(L"Forms\\Main\\Label\\BadBounds", bounds); // left set, then a bad item: the rest stays
  EXPECT_EQ(bounds.AnchorMargin, (TMargin{20, 1, 100, 30}));
  mng.GetBoundsByString(L"Forms\\Main\\Label\\Missing", bounds);
  EXPECT_EQ(bounds.AnchorMargin.LeftMargin, 1);

  TAnchors anchors = akTop;
  EXPECT_TRUE(mng.GetAnchorsByString(L"Forms\\Main\\Label\\Anchors", anchors));
  EXPECT_EQ(anchors, akLeft | akBottom);
  EXPECT_FALSE(mng.GetAnchorsByString(L"Forms\\Main\\Label\\NoAnchors", anchors));
  EXPECT_EQ(anchors, akLeft | akBottom);

  TSkinImageSetting setting;
  mng.GetImageSettingByString(L"Forms\\Main\\Button\\NormalImageSetting", setting);
  EXPECT_EQ(setting.Image, L"Button.png");
  EXPECT_EQ(setting.Left, 4);
  EXPECT_EQ(setting.Width, 2);
  EXPECT_EQ(setting.Height, 3);
  EXPECT_EQ(setting.StretchMode, 1);
  mng.GetImageSettingByString(L"Forms\\Main\\Button\\BadImageSetting", setting);
  EXPECT_EQ(setting.Image, L"Other.png");
  EXPECT_EQ(setting.Left, 1);
  EXPECT_EQ(setting.Top, 0);

  IGPBitmap whole = mng.GetSkinImageByName(L"Forms\\Main\\Button\\Button.png");
  IGPBitmap part = mng.GetPartOfImage(whole, 4, 0, 2, 3);
  ASSERT_TRUE(part);
  EXPECT_EQ(part->Width(), 2);
  EXPECT_EQ(part->Height(), 3);
  Gdiplus::Color pixel;
  part->Native()->GetPixel(1, 2, &pixel);
  EXPECT_EQ(pixel.GetValue(), 0xFFFF0000u);
  EXPECT_FALSE(mng.GetPartOfImage(nullptr, 0, 0, 2, 2));

  const std::vector<std::string> log = SkinLogLines();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_NE(log[0].find("ClassName:TSkinMng"), std::string::npos);
  EXPECT_NE(log[0].find("AdditionalMsg:GetBoundsByString"), std::string::npos);
  EXPECT_NE(log[1].find("AdditionalMsg:GetImageSettingByString"), std::string::npos);
}

TEST(SkinMng, AListenerThatLeavesDuringARoundIsNotToldAgain) {
  TSkinMng mng;
  std::vector<TReceived> messages;
  TRecordingWindow first(&messages), second(&messages);
  mng.RegisterSkinListener(first.Handle(), 9025, 9026, 9027, 9028);
  mng.RegisterSkinListener(second.Handle(), 9025, 9026, 9027, 9028);
  // The first window's handler unregisters the second one.
  first.OnMessage = [&](const TReceived&) { mng.UnRegisterSkinListener(second.Handle()); };
  ASSERT_TRUE(mng.ChangeSkinRes(L"SKIN", false));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Window, first.Handle());
  EXPECT_EQ(mng.SkinListeners().Items().size(), 1u);
}
