#include <gtest/gtest.h>

#include "core/gfx/TextLayout.h"
#include "core/gfx/XmlNode.h"

using namespace qelvane;

TEST(CenterStart, TruncatesTowardsZero) {
  EXPECT_EQ(CenterStart(10, 100, 40.7f), 35);
  EXPECT_EQ(CenterStart(0, 100, 101.f), 0);
  EXPECT_EQ(CenterStart(0, 100, 103.9f), -1);
  EXPECT_EQ(CenterStart(0, 20, 0.f), 10);
}

TEST(ShadowOffset, SixtyDegreesForDistancesZeroToFour) {
  EXPECT_EQ(ShadowOffset(0, 60), (TOffset{0, 0}));
  EXPECT_EQ(ShadowOffset(1, 60), (TOffset{1, 1}));
  EXPECT_EQ(ShadowOffset(2, 60), (TOffset{1, 2}));
  EXPECT_EQ(ShadowOffset(3, 60), (TOffset{2, 3}));
  EXPECT_EQ(ShadowOffset(4, 60), (TOffset{2, 4}));
  EXPECT_EQ(ShadowOffset(3, 0), (TOffset{3, 0}));
}

TEST(CutOffText, KeepsFittingTextAndShortensWithDots) {
  // Narrow characters 5 pixels, wide (above 128) 10; "..." is 6.
  auto width = [](const std::u16string& s) {
    int w = 0;
    for (char16_t c : s)
      w += c == u'.' ? 2 : c > 128 ? 10 : 5;
    return w;
  };
  EXPECT_EQ(CutOffText(u"abcd", 30.f, width), u"abcd"); // 20 <= 30 - 10
  // Limit 40 - 6 - 10 = 24: four narrow characters (20) fit, a fifth would be 25.
  EXPECT_EQ(CutOffText(u"abcdefgh", 40.f, width), u"abcd...");
  // Wide characters are taken in pairs: 20 fits the limit 24, 40 does not.
  EXPECT_EQ(CutOffText(u"中文字符", 40.f, width), u"中文...");
  // After a narrow character the pair "中文" (25 with the "a") does not fit.
  EXPECT_EQ(CutOffText(u"a中文字", 40.f, width), u"a...");
  // Limit 20 is reached exactly by four characters; 19 holds only three.
  EXPECT_EQ(CutOffText(u"aaaaaaaaaa", 36.f, width), u"aaaa...");
  EXPECT_EQ(CutOffText(u"aaaaaaaaaa", 35.f, width), u"aaa...");
  EXPECT_EQ(CutOffText(u"abc", 5.f, width), u"...");
}

TEST(HintRect, WrapsEveryStartedTwoHundredFortyPixels) {
  EXPECT_EQ(HintRect(10, 20, 100, 16), (TRect{10, 20, 120, 36}));
  EXPECT_EQ(HintRect(0, 0, 500, 16), (TRect{0, 0, 240, 48}));
  EXPECT_EQ(HintRect(0, 0, 470, 16), (TRect{0, 0, 240, 48})); // 480 div 240 + 1 lines, not 480 / 240
  EXPECT_EQ(HintRect(0, 0, 230, 16), (TRect{0, 0, 240, 16}));
}

TEST(SkinFontSize, CaptionFontPointSizeClamped) {
  EXPECT_EQ(SkinFontSizeFromCaptionFont(-12, 96), 9);
  EXPECT_EQ(SkinFontSizeFromCaptionFont(-24, 96), 12);
  EXPECT_EQ(SkinFontSizeFromCaptionFont(-15, 96), 11);
  EXPECT_EQ(SkinFontSizeFromCaptionFont(0, 96), 9);
  EXPECT_EQ(SkinFontSizeFromCaptionFont(12, 96), 9);
  EXPECT_EQ(SkinFontSizeFromCaptionFont(-12, 0), 9);
  EXPECT_EQ(MulDiv32(-11, 72, 96), -8);
  EXPECT_EQ(MulDiv32(5, 1, 2), 3);
  EXPECT_EQ(MulDiv32(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv32(1, 1, 0), -1);
}

TEST(XmlNode, AttributesKeepOrderAndEscape) {
  TXmlNode n(u"TEXT");
  n.SetAttribute(u"Name", u"a<\"b\">&");
  n.SetAttribute(u"PosX", XmlInt(-3));
  n.SetAttribute(u"Name", u"x");
  ASSERT_EQ(n.Attributes().size(), 2u);
  EXPECT_EQ(n.Attributes()[0].first, u"Name");
  EXPECT_EQ(*n.Attribute(u"Name"), u"x");
  EXPECT_FALSE(n.Attribute(u"name").has_value());
  n.SetAttribute(u"Hint", u"1 < 2 & \"q\"\n");
  EXPECT_EQ(n.ToXml(), u"<TEXT Name=\"x\" PosX=\"-3\" Hint=\"1 &lt; 2 &amp; &quot;q&quot;&#10;\"/>\n");
}

TEST(XmlNode, BooleanAndIntegerTexts) {
  EXPECT_EQ(XmlBool(true), u"-1");
  EXPECT_EQ(XmlBool(false), u"0");
  EXPECT_EQ(ParseXmlBool(u"-1"), true);
  EXPECT_EQ(ParseXmlBool(u"0"), false);
  EXPECT_EQ(ParseXmlBool(u"5"), true);
  EXPECT_EQ(ParseXmlBool(u"TRUE"), true);
  EXPECT_EQ(ParseXmlBool(u" false "), false);
  EXPECT_FALSE(ParseXmlBool(u"yes").has_value());
  EXPECT_EQ(ParseXmlInt(u" 4294967295 "), 4294967295LL);
  EXPECT_EQ(ParseXmlInt(u"-12"), -12);
  EXPECT_FALSE(ParseXmlInt(u"12a").has_value());
  EXPECT_FALSE(ParseXmlInt(u"").has_value());
  EXPECT_FALSE(ParseXmlInt(u"99999999999999999999").has_value());
}
