// Feeds any UTF-16 text to the skin's comma, margin and font text parsers.
#include "core/skinfile/CommaText.h"
#include "core/skinfile/FontText.h"
#include "core/skinfile/Margin.h"

#include <cstdlib>

using namespace qelvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2)
    text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

  SplitCommaText(text);
  TMargin margin{1, 2, 3, 4};
  ParseMarginText(text, margin);
  int32_t bounds[5] = {};
  int32_t* const targets[] = {&bounds[0], &bounds[1], &bounds[2], &bounds[3], &bounds[4]};
  ParseIntegerItems(text, targets);

  TSkinFontDesc font{u"Tahoma", 9, fsBold, 0x123456};
  bool ok = SetFontByString(text, font, true);
  TSkinFontDesc plain{u"Tahoma", 9, fsBold, 0x123456};
  bool okPlain = SetFontByString(text, plain, false);
  // Applying the colour can only add a failure, never change the rest.
  if (ok && !okPlain) std::abort();
  if (ok && (font.Name != plain.Name || font.Size != plain.Size || font.Style != plain.Style)) std::abort();
  return 0;
}
