#include "drawing/GdiMarginImage.h"

#include "drawing/DrawingErrors.h"

namespace qelvane {

const wchar_t* PartOperationName(TPieceIndex AIndex) {
  static const wchar_t* const names[] = {L"DrawLeftTopBlock",     L"DrawRightTopBlock", L"DrawLeftBottomBlock",
                                         L"DrawRightBottomBlock", L"DrawTopSide",       L"DrawBottomSide",
                                         L"DrawLeftSide",         L"DrawRightSide",     L"BuildBuffer"};
  return names[AIndex];
}

TGDIMarginImage::TGDIMarginImage() = default;

TGDIMarginImage::~TGDIMarginImage() = default;

void TGDIMarginImage::SetStrecthMode(TStretchMode Value) {
  if (Value == FStrecthMode) return;
  FStrecthMode = Value;
  FMarginChanged = true; // the centre block is filled by the mode
}

void TGDIMarginImage::SetMargin(int32_t ALeftMargin, int32_t ATopMargin, int32_t ARightMargin, int32_t ABottomMargin) {
  SetTopMargin(ATopMargin);
  SetRightMargin(ARightMargin);
  SetLeftMargin(ALeftMargin);
  SetBottomMargin(ABottomMargin);
}

void TGDIMarginImage::SetClipMargin(int32_t AClipLeftMargin, int32_t AClipTopMargin, int32_t AClipRightMargin,
                                    int32_t AClipBottomMargin) {
  SetClipTopMargin(AClipTopMargin);
  SetClipRightMargin(AClipRightMargin);
  SetClipLeftMargin(AClipLeftMargin);
  SetClipBottomMargin(AClipBottomMargin);
}

void TGDIMarginImage::ReleaseParts() {
  for (TPart& p : FParts)
    p.Reset();
}

void TGDIMarginImage::UnBuild() {
  Guard(L"SetImage", [&] {
    FLastDrawWidth = FLastDrawHeight = 0;
    FClipMarginChanged = FMarginChanged = true;
    FBufferGPBitmap.reset();
    FClipImage.reset();
    FLastImage.reset();
    ReleaseParts();
    FBuilded = false;
  });
}

void TGDIMarginImage::SetImage(const IGPBitmap& Value) {
  TGDIIMG::SetImage(Value);
  if (!Value) UnBuild();
}

void TGDIMarginImage::SaveToFile(const std::wstring& AFileName) {
  Guard(L"SaveToFile", [&] {
    if (!FBufferGPBitmap) throw EDrawingError(std::string("nothing built to save"));
    SaveBitmapToFile(FBufferGPBitmap->Native(), AFileName, EncoderClsid(L"image/png"));
  });
}

void TGDIMarginImage::DrawImage(Gdiplus::Graphics& AGPGraph, int32_t X, int32_t Y) {
  Build();
  Guard(L"DrawImage", [&] {
    if (!FBufferGPBitmap) return;
    const int32_t w = FBufferGPBitmap->Width(), h = FBufferGPBitmap->Height();
    DrawImagePiece(AGPGraph, FBufferGPBitmap->Native(), {X, Y, w, h}, {0, 0, w, h});
  });
}

void TGDIMarginImage::SuitImageSize() {
  SetWidth(ImageWidth() - FClipLeftMargin - FClipRightMargin);
  SetHeight(ImageHeight() - FClipTopMargin - FClipBottomMargin);
}

void TGDIMarginImage::BuildClipImage() {
  FClipMarginChanged = false;
  FClipImage.reset();
  if (!FImage) return;
  if (FClipLeftMargin == 0 && FClipTopMargin == 0 && FClipRightMargin == 0 && FClipBottomMargin == 0) {
    FClipImage = FImage;
    return;
  }
  const int64_t w = int64_t(FImage->Width()) - FClipLeftMargin - FClipRightMargin;
  const int64_t h = int64_t(FImage->Height()) - FClipTopMargin - FClipBottomMargin;
  if (w <= 0 || h <= 0 || w > INT32_MAX || h > INT32_MAX) return; // nothing left to show
  IGPBitmap clip = TGPBitmap::Create(static_cast<int32_t>(w), static_cast<int32_t>(h));
  DrawImagePiece(*NewGraphics(clip), FImage->Native(), {0, 0, static_cast<int32_t>(w), static_cast<int32_t>(h)},
                 {FClipLeftMargin, FClipTopMargin, static_cast<int32_t>(w), static_cast<int32_t>(h)});
  FClipImage = clip;
}

std::array<TImagePiece, 9> TGDIMarginImage::Pieces(int32_t AW, int32_t AH) const {
  return MarginPieces({0, 0, AW, AH}, qelvane::ImageWidth(FClipImage), qelvane::ImageHeight(FClipImage),
                      {FLeftMargin, FTopMargin, FRightMargin, FBottomMargin});
}

TGPRect TGDIMarginImage::CentrePiece() const {
  return Pieces(0, 0)[piCentre].Src;
}

bool TGDIMarginImage::MakePart(TPart& APart, const wchar_t* AOperation, int32_t AW, int32_t AH, bool AGdi,
                               const std::function<void(Gdiplus::Graphics&)>& AFill) {
  return Guard(AOperation, [&] {
    std::unique_ptr<Gdiplus::Graphics> g;
    if (AGdi) {
      APart.GDI = std::make_unique<TGdiBitmap>(AW, AH);
      g = std::make_unique<Gdiplus::Graphics>(APart.GDI->DC());
      GpCheck(g->GetLastStatus(), "Graphics(HDC)");
    } else {
      APart.GP = TGPBitmap::Create(AW, AH);
      g = NewGraphics(APart.GP);
    }
    APart.W = AW;
    APart.H = AH;
    AFill(*g);
  });
}

} // namespace qelvane
