#include "core/skinfile/CommaText.h"

#include <limits>

namespace qelvane {

namespace {
bool IsBlank(char16_t c) {
  return c >= 1 && c <= u' ';
}
} // namespace

std::vector<std::u16string> SplitCommaText(std::u16string_view AText) {
  size_t end = AText.find(u'\0');
  if (end != std::u16string_view::npos) AText = AText.substr(0, end);
  const size_t n = AText.size();

  std::vector<std::u16string> items;
  size_t p = 0;
  while (p < n && IsBlank(AText[p]))
    ++p;
  while (p < n) {
    std::u16string item;
    if (AText[p] == u'"') {
      // Quoted: up to the closing quote (or the end of the text).
      ++p;
      while (p < n) {
        if (AText[p] == u'"') {
          if (p + 1 < n && AText[p + 1] == u'"') {
            item.push_back(u'"');
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item.push_back(AText[p++]);
      }
    } else {
      size_t start = p;
      while (p < n && AText[p] > u' ' && AText[p] != u',')
        ++p;
      item.assign(AText.substr(start, p - start));
    }
    items.push_back(std::move(item));
    while (p < n && IsBlank(AText[p]))
      ++p;
    if (p < n && AText[p] == u',') {
      if (p + 1 == n) items.emplace_back();
      do
        ++p;
      while (p < n && IsBlank(AText[p]));
    }
  }
  return items;
}

bool TryStrToInt32(std::u16string_view AText, int32_t& AValue) {
  size_t p = 0;
  while (p < AText.size() && AText[p] == u' ')
    ++p;
  bool negative = false;
  if (p < AText.size() && (AText[p] == u'+' || AText[p] == u'-')) negative = AText[p++] == u'-';
  if (p == AText.size()) return false;
  int64_t value = 0;
  for (; p < AText.size(); ++p) {
    char16_t c = AText[p];
    if (c < u'0' || c > u'9') return false;
    value = value * 10 + (c - u'0');
    if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return false;
  AValue = static_cast<int32_t>(value);
  return true;
}

bool TryHexToUInt32(std::u16string_view AText, uint32_t& AValue) {
  if (AText.empty()) return false;
  uint64_t value = 0;
  for (char16_t c : AText) {
    int digit;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (c >= u'a' && c <= u'f')
      digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else
      return false;
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > std::numeric_limits<uint32_t>::max()) return false;
  }
  AValue = static_cast<uint32_t>(value);
  return true;
}

bool ParseIntegerItems(std::u16string_view AText, std::span<int32_t* const> ATargets) {
  std::vector<std::u16string> items = SplitCommaText(AText);
  for (size_t i = 0; i < items.size() && i < ATargets.size(); ++i) {
    int32_t value;
    if (!TryStrToInt32(items[i], value)) return false;
    *ATargets[i] = value;
  }
  return true;
}

} // namespace qelvane
