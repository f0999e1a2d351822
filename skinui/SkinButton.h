#pragma once
// TSkinButton: a push button drawn from skin images, one per state (normal,
// hover, down, disabled, focused), each stretched over the whole button by
// nine-grid margins, with the caption on top. The images come from a named
// button style of the skin; a button that shows the style's own images draws
// them through the style's prepared elements, other images get elements of
// the button's own.
#include <array>
#include <memory>
#include <string>

#include "core/layout/ButtonRules.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiText.h"
#include "skin/ButtonStyles.h"
#include "skinui/SkinControl.h"

namespace qelvane {

class TSkinButton : public TSkinCustomControl {
public:
  explicit TSkinButton(TComponent* AOwner);
  ~TSkinButton() override;
  std::wstring_view ClassName() const override { return L"TSkinButton"; }

  // The style's name in the skin's button styles; setting it (even to the
  // current name) takes the style's images again.
  const std::wstring& ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(const std::wstring& Value);
  // The style item in use, or null (never kept across a skin load).
  TSkinButtonStyleItem* ButtonStyleItem() const { return FButtonStyleItem; }

  // State images. A new image is prepared at the next paint; setting one
  // does not repaint.
  const IGPBitmap& NormalBitmap() const { return FStates[Index(TButtonImage::Normal)].Bitmap; }
  const IGPBitmap& HoverBitmap() const { return FStates[Index(TButtonImage::Hover)].Bitmap; }
  const IGPBitmap& DownBitmap() const { return FStates[Index(TButtonImage::Down)].Bitmap; }
  const IGPBitmap& DisabledBitmap() const { return FStates[Index(TButtonImage::Disabled)].Bitmap; }
  const IGPBitmap& FocusedBitmap() const { return FStates[Index(TButtonImage::Focused)].Bitmap; }
  void SetNormalBitmap(const IGPBitmap& Value);
  void SetHoverBitmap(const IGPBitmap& Value);
  void SetDownBitmap(const IGPBitmap& Value);
  void SetDisabledBitmap(const IGPBitmap& Value);
  void SetFocusedBitmap(const IGPBitmap& Value);

  // Nine-grid margins of the button's own elements (stored only).
  int32_t HorzBitmapMargin() const { return FHorzBitmapMargin; }
  void SetHorzBitmapMargin(int32_t Value) { FHorzBitmapMargin = Value; }
  int32_t VertBitmapMargin() const { return FVertBitmapMargin; }
  void SetVertBitmapMargin(int32_t Value) { FVertBitmapMargin = Value; }

  // Transprent: the normal and disabled images are not drawn, so the
  // resting button shows only its parent and caption. Stored only.
  bool Transprent() const { return FTransprent; }
  void SetTransprent(bool Value) { FTransprent = Value; }
  // Draw the icon and the caption. Stored only.
  bool IsDrawIconCaption() const { return FIsDrawIconCaption; }
  void SetIsDrawIconCaption(bool Value) { FIsDrawIconCaption = Value; }

  // The left button is held down on the button.
  bool IsMouseDown() const { return FMouseDown; }
  TGDIText& CaptionText() { return *FCaptionText; }

  // The element that draws a state: the style item's shared one while the
  // button shows the style's own image, otherwise the button's own. Null
  // after a logged failure.
  TGDIIMGADV* GetNormalBitmapElement() { return GetStateElement(TButtonImage::Normal); }
  TGDIIMGADV* GetHoverBitmapElement() { return GetStateElement(TButtonImage::Hover); }
  TGDIIMGADV* GetDownBitmapElement() { return GetStateElement(TButtonImage::Down); }
  TGDIIMGADV* GetDisabledBitmapElement() { return GetStateElement(TButtonImage::Disabled); }
  TGDIIMGADV* GetFocusedBitmapElement() { return GetStateElement(TButtonImage::Focused); }

  // Toolkit notices: every change of hover, press, enabled, focus, caption
  // or font repaints the button's own image.
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  // The release of a double-click's second press is no second click: one
  // double-click gives one Click and one DblClick.
  void Click() override;
  void CMEnabledChanged() override;
  void CMFocusChanged(bool AFocused) override;
  void CMTextChanged() override;
  void CMFontChanged() override;
  // Alt seen as a dialog key arms the accelerator; the caption's accelerator
  // character then clicks the button once.
  bool CMDialogKey(WORD Key, TShiftState Shift) override;
  bool CMDialogChar(wchar_t Char) override;

protected:
  void WndProc(TMessage& Message) override;
  void Loaded() override;
  void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void DesignPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  void ChangeSkinFile() override;
  void ChangeSkinBackGroundItem(TBaseSkinItem* AItem) override;

  // Finds the style item by name; false after a logged failure.
  virtual bool SetButtonStyleItem();
  // Takes the style item's five images (nothing while designing, without an
  // item or without a loaded skin).
  virtual void LoadSkinResource();
  // Icon hooks: empty here; a descendant with an icon fills them in.
  virtual void AdjustDrawIconRect(Gdiplus::Graphics& Graphics, const TGPRect& ARect, TGPRect& AIconRect);
  virtual void DrawIcon(Gdiplus::Graphics& Graphics, const TGPRect& AIconRect);
  virtual void AdjustDrawCaptionRect(Gdiplus::Graphics& Graphics, const TGPRect& ARect, const TGPRect& AIconRect,
                                     TGPRect& ACaptionRect);
  virtual void DrawCaption(Gdiplus::Graphics& Graphics, const TGPRect& ACaptionRect);
  void DrawIconCaption(Gdiplus::Graphics& Graphics, const TGPRect& ARect);

  TLogSubject Subject() const { return {ClassName(), Name()}; }

private:
  struct TStateImage {
    IGPBitmap Bitmap;
    std::unique_ptr<TGDIIMGADV> Element; // the button's own, made on first use
    bool NeedInit = true;                // Element must take Bitmap
  };
  static constexpr std::size_t Index(TButtonImage AImage) { return static_cast<std::size_t>(AImage); }
  void SetStateBitmap(TButtonImage AImage, const IGPBitmap& Value, const wchar_t* AOperation);
  TGDIIMGADV* GetStateElement(TButtonImage AImage);

  std::unique_ptr<TGDIText> FCaptionText;
  TSkinButtonStyleItem* FButtonStyleItem = nullptr;
  std::wstring FButtonStyle;
  bool FMouseDown = false;
  bool FDoublePress = false; // the press held now is a double-click's second
  bool FAltKey = false;
  std::array<TStateImage, 5> FStates;
  int32_t FHorzBitmapMargin = 3;
  int32_t FVertBitmapMargin = 3;
  bool FTransprent = false;
  bool FIsDrawIconCaption = false;
};

} // namespace qelvane
