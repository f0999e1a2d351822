#include "drawing/GdiBitmap.h"

#include <string>

#include "drawing/DrawingErrors.h"

namespace qelvane {

void TGdiBitmap::Release() {
  FDib.Release();
  FWidth = FHeight = 0;
}

void TGdiBitmap::SetSize(int32_t AWidth, int32_t AHeight) {
  if (AWidth <= 0 || AHeight <= 0) {
    Release();
    return;
  }
  if (!Empty() && AWidth == FWidth && AHeight == FHeight) return;
  Release();
  if (const char* failed = FDib.Create(AWidth, AHeight, true)) {
    if (std::string(failed) == "CreateCompatibleDC") throw EDrawingError(std::string("CreateCompatibleDC failed"));
    throw EDrawingError("CreateDIBSection failed for " + std::to_string(AWidth) + " x " + std::to_string(AHeight));
  }
  FWidth = AWidth;
  FHeight = AHeight;
}

} // namespace qelvane
