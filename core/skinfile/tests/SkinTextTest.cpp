// The skin's text formats: comma text, margin text and font text.
#include "core/skinfile/CommaText.h"
#include "core/skinfile/FontText.h"
#include "core/skinfile/Margin.h"
#include "core/text/TextConvert.h"

#include <gtest/gtest.h>

using namespace qelvane;

namespace {
std::string Show(std::u16string_view s) {
  return Utf16ToUtf8(s);
}
} // namespace

TEST(CommaText, Split) {
  struct TCase {
    std::u16string_view Text;
    std::vector<std::u16string> Items;
  };
  const TCase cases[] = {
      {u"", {}},
      {u"   ", {}},
      {u"3,3,3,5", {u"3", u"3", u"3", u"5"}},
      {u" 1 ,\t2 ", {u"1", u"2"}},
      {u"1 2", {u"1", u"2"}}, // a blank ends an unquoted item
      {u"a,,b", {u"a", u"", u"b"}},
      {u"a ,  , b", {u"a", u"", u"b"}},
      {u"a,", {u"a", u""}},
      {u",a", {u"", u"a"}},
      {u"\"x, y\",z", {u"x, y", u"z"}},
      {u"\"say \"\"hi\"\"\"", {u"say \"hi\""}},
      {u"\"open", {u"open"}},
      {std::u16string_view(u"a\0b", 3), {u"a"}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(SplitCommaText(c.Text), c.Items) << Show(c.Text);
}

TEST(CommaText, Integers) {
  struct TCase {
    std::u16string_view Text;
    bool Ok;
    int32_t Value;
  };
  const TCase cases[] = {
      {u"0", true, 0},
      {u"-4", true, -4},
      {u"+7", true, 7},
      {u"  12", true, 12},
      {u"-2147483648", true, INT32_MIN},
      {u"2147483647", true, INT32_MAX},
      {u"2147483648", false, 0},
      {u"", false, 0},
      {u"-", false, 0},
      {u"12 ", false, 0},
      {u"1.5", false, 0},
      {u"0x10", false, 0},
      {u"\t1", false, 0},
  };
  for (const TCase& c : cases) {
    int32_t value = 99;
    EXPECT_EQ(TryStrToInt32(c.Text, value), c.Ok) << Show(c.Text);
    EXPECT_EQ(value, c.Ok ? c.Value : 99) << Show(c.Text);
  }
}

TEST(MarginText, Parse) {
  struct TCase {
    std::u16string_view Text;
    bool Ok;
    int32_t Left, Top, Right, Bottom;
  };
  // Every case starts from left 10, top 20, right 30, bottom 40.
  const TCase cases[] = {
      {u"3,3,3,5", true, 3, 3, 3, 5},
      {u"7", true, 7, 20, 30, 40},      // missing items keep the caller's values
      {u"", true, 10, 20, 30, 40},      // an empty text changes nothing
      {u"1,2,3,4,5", true, 1, 2, 3, 4}, // items after the fourth are ignored
      {u"-1, +2 ,\"3\",4", true, -1, 2, 3, 4},
      {u"1,x,2,3", false, 1, 20, 30, 40}, // a bad item stops the parse
      {u"1,2,", false, 1, 2, 30, 40},     // the final empty item is not a number
      {u"2147483648", false, 10, 20, 30, 40},
  };
  for (const TCase& c : cases) {
    int32_t left = 10, top = 20, right = 30, bottom = 40;
    EXPECT_EQ(ParseMarginText(c.Text, left, top, right, bottom), c.Ok) << Show(c.Text);
    EXPECT_EQ((std::vector<int32_t>{left, top, right, bottom}),
              (std::vector<int32_t>{c.Left, c.Top, c.Right, c.Bottom}))
        << Show(c.Text);
  }

  TMargin margin;
  EXPECT_TRUE(ParseMarginText(u"1,2,3,4", margin));
  EXPECT_EQ(margin, (TMargin{.TopMargin = 2, .LeftMargin = 1, .RightMargin = 3, .BottomMargin = 4}));
}

TEST(FontText, Parse) {
  struct TCase {
    std::u16string_view Text;
    bool ApplyColour;
    bool Ok;
    TSkinFontDesc Font;
  };
  // Every case starts from this font.
  const TSkinFontDesc start{u"Tahoma", 9, fsUnderline, 0x123456};
  const TCase cases[] = {
      {u"\"宋体\", 12, [], [363636]", true, true, {u"宋体", 12, 0, 0x363636}},
      {u"\"宋体\", 12, [], [363636]", false, true, {u"宋体", 12, 0, 0x123456}},
      {u"\"宋体\", 12, [Bold|Italic], [0000FF]", true, true, {u"宋体", 12, fsBold | fsItalic, 0x0000FF}},
      {u"\"A\", 9, [Strikeout|Underline|Bold], [DA7003]",
       true,
       true,
       {u"A", 9, fsBold | fsUnderline | fsStrikeOut, 0xDA7003}},
      {u"\"A\", 9, [bold], [000000]", true, true, {u"A", 9, 0, 0}},    // styles are case-sensitive
      {u"\"A\", 9, [], [00ff00]", true, true, {u"A", 9, 0, 0x00FF00}}, // hexadecimal digits are not
      // Fixed positions: without blanks the first digit of the size and the
      // first letter of the style are cut off.
      {u"\"A\",12,[Bold],[FF]", true, true, {u"A", 2, 0, 0xF}},
      // Failures keep what was set before them; the style set is only
      // cleared once the colour step has passed.
      {u"no comma", true, false, {u"", 9, fsUnderline, 0x123456}},
      {u"\"A\", x, [], [000000]", true, false, {u"A", 9, fsUnderline, 0x123456}},
      {u"\"A\", 12", true, false, {u"A", 9, fsUnderline, 0x123456}},
      {u"\"A\", 12, [Bold]", true, false, {u"A", 12, fsUnderline, 0x123456}},
      {u"\"A\", 12, [Bold], [zz]", true, false, {u"A", 12, fsUnderline, 0x123456}},
      {u"\"A\", 12, [Bold], [zz]", false, true, {u"A", 12, fsBold, 0x123456}},
      {u"\"A\", 12, [Bold,Italic], [FF]", true, false, {u"A", 12, fsUnderline, 0x123456}},
  };
  for (const TCase& c : cases) {
    TSkinFontDesc font = start;
    EXPECT_EQ(SetFontByString(c.Text, font, c.ApplyColour), c.Ok) << Show(c.Text);
    EXPECT_EQ(font, c.Font) << Show(c.Text) << " gives " << Show(font.Name) << ", " << font.Size << ", "
                            << int(font.Style) << ", " << std::hex << font.Color;
  }
}
