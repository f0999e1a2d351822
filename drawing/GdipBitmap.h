#pragma once
// TGdipBitmap: a class that owns one GDI+ bitmap handle directly and can lock
// its pixels. The status of GDI+ calls is not reported: a failed creation
// leaves a nil handle and size 0.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "drawing/GdiPlusSession.h"

namespace qelvane {

class TGdipBitmap {
public:
  // New 32 bpp ARGB bitmap, pixel memory allocated by GDI+.
  TGdipBitmap(int32_t Width, int32_t Height);
  // Bitmap over caller-supplied pixel memory (which must outlive it).
  TGdipBitmap(int32_t Width, int32_t Height, int32_t Stride, Gdiplus::PixelFormat Format, uint8_t* Bits);
  explicit TGdipBitmap(const std::wstring& FileName);
  explicit TGdipBitmap(HICON Icon);
  // Clones.
  TGdipBitmap(const TGdipBitmap& Bitmap);
  explicit TGdipBitmap(Gdiplus::GpBitmap* Bitmap);
  // Takes over an existing handle without cloning.
  static std::unique_ptr<TGdipBitmap> CreateFromBitmap(Gdiplus::GpBitmap* Bitmap);
  ~TGdipBitmap();
  TGdipBitmap& operator=(const TGdipBitmap& Bitmap) {
    Assign(Bitmap);
    return *this;
  }

  // Nothing if the size is unchanged; otherwise a new 32 bpp ARGB bitmap
  // (contents lost).
  void ReCreate(int32_t Width, int32_t Height);
  // Replace by a clone of another bitmap.
  void Assign(const TGdipBitmap& Bitmap);
  void Assign(Gdiplus::GpBitmap* Bitmap);
  // Replace by a thumbnail of another bitmap at Width x Height.
  void Assign(Gdiplus::GpBitmap* Bitmap, int32_t Width, int32_t Height);

  // Locks the whole bitmap for reading and writing in the format (once).
  void LockBits(Gdiplus::PixelFormat Format = PixelFormat32bppARGB);
  void UnLockBits();
  // Saves through the encoder with that class identifier.
  void SaveToFile(const std::wstring& FileName, const CLSID& Encoder);

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void* Bits() const { return FBits; }
  bool IsLock() const { return FIsLock; }
  TGPRect Rect() const { return {0, 0, FWidth, FHeight}; }
  int64_t Size() const { return int64_t(FWidth) * FHeight * 4; }
  const Gdiplus::BitmapData& BitmapData() const { return FBitmapData; }

  Gdiplus::GpBitmap* GPBitmap = nullptr;

private:
  TGdipBitmap() = default;
  void Dispose();
  void Reread();

  TGdiPlusLease FLease;
  int32_t FWidth = 0, FHeight = 0;
  Gdiplus::BitmapData FBitmapData{};
  void* FBits = nullptr;
  bool FIsLock = false;
};

} // namespace qelvane
