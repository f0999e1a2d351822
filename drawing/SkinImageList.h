#pragma once
// TSkinImageList: an ordered list of bitmaps with a change event (the page
// control's tab icons). Indexes outside the list are ignored.
#include <cstdint>
#include <functional>
#include <vector>

#include "drawing/GPBitmap.h"

namespace qelvane {

class TSkinImageList;

// One entry: a counted reference to its bitmap.
class TIconBitmapItem {
public:
  explicit TIconBitmapItem(IGPBitmap ABitmap) : FBufferGPBitmap(std::move(ABitmap)) {}
  const IGPBitmap& Bitmap() const { return FBufferGPBitmap; }
  void SetBitmap(IGPBitmap ABitmap) { FBufferGPBitmap = std::move(ABitmap); }

private:
  IGPBitmap FBufferGPBitmap;
};

class TSkinImageList {
public:
  TSkinImageList() = default;
  // Frees the items without notifying: the owner may be going away too.
  ~TSkinImageList() {
    OnChange = nullptr;
    Clear();
  }
  TSkinImageList(const TSkinImageList&) = delete;
  TSkinImageList& operator=(const TSkinImageList&) = delete;

  // Appends; returns the new index.
  int32_t AddImage(IGPBitmap AImage);
  // Inserts at 0 .. Count(); other indexes change nothing.
  void InsertImage(int32_t Index, IGPBitmap AImage);
  void ReplaceImage(int32_t Index, IGPBitmap AImage);
  void Delete(int32_t Index);
  // Frees every item and fires OnChange once.
  void Clear();
  // The bitmap at Index, empty outside the list.
  IGPBitmap GetImage(int32_t Index) const;
  int32_t Count() const { return static_cast<int32_t>(FBitmaps.size()); }

  std::function<void(TSkinImageList* Sender)> OnChange;

private:
  bool Valid(int32_t Index) const { return Index >= 0 && Index < Count(); }
  void Changed() {
    if (OnChange) OnChange(this);
  }
  std::vector<TIconBitmapItem> FBitmaps;
};

} // namespace qelvane
