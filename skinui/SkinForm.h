#pragma once
// TBaseSkinForm: a top-level window without a system-drawn frame. The whole
// window is its client area; it draws background, title and frame from the
// skin into its buffer, clips itself to a rounded rectangle, answers hit
// tests itself (edges resize), moves when dragged by its surface, fades in
// and carries a layered drop shadow. It listens to the skin manager.
//
// TDefaultSkinForm adds the caption text and the minimise, maximise and
// close buttons.
#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>
#include <utility>

#include "drawing/GdiBitmap.h"
#include "drawing/GdiText.h"
#include "skin/FormStyles.h"
#include "skinui/ShadowFrame.h"
#include "skinui/SkinFormBuffer.h"
#include "skinui/SkinFormInfo.h"
#include "skinui/SystemButtons.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace qelvane {

class TBaseSkinItem;
class TSufferBackGroundItem;
class TGDIBIGIMGPro;

class TBaseSkinForm : public TForm, public ISkinFormBuffer, public ISkinFormTitleInfo {
public:
  explicit TBaseSkinForm(TComponent* AOwner);
  ~TBaseSkinForm() override;
  std::wstring_view ClassName() const override { return L"TBaseSkinForm"; }

  // ISkinFormBuffer.
  const TGdiBitmap& FormBufferBitmap() const override { return FBufferBitmap; }
  const TGdiBitmap* BackgroundBufferBitmap() const override;
  const TGdiBitmap& BufferBitmap() const { return FBufferBitmap; }

  int32_t TransparentTitleTop() const override { return FTransparentTitleTop; }
  void SetTransparentTitleTop(int32_t Value) { FTransparentTitleTop = Value; }
  bool IsEnabledTransparentTitle() const override { return FIsEnabledTransparentTitle; }
  void SetIsEnabledTransparentTitle(bool Value) { FIsEnabledTransparentTitle = Value; }
  bool ShowInTaskBar() const { return FShowInTaskBar; }
  void SetShowInTaskBar(bool Value);
  bool FullMove = true;
  bool MinButtonToClose() const { return FMinButtonToClose; }
  bool IsDrawCaption = true;
  bool NotDelayShow = true;
  bool ReSizeNotAlignControls = false;
  TSufferBackGroundItem* SufferBackGroundItem() const { return FSufferBackGroundItem; }
  TRect WindowRect() const { return {0, 0, Width(), Height()}; }
  TFormShadowFrame* ShadowFrame() const { return FShadowFrame; }
  // Whether the form wants its shadow (the skin's setting at each load):
  // attached while the form shows, detached when it closes.
  bool EnabledShadow() const { return FEnabledShadow; }
  void SetEnabledShadow(bool Value);
  bool IsFirstShowed() const { return FIsFirstShowed; }

  TRect GetClientRect() const override;
  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;

  // Composes the buffer (background when asked, after a resize or while none
  // was drawn; then the windowless controls and the caption) and copies it
  // to the window.
  virtual void RedrawWindow(bool ARedraw, bool ARegion);
  void RedrawTitle();
  void ReCreateWindow() { RecreateWnd(); }

  // Counts full compositions (the background rebuilt), for tests and benchmarks.
  int BackgroundBuilds() const { return FBackgroundBuilds; }

protected:
  virtual void LoadFormStyleItem();
  virtual void LoadSkinResource();
  virtual void ChangeSkinBackGroundFile(TBaseSkinItem* AItem) { ChangeSkinBackGroundItem(AItem); }
  virtual void ChangeSkinBackGroundColor(TBaseSkinItem* AItem) { ChangeSkinBackGroundItem(AItem); }
  virtual void ChangeSkinBackGroundCustomColor(TBaseSkinItem* AItem) { ChangeSkinBackGroundItem(AItem); }
  virtual void ChangeSkinFile();
  virtual void ChangeSkinBackGroundItem(TBaseSkinItem* AItem);
  virtual void DrawWindow(Gdiplus::Graphics& Graphics);
  virtual void DrawCaption(Gdiplus::Graphics& Graphics, const TGPRect& ARect);
  virtual void DrawChildControls(Gdiplus::Graphics& Graphics);
  virtual void SetWindowRegion(bool ARedraw);
  virtual void EraseBkgndWindow(HDC DC);

  void CreateParams(TCreateParams& Params) override;
  void CreateHandle() override;
  void DestroyHandle() override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void DoShow() override;
  void DoClose(TCloseAction& Action) override;
  bool Resizable() const;
  void SelectSufferBackGround(const std::wstring& AName);
  void DrawFormDrawSkinCustomControlList(Gdiplus::Graphics& Graphics);
  // Screen point to form coordinates.
  TPoint FormPoint(int32_t XPos, int32_t YPos) const;

  bool FIsFirstShowed = false;
  bool FIsFirstDrawedWindow = false;
  int32_t FTransparentTitleTop = 0;
  bool FIsEnabledTransparentTitle = false;
  TSkinFormStyleItem* FFormStyleItem = nullptr;
  bool FShowInTaskBar = true;
  bool FSkinLoaded = false;
  bool FMinButtonToClose = false;
  int32_t FBorderTopHeight = 3, FBorderLeftWidth = 3, FBorderRightWidth = 3, FBorderBottomHeight = 3;
  int32_t FAppCaptionX = 10, FAppCaptionY = 2;
  int32_t FTitleHeight = 25;
  TRect FTitleRect;
  std::wstring FSufferBackGroundName;
  TGDIBIGIMGPro* FTextureGdiImage = nullptr;
  TSufferBackGroundItem* FSufferBackGroundItem = nullptr;
  TSufferBackGroundItem* FLastSufferBackGroundItem = nullptr;
  bool FIsRoundRectWindow = true;
  TGdiBitmap FBufferBitmap;
  std::unique_ptr<Gdiplus::Graphics> FBufferBitmapGraphics;
  TTimer* FShowTimer = nullptr;
  // Fading in after a show: the form's alpha settings before the fade.
  bool FFading = false;
  std::pair<bool, uint8_t> FAlphaBeforeFade{false, 255};
  TFormShadowFrame* FShadowFrame = nullptr;
  bool FEnabledShadow = false;
  int FBackgroundBuilds = 0;
  // The region last given to the window.
  struct TWindowRegion {
    HWND Window = nullptr;
    int32_t Width = 0, Height = 0;
    bool RoundRect = false;
    bool operator==(const TWindowRegion&) const = default;
  };
  TWindowRegion FWindowRegion;

private:
  void ShowTimerTick();
  // Attaches and activates the shadow frame (fading in), or detaches it.
  void AttachShadow(bool Value);
  TGdiPlusLease FLease;
};

class TDefaultSkinForm : public TBaseSkinForm {
public:
  explicit TDefaultSkinForm(TComponent* AOwner);
  ~TDefaultSkinForm() override;
  std::wstring_view ClassName() const override { return L"TDefaultSkinForm"; }

  TSysMinBtn& MinBtn() const { return *FMinBtn; }
  TSysMaxBtn& MaxBtn() const { return *FMaxBtn; }
  TSysCloseBtn& CloseBtn() const { return *FCloseBtn; }
  TGDIText& CaptionText() const { return *FCaptionText; }
  void PlaceSystemButtons();

protected:
  void LoadSkinResource() override;
  void DrawCaption(Gdiplus::Graphics& Graphics, const TGPRect& ARect) override;
  virtual void DrawCaptionInRect(Gdiplus::Graphics& Graphics, const TRect& ARect);
  virtual void DrawCaptionText(Gdiplus::Graphics& Graphics, int32_t ALeft, int32_t ATop, int32_t ARight,
                               int32_t ABottom);
  void Loaded() override;
  void Resize() override;
  void CMFontChanged() override;

  std::unique_ptr<TGDIText> FCaptionText;
  TSysMinBtn* FMinBtn = nullptr;
  TSysMaxBtn* FMaxBtn = nullptr;
  TSysCloseBtn* FCloseBtn = nullptr;
  int32_t FCloseBtnRight = 38, FCloseBtnTop = 1, FMaxBtnRight = 64, FMaxBtnTop = 1, FMinBtnRight = 90, FMinBtnTop = 1;
};

} // namespace qelvane
