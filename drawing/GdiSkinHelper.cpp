#include "drawing/GdiSkinHelper.h"

#include "core/gfx/MarginPieces.h"
#include "drawing/DecodeBitmap.h"
#include "drawing/DrawingErrors.h"
#include "drawing/StreamAdapter.h"
#include "winbase/Handles.h"

namespace qelvane::GdiSkinHelper {

namespace detail {

bool FileExists(const std::wstring& AFileName) {
  DWORD attr = GetFileAttributesW(AFileName.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& AFileName) {
  UniqueHandle f(CreateFileW(AFileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) throw EFOpenError(AFileName, GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(f.get(), &size)) throw EFOpenError(AFileName, GetLastError());
  if (size.QuadPart > 0x7FFFFFFF) throw EFOpenError(AFileName, ERROR_FILE_TOO_LARGE);
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    if (!ReadFile(f.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr))
      throw EFOpenError(AFileName, GetLastError());
    if (n == 0) break;
    done += n;
  }
  bytes.resize(done);
  return bytes;
}

std::span<const uint8_t> ResourceBytes(const std::wstring& AResName, const std::wstring& ATypeName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(module, AResName.c_str(), ATypeName.c_str());
  if (!res) throw EResNotFound(AResName);
  HGLOBAL data = LoadResource(module, res);
  const void* p = data ? LockResource(data) : nullptr;
  if (!p) throw EResNotFound(AResName);
  return {static_cast<const uint8_t*>(p), static_cast<size_t>(SizeofResource(module, res))};
}

IGPBitmap ScaleTo(const IGPBitmap& ASource, int32_t AWidth, int32_t AHeight) {
  IGPBitmap scaled = TGPBitmap::Create(AWidth, AHeight);
  auto g = NewGraphics(scaled);
  DrawImagePiece(*g, ASource->Native(), {0, 0, AWidth, AHeight}, {0, 0, ASource->Width(), ASource->Height()});
  return scaled;
}

} // namespace detail

using namespace detail;

IGPBitmap TSkinHelper::CreateBitmap(const std::wstring& AFileName) {
  if (!FileExists(AFileName)) return nullptr;
  return DecodeBitmap(ReadFileBytes(AFileName));
}

IGPBitmap TSkinHelper::CreateBitmap(const std::wstring& AResName, const std::wstring& ATypeName) {
  return DecodeBitmap(ResourceBytes(AResName, ATypeName));
}

IGPBitmap TSkinHelper::CreateBitmap(std::span<const uint8_t> AStream) {
  return DecodeBitmap(AStream);
}

IGPBitmap TSkinHelper::CreateBitmap(const TGraphic* AGraphic) {
  if (!AGraphic || AGraphic->Empty()) return nullptr;
  return DecodeBitmap(AGraphic->SaveToBytes());
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(const std::wstring& AFileName) {
  if (!FileExists(AFileName)) return nullptr;
  return TGPBitmap::FromFile(AFileName, false);
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(const std::wstring& AResName, const std::wstring& ATypeName) {
  return CreateOriginalBitmap(ResourceBytes(AResName, ATypeName));
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(std::span<const uint8_t> AStream) {
  if (AStream.empty()) return nullptr;
  return TGPBitmap::FromStream(TCFStreamAdapter::Create(AStream), true);
}

IGPBitmap TSkinHelper::CreateOriginalBitmap(const TGraphic* AGraphic) {
  if (!AGraphic || AGraphic->Empty()) return nullptr;
  return CreateOriginalBitmap(AGraphic->SaveToBytes());
}

IGPBitmap TSkinHelper::CreateBitmapBySize(const std::wstring& AFileName, int32_t AWidth, int32_t AHeight) {
  if (!FileExists(AFileName)) return nullptr;
  return CreateBitmapBySize(ReadFileBytes(AFileName), AWidth, AHeight);
}

IGPBitmap TSkinHelper::CreateBitmapBySize(std::span<const uint8_t> AStream, int32_t AWidth, int32_t AHeight) {
  IGPBitmap decoded = DecodeBitmap(AStream);
  if (!decoded) return nullptr;
  return ScaleTo(decoded, AWidth, AHeight);
}

namespace {
void DrawWithMatrix(Gdiplus::Graphics& G, const IGPBitmap& Image, const TGPRect& DestRect,
                    const Gdiplus::ColorMatrix& M) {
  Gdiplus::ImageAttributes attr;
  GpCheck(attr.SetColorMatrix(&M), "SetColorMatrix");
  if (!Image) return;
  GpCheck(G.DrawImage(Image->Native(), ToGpF(DestRect), 0, 0, static_cast<Gdiplus::REAL>(Image->Width()),
                      static_cast<Gdiplus::REAL>(Image->Height()), Gdiplus::UnitPixel, &attr),
          "DrawImage");
}

void DrawPieces(Gdiplus::Graphics& G, const IGPBitmap& B, const TGPRect& R, const TMarginSpec& M,
                const TMarginSpec& Clip, bool ACentre) {
  if (!B) return;
  auto pieces = MarginPieces(R, B->Width(), B->Height(), M, Clip);
  for (int i = 0; i < 9; ++i) {
    if (i == piCentre && !ACentre) break;
    DrawImagePiece(G, B->Native(), pieces[i].Dst, pieces[i].Src);
  }
}
} // namespace

void TSkinHelper::DrawAlphaImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TGPRect& DestRect,
                                 uint8_t Alpha) {
  Gdiplus::ColorMatrix m = {
      {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, Alpha / 255.0f, 0}, {0, 0, 0, 0, 1}}};
  DrawWithMatrix(Graphics, Image, DestRect, m);
}

void TSkinHelper::DrawGrayImage(Gdiplus::Graphics& Graphics, const IGPBitmap& Image, const TGPRect& DestRect) {
  Gdiplus::ColorMatrix m = {{{0.299f, 0.299f, 0.299f, 0, 0},
                             {0.518f, 0.518f, 0.518f, 0, 0},
                             {0.114f, 0.114f, 0.114f, 0, 0},
                             {0, 0, 0, 1, 0},
                             {0, 0, 0, 0, 1}}};
  DrawWithMatrix(Graphics, Image, DestRect, m);
}

void TSkinHelper::StretchDrawImageInRect(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap,
                                         const TGPRect& ADrawRect) {
  if (!ABitmap) return;
  DrawImagePiece(Graphics, ABitmap->Native(), ADrawRect, {0, 0, ABitmap->Width(), ABitmap->Height()});
}

void TSkinHelper::StretchDrawImageInRectByMargins(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap,
                                                  const TGPRect& ADrawRect, int32_t ALeftMargin, int32_t ATopMargin,
                                                  int32_t ARightMargin, int32_t ABottomMargin,
                                                  TStretchMode AStretchMode) {
  DrawPieces(Graphics, ABitmap, ADrawRect, {ALeftMargin, ATopMargin, ARightMargin, ABottomMargin}, {},
             AStretchMode == smStretchBoth);
}

void TSkinHelper::StretchDrawImageInRectByMarginsAndClipMargins(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap,
                                                                const TGPRect& ADrawRect, int32_t ALeftMargin,
                                                                int32_t ATopMargin, int32_t ARightMargin,
                                                                int32_t ABottomMargin, int32_t AClipLeftMargin,
                                                                int32_t AClipTopMargin, int32_t AClipRightMargin,
                                                                int32_t AClipBottomMargin, TStretchMode AStretchMode) {
  DrawPieces(Graphics, ABitmap, ADrawRect, {ALeftMargin, ATopMargin, ARightMargin, ABottomMargin},
             {AClipLeftMargin, AClipTopMargin, AClipRightMargin, AClipBottomMargin}, AStretchMode == smStretchBoth);
}

void TSkinHelper::StretchDrawImageBorderInRectByMargins(Gdiplus::Graphics& Graphics, const IGPBitmap& ABitmap,
                                                        const TGPRect& ADrawRect, int32_t ALeftMargin,
                                                        int32_t ATopMargin, int32_t ARightMargin,
                                                        int32_t ABottomMargin) {
  DrawPieces(Graphics, ABitmap, ADrawRect, {ALeftMargin, ATopMargin, ARightMargin, ABottomMargin}, {}, false);
}

namespace {
Gdiplus::Color GpColor(TColor c) {
  return Gdiplus::Color(ColorToGPColor(c));
}

template <class Fill, class Outline>
void GradientShape(TColor AColor1, TColor AColor2, TColor ABorderColor, const TGPRect& R, bool AIsFill, bool AIsBorder,
                   int32_t ABorderWidth, Fill AFill, Outline AOutline) {
  if (!AIsFill && !AIsBorder) return;
  if (AIsFill) {
    Gdiplus::LinearGradientBrush brush(ToGp(R), GpColor(AColor1), GpColor(AColor2),
                                       Gdiplus::LinearGradientModeVertical);
    GpCheck(brush.GetLastStatus(), "LinearGradientBrush");
    AFill(brush);
  }
  if (AIsBorder) {
    Gdiplus::Pen pen(GpColor(ABorderColor), static_cast<Gdiplus::REAL>(ABorderWidth));
    GpCheck(pen.GetLastStatus(), "Pen");
    AOutline(pen);
  }
}
} // namespace

void TSkinHelper::DrawLinearGradientRect(Gdiplus::Graphics& Graphics, TColor AColor1, TColor AColor2,
                                         TColor ABorderColor, const TGPRect& ADrawRect, int32_t AMargin, bool AIsFill,
                                         bool AIsBorder, int32_t ABorderWidth) {
  const Gdiplus::Rect inner(ADrawRect.X + AMargin, ADrawRect.Y + AMargin, ADrawRect.Width - 2 * AMargin,
                            ADrawRect.Height - 2 * AMargin);
  GradientShape(
      AColor1, AColor2, ABorderColor, ADrawRect, AIsFill, AIsBorder, ABorderWidth,
      [&](Gdiplus::Brush& b) { GpCheck(Graphics.FillRectangle(&b, inner), "FillRectangle"); },
      [&](Gdiplus::Pen& p) { GpCheck(Graphics.DrawRectangle(&p, inner), "DrawRectangle"); });
}

void TSkinHelper::DrawLinearGradientRoundRect(Gdiplus::Graphics& Graphics, TColor AColor1, TColor AColor2,
                                              TColor ABorderColor, const TGPRect& ADrawRect, int32_t AMargin,
                                              int32_t AAngle, bool AIsFill, bool AIsBorder, int32_t ABorderWidth) {
  if (!AIsFill && !AIsBorder) return;
  const int32_t X = ADrawRect.X, Y = ADrawRect.Y, W = ADrawRect.Width, H = ADrawRect.Height, M = AMargin, D = AAngle;
  Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
  path.AddArc(X + M, Y + M, D - 1, D - 1, 180, 90);
  path.AddArc(X + W - M - D, Y + M, D - 1, D - 1, 270, 90);
  path.AddArc(X + W - M - D, Y + H - M - D, D - 1, D - 1, 0, 90);
  path.AddArc(X + M, Y + H - M - D, D - 1, D - 1, 90, 90);
  path.CloseFigure();
  GpCheck(path.GetLastStatus(), "GraphicsPath");
  GradientShape(
      AColor1, AColor2, ABorderColor, ADrawRect, AIsFill, AIsBorder, ABorderWidth,
      [&](Gdiplus::Brush& b) { GpCheck(Graphics.FillPath(&b, &path), "FillPath"); },
      [&](Gdiplus::Pen& p) { GpCheck(Graphics.DrawPath(&p, &path), "DrawPath"); });
}

} // namespace qelvane::GdiSkinHelper
