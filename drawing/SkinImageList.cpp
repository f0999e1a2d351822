#include "drawing/SkinImageList.h"

namespace qelvane {

int32_t TSkinImageList::AddImage(IGPBitmap AImage) {
  FBitmaps.emplace_back(std::move(AImage));
  Changed();
  return Count() - 1;
}

void TSkinImageList::InsertImage(int32_t Index, IGPBitmap AImage) {
  if (Index < 0 || Index > Count()) return;
  FBitmaps.emplace(FBitmaps.begin() + Index, std::move(AImage));
  Changed();
}

void TSkinImageList::ReplaceImage(int32_t Index, IGPBitmap AImage) {
  if (!Valid(Index)) return;
  FBitmaps[static_cast<size_t>(Index)].SetBitmap(std::move(AImage));
  Changed();
}

void TSkinImageList::Delete(int32_t Index) {
  if (!Valid(Index)) return;
  FBitmaps.erase(FBitmaps.begin() + Index);
  Changed();
}

void TSkinImageList::Clear() {
  // Items are released from the first on.
  for (TIconBitmapItem& item : FBitmaps)
    item.SetBitmap(nullptr);
  FBitmaps.clear();
  Changed();
}

IGPBitmap TSkinImageList::GetImage(int32_t Index) const {
  return Valid(Index) ? FBitmaps[static_cast<size_t>(Index)].Bitmap() : nullptr;
}

} // namespace qelvane
