#pragma once
// Reference-counted GDI+ bitmaps. IGPBitmap is a shared handle: an empty
// handle means "no image" and is never an error. A bitmap decoded from a
// stream keeps that stream alive for as long as it lives. A deferred bitmap
// knows its size at once and makes its pixels on first use.
#include <windows.h>

#include <gdiplus.h>

#include <functional>
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "core/gfx/PixelOps.h"
#include "winbase/ComPtr.h"
#include "drawing/GdiPlusSession.h"

namespace qelvane {

class TGPBitmap;
using IGPBitmap = std::shared_ptr<TGPBitmap>;

class TGPBitmap {
  struct TKey {};

public:
  explicit TGPBitmap(TKey) {}
  TGPBitmap(const TGPBitmap&) = delete;
  TGPBitmap& operator=(const TGPBitmap&) = delete;

  // A new AWidth x AHeight bitmap, 32 bpp ARGB (not premultiplied), all
  // pixels transparent black. Throws EGdiPlusError (e.g. for a size of 0).
  static IGPBitmap Create(int32_t AWidth, int32_t AHeight);
  // The decoder's bitmap of an image stream (embedded colour management as
  // asked); the bitmap keeps the stream.
  static IGPBitmap FromStream(TComPtr<IStream> AStream, bool AUseIcm);
  // The decoder's bitmap of an image file (which GDI+ keeps open).
  static IGPBitmap FromFile(const std::wstring& AFileName, bool AUseIcm);
  // An AWidth x AHeight bitmap, 32 bpp ARGB, whose pixels come from ADecode
  // when they are first needed (the first Native()). ADecode gives a 32 bpp
  // ARGB bitmap of that size, or no image for a failure it has reported
  // itself; no image, or any other bitmap, leaves the pixels transparent
  // black. When ADecode throws, the error propagates and the next use tries
  // again. ADecode runs at most once to completion and is freed after it.
  // Like all bitmaps, for use on one thread.
  static IGPBitmap Deferred(int32_t AWidth, int32_t AHeight, std::function<IGPBitmap()> ADecode);
  // Takes over a bitmap made by ACreate, called once GDI+ is running.
  template <class F> static IGPBitmap Adopt(F&& ACreate) {
    auto b = std::make_shared<TGPBitmap>(TKey{});
    b->Take(std::unique_ptr<Gdiplus::Bitmap>(ACreate()), "Bitmap");
    return b;
  }

  // The GDI+ bitmap; a deferred bitmap decodes here on first use.
  Gdiplus::Bitmap* Native() const {
    if (FDecode) Decode();
    return FBitmap.get();
  }
  // Size and format never decode a deferred bitmap.
  int32_t Width() const { return FDecode ? FWidth : static_cast<int32_t>(FBitmap->GetWidth()); }
  int32_t Height() const { return FDecode ? FHeight : static_cast<int32_t>(FBitmap->GetHeight()); }
  Gdiplus::PixelFormat Format() const { return FDecode ? PixelFormat32bppARGB : FBitmap->GetPixelFormat(); }
  // False while a deferred bitmap has not made its pixels yet.
  bool Decoded() const { return !FDecode; }

private:
  void Take(std::unique_ptr<Gdiplus::Bitmap> ABitmap, const char* AOperation);
  void Decode() const;

  TGdiPlusLease FLease; // first: released after the bitmap
  // The decoded state is filled in by the first Native() of a deferred
  // bitmap, hence mutable.
  mutable TComPtr<IStream> FSource;
  mutable std::unique_ptr<Gdiplus::Bitmap> FBitmap;
  mutable std::function<IGPBitmap()> FDecode; // set while a deferred bitmap is undecoded
  int32_t FWidth = 0, FHeight = 0;            // a deferred bitmap's size
};

// Width and height of a bitmap handle, 0 for no image.
inline int32_t ImageWidth(const IGPBitmap& b) {
  return b ? b->Width() : 0;
}
inline int32_t ImageHeight(const IGPBitmap& b) {
  return b ? b->Height() : 0;
}

// A new graphics object (default settings) over an image; throws on failure.
std::unique_ptr<Gdiplus::Graphics> NewGraphics(Gdiplus::Image* AImage);
inline std::unique_ptr<Gdiplus::Graphics> NewGraphics(const IGPBitmap& ABitmap) {
  return NewGraphics(ABitmap->Native());
}

// The pixels of a bitmap locked for reading and writing as 32 bpp ARGB,
// unlocked (written back) by the destructor.
class TBitmapBits {
public:
  explicit TBitmapBits(Gdiplus::Bitmap* ABitmap,
                       Gdiplus::ImageLockMode AMode = Gdiplus::ImageLockMode(Gdiplus::ImageLockModeRead |
                                                                             Gdiplus::ImageLockModeWrite));
  ~TBitmapBits();
  TBitmapBits(const TBitmapBits&) = delete;
  TBitmapBits& operator=(const TBitmapBits&) = delete;
  const TPixelView& View() const { return FView; }

private:
  Gdiplus::Bitmap* FBitmap;
  Gdiplus::BitmapData FData{};
  TPixelView FView;
};

// Class identifier of the GDI+ encoder for a MIME type ("image/png");
// throws EGdiPlusError when there is none.
CLSID EncoderClsid(const wchar_t* AMimeType);
// Saves a bitmap through an encoder; throws on failure.
void SaveBitmapToFile(Gdiplus::Image* AImage, const std::wstring& AFileName, const CLSID& AEncoder);

// Integer rectangle conversions.
inline Gdiplus::Rect ToGp(const TGPRect& r) {
  return Gdiplus::Rect(r.X, r.Y, r.Width, r.Height);
}
inline Gdiplus::RectF ToGpF(const TGPRect& r) {
  return Gdiplus::RectF(static_cast<Gdiplus::REAL>(r.X), static_cast<Gdiplus::REAL>(r.Y),
                        static_cast<Gdiplus::REAL>(r.Width), static_cast<Gdiplus::REAL>(r.Height));
}

// Draws the source rectangle of an image into a destination rectangle, unit
// pixel, with optional attributes. Pieces with a size of zero or less draw
// nothing. Throws on a failed draw.
void DrawImagePiece(Gdiplus::Graphics& AGraphics, Gdiplus::Image* AImage, const TGPRect& ADst, const TGPRect& ASrc,
                    const Gdiplus::ImageAttributes* AAttr = nullptr);

} // namespace qelvane
