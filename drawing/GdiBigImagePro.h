#pragma once
// TGDIBIGIMGPro: the big-image element of window backgrounds and textures.
// Its parts are built once at (at least) screen size; it composes into a
// GDI+ bitmap (bbisGPBitmap) or a GDI bitmap with block transfers (bbisBitmap,
// used by copying BufferBitmap(), not by Paint). Without Stretch the centre
// is the picture at its own size on opaque white.
#include "drawing/GdiBitmap.h"
#include "drawing/GdiMarginImage.h"

namespace qelvane {

enum TBuildBufferImageStyle : uint8_t {
  bbisBitmap = 0,   // GDI bitmaps and block transfers (no alpha)
  bbisGPBitmap = 1, // GDI+ 32 bpp ARGB bitmaps and GDI+ drawing
};

class TGDIBIGIMGPro : public TGDIMarginImage {
public:
  TGDIBIGIMGPro();
  ~TGDIBIGIMGPro() override;
  std::wstring_view ClassName() const override { return L"TGDIBIGIMGPro"; }

  void Build() override;
  void UnBuild() override;

  const IGPBitmap& BufferGPBitmap() const { return FBufferGPBitmap; }
  const TGdiBitmap& BufferBitmap() const { return FBufferBitmap; }

  // Size the parts are built at: the screen's size at construction, raised
  // to every larger draw size. Parts are rebuilt when it changes.
  int32_t MaxDrawWidth = 0, MaxDrawHeight = 0;
  TBuildBufferImageStyle BuildBufferImageStyle = bbisGPBitmap;

private:
  void Compose(int32_t W, int32_t H);
  void FillCentre(Gdiplus::Graphics& G, const TGPRect& ATarget);
  const wchar_t* CentreOperation() const;

  TGdiBitmap FBufferBitmap;
  int32_t FPartWidth = 0, FPartHeight = 0;
  bool FPartsGdi = false;
};

} // namespace qelvane
