#include "drawing/GdipBitmap.h"

namespace qelvane {

namespace flat = Gdiplus::DllExports;

TGdipBitmap::TGdipBitmap(int32_t Width, int32_t Height) {
  flat::GdipCreateBitmapFromScan0(Width, Height, 0, PixelFormat32bppARGB, nullptr, &GPBitmap);
  Reread();
}

TGdipBitmap::TGdipBitmap(int32_t Width, int32_t Height, int32_t Stride, Gdiplus::PixelFormat Format, uint8_t* Bits) {
  flat::GdipCreateBitmapFromScan0(Width, Height, Stride, Format, Bits, &GPBitmap);
  Reread();
}

TGdipBitmap::TGdipBitmap(const std::wstring& FileName) {
  flat::GdipCreateBitmapFromFile(FileName.c_str(), &GPBitmap);
  Reread();
}

TGdipBitmap::TGdipBitmap(HICON Icon) {
  flat::GdipCreateBitmapFromHICON(Icon, &GPBitmap);
  Reread();
}

TGdipBitmap::TGdipBitmap(const TGdipBitmap& Bitmap) : TGdipBitmap(Bitmap.GPBitmap) {}

TGdipBitmap::TGdipBitmap(Gdiplus::GpBitmap* Bitmap) {
  Assign(Bitmap);
}

std::unique_ptr<TGdipBitmap> TGdipBitmap::CreateFromBitmap(Gdiplus::GpBitmap* Bitmap) {
  std::unique_ptr<TGdipBitmap> b(new TGdipBitmap());
  b->GPBitmap = Bitmap;
  b->Reread();
  return b;
}

TGdipBitmap::~TGdipBitmap() {
  Dispose();
}

void TGdipBitmap::Dispose() {
  UnLockBits(); // never dispose a locked bitmap
  if (GPBitmap) flat::GdipDisposeImage(GPBitmap);
  GPBitmap = nullptr;
}

void TGdipBitmap::Reread() {
  FIsLock = false;
  FBits = nullptr;
  UINT w = 0, h = 0;
  if (GPBitmap) {
    flat::GdipGetImageWidth(GPBitmap, &w);
    flat::GdipGetImageHeight(GPBitmap, &h);
  }
  FWidth = static_cast<int32_t>(w);
  FHeight = static_cast<int32_t>(h);
}

void TGdipBitmap::ReCreate(int32_t Width, int32_t Height) {
  if (GPBitmap && Width == FWidth && Height == FHeight) return;
  Dispose();
  flat::GdipCreateBitmapFromScan0(Width, Height, 0, PixelFormat32bppARGB, nullptr, &GPBitmap);
  Reread();
}

void TGdipBitmap::Assign(const TGdipBitmap& Bitmap) {
  if (&Bitmap != this) Assign(Bitmap.GPBitmap);
}

void TGdipBitmap::Assign(Gdiplus::GpBitmap* Bitmap) {
  if (Bitmap == GPBitmap && Bitmap) return;
  Dispose();
  if (Bitmap) {
    UINT w = 0, h = 0;
    Gdiplus::PixelFormat format = PixelFormat32bppARGB;
    flat::GdipGetImageWidth(Bitmap, &w);
    flat::GdipGetImageHeight(Bitmap, &h);
    flat::GdipGetImagePixelFormat(Bitmap, &format);
    flat::GdipCloneBitmapAreaI(0, 0, static_cast<INT>(w), static_cast<INT>(h), format, Bitmap, &GPBitmap);
  }
  Reread();
}

void TGdipBitmap::Assign(Gdiplus::GpBitmap* Bitmap, int32_t Width, int32_t Height) {
  if (Bitmap == GPBitmap) return; // a thumbnail of itself would read a disposed image
  Dispose();
  if (Bitmap) {
    Gdiplus::GpImage* thumb = nullptr;
    flat::GdipGetImageThumbnail(Bitmap, static_cast<UINT>(Width), static_cast<UINT>(Height), &thumb, nullptr, nullptr);
    GPBitmap = static_cast<Gdiplus::GpBitmap*>(thumb);
  }
  Reread();
}

void TGdipBitmap::LockBits(Gdiplus::PixelFormat Format) {
  if (FIsLock || !GPBitmap) return;
  Gdiplus::GpRect r(0, 0, FWidth, FHeight);
  if (flat::GdipBitmapLockBits(GPBitmap, &r, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite, Format,
                               &FBitmapData) == Gdiplus::Ok) {
    FBits = FBitmapData.Scan0;
    FIsLock = true;
  }
}

void TGdipBitmap::UnLockBits() {
  if (!FIsLock) return;
  flat::GdipBitmapUnlockBits(GPBitmap, &FBitmapData);
  FIsLock = false;
  FBits = nullptr;
}

void TGdipBitmap::SaveToFile(const std::wstring& FileName, const CLSID& Encoder) {
  if (GPBitmap) flat::GdipSaveImageToFile(GPBitmap, FileName.c_str(), &Encoder, nullptr);
}

} // namespace qelvane
