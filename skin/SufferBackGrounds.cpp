#include "skin/SufferBackGrounds.h"

#include <windows.h>

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
}

void TSufferBackGroundItem::BuildBackgroundImage(int32_t AWindowWidth, int32_t AWindowHeight) {
  const int32_t w = FStretch ? AWindowWidth : GetSystemMetrics(SM_CXSCREEN);
  const int32_t h = FStretch ? AWindowHeight : GetSystemMetrics(SM_CYSCREEN);
  if ((!FStretch && !FRebuildBackgroundImage) || !FTextureGdiImage) return;

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
  SkinGuard(ClassSubject(ItemClass), L"BuildBackgroundImage", [&] {
    FTextureGdiImage->UnBuild();
    FSufferTextureGdiImage->UnBuild();
  });
}

void TSufferBackGroundItem::UnBuildBackgroundImage() {
  FRebuildBackgroundImage = true;
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
