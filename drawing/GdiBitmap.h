#pragma once
// TGdiBitmap: a GDI bitmap with its own memory device context (the window
// toolkit's bitmap-with-canvas). A 32-bit top-down DIB section, so its pixels
// are also reachable directly; GDI drawing leaves the alpha byte undefined.
#include <windows.h>

#include <cstdint>

#include "core/gfx/PixelOps.h"
#include "drawing/DibSection.h"

namespace qelvane {

class TGdiBitmap {
public:
  TGdiBitmap() = default;
  TGdiBitmap(int32_t AWidth, int32_t AHeight) { SetSize(AWidth, AHeight); }
  ~TGdiBitmap() { Release(); }
  TGdiBitmap(const TGdiBitmap&) = delete;
  TGdiBitmap& operator=(const TGdiBitmap&) = delete;

  // Resizes (contents lost, new pixels black); a size of zero or less makes
  // the bitmap empty. Nothing when the size is unchanged. Throws
  // EDrawingError when the bitmap cannot be created.
  void SetSize(int32_t AWidth, int32_t AHeight);
  void Release();

  bool Empty() const { return FDib.Handle() == nullptr; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  // The memory device context with the bitmap selected (null when empty).
  HDC DC() const { return FDib.DC(); }
  HBITMAP Handle() const { return FDib.Handle(); }
  TPixelView Pixels() const { return {static_cast<uint8_t*>(FDib.Bits()), FWidth, FHeight, FWidth * 4}; }

private:
  int32_t FWidth = 0, FHeight = 0;
  TDibSection FDib;
};

} // namespace qelvane
