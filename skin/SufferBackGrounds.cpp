#include "skin/SufferBackGrounds.h"

#include <windows.h>

#include <algorithm>

#include "skin/SkinMng.h"

namespace qelvane {

namespace {
constexpr const wchar_t* ItemClass = L"TSufferBackGroundItem";
}

TSufferBackGroundItem::TSufferBackGroundItem()
    : FSufferTextureGdiImage(std::make_unique<TGDIBIGIMGPro>()),
      FBackgroundGdiImage(std::make_unique<TGDIBIGIMGPro>()) {
  FSufferTextureGdiImage->SetStrecthMode(smStretchBoth);
  FBackgroundGdiImage->BuildBufferImageStyle = bbisBitmap;
  FBackgroundGdiImage->SetStretch(false);
  FBackgroundGdiImage->SetStrecthMode(smAvgColor);
}

TSufferBackGroundItem::~TSufferBackGroundItem() = default;

void TSufferBackGroundItem::SetImage(const IGPBitmap& Value) {
  FImage = Value;
  FSufferTextureGdiImage->SetImage(Value);
}

void TSufferBackGroundItem::SetStretchMode(TStretchMode Value) {
  FStretchMode = Value;
  FSufferTextureGdiImage->SetStrecthMode(Value);
}

void TSufferBackGroundItem::SetMargin(const TMargin& Value) {
  FMargin = Value;
  FSufferTextureGdiImage->SetMargin(Value);
}

void TSufferBackGroundItem::SetClipMargin(const TMargin& Value) {
  FClipMargin = Value;
  FSufferTextureGdiImage->SetClipMargin(Value);
}

void TSufferBackGroundItem::SetTextureGdiImage(TGDIBIGIMGPro* Value) {
  if (Value == FTextureGdiImage) return;
  FTextureGdiImage = Value;
  FRebuildBackgroundImage = true;
  FBuiltWidth = FBuiltHeight = 0;
}

namespace {

// Whether an element with no margins and stretch off, built at W x H, gives
// the top-left W x H of what it gives at the screen's size SW x SH: its
// picture is then drawn at its own size from the top-left corner, and only
// whether the picture is larger than the area in both directions (drawn as
// it is rather than on white) depends on the size.
bool CropsLikeScreenSize(const TGDIBIGIMGPro& AElement, int32_t W, int32_t H, int32_t SW, int32_t SH) {
  if (!AElement.Image()) return true;
  if (AElement.Stretch() || AElement.TopMargin() || AElement.LeftMargin() || AElement.RightMargin() ||
      AElement.BottomMargin())
    return false;
  const IGPBitmap& image = AElement.Image();
  const int32_t cw = image->Width() - AElement.ClipLeftMargin() - AElement.ClipRightMargin();
  const int32_t ch = image->Height() - AElement.ClipTopMargin() - AElement.ClipBottomMargin();
  return (W < cw && H < ch) == (SW < cw && SH < ch);
}

} // namespace

TSufferBackGroundItem::TExtent TSufferBackGroundItem::BuildSize(int32_t AWindowWidth, int32_t AWindowHeight) const {
  const int32_t sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  // Grown from what is built to the window, never beyond the screen.
  const int32_t w = std::min(std::max(FRebuildBackgroundImage ? 0 : FBuiltWidth, AWindowWidth), sw);
  const int32_t h = std::min(std::max(FRebuildBackgroundImage ? 0 : FBuiltHeight, AWindowHeight), sh);
  // The background element takes the overlay's margins: with any, its right
  // and bottom pieces come from the far edges of the screen-sized build.
  const bool crop = w > 0 && h > 0 && FMargin.LeftMargin == 0 && FMargin.TopMargin == 0 && FMargin.RightMargin == 0 &&
                    FMargin.BottomMargin == 0 && CropsLikeScreenSize(*FTextureGdiImage, w, h, sw, sh) &&
                    CropsLikeScreenSize(*FSufferTextureGdiImage, w, h, sw, sh);
  return crop ? TExtent{w, h} : TExtent{sw, sh};
}

void TSufferBackGroundItem::BuildBackgroundImage(int32_t AWindowWidth, int32_t AWindowHeight) {
  if (!FTextureGdiImage) return;
  int32_t w = AWindowWidth, h = AWindowHeight;
  if (!FStretch) {
    // Without Stretch the background stands for a screen-sized picture. It is
    // built only as far as windows have asked for when that gives the same
    // pixels there, and grows when a larger window asks.
    const TExtent size = BuildSize(AWindowWidth, AWindowHeight);
    if (!FRebuildBackgroundImage && size.Width <= FBuiltWidth && size.Height <= FBuiltHeight) return;
    w = size.Width;
    h = size.Height;
  }

  std::unique_ptr<Gdiplus::Graphics> graphics;
  SkinGuard(ClassSubject(ItemClass), L"BuildBackgroundImage", [&] {
    FBackgroundImage = TGPBitmap::Create(w, h);
    graphics = NewGraphics(FBackgroundImage);
    FTextureGdiImage->SetBounds(0, 0, w, h);
    FTextureGdiImage->MaxDrawWidth = w;
    FTextureGdiImage->MaxDrawHeight = h;
    FTextureGdiImage->Paint(graphics.get(), 0, 0);
  });
  SkinGuard(ClassSubject(ItemClass), L"BuildBackgroundImage", [&] {
    if (!graphics) return;
    FSufferTextureGdiImage->SetBounds(0, 0, w, h);
    FSufferTextureGdiImage->MaxDrawWidth = w;
    FSufferTextureGdiImage->MaxDrawHeight = h;
    FSufferTextureGdiImage->Paint(graphics.get(), 0, 0);
  });
  graphics.reset();
  SkinGuard(ClassSubject(ItemClass), L"BuildBackgroundImage", [&] {
    FBackgroundGdiImage->SetImage(FBackgroundImage);
    FBackgroundGdiImage->SetMargin(FMargin);
    FBackgroundGdiImage->SetStretch(false);
    FBackgroundGdiImage->SetStrecthMode(smAvgColor);
    FBackgroundGdiImage->SetBounds(0, 0, w, h);
    FBackgroundGdiImage->MaxDrawWidth = w;
    FBackgroundGdiImage->MaxDrawHeight = h;
    FBackgroundGdiImage->Build();
  });
  FRebuildBackgroundImage = false;
  FBuiltWidth = w;
  FBuiltHeight = h;
  SkinGuard(ClassSubject(ItemClass), L"BuildBackgroundImage", [&] {
    FTextureGdiImage->UnBuild();
    FSufferTextureGdiImage->UnBuild();
  });
}

void TSufferBackGroundItem::UnBuildBackgroundImage() {
  FRebuildBackgroundImage = true;
  FBuiltWidth = FBuiltHeight = 0;
  SkinGuard(ClassSubject(ItemClass), L"UnBuildBackgroundImage", [&] {
    FBackgroundGdiImage->SetImage(nullptr);
    FBackgroundImage.reset();
  });
}

TSufferBackGrounds::TSufferBackGrounds() : FDefaultPngBkg(std::make_unique<TSufferBackGroundItem>()) {}

TSufferBackGrounds::~TSufferBackGrounds() = default;

void TSufferBackGrounds::LoadSufferBackGroundItem(TSkinMng& AMng, const std::wstring& /*AName*/,
                                                  const std::wstring& ASkinNodeName) {
  SkinGuard(ClassSubject(L"TSufferBackGrounds"), L"LoadSufferBackGroundItem", [&] {
    TSufferBackGroundItem& item = *FDefaultPngBkg;
    item.SetImage(AMng.GetSkinImageByName(ASkinNodeName + L"\\Image"));
    // A missing clip margin repeats the margins: both are read into the same values.
    TMargin margin;
    AMng.GetMarginByString(ASkinNodeName + L"\\Margin", margin);
    item.SetMargin(margin);
    AMng.GetMarginByString(ASkinNodeName + L"\\ClipMargin", margin);
    item.SetClipMargin(margin);
    item.SetStretchMode(AMng.GetStretchModeByString(ASkinNodeName + L"\\StretchMode"));
    item.SetStretch(AMng.GetSkinBoolByName(ASkinNodeName + L"\\Stretch"));
  });
}

} // namespace qelvane
