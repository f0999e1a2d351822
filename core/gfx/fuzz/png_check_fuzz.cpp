// Feeds any bytes to the PNG structural check: it must never read outside
// them, and what it passes must have what it promises.
#include "core/gfx/PngCheck.h"

#include <cstdlib>
#include <cstring>

using namespace qelvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<TPngSize> png = CheckPng({data, size});
  if (!png) return 0;
  if (png->Width <= 0 || png->Height <= 0 || int64_t(png->Width) * png->Height > PngCheckMaxPixels) std::abort();
  static const uint8_t End[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  if (size < 8 + 25 + 12 + 12 || std::memcmp(data + size - 12, End, 12) != 0) std::abort();
  return 0;
}
