#include <gtest/gtest.h>

#include "drawing/ElementDefaults.h"
#include "drawing/GdiText.h"
#include "drawing/tests/TestSupport.h"
#include "drawing/tests/TextTestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
IGPBitmap Paint(TGDIText& t, int w, int h, int ox = 0, int oy = 0) {
  IGPBitmap target = TGPBitmap::Create(w, h);
  auto g = NewGraphics(target);
  t.Paint(g.get(), ox, oy);
  return target;
}
bool IsBlackish(uint32_t p) {
  return (p & 0xFF) < 80 && ((p >> 8) & 0xFF) < 80 && ((p >> 16) & 0xFF) < 80;
}
bool IsBluish(uint32_t p) {
  return (p & 0xFF) > 150 && ((p >> 16) & 0xFF) < 80;
}
} // namespace

TEST(GDIText, NewElementDrawsItsDefaultCaptionInBlack) {
  TSkinLog::Reset();
  TGDIText t;
  EXPECT_EQ(t.Text(), L"未知");
  EXPECT_EQ(t.FontFamilyName(), DefaultSkinFontName());
  EXPECT_EQ(t.FontSize(), DefaultSkinFontSize());
  EXPECT_GE(t.FontSize(), 9);
  EXPECT_LE(t.FontSize(), 12);
  EXPECT_EQ(t.NodeName, L"TEXT");
  ASSERT_NE(t.GPFont(), nullptr) << "the default skin font must be installed";
  t.SetBounds(0, 0, 100, 30);
  IGPBitmap out = Paint(t, 100, 30);
  TInk ink = InkOf(out, 100);
  EXPECT_GT(ink.Count, 20);
  EXPECT_EQ(InkOf(out, 100, IsBlackish).Count, ink.Count);
  EXPECT_TRUE(TSkinLog::Lines().empty());
}

TEST(GDIText, HoveredFontOnlyWhenHoverIsEnabled) {
  TGDIText t;
  t.SetBounds(0, 0, 100, 30);
  ASSERT_TRUE(t.IsInRegion(5, 5));
  EXPECT_TRUE(t.IsHovered());
  EXPECT_EQ(InkOf(Paint(t, 100, 30), 100, IsBluish).Count, 0);
  t.EnableHovered = true;
  EXPECT_GT(InkOf(Paint(t, 100, 30), 100, IsBluish).Count, 10);
  EXPECT_FALSE(t.IsInRegion(150, 5));
  EXPECT_EQ(InkOf(Paint(t, 100, 30), 100, IsBluish).Count, 0);
}

TEST(GDIText, PrintStyleOnePlacesTextAtPositionPlusOriginWithOrWithoutGlow) {
  for (bool glow : {false, true}) {
    TGDIText t;
    t.PrintStyle = 1;
    t.IsDrawShadow = glow;
    t.ShadowColor = 0xFFFF0000;
    t.SetText(L"标题 Title");
    t.SetBounds(10, 20, 0, 0);
    IGPBitmap out = Paint(t, 200, 80, 5, 7);
    TInk ink = InkOf(out);
    ASSERT_FALSE(ink.Blank()) << glow;
    EXPECT_GE(ink.Left, 15) << glow;
    EXPECT_GE(ink.Top, 27) << glow;
    EXPECT_LT(ink.Left, 22) << glow;
    TInk text = InkOf(out, 100, IsBlackish);
    EXPECT_GE(text.Left, 15);
    if (glow) {
      TInk red = InkOf(out, 0, [](uint32_t p) { return ((p >> 16) & 0xFF) > 120 && (p & 0xFF) < 60; });
      EXPECT_GT(red.Count, 10) << "the glow shows around the text";
    }
  }
}

TEST(GDIText, PrintStyleZeroWithGlowIgnoresTheAlignment) {
  TGDIText t;
  t.SetText(L"Ab");
  t.SetBounds(0, 0, 200, 40);
  t.SetStringAlign(Gdiplus::StringAlignmentFar, Gdiplus::StringAlignmentNear);
  TInk aligned = InkOf(Paint(t, 200, 40), 100);
  EXPECT_GT(aligned.Left, 150); // laid out at the right of the rectangle
  t.IsDrawShadow = true;
  TInk glowing = InkOf(Paint(t, 200, 40), 100, IsBlackish);
  EXPECT_LT(glowing.Left, 20); // drawn from the element's top-left instead
}

TEST(GDIText, CutOffShortensToWidthLessTen) {
  TGDIText t;
  const std::wstring longText = L"一段很长很长很长的安装说明文字";
  t.SetText(longText);
  t.PrintStyle = 1;
  t.SetBounds(0, 0, 80, 30);
  IGPBitmap probe = TGPBitmap::Create(10, 10);
  auto g = NewGraphics(probe);
  ASSERT_GT(t.GetFontWidth(*g, longText), 100);
  TInk whole = InkOf(Paint(t, 400, 30), 100);
  EXPECT_GT(whole.Right, 100);
  t.EnableCutOff = true;
  TInk cut = InkOf(Paint(t, 400, 30), 100);
  EXPECT_LE(cut.Right, 72);
  EXPECT_GT(cut.Right, 30);
  // A text that fits within width - 10 is drawn whole.
  t.SetText(L"短");
  TInk shortInk = InkOf(Paint(t, 400, 30), 100);
  EXPECT_LT(shortInk.Right, 30);
  EXPECT_EQ(t.GetFontWidth(*g, L""), 0);
  EXPECT_GT(t.GetFontHeight(*g), 8);
}

TEST(GDIText, SettersCompareBeforeRebuilding) {
  TGDIText t;
  const Gdiplus::Font* before = t.GPFont();
  t.SetFontSize(t.FontSize());
  t.SetFontFamilyName(t.FontFamilyName());
  EXPECT_EQ(t.GPFont(), before);
  t.SetFontSize(t.FontSize() + 3);
  EXPECT_NE(t.GPFont(), before);
  // A face that is not installed is replaced by one that is, logged once
  // however often it is asked for.
  TSkinLog::Reset();
  t.SetFontFamilyName(L"No Such Face 123");
  TGDIText again;
  again.SetFontFamilyName(L"No Such Face 123");
  auto lines = TSkinLog::Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(L"AdditionalMsg:Font \"No Such Face 123\" is not installed; using \""), std::wstring::npos);
  ASSERT_NE(t.GPFont(), nullptr);
  EXPECT_NE(t.GPFont(), before);
  TSkinLog::Reset();
}

TEST(GDIText, AutomaticShadowColourFollowsTheFontColour) {
  struct {
    TColor font;
    TGPColor shadow;
  } cases[] = {{0x787878, 0xFF000000}, {0x5A5A5A, 0xFFFFFFFF}};
  for (auto& c : cases) {
    TGDIText t;
    t.IsDrawShadow = true;
    t.SetFont({u"Tahoma", 30, fsBold, c.font});
    EXPECT_EQ(t.ShadowColor, c.shadow);
    EXPECT_EQ(t.FontStyle(), fsBold);
    EXPECT_EQ(t.FontColor(), 0xFF000000u | (c.font & 0xFF) << 16 | (c.font & 0xFF00) | (c.font >> 16));
    EXPECT_EQ(t.FontSize(), DefaultSkinFontSize()) << "face and size are not taken";
  }
  TGDIText off;
  off.SetFontColor(0xFF101010);
  EXPECT_EQ(off.ShadowColor, 0x64FFFFFFu) << "without the shadow the colour is left";
}

TEST(GDIText, XmlAttributesRoundTrip) {
  TGDIText t;
  t.SetName(L"caption");
  t.SetText(L"安装 <1>");
  t.SetBounds(1, 2, 30, 40);
  t.PrintStyle = 2;
  t.SetFontColor(0xFF102030);
  TXmlNode node(u"TEXT");
  ASSERT_TRUE(t.SaveToXMLNode(&node));
  const char16_t* order[] = {u"Name",
                             u"Hint",
                             u"LinkedURL",
                             u"EnableHovered",
                             u"EnableClick",
                             u"PosX",
                             u"PosY",
                             u"Width",
                             u"Height",
                             u"Visible",
                             u"ShowHint",
                             u"EnableHint",
                             u"HintInterval",
                             u"Text",
                             u"FontSize",
                             u"FontFamilyName",
                             u"FontStyle",
                             u"FontColor",
                             u"FontUnitPoint",
                             u"HoveredFontSize",
                             u"HoveredFontFamilyName",
                             u"HoveredFontStyle",
                             u"HoveredFontColor",
                             u"HoveredFontUnitPoint",
                             u"PrintStyle",
                             u"IsDrawShadow",
                             u"IsAutoShadowColor",
                             u"AutoSize",
                             u"ShadowColor"};
  ASSERT_EQ(node.Attributes().size(), std::size(order));
  for (size_t i = 0; i < std::size(order); ++i)
    EXPECT_EQ(node.Attributes()[i].first, order[i]);
  EXPECT_EQ(*node.Attribute(u"FontColor"), u"4279246896");
  EXPECT_EQ(*node.Attribute(u"Visible"), u"-1");
  EXPECT_EQ(*node.Attribute(u"HoveredFontStyle"), u"4");

  TGDIText back;
  ASSERT_TRUE(back.LoadFromXMLNode(&node));
  EXPECT_EQ(back.Name(), L"caption");
  EXPECT_EQ(back.Text(), L"安装 <1>");
  EXPECT_EQ(back.Height(), 40);
  EXPECT_EQ(back.PrintStyle, 2);
  EXPECT_EQ(back.FontColor(), 0xFF102030u);

  TXmlNode style(u"TEXT");
  style.SetAttribute(u"FontStyle", u"21"); // only the four style bits count
  ASSERT_TRUE(back.LoadFromXMLNode(&style));
  EXPECT_EQ(back.FontStyle(), fsBold | fsUnderline);
  EXPECT_FALSE(back.LoadFromXMLNode(nullptr));
  EXPECT_FALSE(back.SaveToXMLNode(nullptr));

  TSkinLog::Reset();
  TXmlNode bad(u"TEXT");
  bad.SetAttribute(u"PosX", u"twelve");
  EXPECT_FALSE(back.LoadFromXMLNode(&bad));
  auto lines = TSkinLog::Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(L"AdditionalMsg:LoadFromXMLNode"), std::wstring::npos);
  TSkinLog::Reset();
}
