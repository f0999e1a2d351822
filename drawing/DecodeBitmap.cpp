#include "drawing/DecodeBitmap.h"

#include <cstring>

#include "drawing/DrawingErrors.h"
#include "drawing/StreamAdapter.h"

namespace qelvane {

IGPBitmap DecodeBitmap(std::span<const uint8_t> AStream) {
  if (AStream.empty()) return nullptr;
  IGPBitmap decoded = TGPBitmap::FromStream(TCFStreamAdapter::Create(AStream), true);
  Gdiplus::Bitmap* src = decoded->Native();
  // Touching a pixel makes GDI+ decode the whole image now. The status is of
  // no interest (indexed formats refuse SetPixel).
  Gdiplus::Color c;
  if (src->GetPixel(0, 0, &c) == Gdiplus::Ok) src->SetPixel(0, 0, c);
  const int32_t w = decoded->Width(), h = decoded->Height();
  IGPBitmap copy = TGPBitmap::Create(w, h);
  const Gdiplus::PixelFormat format = src->GetPixelFormat();
  if (format == PixelFormat24bppRGB || format == PixelFormat32bppRGB) {
    // Opaque pixels drawn onto a clear bitmap come out as they are: the rows
    // are copied as GDI+ converts them, several times faster than a draw.
    TBitmapBits from(src, Gdiplus::ImageLockModeRead), to(copy->Native(), Gdiplus::ImageLockModeWrite);
    for (int32_t y = 0; y < h; ++y)
      std::memcpy(to.View().Row(y), from.View().Row(y), static_cast<size_t>(w) * 4);
    return copy;
  }
  auto g = NewGraphics(copy);
  GpCheck(g->DrawImage(src, Gdiplus::Rect(0, 0, w, h)), "DrawImage");
  return copy;
}

} // namespace qelvane
