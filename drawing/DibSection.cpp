#include "drawing/DibSection.h"

namespace qelvane {

const char* TDibSection::Create(int32_t AWidth, int32_t AHeight, bool ATopDown) {
  Release();
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = AWidth;
  bi.bmiHeader.biHeight = ATopDown ? -AHeight : AHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  FDC = CreateCompatibleDC(nullptr);
  if (!FDC) return "CreateCompatibleDC";
  FBitmap = CreateDIBSection(FDC, &bi, DIB_RGB_COLORS, &FBits, nullptr, 0);
  if (!FBitmap) {
    Release();
    return "CreateDIBSection";
  }
  FPrevious = SelectObject(FDC, FBitmap);
  return nullptr;
}

void TDibSection::Release() {
  if (FDC) {
    if (FPrevious) SelectObject(FDC, FPrevious);
    DeleteDC(FDC);
  }
  if (FBitmap) DeleteObject(FBitmap);
  FDC = nullptr;
  FBitmap = nullptr;
  FPrevious = nullptr;
  FBits = nullptr;
}

} // namespace qelvane
