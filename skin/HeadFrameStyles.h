#pragma once
// Head frame styles: an active and a normal frame image with one margin.
#include <memory>
#include <string>

#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

class TSkinHeadFrameStyleItem : public TBaseSkinStyleItem {
public:
  TSkinHeadFrameStyleItem();
  ~TSkinHeadFrameStyleItem() override;

  int32_t FrameMargin() const { return FFrameMargin; }
  // Keeps the margin and gives it to both elements on all four sides.
  void SetFrameMargin(int32_t Value);
  const IGPBitmap& FrameActive() const { return FFrameActive; }
  const IGPBitmap& FrameNormal() const { return FFrameNormal; }
  // Keep the image and, when it is not empty, give it to its element with the
  // current frame margin on all sides, stretched both ways.
  void SetFrameActive(const IGPBitmap& Value);
  void SetFrameNormal(const IGPBitmap& Value);
  TGDIIMGADV* FrameActiveElement() const { return FFrameActiveElement.get(); }
  TGDIIMGADV* FrameNormalElement() const { return FFrameNormalElement.get(); }

private:
  IGPBitmap FFrameActive, FFrameNormal;
  int32_t FFrameMargin = 4;
  std::unique_ptr<TGDIIMGADV> FFrameActiveElement, FFrameNormalElement;
};

class TSkinHeadFrameStyles : public TSkinStyleCollection<TSkinHeadFrameStyleItem> {
public:
  // One item per folder under ControlStyle\<node name>. Failures reach the caller.
  explicit TSkinHeadFrameStyles(TSkinMng& AOwner) : TSkinStyleCollection(AOwner, L"TSkinHeadFrameStyles", {}) {}
  // The two frame images and the frame margin.
  void LoadStyleItem(TSkinHeadFrameStyleItem* AItem, const std::wstring& AStyleNodeName) override;
};

} // namespace qelvane
