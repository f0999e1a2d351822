#include "core/skinfile/SkinVocabulary.h"

#include <vector>

namespace qelvane {

std::u16string skinpath::SysBtnImage(P AButton, P AState, bool AActive) {
  return std::u16string(SysBtns) + u"\\" + std::u16string(AButton) + u"_" + std::u16string(AState) +
         (AActive ? u"_Active.png" : u"_Inactive.png");
}

namespace {

using namespace skinpath;
using K = TSkinValueKind;

constexpr bool Required = true;
constexpr bool Optional = false;

std::u16string Styled(P ACollection, P AKey) {
  return std::u16string(ACollection) + u"\\" + std::u16string(SkinStylePlaceholder) + std::u16string(AKey);
}

std::vector<TSkinVocabularyKey> BuildVocabulary() {
  std::vector<TSkinVocabularyKey> v;
  auto add = [&](std::u16string path, TNodeType100 type, uint32_t sub, bool required, K kind = K::Plain) {
    v.push_back({std::move(path), type, sub, required, kind});
  };
  auto addStyled = [&](P collection, std::initializer_list<P> keys, TNodeType100 type, uint32_t sub, bool required,
                       K kind) {
    for (P key : keys)
      add(Styled(collection, key), type, sub, required, kind);
  };

  add(std::u16string(SkinName), nt100_WideString, 0, Required);
  add(std::u16string(SkinVersion), nt100_WideString, 0, Required);

  add(std::u16string(AppCaptionX), nt100_Int32, 0, Required);
  add(std::u16string(AppCaptionY), nt100_Int32, 0, Required);
  for (P button : {SysBtnMin, SysBtnMax, SysBtnRestore, SysBtnClose}) {
    for (P state : {P(u"Normal"), P(u"Hover"), P(u"Down")})
      add(SysBtnImage(button, state, true), nt100_Binary, 1, Required, K::PngImage);
    for (P state : {P(u"Normal"), P(u"Hover")})
      add(SysBtnImage(button, state, false), nt100_Binary, 1, Required, K::PngImage);
  }
  for (P key : {MinBtnRight, MinBtnTop, MaxBtnRight, MaxBtnTop, CloseBtnRight, CloseBtnTop})
    add(std::u16string(key), nt100_Int32, 0, Required);
  for (P key : {ShadowBitmap, ShadowLeftBitmap, ShadowTopBitmap, ShadowRightBitmap, ShadowBottomBitmap})
    add(std::u16string(key), nt100_Binary, 2, Required, K::PngImage);
  add(std::u16string(EnabledShadow), nt100_Bool32, 0, Required);
  add(std::u16string(ShadowSizeMargin), nt100_WideString, 0, Required, K::MarginText);
  add(std::u16string(ShadowDrawMargin), nt100_WideString, 0, Required, K::MarginText);
  add(Styled(SufferBackGroundConfigs, SufferImage), nt100_Binary, 0, Optional, K::Picture);
  add(Styled(SufferBackGroundConfigs, SufferMargin), nt100_WideString, 0, Optional, K::MarginText);
  add(Styled(SufferBackGroundConfigs, SufferClipMargin), nt100_WideString, 0, Optional, K::MarginText);
  add(Styled(SufferBackGroundConfigs, SufferStretchMode), nt100_Int32, 0, Optional);
  add(Styled(SufferBackGroundConfigs, SufferStretch), nt100_Bool32, 0, Optional);

  const auto buttonImages = {BtnNormal, BtnHover, BtnDown, BtnDisabled, BtnFocused};
  addStyled(ButtonStyles, buttonImages, nt100_Binary, 1, Required, K::PngImage);
  addStyled(BitButtonStyles, buttonImages, nt100_Binary, 2, Required, K::PngImage);
  addStyled(SpeedButtonStyles, buttonImages, nt100_Binary, 2, Required, K::PngImage);
  addStyled(DropDownButtonStyles, buttonImages, nt100_Binary, 1, Required, K::PngImage);
  add(Styled(DropDownButtonStyles, DropDownWidth), nt100_Int32, 0, Optional);
  add(Styled(DropDownButtonStyles, IsLeftRightBitmapSeperate), nt100_Bool32, 0, Optional);
  addStyled(DropDownButtonStyles,
            {LeftNormal, LeftHover, LeftDown, LeftDisabled, LeftFocused, RightNormal, RightHover, RightDown,
             RightDisabled, RightFocused},
            nt100_Binary, 1, Optional, K::PngImage);

  const auto pageImages = {TabBtnImg_Hover,      TabBtnImg_Down,      TabBtnImg_Normal,      AttachButton_Hover,
                           AttachButton_Down,    AttachButton_Normal, CustomButton_Hover,    CustomButton_Down,
                           CustomButton_Normal,  CloseButton_Hover,   CloseButton_Down,      CloseButton_Normal,
                           PageDownButton_Hover, PageDownButton_Down, PageDownButton_Normal, PageDownButton_Disabled,
                           PageUpButton_Hover,   PageUpButton_Down,   PageUpButton_Normal,   PageUpButton_Disabled};
  addStyled(HorzPageControlStyles, pageImages, nt100_Binary, 1, Required, K::PngImage);
  add(Styled(HorzPageControlStyles, TabBackGround), nt100_Binary, 2, Required, K::PngImage);
  addStyled(VertPageControlStyles, pageImages, nt100_Binary, 1, Required, K::PngImage);

  addStyled(ZoneViewScrollBarStyles, {HorzUp, HorzScroll, HorzDown, VertUp, VertScroll, VertDown}, nt100_Binary, 1,
            Required, K::PngImage);

  addStyled(ZoneViewStyles,
            {ZoneNodeExpandIcon, ZoneNodeCollapseIcon, ZoneBackActive, ZoneBackHover, ZoneBackNormal,
             ZoneHeadFrameActive, ZoneHeadFrameNormal, ZoneNodeCollapseBackImage, ZoneNodeExpandBackImage,
             ZoneNodeHover},
            nt100_Binary, 0, Optional, K::Picture);
  addStyled(ZoneViewStyles, {IconXOffset, IconYOffset, NodeFontXOffset, NodeFontYOffset}, nt100_Int32, 0, Optional,
            K::Plain);
  addStyled(ZoneViewStyles,
            {NodeNormalFont, NodeActiveFont, NodeHoverFont, NickNormalFont, NickActiveFont, NickHoverFont,
             InfoNormalFont, InfoActiveFont, InfoHoverFont, MainNormalFont, MainActiveFont, MainHoverFont,
             NodeAcitveFont},
            nt100_WideString, 0, Optional, K::FontText);

  for (P key : {MenuArrowBitmap, MenuBkgBitmap, MenuCheck, MenuCutling, MenuHighLight, MenuCover})
    add(std::u16string(key), nt100_Binary, 0, Required, K::Picture);
  for (P key : {MenuBkgBitmapTopMargin, MenuBkgBitmapLeftMargin, MenuBkgBitmapRightMargin, MenuBkgBitmapBottomMargin,
                MenuCutlingDrawLeftMargin, MenuCutlingDrawRightMargin, MenuCutlingHeight, MenuCutlingDrawHeight,
                MenuHighLightDrawLeftMargin, MenuHighLightDrawRightMargin, MenuHighLightDrawTopMargin,
                MenuHighLightDrawBottomMargin, MenuIconDrawLeftMargin, MenuArrowBitmapDrawRightMargin,
                MenuCaptionDrawLeftMargin, MenuItemsDrawTopMargin, MenuOtherHeight, MenuOtherWidth})
    add(std::u16string(key), nt100_Int32, 0, Required);
  add(std::u16string(MenuBkgBitmapStrecthMode), nt100_Int32, 0, Optional);
  add(std::u16string(MenuBkgBitmapStretchMode), nt100_Int32, 0, Optional);

  addStyled(HeadFrameStyles, {FrameActive, FrameNormal}, nt100_Binary, 2, Required, K::PngImage);
  add(Styled(HeadFrameStyles, FrameMargin), nt100_Int32, 0, Required);
  add(std::u16string(FormClientPanelBackImage), nt100_Binary, 2, Required, K::PngImage);

  add(std::u16string(DefaultSkinImage), nt100_Binary, 2, Required, K::JpegImage);
  add(std::u16string(DefaultSkinStretchMode), nt100_Int32, 0, Required);
  add(std::u16string(DefaultSkinMargin), nt100_WideString, 0, Required, K::MarginText);
  add(std::u16string(DefaultSkinClipMargin), nt100_WideString, 0, Required, K::MarginText);
  add(Styled(SkinMgrSkins, SkinMgrSkinPicture), nt100_Binary, 0, Optional, K::JpegImage);
  return v;
}

} // namespace

std::span<const TSkinVocabularyKey> SkinVocabulary() {
  static const std::vector<TSkinVocabularyKey> vocabulary = BuildVocabulary();
  return vocabulary;
}

} // namespace qelvane
