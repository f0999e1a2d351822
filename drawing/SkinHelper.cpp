#include "drawing/SkinHelper.h"

#include "drawing/DecodeBitmap.h"
#include "drawing/DrawingErrors.h"
#include "drawing/FontConvert.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/SkinEngineLog.h"

namespace qelvane {

namespace {
using Gdi = GdiSkinHelper::TSkinHelper;
namespace gd = GdiSkinHelper::detail;

template <class F> IGPBitmap Logged(std::wstring_view AOperation, F&& AMake) {
  IGPBitmap result;
  SkinGuard({L"TSkinHelper", std::nullopt}, AOperation, [&] { result = AMake(); });
  return result;
}
} // namespace

IGPBitmap TSkinHelper::CreateBitmap(const std::wstring& AFileName) {
  return Logged(L"CreateBitmapThrough FileName", [&] { return Gdi::CreateBitmap(AFileName); });
}

IGPBitmap TSkinHelper::CreateBitmap(const std::wstring& AResName, const std::wstring& ATypeName) {
  return Gdi::CreateBitmap(AResName, ATypeName);
}

IGPBitmap TSkinHelper::CreateBitmap(std::span<const uint8_t> AStream) {
  return Logged(L"CreateBitmapThrough Stream", [&] { return Gdi::CreateBitmap(AStream); });
}

IGPBitmap TSkinHelper::CreateBitmap(const TGraphic* AGraphic) {
  return Logged(L"CreateBitmap", [&] { return Gdi::CreateBitmap(AGraphic); });
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(const std::wstring& AFileName) {
  return Logged(L"CreateOriginalBitmap", [&] { return Gdi::CreateOriginalBitmap(gd::ReadFileBytes(AFileName)); });
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(const std::wstring& AResName, const std::wstring& ATypeName) {
  std::span<const uint8_t> bytes = gd::ResourceBytes(AResName, ATypeName);
  return Logged(L"CreateOriginalBitmap", [&] { return Gdi::CreateOriginalBitmap(bytes); });
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(std::span<const uint8_t> AStream) {
  return Logged(L"CreateOriginalBitmap", [&] { return Gdi::CreateOriginalBitmap(AStream); });
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(const TGraphic* AGraphic) {
  return Logged(L"CreateOriginalBitmap", [&] { return Gdi::CreateOriginalBitmap(AGraphic); });
}

IGPBitmap TSkinHelper::CreateBitmapBySize(const std::wstring& AFileName, int32_t AWidth, int32_t AHeight) {
  return Logged(L"CreateBitmapBySizeThrough FileName",
                [&] { return Gdi::CreateBitmapBySize(AFileName, AWidth, AHeight); });
}

IGPBitmap TSkinHelper::CreateBitmapBySize(std::span<const uint8_t> AStream, int32_t AWidth, int32_t AHeight) {
  IGPBitmap decoded;
  IGPBitmap result = Logged(L"CreateBitmapThrough Stream", [&] {
    decoded = DecodeBitmap(AStream);
    return decoded ? gd::ScaleTo(decoded, AWidth, AHeight) : nullptr;
  });
  return result ? result : decoded;
}

void TSkinHelper::InitGdiImgAdv(TGDIIMGADV& AGdiImgAdv, const IGPBitmap& Value, int32_t HorzMargin,
                                int32_t VertMargin) {
  if (!Value) return;
  AGdiImgAdv.SetImage(Value);
  AGdiImgAdv.SetMargin(HorzMargin, VertMargin, HorzMargin, VertMargin);
  AGdiImgAdv.SetStrecthMode(smStretchBoth);
}

void TSkinHelper::InitLeftGdiImgAdv(TGDIIMGADV& AGdiImgAdv, const IGPBitmap& Value, int32_t DropDownWidth) {
  InitGdiImgAdv(AGdiImgAdv, Value, 4, 4);
  if (Value) AGdiImgAdv.SetClipMargin(0, 0, Value->Width() - DropDownWidth - 4, 0);
}

void TSkinHelper::InitRightGdiImgAdv(TGDIIMGADV& AGdiImgAdv, const IGPBitmap& Value, int32_t DropDownWidth) {
  InitGdiImgAdv(AGdiImgAdv, Value, 4, 4);
  if (Value) AGdiImgAdv.SetClipMargin(Value->Width() - DropDownWidth - 4, 0, 0, 0);
}

void TSkinHelper::DrawButtonFrame(Gdiplus::Graphics& Graphics, TGDIIMGADV& AGdiImgAdv, const TGPRect& ADrawRect,
                                  const Gdiplus::ImageAttributes* Attr) {
  if (!AGdiImgAdv.Image()) return;
  AGdiImgAdv.SetWidth(ADrawRect.Width);
  AGdiImgAdv.SetHeight(ADrawRect.Height);
  AGdiImgAdv.Build();
  const IGPBitmap& built = AGdiImgAdv.Bitmap();
  if (!built) return;
  DrawImagePiece(Graphics, built->Native(), ADrawRect, {0, 0, built->Width(), built->Height()}, Attr);
}

void TSkinHelper::DrawGDIText(Gdiplus::Graphics& Graphics, TGDIText& AGDIText, int32_t ALeft, int32_t ATop,
                              int32_t AWidth, int32_t AHeight, const std::wstring& ACaption) {
  SkinGuard({L"TSkinHelper", std::nullopt}, L"DrawGDIText", [&] {
    AGDIText.SetPosX(ALeft);
    AGDIText.SetPosY(ATop);
    AGDIText.SetWidth(AWidth);
    AGDIText.SetHeight(AHeight);
    AGDIText.SetText(ACaption);
    AGDIText.Paint(&Graphics, 0, 0);
  });
}

void TSkinHelper::DrawGDIText(Gdiplus::Graphics& Graphics, TGDIText& AGDIText, const TGPRect& ARect,
                              const std::wstring& ACaption) {
  DrawGDIText(Graphics, AGDIText, ARect.X, ARect.Y, ARect.Width, ARect.Height, ACaption);
}

void TSkinHelper::DrawRectText(Gdiplus::Graphics& Graphics, TGDIText& AGDIText, const std::wstring& S, int32_t ALeft,
                               int32_t ATop, int32_t AWidth, int32_t AHeight) {
  AGDIText.SetText(S);
  AGDIText.SetPosX(ALeft);
  AGDIText.SetPosY(ATop);
  AGDIText.SetWidth(AWidth);
  AGDIText.SetHeight(AHeight);
  AGDIText.Paint(&Graphics, 0, 0);
}

void TSkinHelper::DrawText(Gdiplus::Graphics& Graphics, std::wstring_view S, const TFontDesc& AFont, float X, float Y,
                           bool bDirectionVertical) {
  auto font = CreateGPFontByFont(AFont, Gdiplus::UnitPixel);
  auto brush = CreateFontBrush(AFont);
  const INT len = static_cast<INT>(S.size());
  if (!bDirectionVertical) {
    GpCheck(Graphics.DrawString(S.data(), len, font.get(), Gdiplus::PointF(X, Y), brush.get()), "DrawString");
    return;
  }
  Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsDirectionVertical);
  GpCheck(format.GetLastStatus(), "StringFormat");
  GpCheck(Graphics.DrawString(S.data(), len, font.get(), Gdiplus::PointF(X, Y), &format, brush.get()), "DrawString");
}

void TSkinHelper::DrawGrayImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TGPRect& DestRect) {
  Gdi::DrawGrayImage(Graphics, Image, DestRect);
}

} // namespace qelvane
