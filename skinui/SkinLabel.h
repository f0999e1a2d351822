#pragma once
// TSkinLabel: a caption drawn with GDI+ over the parent's image. With
// AutoSize (the default) it takes the size of its text whenever the caption
// or the font changes, and wraps to the width left beside its parent's right
// edge by growing in height.
#include <memory>

#include "drawing/GdiText.h"
#include "skinui/SkinControl.h"

namespace qelvane {

class TSkinLabel : public TSkinCustomControl {
public:
  explicit TSkinLabel(TComponent* AOwner);
  ~TSkinLabel() override;
  std::wstring_view ClassName() const override { return L"TSkinLabel"; }

  bool AutoSize() const { return FAutoSize; }
  // Stores the value and, when it is set, sizes the label to its text now.
  void SetAutoSize(bool Value);
  TGDIText& CaptionText() { return *FCaptionText; }
  // The parent's size at the last automatic sizing (0 before any).
  int32_t LastParentWidth() const { return FLastParentWidth; }
  int32_t LastParentHeight() const { return FLastParentHeight; }

  void CMFontChanged() override;
  void CMTextChanged() override;

protected:
  void Loaded() override;
  void AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void DesignPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void ChangeSkinBackGroundItem(TBaseSkinItem* AItem) override;
  // Draws the caption from (0, 0), laid out in the label's size widened by
  // one ideographic space.
  virtual void DrawLabelCaption(Gdiplus::Graphics& Graphics);

  TLogSubject Subject() const { return {ClassName(), Name()}; }

private:
  bool FAutoSize = true;
  std::unique_ptr<TGDIText> FCaptionText;
  int32_t FLastParentWidth = 0;
  int32_t FLastParentHeight = 0;
};

// The ideographic space that labels and check boxes add to their text width.
inline constexpr wchar_t kIdeographicSpace[] = L"\u3000";

} // namespace qelvane
