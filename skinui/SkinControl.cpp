#include "skinui/SkinControl.h"

#include "core/gfx/PixelOps.h"
#include "core/layout/PaintPlan.h"
#include "drawing/DrawingTypes.h"
#include "drawing/ElementDefaults.h"
#include "drawing/GPBitmap.h"
#include "drawing/GdipBitmap.h"
#include "skin/SkinMng.h"
#include "skinui/ParentImage.h"
#include "ui/Colors.h"
#include "ui/GdiHandles.h"

namespace qelvane {

namespace {

IGPBitmap NewArgbBitmap(int32_t AWidth, int32_t AHeight) {
  return TGPBitmap::Create(AWidth, AHeight);
}

void ClearTo(Gdiplus::Graphics& G, uint32_t AArgb) {
  G.Clear(Gdiplus::Color(AArgb));
}

} // namespace

void AssignDefaultSkinFont(TFont& AFont) {
  AFont.SetName(DefaultSkinFontName());
  AFont.SetSize(DefaultSkinFontSize());
}

// --- TSkinCustomControl.

TSkinCustomControl::TSkinCustomControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FParentImageBufferBitmap = std::make_unique<TGdiBitmap>();
  AssignDefaultSkinFont(Font());
}

TSkinCustomControl::~TSkinCustomControl() = default;

void TSkinCustomControl::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  if (!Value) FParentImageBufferBitmap.reset();
}

void TSkinCustomControl::SetEnableGdiPlusBuffer(bool Value) {
  if (Value == FEnableGdiPlusBuffer) return;
  FEnableGdiPlusBuffer = Value;
  if (!Value) {
    FSelfBufferGPGraphics.reset();
    FSelfBufferGPBitmap.reset();
  }
}

void TSkinCustomControl::Repaint() {
  FForceRepaintSelfImage = FForceRepaintParentImage = FForceRepaintSelfBuffer = FForceRepaintParentBuffer = true;
  Invalidate();
}

void TSkinCustomControl::RepaintParentImage() {
  FForceRepaintParentImage = FForceRepaintParentBuffer = true;
  Invalidate();
}

void TSkinCustomControl::RepaintParentImageImmediately() {
  FForceRepaintParentImage = FForceRepaintParentBuffer = true;
  PaintNow();
}

void TSkinCustomControl::RepaintSelfImage() {
  FForceRepaintSelfImage = FForceRepaintSelfBuffer = true;
  Invalidate();
}

std::unique_ptr<Gdiplus::Graphics> TSkinCustomControl::ToGPGraphics() {
  return CanvasToGPGraphics(Canvas().Handle());
}

void TSkinCustomControl::SkinClassChangeSkinFile() {
  FJustChangeSkinFile = true;
  ChangeSkinFile();
}

void TSkinCustomControl::SkinClassChangeSkinBackGround(TBaseSkinItem* AItem) {
  FJustChangeSkinBackGround = true;
  ChangeSkinBackGroundItem(AItem);
}

void TSkinCustomControl::ChangeSkinFile() {
  if (UseSkinFont && !IsDesigning()) Font().Assign(SkinMng().SkinFont());
}

void TSkinCustomControl::ChangeSkinBackGroundItem(TBaseSkinItem*) {}

void TSkinCustomControl::Loaded() {
  TCustomControl::Loaded();
  if (UseSkinFont && !IsDesigning()) Font().Assign(SkinMng().SkinFont());
}

void TSkinCustomControl::AlignControls(TControl* AControl, TRect& Rect) {
  if (ReSizeNotAlignControls) return;
  TCustomControl::AlignControls(AControl, Rect);
}

void TSkinCustomControl::RequestAlign() {
  if (ReSizeNotAlignControls) return;
  TCustomControl::RequestAlign();
}

void TSkinCustomControl::CMShowingChanged() {
  TCustomControl::CMShowingChanged();
  RepaintParentImage();
}

IGPBitmap TSkinCustomControl::CreateSelfBufferBitmap() {
  return NewArgbBitmap(Width(), Height());
}

void TSkinCustomControl::CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect&) {
  ClearTo(Graphics, 0x00000000);
}
void TSkinCustomControl::AppendPaint(Gdiplus::Graphics&, const TGPRect&) {}
void TSkinCustomControl::DesignPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  ClearTo(Graphics, 0xFFFFFFFF);
  Gdiplus::Pen pen(Gdiplus::Color(0xFF00FFFF), 1);
  Graphics.DrawRectangle(&pen, ADrawRect.X, ADrawRect.Y, ADrawRect.Width - 1, ADrawRect.Height - 1);
}

bool TSkinCustomControl::FitsControl(const TGdiBitmap& ABitmap) const {
  return !ABitmap.Empty() && ABitmap.Width() == Width() && ABitmap.Height() == Height();
}

TPaintState TSkinCustomControl::PaintState() const {
  TPaintState s;
  s.Width = Width();
  s.Height = Height();
  s.Transparent = FTransparent;
  s.EnableGdiPlusBuffer = FEnableGdiPlusBuffer;
  s.ParentBufferFits = FParentImageBufferBitmap && FitsControl(*FParentImageBufferBitmap);
  s.SelfBufferFits =
      FSelfBufferGPBitmap && FSelfBufferGPBitmap->Width() == Width() && FSelfBufferGPBitmap->Height() == Height();
  s.BufferFits = FitsControl(FBufferBitmap);
  s.ForceRepaintSelfImage = FForceRepaintSelfImage;
  s.ForceRepaintParentImage = FForceRepaintParentImage;
  s.ForceRepaintSelfBuffer = FForceRepaintSelfBuffer;
  s.ForceRepaintParentBuffer = FForceRepaintParentBuffer;
  s.JustChangeSkinFile = FJustChangeSkinFile;
  s.JustChangeSkinBackGround = FJustChangeSkinBackGround;
  s.SelfBufferBlank = FSelfBufferBlank;
  return s;
}

void TSkinCustomControl::FetchParentImage() {
  if (!FParentImageBufferBitmap) FParentImageBufferBitmap = std::make_unique<TGdiBitmap>();
  FParentImageBufferBitmap->SetSize(Width(), Height());
  DrawParentImage(*this, *FParentImageBufferBitmap, 0, 0);
  FForceRepaintParentBuffer = false;
}

void TSkinCustomControl::PaintParentImageToBuffer() {
  if (PlanPaint(PaintState()).FetchParentImage)
    FetchParentImage();
  else if (FParentImageBufferBitmap) // an empty control keeps none: a child asking gets no stale pixels
    FParentImageBufferBitmap->SetSize(Width(), Height());
}

void TSkinCustomControl::DrawSelf(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) {
  if (DesigningOrLoading())
    DesignPaint(Graphics, ADrawRect);
  else
    CustomPaint(Graphics, ADrawRect);
}

void TSkinCustomControl::DrawSelfBuffer(bool ANewBitmap, const TGPRect& ADrawRect) {
  if (ANewBitmap) {
    FSelfBufferGPGraphics.reset();
    FSelfBufferGPBitmap = CreateSelfBufferBitmap();
    FSelfBufferGPGraphics = NewGraphics(FSelfBufferGPBitmap);
  }
  DrawSelf(*FSelfBufferGPGraphics, ADrawRect);
  FForceRepaintSelfBuffer = false;
  FSelfBufferGPGraphics->Flush(Gdiplus::FlushIntentionSync);
  FSelfBufferBlank = AllTransparent(TBitmapBits(FSelfBufferGPBitmap->Native(), Gdiplus::ImageLockModeRead).View());
}

void TSkinCustomControl::Compose(const TPaintPlan& APlan, const TGPRect& ADrawRect) {
  FBufferBitmap.SetSize(Width(), Height());
  if (FTransparent && FParentImageBufferBitmap && !FParentImageBufferBitmap->Empty()) {
    BitBlt(FBufferBitmap.DC(), 0, 0, Width(), Height(), FParentImageBufferBitmap->DC(), 0, 0, SRCCOPY);
  } else {
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
    RECT r{0, 0, Width(), Height()};
    FillRect(FBufferBitmap.DC(), &r, brush.Get());
  }
  if (APlan.BlendSelfBuffer || APlan.DrawSelfDirect) {
    // Flushed into the bitmap when it goes.
    auto g = CanvasToGPGraphics(FBufferBitmap.DC());
    if (APlan.BlendSelfBuffer)
      g->DrawImage(FSelfBufferGPBitmap->Native(), 0, 0, Width(), Height());
    else
      DrawSelf(*g, ADrawRect);
  }
  if (FIsNeedAppendPaint) {
    auto g = CanvasToGPGraphics(FBufferBitmap.DC());
    AppendPaint(*g, ADrawRect);
  }
}

void TSkinCustomControl::Paint() {
  const TPaintState state = PaintState();
  TPaintPlan plan = PlanPaint(state);
  if (!plan.Paint) return;
  const TGPRect drawRect{0, 0, Width(), Height()};
  // The parent's image under the control.
  if (plan.FetchParentImage) FetchParentImage();
  // The control's own drawing, kept between paints.
  if (plan.DrawSelfBuffer) {
    DrawSelfBuffer(!state.SelfBufferFits, drawRect);
    // Only the drawing tells whether the image is blank (and it may have asked
    // for more): the composition is planned from the state it left.
    plan = PlanPaint(PaintState());
  }
  if (plan.Compose) Compose(plan, drawRect);
  FForceRepaintSelfImage = FForceRepaintParentImage = FJustChangeSkinFile = FJustChangeSkinBackGround = false;
  // One block to the screen.
  BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), FBufferBitmap.DC(), 0, 0, SRCCOPY);
  FFirstPainted = true;
}

void TSkinCustomControl::EraseBackground(HDC DC) {
  if (!Showing() || !FFirstPainted) return;
  // The parent shows where the last buffer is too small for the control.
  for (const TEraseStrip& strip : EraseStrips(FBufferBitmap.Width(), FBufferBitmap.Height(), Width(), ClientHeight()))
    DrawParentImage(*this, DC, strip.X, strip.Y);
  BitBlt(DC, 0, 0, Width(), Height(), FBufferBitmap.DC(), 0, 0, SRCCOPY);
}

void TSkinCustomControl::WndProc(TMessage& m) {
  switch (m.Msg) {
  case WM_SIZE:
    TCustomControl::WndProc(m);
    Repaint();
    return;
  case WM_MOVE:
    TCustomControl::WndProc(m);
    RepaintParentImage();
    return;
  case WM_ERASEBKGND:
    if (DesigningOrLoading()) break;
    EraseBackground(reinterpret_cast<HDC>(m.WParam));
    m.Result = 1;
    return;
  default:
    break;
  }
  TCustomControl::WndProc(m);
}

// --- TFormDrawSkinCustomControl.

TFormDrawSkinCustomControl::TFormDrawSkinCustomControl(TComponent* AOwner) : TGraphicControl(AOwner) {
  AssignDefaultSkinFont(Font());
}

void TFormDrawSkinCustomControl::PaintNormalImageToBuffer() {
  if (Width() <= 0 || Height() <= 0) return;
  bool made = false;
  if (!FNormalBufferGPBitmap || FNormalDrawGPRect.Width != Width() || FNormalDrawGPRect.Height != Height()) {
    FNormalBufferGPGraphics.reset();
    FNormalBufferGPBitmap = NewArgbBitmap(Width(), Height());
    FNormalBufferGPGraphics = NewGraphics(FNormalBufferGPBitmap);
    FNormalDrawGPRect = {0, 0, Width(), Height()};
    made = true;
  }
  if (made || IsNeedRepaintNormalImage()) {
    PaintNormalImage(*FNormalBufferGPGraphics, FNormalDrawGPRect);
    FForceRepaintNormalImage = false;
  }
  FNormalJustChangeSkinFile = FNormalJustChangeSkinBackGround = false;
}

void TFormDrawSkinCustomControl::PaintSelfImageToBuffer() {
  if (Width() <= 0 || Height() <= 0) return;
  bool made = false;
  if (!FSelfBufferGPBitmap || FSelfDrawGPRect.Width != Width() || FSelfDrawGPRect.Height != Height()) {
    FSelfBufferGPGraphics.reset();
    FSelfBufferGPBitmap = NewArgbBitmap(Width(), Height());
    FSelfBufferGPGraphics = NewGraphics(FSelfBufferGPBitmap);
    FSelfDrawGPRect = {0, 0, Width(), Height()};
    made = true;
  }
  if (made || IsNeedRepaintSelfImage()) {
    PaintSelfImage(*FSelfBufferGPGraphics, FSelfDrawGPRect);
    FForceRepaintSelfImage = false;
  }
  FSelfJustChangeSkinFile = FSelfJustChangeSkinBackGround = false;
}

void TFormDrawSkinCustomControl::Paint() {
  if (!FSelfPaint || Width() <= 0 || Height() <= 0) return;
  PaintSelfImageToBuffer();
  if (!FSelfBufferGPBitmap) return;
  HDC dc = Canvas().Handle();
  DrawParentImage(*this, dc, 0, 0);
  auto g = CanvasToGPGraphics(dc);
  g->DrawImage(FSelfBufferGPBitmap->Native(), 0, 0, Width(), Height());
}

void TFormDrawSkinCustomControl::Repaint() {
  FForceRepaintSelfImage = FForceRepaintNormalImage = true;
  TGraphicControl::Repaint();
}

void TFormDrawSkinCustomControl::RepaintSelfImage() {
  FForceRepaintSelfImage = true;
  Invalidate();
}

std::unique_ptr<Gdiplus::Graphics> TFormDrawSkinCustomControl::ToGPGraphics() {
  return CanvasToGPGraphics(Canvas().Handle());
}

void TFormDrawSkinCustomControl::SkinClassChangeSkinFile() {
  FSelfJustChangeSkinFile = FNormalJustChangeSkinFile = true;
  ChangeSkinFile();
}

void TFormDrawSkinCustomControl::SkinClassChangeSkinBackGround(TBaseSkinItem* AItem) {
  FSelfJustChangeSkinBackGround = FNormalJustChangeSkinBackGround = true;
  ChangeSkinBackGroundItem(AItem);
}

void TFormDrawSkinCustomControl::ChangeSkinFile() {
  if (UseSkinFont && !IsDesigning()) Font().Assign(SkinMng().SkinFont());
}
void TFormDrawSkinCustomControl::ChangeSkinBackGroundItem(TBaseSkinItem*) {}

void TFormDrawSkinCustomControl::Loaded() {
  TGraphicControl::Loaded();
  if (UseSkinFont && !IsDesigning()) Font().Assign(SkinMng().SkinFont());
}

bool TFormDrawSkinCustomControl::IsNeedRepaintSelfImage() {
  return FForceRepaintSelfImage || FSelfJustChangeSkinFile || FSelfJustChangeSkinBackGround;
}
bool TFormDrawSkinCustomControl::IsNeedRepaintNormalImage() {
  return FForceRepaintNormalImage || FNormalJustChangeSkinFile || FNormalJustChangeSkinBackGround;
}
void TFormDrawSkinCustomControl::PaintSelfImage(Gdiplus::Graphics& Graphics, const TGPRect&) {
  ClearTo(Graphics, 0x00000000);
}
void TFormDrawSkinCustomControl::PaintNormalImage(Gdiplus::Graphics& Graphics, const TGPRect&) {
  ClearTo(Graphics, 0x00000000);
}

void TFormDrawSkinCustomControl::CMMouseEnter() {
  TGraphicControl::CMMouseEnter();
  FSelfPaint = true;
  RepaintSelfImage();
}

void TFormDrawSkinCustomControl::CMMouseLeave() {
  TGraphicControl::CMMouseLeave();
  FSelfPaint = false;
  RepaintSelfImage();
}

} // namespace qelvane
