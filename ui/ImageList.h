#pragma once
// TImageList: a list of same-sized pictures picked by index.
#include <cstdint>
#include <vector>

#include "drawing/GPBitmap.h"
#include "ui/Component.h"

namespace qelvane {

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* AOwner) : TComponent(AOwner) {}
  std::wstring_view ClassName() const override { return L"TImageList"; }

  int32_t Width = 16, Height = 16;
  int32_t Count() const { return static_cast<int32_t>(FImages.size()); }
  void Add(const IGPBitmap& AImage) { FImages.push_back(AImage); }
  // The picture at AIndex; empty for an index outside the list.
  IGPBitmap GetBitmap(int32_t AIndex) const {
    return AIndex >= 0 && AIndex < Count() ? FImages[static_cast<size_t>(AIndex)] : IGPBitmap();
  }

private:
  std::vector<IGPBitmap> FImages;
};

} // namespace qelvane
