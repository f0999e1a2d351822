#pragma once
// TGDIIMG: an image element that draws its bitmap at its own size or
// stretched to the element's size.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/DrawingTypes.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdiObject.h"

namespace qelvane {

class TGDIIMG : public TGDIObject {
public:
  TGDIIMG();
  explicit TGDIIMG(const std::wstring& AFileName);
  std::wstring_view ClassName() const override { return L"TGDIIMG"; }

  const std::wstring& FileName() const { return FFileName; }
  // Loads the file (embedded colour management off) when it exists, else
  // clears the image.
  void SetFileName(const std::wstring& Value);

  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value) { FStretch = Value; }
  bool IsLocal = true;

  const IGPBitmap& Image() const { return FImage; }
  // An empty handle clears the image.
  virtual void SetImage(const IGPBitmap& Value);
  // Decodes an encoded image (embedded colour management on); the bitmap
  // owns the bytes. Undecodable bytes are logged and leave the image as it was.
  virtual void SetImageStream(std::vector<uint8_t> AStream);
  // Nil clears the image; otherwise the picture's bytes go to SetImageStream.
  virtual void SetImageGraphic(const TGraphic* AGraphic);

  // Size of the image; 0 without one.
  int32_t ImageWidth();
  int32_t ImageHeight();

  // The image at (X, Y): at its own size, or with Stretch into Width x Height.
  virtual void DrawImage(Gdiplus::Graphics& AGPGraph, int32_t X, int32_t Y);
  // Element size := image size.
  virtual void SuitImageSize();

  // DrawImage at the element's point plus the origin, when there is an image.
  void Draw(Gdiplus::Graphics& AGPGraph, int32_t AOriginX, int32_t AOriginY) override;

  bool LoadFromXMLNode(const TXmlNode* AXMLNode) override;
  bool SaveToXMLNode(TXmlNode* AXMLNode) override;

protected:
  std::wstring FFileName;
  bool FStretch = false;
  IGPBitmap FImage;
};

} // namespace qelvane
