#pragma once
// TGDIIMGADV: the frame element of buttons, panels and tabs. Its nine parts
// are built at the largest size it was ever drawn and cropped to the current
// size when composing.
#include "drawing/GdiMarginImage.h"

namespace qelvane {

class TGDIIMGADV : public TGDIMarginImage {
public:
  TGDIIMGADV() = default;
  ~TGDIIMGADV() override;
  std::wstring_view ClassName() const override { return L"TGDIIMGADV"; }

  void Build() override;
  void UnBuild() override;

  // Size the parts were built for (they only grow until UnBuild).
  int32_t LastPartWidth() const { return FLastPartWidth; }
  int32_t LastPartHeight() const { return FLastPartHeight; }

private:
  void Compose(int32_t W, int32_t H);
  void FillCentre(Gdiplus::Graphics& G, const TGPRect& ATarget);

  int32_t FLastPartWidth = 0, FLastPartHeight = 0;
};

} // namespace qelvane
