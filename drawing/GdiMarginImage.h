#pragma once
// TGDIMarginImage: what the three margin-drawn image elements share (clip
// margins, margins, stretch mode, the clip image, the nine parts and the
// composed bitmap). The elements themselves are TGDIIMGADV, TGDIBIGIMGPro
// and TGDIIMGPro.
//
// Caching: an element remembers the image and size it last built for and
// rebuilds only what a change makes stale: the clip image after a clip-margin
// or image change, the parts after a margin, clip, stretch-mode or image
// change (or growth, where parts are sized to the largest draw), the
// composition after any of these or a size change. A repaint with nothing
// changed draws the cached composition.
#include <windows.h>

#include <gdiplus.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "core/gfx/MarginPieces.h"
#include "drawing/GdiBitmap.h"
#include "drawing/GdiImage.h"

namespace qelvane {

class TGDIMarginImage : public TGDIIMG {
public:
  TGDIMarginImage();
  ~TGDIMarginImage() override;

  bool Builded() const { return FBuilded; }

  TStretchMode StrecthMode() const { return FStrecthMode; }
  void SetStrecthMode(TStretchMode Value);

  // Margins, set in the order top, right, left, bottom; an unchanged value
  // marks nothing.
  void SetMargin(int32_t ALeftMargin, int32_t ATopMargin, int32_t ARightMargin, int32_t ABottomMargin);
  void SetMargin(const TMargin& Value) {
    SetMargin(Value.LeftMargin, Value.TopMargin, Value.RightMargin, Value.BottomMargin);
  }
  TMargin Margin() const { return {FTopMargin, FLeftMargin, FRightMargin, FBottomMargin}; }
  int32_t TopMargin() const { return FTopMargin; }
  int32_t LeftMargin() const { return FLeftMargin; }
  int32_t RightMargin() const { return FRightMargin; }
  int32_t BottomMargin() const { return FBottomMargin; }
  void SetTopMargin(int32_t Value) { SetMarginValue(FTopMargin, Value, FMarginChanged); }
  void SetLeftMargin(int32_t Value) { SetMarginValue(FLeftMargin, Value, FMarginChanged); }
  void SetRightMargin(int32_t Value) { SetMarginValue(FRightMargin, Value, FMarginChanged); }
  void SetBottomMargin(int32_t Value) { SetMarginValue(FBottomMargin, Value, FMarginChanged); }

  void SetClipMargin(int32_t AClipLeftMargin, int32_t AClipTopMargin, int32_t AClipRightMargin,
                     int32_t AClipBottomMargin);
  void SetClipMargin(const TMargin& Value) {
    SetClipMargin(Value.LeftMargin, Value.TopMargin, Value.RightMargin, Value.BottomMargin);
  }
  TMargin ClipMargin() const { return {FClipTopMargin, FClipLeftMargin, FClipRightMargin, FClipBottomMargin}; }
  int32_t ClipTopMargin() const { return FClipTopMargin; }
  int32_t ClipLeftMargin() const { return FClipLeftMargin; }
  int32_t ClipRightMargin() const { return FClipRightMargin; }
  int32_t ClipBottomMargin() const { return FClipBottomMargin; }
  void SetClipTopMargin(int32_t Value) { SetMarginValue(FClipTopMargin, Value, FClipMarginChanged); }
  void SetClipLeftMargin(int32_t Value) { SetMarginValue(FClipLeftMargin, Value, FClipMarginChanged); }
  void SetClipRightMargin(int32_t Value) { SetMarginValue(FClipRightMargin, Value, FClipMarginChanged); }
  void SetClipBottomMargin(int32_t Value) { SetMarginValue(FClipBottomMargin, Value, FClipMarginChanged); }

  // The composed 32 bpp ARGB result (empty until built).
  const IGPBitmap& Bitmap() const { return FBufferGPBitmap; }
  // The image with the clip margins cut off (the image itself without them).
  const IGPBitmap& ClipImage() const { return FClipImage; }
  // One of the nine parts, for inspection; empty when not made.
  IGPBitmap Part(TPieceIndex AIndex) const { return FParts[AIndex].GP; }

  // Brings the composition up to date for the current image, margins and size.
  virtual void Build() = 0;
  // Back to the unbuilt state: everything built is released.
  virtual void UnBuild();

  // Saves the composition as a PNG file.
  void SaveToFile(const std::wstring& AFileName);

  // An empty image also unbuilds.
  void SetImage(const IGPBitmap& Value) override;
  // Build, then the composition at (X, Y) at its own size.
  void DrawImage(Gdiplus::Graphics& AGPGraph, int32_t X, int32_t Y) override;
  // Element size := image size minus the clip margins.
  void SuitImageSize() override;

protected:
  struct TPart {
    IGPBitmap GP;
    std::unique_ptr<TGdiBitmap> GDI;
    int32_t W = 0, H = 0;
    bool Exists() const { return W > 0 && H > 0; }
    void Reset() {
      GP.reset();
      GDI.reset();
      W = H = 0;
    }
  };

  // The clip image from the image and the clip margins. Clip margins that
  // leave nothing give no clip image.
  void BuildClipImage();
  // The nine parts at part size APW x APH, as GDI+ bitmaps or, with AGdi,
  // GDI bitmaps. The centre block is filled by ACentre (target: the whole
  // block), logged as ACentreOperation. False when a part failed (logged).
  template <class FCentre>
  bool BuildParts(int32_t APW, int32_t APH, bool AGdi, const wchar_t* ACentreOperation, FCentre&& ACentre);
  // Pieces of the clip image by the margins, with destinations in W x H.
  std::array<TImagePiece, 9> Pieces(int32_t AW, int32_t AH) const;
  // The centre piece of the clip image.
  TGPRect CentrePiece() const;
  void ReleaseParts();

  bool FBuilded = false;
  TStretchMode FStrecthMode = smStretchBoth;
  int32_t FTopMargin = 0, FRightMargin = 0, FLeftMargin = 0, FBottomMargin = 0;
  int32_t FClipTopMargin = 0, FClipRightMargin = 0, FClipLeftMargin = 0, FClipBottomMargin = 0;
  IGPBitmap FBufferGPBitmap;
  IGPBitmap FClipImage;
  IGPBitmap FLastImage;
  int32_t FLastDrawWidth = 0, FLastDrawHeight = 0;
  bool FClipMarginChanged = true;
  bool FMarginChanged = true;
  std::array<TPart, 9> FParts;

private:
  static void SetMarginValue(int32_t& AField, int32_t AValue, bool& AChanged) {
    if (AField == AValue) return;
    AField = AValue;
    AChanged = true;
  }
  bool MakePart(TPart& APart, const wchar_t* AOperation, int32_t AW, int32_t AH, bool AGdi,
                const std::function<void(Gdiplus::Graphics&)>& AFill);
};

// Operation names of the part builders, by piece index.
const wchar_t* PartOperationName(TPieceIndex AIndex);

template <class FCentre>
bool TGDIMarginImage::BuildParts(int32_t APW, int32_t APH, bool AGdi, const wchar_t* ACentreOperation,
                                 FCentre&& ACentre) {
  ReleaseParts();
  FMarginChanged = false;
  if (!FClipImage) return true;
  const int32_t L = FLeftMargin, T = FTopMargin, R = FRightMargin, B = FBottomMargin;
  const int64_t cw = int64_t(APW) - L - R, ch = int64_t(APH) - T - B;
  const int32_t sideW = cw > 0 && cw <= INT32_MAX ? static_cast<int32_t>(cw) : 0;
  const int32_t sideH = ch > 0 && ch <= INT32_MAX ? static_cast<int32_t>(ch) : 0;
  const std::array<std::pair<int32_t, int32_t>, 9> sizes = {
      {{L, T}, {R, T}, {L, B}, {R, B}, {sideW, T}, {sideW, B}, {L, sideH}, {R, sideH}, {sideW, sideH}}};
  const auto pieces = Pieces(APW, APH);
  bool ok = true;
  for (int i = 0; i < 9; ++i) {
    auto [w, h] = sizes[i];
    if (w <= 0 || h <= 0) continue;
    const TGPRect src = pieces[i].Src;
    if (i == piCentre) {
      ok &= MakePart(FParts[i], ACentreOperation, w, h, AGdi, [&](Gdiplus::Graphics& g) {
        ACentre(g, TGPRect{0, 0, w, h});
      });
    } else {
      ok &= MakePart(FParts[i], PartOperationName(static_cast<TPieceIndex>(i)), w, h, AGdi, [&](Gdiplus::Graphics& g) {
        DrawImagePiece(g, FClipImage->Native(), {0, 0, w, h}, src);
      });
    }
  }
  return ok;
}

} // namespace qelvane
