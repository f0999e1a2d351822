#include "skin/SkinFontText.h"

#include "core/skinfile/FontText.h"

namespace qelvane {

bool ApplySkinFontText(std::u16string_view AText, std::u16string& AName, int32_t& ASize, uint8_t& AStyle,
                       uint32_t& AColor, bool AApplyColour) {
  TSkinFontDesc font{AName, ASize, AStyle, AColor};
  const bool complete = SetFontByString(AText, font, AApplyColour);
  AName = font.Name;
  ASize = font.Size;
  AStyle = font.Style;
  AColor = font.Color;
  return complete;
}

} // namespace qelvane
