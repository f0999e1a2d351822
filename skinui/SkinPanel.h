#pragma once
// TSkinPanel: a container that shows its parent through it and, when given a
// bitmap, a nine-grid background stretched over the whole panel with 8-pixel
// margins. With RedrawAllChildren, moving, showing or hiding the panel has
// every windowed control inside it fetch its parent's image again.
#include <memory>

#include "drawing/GdiImageAdv.h"
#include "skinui/SkinControl.h"

namespace qelvane {

class TSkinPanel : public TSkinCustomControl {
public:
  explicit TSkinPanel(TComponent* AOwner);
  ~TSkinPanel() override;
  std::wstring_view ClassName() const override { return L"TSkinPanel"; }

  // Stored, realigns the children and repaints; the panel draws no caption.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The background image (none: the panel is fully transparent).
  const IGPBitmap& Bitmap() const { return FBitmap; }
  void SetBitmap(const IGPBitmap& Value);
  bool RedrawAllChildren = false;

  void CMShowingChanged() override;

protected:
  void WndProc(TMessage& Message) override;
  void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;

  TLogSubject Subject() const { return {ClassName(), Name()}; }

private:
  TAlignment FAlignment = taCenter;
  IGPBitmap FBitmap;
  std::unique_ptr<TGDIIMGADV> FBitmapElement;
};

} // namespace qelvane
