#include "core/text/TextConvert.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace qelvane {

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    char32_t cp;
    size_t extra;
    if (c < 0x80) {
      cp = c;
      extra = 0;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else {
      throw ETextConvert("invalid UTF-8 text");
    }
    for (size_t k = 1; k <= extra; ++k) {
      if (i + k >= text.size()) throw ETextConvert("truncated UTF-8 text");
      unsigned char cc = static_cast<unsigned char>(text[i + k]);
      if ((cc & 0xC0) != 0x80) throw ETextConvert("invalid UTF-8 text");
      cp = (cp << 6) | (cc & 0x3F);
    }
    i += extra + 1;
    // Each length encodes only the values the shorter ones cannot (an
    // overlong form could smuggle a '/' or NUL past a byte-wise check), and
    // surrogates and values above U+10FFFF are no characters.
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[extra]) throw ETextConvert("overlong UTF-8 text");
    if (cp >= 0xD800 && cp < 0xE000) throw ETextConvert("UTF-8 text encodes a surrogate");
    if (cp > 0x10FFFF) throw ETextConvert("UTF-8 text beyond U+10FFFF");
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

#ifdef _WIN32

std::u16string GbkToUtf16(std::string_view gbk) {
  if (gbk.empty()) return {};
  int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  if (n <= 0) throw ETextConvert("text is not valid GBK");
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), w.data(), n);
  return FromWide(w);
}

std::string Utf16ToGbk(std::u16string_view text) {
  if (text.empty()) return {};
  std::wstring w = ToWide(text);
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) throw ETextConvert("text cannot be written in GBK");
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

#else

namespace {
std::string IconvAll(const char* to, const char* from, std::string_view in, const char* what) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw ETextConvert("no converter for GBK text");
  std::string out;
  out.resize(in.size() * 4 + 8);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || srcLeft != 0) throw ETextConvert(what);
  out.resize(out.size() - dstLeft);
  return out;
}
} // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
  std::string bytes = IconvAll("UTF-16LE", "GBK", gbk, "text is not valid GBK");
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  return out;
}

std::string Utf16ToGbk(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return IconvAll("GBK", "UTF-16LE", bytes, "text cannot be written in GBK");
}

#endif

} // namespace qelvane
