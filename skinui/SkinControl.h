#pragma once
// The two bases of the skinned controls.
//
// TSkinCustomControl, a windowed control, composes itself in an off-screen
// buffer: the parent's image under it (when Transparent), then its own
// drawing, kept in a GDI+ bitmap between paints, and copies the buffer to
// the screen in one block. Repaint requests only set flags and invalidate;
// each paint runs only the steps its flags ask for.
//
// TFormDrawSkinCustomControl, a windowless control, keeps a normal image that
// its skinned form draws into the form's own buffer, and paints itself only
// while the mouse is over it.
#include <windows.h>

#include <gdiplus.h>

#include <memory>

#include "core/gfx/Geometry.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdiBitmap.h"
#include "drawing/GdiPlusSession.h"
#include "skin/SkinClassMembers.h"
#include "ui/CustomControl.h"

namespace qelvane {

class TBaseSkinItem;
struct TPaintPlan;
struct TPaintState;

// Where a control's margins from its anchors are kept by the skin's layout.
struct TAnchorMargin {
  int32_t TopMargin = 0, LeftMargin = 0, RightMargin = 0, BottomMargin = 0;
};

class TSkinCustomControl : public TCustomControl,
                           public TSkinClassMembers<TSkinCustomControl, scoSkinCustomControl, false> {
public:
  static constexpr const wchar_t* SkinClassName = L"TSkinCustomControl";
  explicit TSkinCustomControl(TComponent* AOwner);
  ~TSkinCustomControl() override;
  std::wstring_view ClassName() const override { return L"TSkinCustomControl"; }

  const TGdiBitmap& BufferBitmap() const { return FBufferBitmap; }
  const TGdiBitmap* ParentImageBufferBitmap() const { return FParentImageBufferBitmap.get(); }

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool EnableGdiPlusBuffer() const { return FEnableGdiPlusBuffer; }
  void SetEnableGdiPlusBuffer(bool Value);
  bool UseSkinFont = true;
  bool ReSizeNotAlignControls = false;
  TAnchorMargin AnchorMargin;
  int32_t AnchorMarginType = -1;

  // Flags everything and invalidates.
  void Repaint() override;
  // The parent's image changed: fetch it again at the next paint.
  void RepaintParentImage();
  // The same, painting at once.
  void RepaintParentImageImmediately();
  // The control's own look changed.
  void RepaintSelfImage();
  // Brings the parent image up to date (a child control may ask for it).
  void PaintParentImageToBuffer();
  // A new GDI+ graphics object over the control's canvas.
  std::unique_ptr<Gdiplus::Graphics> ToGPGraphics();

  // Skin-change notification of the class list (the skin manager's and the
  // skinned form's calls).
  void SkinClassChangeSkinFile();
  void SkinClassChangeSkinBackGround(TBaseSkinItem* AItem);

  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CMShowingChanged() override;

  // Every paint covers the whole control: no erase before it.
  bool Opaque() const override { return true; }

  // Repaint state, for tests and the pipeline.
  bool FirstPainted() const { return FFirstPainted; }

protected:
  void Loaded() override;
  void RequestAlign() override;
  void Paint() override;
  void WndProc(TMessage& Message) override;

  virtual IGPBitmap CreateSelfBufferBitmap();
  virtual void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect);
  virtual void AppendPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect);
  virtual void DesignPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect);
  virtual void EraseBackground(HDC DC);
  virtual void ChangeSkinFile();
  virtual void ChangeSkinBackGroundItem(TBaseSkinItem* AItem);

  // AppendPaint runs at every composition, after the own image.
  void SetIsNeedAppendPaint(bool Value) { FIsNeedAppendPaint = Value; }
  // The skin file changed and the control has not been composed since.
  bool JustChangeSkinFile() const { return FJustChangeSkinFile; }

private:
  TPaintState PaintState() const;
  bool FitsControl(const TGdiBitmap& ABitmap) const;
  void FetchParentImage();
  void DrawSelfBuffer(bool ANewBitmap, const TGPRect& ADrawRect);
  void Compose(const TPaintPlan& APlan, const TGPRect& ADrawRect);
  void DrawSelf(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect);
  bool DesigningOrLoading() const { return IsDesigning() || IsLoading(); }

  TGdiPlusLease FLease;
  TGdiBitmap FBufferBitmap;
  std::unique_ptr<TGdiBitmap> FParentImageBufferBitmap;
  IGPBitmap FSelfBufferGPBitmap;
  std::unique_ptr<Gdiplus::Graphics> FSelfBufferGPGraphics;
  bool FForceRepaintSelfImage = true;
  bool FForceRepaintParentImage = true;
  bool FForceRepaintSelfBuffer = true;
  bool FForceRepaintParentBuffer = true;
  bool FJustChangeSkinFile = true;
  bool FJustChangeSkinBackGround = true;
  bool FFirstPainted = false;
  bool FIsNeedAppendPaint = false;
  bool FTransparent = true;
  bool FEnableGdiPlusBuffer = true;
  // The own image holds no visible pixel (every alpha 0).
  bool FSelfBufferBlank = false;
};

class TFormDrawSkinCustomControl
    : public TGraphicControl,
      public TSkinClassMembers<TFormDrawSkinCustomControl, scoFormDrawSkinCustomControl, false> {
public:
  static constexpr const wchar_t* SkinClassName = L"TFormDrawSkinCustomControl";
  explicit TFormDrawSkinCustomControl(TComponent* AOwner);
  std::wstring_view ClassName() const override { return L"TFormDrawSkinCustomControl"; }

  const IGPBitmap& NormalBufferGPBitmap() const { return FNormalBufferGPBitmap; }
  const IGPBitmap& SelfBufferGPBitmap() const { return FSelfBufferGPBitmap; }
  bool UseSkinFont = true;
  TAnchorMargin AnchorMargin;
  int32_t AnchorMarginType = -1;

  // Brings the normal image up to date; the form calls it before drawing the
  // control into its buffer.
  void PaintNormalImageToBuffer();
  void PaintSelfImageToBuffer();
  void Repaint() override;
  void RepaintSelfImage();
  std::unique_ptr<Gdiplus::Graphics> ToGPGraphics();

  void SkinClassChangeSkinFile();
  void SkinClassChangeSkinBackGround(TBaseSkinItem* AItem);

  void CMMouseEnter() override;
  void CMMouseLeave() override;

protected:
  void Loaded() override;
  void Paint() override;

  virtual bool IsNeedRepaintSelfImage();
  virtual bool IsNeedRepaintNormalImage();
  virtual void PaintSelfImage(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect);
  virtual void PaintNormalImage(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect);
  virtual void ChangeSkinFile();
  virtual void ChangeSkinBackGroundItem(TBaseSkinItem* AItem);

  // The normal image must be drawn again before the form next takes it.
  void RepaintNormalImage() { FForceRepaintNormalImage = true; }

private:
  TGdiPlusLease FLease;
  bool FSelfPaint = false;
  bool FForceRepaintNormalImage = true;
  IGPBitmap FNormalBufferGPBitmap;
  std::unique_ptr<Gdiplus::Graphics> FNormalBufferGPGraphics;
  IGPBitmap FSelfBufferGPBitmap;
  std::unique_ptr<Gdiplus::Graphics> FSelfBufferGPGraphics;
  bool FForceRepaintSelfImage = true;
  bool FSelfJustChangeSkinFile = true, FSelfJustChangeSkinBackGround = true;
  bool FNormalJustChangeSkinFile = true, FNormalJustChangeSkinBackGround = true;
  TGPRect FSelfDrawGPRect, FNormalDrawGPRect;
};

// The skinned controls' default font: the drawing toolkit's default skin font.
void AssignDefaultSkinFont(TFont& AFont);

} // namespace qelvane
