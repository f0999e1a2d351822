#include "drawing/GPBitmap.h"

#include <vector>

#include "drawing/DrawingErrors.h"

namespace qelvane {

void TGPBitmap::Take(std::unique_ptr<Gdiplus::Bitmap> ABitmap, const char* AOperation) {
  if (!ABitmap) throw EGdiPlusError(Gdiplus::OutOfMemory, AOperation);
  GpCheck(ABitmap->GetLastStatus(), AOperation);
  FBitmap = std::move(ABitmap);
}

IGPBitmap TGPBitmap::Create(int32_t AWidth, int32_t AHeight) {
  auto b = std::make_shared<TGPBitmap>(TKey{});
  b->Take(std::make_unique<Gdiplus::Bitmap>(AWidth, AHeight, PixelFormat32bppARGB), "Bitmap(width, height)");
  // New GDI+ bitmaps start zeroed; clearing makes that explicit and portable.
  Gdiplus::Graphics g(b->Native());
  GpCheck(g.GetLastStatus(), "Graphics(bitmap)");
  GpCheck(g.Clear(Gdiplus::Color(0)), "Clear");
  return b;
}

IGPBitmap TGPBitmap::FromStream(TComPtr<IStream> AStream, bool AUseIcm) {
  auto b = std::make_shared<TGPBitmap>(TKey{});
  b->FSource = AStream;
  b->Take(std::make_unique<Gdiplus::Bitmap>(AStream.get(), AUseIcm ? TRUE : FALSE), "Bitmap(stream)");
  return b;
}

IGPBitmap TGPBitmap::Deferred(int32_t AWidth, int32_t AHeight, std::function<IGPBitmap()> ADecode) {
  if (AWidth <= 0 || AHeight <= 0 || !ADecode) throw EGdiPlusError(Gdiplus::InvalidParameter, "Deferred bitmap");
  auto b = std::make_shared<TGPBitmap>(TKey{});
  b->FWidth = AWidth;
  b->FHeight = AHeight;
  b->FDecode = std::move(ADecode);
  return b;
}

void TGPBitmap::Decode() const {
  IGPBitmap decoded = FDecode();
  // Only a bitmap of its own that matches what this one has promised is
  // taken over; anything else leaves the pixels transparent.
  if (!decoded || decoded.use_count() != 1 || !decoded->Native() || decoded->Width() != FWidth ||
      decoded->Height() != FHeight || decoded->Format() != PixelFormat32bppARGB)
    decoded = Create(FWidth, FHeight);
  FSource = std::move(decoded->FSource);
  FBitmap = std::move(decoded->FBitmap);
  FDecode = nullptr;
}

IGPBitmap TGPBitmap::FromFile(const std::wstring& AFileName, bool AUseIcm) {
  auto b = std::make_shared<TGPBitmap>(TKey{});
  b->Take(std::make_unique<Gdiplus::Bitmap>(AFileName.c_str(), AUseIcm ? TRUE : FALSE), "Bitmap(file)");
  return b;
}

std::unique_ptr<Gdiplus::Graphics> NewGraphics(Gdiplus::Image* AImage) {
  if (!AImage) throw EGdiPlusError(Gdiplus::InvalidParameter, "Graphics(nil image)");
  auto g = std::make_unique<Gdiplus::Graphics>(AImage);
  GpCheck(g->GetLastStatus(), "Graphics(image)");
  return g;
}

TBitmapBits::TBitmapBits(Gdiplus::Bitmap* ABitmap, Gdiplus::ImageLockMode AMode) : FBitmap(ABitmap) {
  Gdiplus::Rect r(0, 0, static_cast<INT>(ABitmap->GetWidth()), static_cast<INT>(ABitmap->GetHeight()));
  GpCheck(ABitmap->LockBits(&r, AMode, PixelFormat32bppARGB, &FData), "LockBits");
  FView = {static_cast<uint8_t*>(FData.Scan0), static_cast<int32_t>(FData.Width), static_cast<int32_t>(FData.Height),
           FData.Stride};
}

TBitmapBits::~TBitmapBits() {
  FBitmap->UnlockBits(&FData);
}

void DrawImagePiece(Gdiplus::Graphics& AGraphics, Gdiplus::Image* AImage, const TGPRect& ADst, const TGPRect& ASrc,
                    const Gdiplus::ImageAttributes* AAttr) {
  if (!AImage || ADst.Width <= 0 || ADst.Height <= 0 || ASrc.Width <= 0 || ASrc.Height <= 0) return;
  GpCheck(AGraphics.DrawImage(AImage, ToGp(ADst), ASrc.X, ASrc.Y, ASrc.Width, ASrc.Height, Gdiplus::UnitPixel, AAttr),
          "DrawImage");
}

CLSID EncoderClsid(const wchar_t* AMimeType) {
  EnsureGdiPlus();
  UINT count = 0, size = 0;
  GpCheck(Gdiplus::GetImageEncodersSize(&count, &size), "GetImageEncodersSize");
  std::vector<uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (size) GpCheck(Gdiplus::GetImageEncoders(count, size, codecs), "GetImageEncoders");
  for (UINT i = 0; i < count; ++i)
    if (std::wstring_view(codecs[i].MimeType) == AMimeType) return codecs[i].Clsid;
  throw EGdiPlusError(Gdiplus::UnknownImageFormat, "EncoderClsid");
}

void SaveBitmapToFile(Gdiplus::Image* AImage, const std::wstring& AFileName, const CLSID& AEncoder) {
  if (!AImage) throw EGdiPlusError(Gdiplus::InvalidParameter, "Save(nil image)");
  GpCheck(AImage->Save(AFileName.c_str(), &AEncoder, nullptr), "Save");
}

} // namespace qelvane
