#include "drawing/ElementDefaults.h"

#include "core/gfx/PixelOps.h"
#include "core/gfx/TextLayout.h"

namespace qelvane {

const std::wstring& DefaultSkinFontName() {
  static const std::wstring name = L"微软雅黑";
  return name;
}

int32_t DefaultSkinFontSize() {
  static const int32_t size = [] {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return 9;
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return SkinFontSizeFromCaptionFont(ncm.lfCaptionFont.lfHeight, dpi);
  }();
  return size;
}

TGPColor GetAverageColorOfBitmap(const IGPBitmap& AImage, int32_t AX0, int32_t AStepY, int32_t AStepX, int32_t AY1,
                                 int32_t AX1, int32_t AY0) {
  if (!AImage) return 0;
  TBitmapBits bits(AImage->Native(), Gdiplus::ImageLockModeRead);
  return AverageColor(bits.View(), AX0, AX1, AStepX, AY0, AY1, AStepY);
}

} // namespace qelvane
