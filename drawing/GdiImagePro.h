#pragma once
// TGDIIMGPro: a simpler margin element that draws everything into one
// buffer (the popup menu's images, always smStretchBoth). In other modes the
// buffer is MaxDrawWidth x MaxDrawHeight and drawn whole.
#include "drawing/GdiMarginImage.h"

namespace qelvane {

class TGDIIMGPro : public TGDIMarginImage {
public:
  TGDIIMGPro();
  std::wstring_view ClassName() const override { return L"TGDIIMGPro"; }

  void Build() override;

  int32_t MaxDrawWidth = 0, MaxDrawHeight = 0;

private:
  void BuildBuffer(int32_t W, int32_t H);
};

} // namespace qelvane
