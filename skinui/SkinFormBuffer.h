#pragma once
// What a skinned form offers the controls on it: its composed client image
// and the built background of its background item, so that a transparent
// control can copy the pixels under it without making the form paint.
#include "drawing/GdiBitmap.h"

namespace qelvane {

class ISkinFormBuffer {
public:
  virtual ~ISkinFormBuffer() = default;
  // The form's whole client image.
  virtual const TGdiBitmap& FormBufferBitmap() const = 0;
  // The built background of the form's background item; null without one.
  virtual const TGdiBitmap* BackgroundBufferBitmap() const = 0;
};

} // namespace qelvane
