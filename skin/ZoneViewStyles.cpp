#include "skin/ZoneViewStyles.h"

#include "core/skinfile/FontText.h"
#include "core/text/TextConvert.h"
#include "skin/SkinMng.h"

namespace qelvane {

namespace {
constexpr int32_t ZoneImageMargin = 8;

TFontDesc DefaultZoneFont(TColor AColor) {
  TFontDesc font;
  font.Name = FromWide(DefaultSkinFontName());
  font.Size = DefaultSkinFontSize();
  font.Color = AColor;
  return font;
}
} // namespace

TSkinZoneViewStyleItem::TSkinZoneViewStyleItem()
    : NodeNormalFont(DefaultZoneFont(0x363636)), NodeActiveFont(DefaultZoneFont(0x363636)),
      NodeHoverFont(DefaultZoneFont(0x363636)), NickNormalFont(DefaultZoneFont(0)), NickActiveFont(DefaultZoneFont(0)),
      NickHoverFont(DefaultZoneFont(0)), InfoNormalFont(DefaultZoneFont(0xA5A5A5)),
      InfoActiveFont(DefaultZoneFont(0xA5A5A5)), InfoHoverFont(DefaultZoneFont(0xA5A5A5)),
      MainNormalFont(DefaultZoneFont(0)), MainActiveFont(DefaultZoneFont(0)), MainHoverFont(DefaultZoneFont(0)),
      FZoneActiveElement(std::make_unique<TGDIIMGADV>()), FZoneHoverElement(std::make_unique<TGDIIMGADV>()),
      FZoneNormalElement(std::make_unique<TGDIIMGADV>()), FZoneNodeCollapseBackElement(std::make_unique<TGDIIMGADV>()),
      FZoneNodeExpandBackElement(std::make_unique<TGDIIMGADV>()),
      FZoneNodeHoverElement(std::make_unique<TGDIIMGADV>()) {}

TSkinZoneViewStyleItem::~TSkinZoneViewStyleItem() = default;

void TSkinZoneViewStyleItem::SetImage(IGPBitmap& AField, TGDIIMGADV& AElement, const IGPBitmap& Value) {
  AField = Value;
  if (Value) TSkinHelper::InitGdiImgAdv(AElement, Value, ZoneImageMargin, ZoneImageMargin);
}

void TSkinZoneViewStyles::LoadStyleItem(TSkinZoneViewStyleItem* AItem, const std::wstring& AStyleNodeName) {
  SkinGuard(ClassSubject(ClassName()), L"LoadSkinZoneViewStyleItem", [&] {
    TSkinMng& mng = Owner();
    if (!AItem || !mng.Loaded()) return;
    TSkinZoneViewStyleItem& s = *AItem;
    const std::wstring& p = AStyleNodeName;
    s.ZoneNodeExpandIcon = mng.GetSkinImageByName(p + L"\\ZoneNodeStateIcons\\Expand");
    s.ZoneNodeCollapseIcon = mng.GetSkinImageByName(p + L"\\ZoneNodeStateIcons\\Collapse");
    mng.GetSkinInt32ByName(p + L"\\ZoneIcons\\IconXOffset", s.IconXOffset, 2);
    mng.GetSkinInt32ByName(p + L"\\ZoneIcons\\IconYOffset", s.IconYOffset, 3);
    s.SetZoneActive(mng.GetSkinImageByName(p + L"\\ZoneBackImage\\Active"));
    s.SetZoneHover(mng.GetSkinImageByName(p + L"\\ZoneBackImage\\Hover"));
    s.SetZoneNormal(mng.GetSkinImageByName(p + L"\\ZoneBackImage\\Normal"));
    s.HeadActiveFrame = mng.GetSkinImageByName(p + L"\\ZoneHeadFrame\\FrameActive");
    s.HeadNomalFrame = mng.GetSkinImageByName(p + L"\\ZoneHeadFrame\\FrameNormal");
    s.SetZoneNodeCollapseBackImage(mng.GetSkinImageByName(p + L"\\ZoneNodeBackImage\\CollapseBackImage"));
    s.SetZoneNodeExpandBackImage(mng.GetSkinImageByName(p + L"\\ZoneNodeBackImage\\ExpandBackImage"));
    s.SetZoneNodeHover(mng.GetSkinImageByName(p + L"\\ZoneNodeBackImage\\Hover"));

    auto font = [&](const wchar_t* AKey, TFontDesc& AFont) {
      std::wstring text = mng.GetSkinStringByName(p + L"\\ZoneFont\\" + AKey);
      if (!text.empty()) SetFontByString(FromWide(text), AFont, true);
    };
    font(L"NodeNormalFont", s.NodeNormalFont);
    font(L"NodeActiveFont", s.NodeActiveFont);
    font(L"NodeHoverFont", s.NodeHoverFont);
    mng.GetSkinInt32ByName(p + L"\\ZoneFont\\NodeFontXOffset", s.NodeFontXOffset, 20);
    mng.GetSkinInt32ByName(p + L"\\ZoneFont\\NodeFontYOffset", s.NodeFontYOffset, 5);
    font(L"NickNormalFont", s.NickNormalFont);
    font(L"NickActiveFont", s.NickActiveFont);
    font(L"NickHoverFont", s.NickHoverFont);
    font(L"InfoNormalFont", s.InfoNormalFont);
    font(L"InfoActiveFont", s.InfoActiveFont);
    font(L"InfoHoverFont", s.InfoHoverFont);
    font(L"MainNormalFont", s.MainNormalFont);
    font(L"MainActiveFont", s.MainActiveFont);
    font(L"MainHoverFont", s.MainHoverFont);
  });
}

} // namespace qelvane
