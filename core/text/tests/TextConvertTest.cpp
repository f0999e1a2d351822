// UTF-8 <-> UTF-16 conversion.
#include "core/text/TextConvert.h"

#include <gtest/gtest.h>

using namespace qelvane;

namespace {

std::string Hex(std::string_view s) {
  std::string out;
  for (unsigned char c : s) {
    static const char digits[] = "0123456789ABCDEF";
    out += {digits[c >> 4], digits[c & 15], ' '};
  }
  return out;
}

std::string ErrorText(std::string_view utf8) {
  try {
    Utf8ToUtf16(utf8);
  } catch (const ETextConvert& e) {
    return e.what();
  }
  return "(no error)";
}

} // namespace

// The last and first code point of each encoded length, and the last one of
// all, which needs a surrogate pair.
TEST(TextConvert, Utf8AndUtf16AtTheLengthBoundaries) {
  struct TCase {
    const char* Name;
    std::string Utf8;
    std::u16string Utf16;
  };
  const TCase cases[] = {
      {"U+007F", "\x7F", u"\u007F"},
      {"U+0080", "\xC2\x80", u"\u0080"},
      {"U+07FF", "\xDF\xBF", u"\u07FF"},
      {"U+0800", "\xE0\xA0\x80", u"\u0800"},
      {"U+FFFF", "\xEF\xBF\xBF", u"\uFFFF"},
      {"U+10000", "\xF0\x90\x80\x80", {char16_t(0xD800), char16_t(0xDC00)}},
      {"U+10FFFF", "\xF4\x8F\xBF\xBF", {char16_t(0xDBFF), char16_t(0xDFFF)}},
  };
  std::string allUtf8;
  std::u16string allUtf16;
  for (const TCase& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.Utf8), c.Utf16) << c.Name;
    EXPECT_EQ(Hex(Utf16ToUtf8(c.Utf16)), Hex(c.Utf8)) << c.Name;
    allUtf8 += c.Utf8 + "a";
    allUtf16 += c.Utf16 + u"a";
  }
  // In one text, each character starting where the previous one ended.
  EXPECT_EQ(Utf8ToUtf16(allUtf8), allUtf16);
  EXPECT_EQ(Utf16ToUtf8(allUtf16), allUtf8);
}

TEST(TextConvert, BrokenUtf8IsRefused) {
  struct TCase {
    std::string Utf8;
    const char* Error;
  };
  const TCase cases[] = {
      {"\xC2", "truncated UTF-8 text"},
      {"ab\xE4\xB8", "truncated UTF-8 text"}, // "中" without its last byte
      {"\xF0\x90\x80", "truncated UTF-8 text"},
      {"\xE4\xB8x", "invalid UTF-8 text"}, // a character where a continuation byte belongs
      {"\x80", "invalid UTF-8 text"},
      {"\xF8\x88\x80\x80", "invalid UTF-8 text"},
      // Overlong forms: '/' and NUL in two bytes, the last two-byte and
      // three-byte values one length too long.
      {"\xC0\xAF", "overlong UTF-8 text"},
      {"a\xC0\x80", "overlong UTF-8 text"},
      {"\xE0\x9F\xBF", "overlong UTF-8 text"},
      {"\xF0\x8F\xBF\xBF", "overlong UTF-8 text"},
      // Surrogates, first and last, alone or as an encoded pair.
      {"\xED\xA0\x80", "UTF-8 text encodes a surrogate"},
      {"\xED\xBF\xBF", "UTF-8 text encodes a surrogate"},
      {"\xED\xA0\xBD\xED\xB2\xA9", "UTF-8 text encodes a surrogate"},
      // Just above the last code point, and the largest four-byte value.
      {"\xF4\x90\x80\x80", "UTF-8 text beyond U+10FFFF"},
      {"\xF7\xBF\xBF\xBF", "UTF-8 text beyond U+10FFFF"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ErrorText(c.Utf8), c.Error) << Hex(c.Utf8);
}
