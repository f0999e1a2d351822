#include "drawing/GdiBitmap.h"

#include "drawing/DrawingErrors.h"

namespace qelvane {

void TGdiBitmap::Release() {
  if (FDC) {
    SelectObject(FDC, FPrevious);
    DeleteDC(FDC);
  }
  if (FBitmap) DeleteObject(FBitmap);
  FDC = nullptr;
  FBitmap = nullptr;
  FPrevious = nullptr;
  FBits = nullptr;
  FWidth = FHeight = 0;
}

void TGdiBitmap::SetSize(int32_t AWidth, int32_t AHeight) {
  if (AWidth <= 0 || AHeight <= 0) {
    Release();
    return;
  }
  if (FBitmap && AWidth == FWidth && AHeight == FHeight) return;
  Release();
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = AWidth;
  bi.bmiHeader.biHeight = -AHeight; // top-down rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  FDC = CreateCompatibleDC(nullptr);
  if (!FDC) throw EDrawingError(std::string("CreateCompatibleDC failed"));
  FBitmap = CreateDIBSection(FDC, &bi, DIB_RGB_COLORS, &FBits, nullptr, 0);
  if (!FBitmap) {
    DeleteDC(FDC);
    FDC = nullptr;
    throw EDrawingError("CreateDIBSection failed for " + std::to_string(AWidth) + " x " + std::to_string(AHeight));
  }
  FPrevious = SelectObject(FDC, FBitmap);
  FWidth = AWidth;
  FHeight = AHeight;
}

} // namespace qelvane
