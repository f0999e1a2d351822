#pragma once
// TImage: a picture box without a window. Shows a PNG (or any picture GDI+
// decodes) at its own size or stretched over the control, with the
// picture's transparency over whatever the parent painted.
#include <cstdint>
#include <span>

#include "drawing/GPBitmap.h"
#include "drawing/GdiPlusSession.h"
#include "ui/CustomControl.h"

namespace qelvane {

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TImage"; }

  const IGPBitmap& Picture() const { return FPicture; }
  // Shares the bitmap (pictures are reference counted); repaints.
  void SetPicture(const IGPBitmap& Value);
  // Decodes picture bytes (PNG, JPEG, ...); an undecodable picture throws.
  void LoadFromBytes(std::span<const uint8_t> ABytes);

  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // Transparent: the picture's alpha shows the parent; otherwise the control
  // is first filled with its colour.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool Center = false;
  // While disabled (itself or through a parent) the image shows this
  // picture, washed out in grey, instead of its own: the disabled look of a
  // picture button whose art has none. Null (the default): a disabled image
  // looks as an enabled one.
  const IGPBitmap& DisabledPicture() const { return FDisabledPicture; }
  void SetDisabledPicture(const IGPBitmap& Value);

protected:
  void Paint() override;

private:
  TGdiPlusLease FLease;
  IGPBitmap FPicture;
  IGPBitmap FDisabledPicture;
  bool FStretch = false;
  bool FTransparent = false;
};

} // namespace qelvane
