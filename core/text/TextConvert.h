#pragma once
// Text conversions shared by the portable code and the host tools.
// Wide text in the portable core is UTF-16 (std::u16string); on Windows it
// converts to std::wstring without loss because wchar_t is 16 bits there.
#include <stdexcept>
#include <string>
#include <string_view>

namespace qelvane {

class ETextConvert : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// GBK (code page 936) <-> UTF-16. Throws ETextConvert for bytes or characters
// that have no counterpart.
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view text);

#ifdef _WIN32
inline std::wstring ToWide(std::u16string_view s) {
  return std::wstring(s.begin(), s.end());
}
inline std::u16string FromWide(std::wstring_view s) {
  return std::u16string(s.begin(), s.end());
}
#endif

} // namespace qelvane
