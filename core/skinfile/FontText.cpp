#include "core/skinfile/FontText.h"

#include "core/skinfile/CommaText.h"

#include <cstddef>

namespace qelvane {

namespace {

// Character positions count from 1, as in the text's description: Copy takes
// ACount characters from position AIndex (nothing for a count of 0 or less or
// a position past the end); Pos gives the position of the first c, or 0.
std::u16string_view Copy(std::u16string_view s, ptrdiff_t AIndex, ptrdiff_t ACount) {
  if (AIndex < 1) AIndex = 1;
  if (ACount <= 0 || AIndex > static_cast<ptrdiff_t>(s.size())) return {};
  return s.substr(static_cast<size_t>(AIndex - 1), static_cast<size_t>(ACount));
}

ptrdiff_t Pos(char16_t c, std::u16string_view s) {
  size_t p = s.find(c);
  return p == std::u16string_view::npos ? 0 : static_cast<ptrdiff_t>(p) + 1;
}

constexpr ptrdiff_t Rest = PTRDIFF_MAX / 2;

} // namespace

bool SetFontByString(std::u16string_view AText, TSkinFontDesc& AFont, bool AApplyColour) {
  std::u16string_view s = AText;

  // "<name>", ...: from the second character to the one before the quote
  // that precedes the first comma.
  ptrdiff_t comma = Pos(u',', s);
  AFont.Name = std::u16string(Copy(s, 2, comma - 3));
  if (comma == 0) return false;

  // " <size>, ...": one blank skipped, up to the next comma.
  s = Copy(s, comma + 1, Rest);
  comma = Pos(u',', s);
  if (comma == 0) return false;
  int32_t size;
  if (!TryStrToInt32(Copy(s, 2, comma - 2), size)) return false;
  AFont.Size = size;

  // " [<styles>], ...": " [" skipped, up to the "]" before the next comma.
  s = Copy(s, comma + 1, Rest);
  comma = Pos(u',', s);
  if (comma == 0) return false;
  std::u16string styles = u"|" + std::u16string(Copy(s, 3, comma - 4));

  // " [<colour>]": " [" and the last character dropped.
  s = Copy(s, comma + 1, Rest);
  if (AApplyColour) {
    uint32_t colour;
    if (!TryHexToUInt32(Copy(s, 3, static_cast<ptrdiff_t>(s.size()) - 3), colour)) return false;
    AFont.Color = colour;
  }

  AFont.Style = 0;
  if (styles.find(u"|Bold") != std::u16string::npos) AFont.Style |= fsBold;
  if (styles.find(u"|Italic") != std::u16string::npos) AFont.Style |= fsItalic;
  if (styles.find(u"|Underline") != std::u16string::npos) AFont.Style |= fsUnderline;
  if (styles.find(u"|Strikeout") != std::u16string::npos) AFont.Style |= fsStrikeOut;
  return true;
}

} // namespace qelvane
