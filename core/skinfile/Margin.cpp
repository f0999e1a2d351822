#include "core/skinfile/Margin.h"

#include "core/skinfile/CommaText.h"

namespace qelvane {

bool ParseMarginText(std::u16string_view AText, int32_t& ALeftMargin, int32_t& ATopMargin, int32_t& ARightMargin,
                     int32_t& ABottomMargin) {
  int32_t* const targets[] = {&ALeftMargin, &ATopMargin, &ARightMargin, &ABottomMargin};
  return ParseIntegerItems(AText, targets);
}

bool ParseMarginText(std::u16string_view AText, TMargin& AMargin) {
  return ParseMarginText(AText, AMargin.LeftMargin, AMargin.TopMargin, AMargin.RightMargin, AMargin.BottomMargin);
}

} // namespace qelvane
