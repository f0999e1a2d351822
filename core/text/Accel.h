#pragma once
// Accelerator characters of captions: "&O" marks O, "&&" is a literal "&".
#include <string_view>

namespace qelvane {

// Letter case is ignored for the basic Latin letters.
inline wchar_t AccelFold(wchar_t C) {
  return C >= L'a' && C <= L'z' ? static_cast<wchar_t>(C - L'a' + L'A') : C;
}

// True when AChar is the accelerator of ACaption.
inline bool IsAccel(wchar_t AChar, std::wstring_view ACaption) {
  for (std::size_t i = 0; i + 1 < ACaption.size(); ++i) {
    if (ACaption[i] != L'&') continue;
    if (ACaption[i + 1] == L'&') {
      ++i; // a literal ampersand
      continue;
    }
    return AccelFold(ACaption[i + 1]) == AccelFold(AChar);
  }
  return false;
}

} // namespace qelvane
