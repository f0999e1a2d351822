#include "skin/SkinItems.h"

#include <windows.h>

#include "core/gfx/ColorRules.h"
#include "core/gfx/PixelOps.h"
#include "skin/SkinMng.h"

namespace qelvane {

namespace {

constexpr int32_t ColorImageSize = 50;

IGPBitmap FilledBitmap(int32_t AWidth, int32_t AHeight, TGPColor AColor) {
  IGPBitmap bitmap = TGPBitmap::Create(AWidth, AHeight);
  TBitmapBits bits(bitmap->Native());
  FillPixels(bits.View(), TRect{0, 0, AWidth, AHeight}, AColor);
  return bitmap;
}

bool FileExists(const std::wstring& AFileName) {
  DWORD attributes = GetFileAttributesW(AFileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

double NowAsDateTime() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  FILETIME ft;
  if (!SystemTimeToFileTime(&local, &ft)) return 0;
  ULARGE_INTEGER ticks;
  ticks.LowPart = ft.dwLowDateTime;
  ticks.HighPart = ft.dwHighDateTime;
  // 100-ns ticks from 1601-01-01; 1899-12-30 is 109205 days later.
  constexpr double TicksPerDay = 864000000000.0;
  return static_cast<double>(ticks.QuadPart) / TicksPerDay - 109205.0;
}

// TBaseSkinItem

TBaseSkinItem::TBaseSkinItem() : FTextureGdiImage(std::make_unique<TGDIBIGIMGPro>()) {
  FTextureGdiImage->SetStretch(false);
  FTextureGdiImage->SetStrecthMode(smAvgColor);
}

TBaseSkinItem::~TBaseSkinItem() = default;

const IGPBitmap& TBaseSkinItem::GPImage() {
  if (!FGPImage || !FGettedGPImage) {
    LoadGPImage();
    FGettedGPImage = true;
  }
  return FGPImage;
}

const IGPBitmap& TBaseSkinItem::GPPreviewImage() {
  if (!FGPPreviewImage || !FGettedGPPreviewImage) {
    LoadGPPreviewImage();
    FGettedGPPreviewImage = true;
  }
  return FGPPreviewImage;
}

TGPColor TBaseSkinItem::AverageGPColor() {
  if (!FIsGettedAverageGPColor) {
    FAverageGPColor = CalcAverageGPColor();
    FIsGettedAverageGPColor = true;
  }
  return FAverageGPColor;
}

uint32_t TBaseSkinItem::AverageColor() {
  FAverageColor = GPColorToColorRef(AverageGPColor());
  return FAverageColor;
}

TGPColor TBaseSkinItem::TextGPColor() {
  if (!FIsGettedTextGPColor) {
    FTextGPColor = GetTextColorByGPColor(AverageGPColor());
    FIsGettedTextGPColor = true;
  }
  return FTextGPColor;
}

uint32_t TBaseSkinItem::TextColor() {
  FTextColor = GPColorToColorRef(TextGPColor());
  return FTextColor;
}

TGDIBIGIMGPro* TBaseSkinItem::TextureGdiImage() {
  if (!FTextureGdiImage->Image()) FTextureGdiImage->SetImage(GPImage());
  return FTextureGdiImage.get();
}

void TBaseSkinItem::FreeImage() {
  SkinGuard(ClassSubject(L"TBaseSkinItem"), L"FreeImage", [&] {
    if (!FGettedGPImage) return;
    FGPImage.reset();
    if (FTextureGdiImage->Image()) FTextureGdiImage->UnBuild();
    FGettedGPImage = false;
  });
}

void TBaseSkinItem::ResetPicture() {
  FGPImage.reset();
  FGPPreviewImage.reset();
  FGettedGPImage = FGettedGPPreviewImage = false;
  FIsGettedAverageGPColor = FIsGettedTextGPColor = false;
  FTextureGdiImage->SetImage(nullptr);
}

bool TBaseSkinItem::IsEqual(const TBaseSkinItem* AItem) const {
  return AItem && typeid(*AItem) == typeid(*this);
}

void TBaseSkinItem::SetMargin(const TMargin& Value) {
  FMargin = Value;
  FTextureGdiImage->SetMargin(Value);
}

void TBaseSkinItem::SetClipMargin(const TMargin& Value) {
  FClipMargin = Value;
  FTextureGdiImage->SetClipMargin(Value);
}

void TBaseSkinItem::SetStretchMode(TStretchMode Value) {
  FStretchMode = Value;
  FTextureGdiImage->SetStrecthMode(Value);
}

void TBaseSkinItem::SetIsUsed(bool Value) {
  FIsUsed = Value;
  if (Value) FLastUsedTime = NowAsDateTime();
}

TGPColor TBaseSkinItem::CalcAverageGPColor() {
  return kOpaqueWhite;
}

void TBaseSkinItem::LoadGPImage() {
  FGPImage.reset();
  FIsGettedAverageGPColor = FIsGettedTextGPColor = false;
}

void TBaseSkinItem::LoadGPPreviewImage() {
  FGPPreviewImage.reset();
}

// TSkinBackGroundFileItem

TSkinBackGroundFileItem::TSkinBackGroundFileItem(TSkinMng* ASkinSource) : FSkinSource(ASkinSource) {
  FNodeType = L"SkinBackFile";
}

TSkinMng& TSkinBackGroundFileItem::Source() const {
  return FSkinSource ? *FSkinSource : SkinMng();
}

bool TSkinBackGroundFileItem::IsEqual(const TBaseSkinItem* AItem) const {
  if (!TBaseSkinItem::IsEqual(AItem)) return false;
  auto* other = static_cast<const TSkinBackGroundFileItem*>(AItem);
  return other->IsSystemSkin() ? other->PictureFile() == FPictureFile : other->CreateTime() == CreateTime();
}

void TSkinBackGroundFileItem::LoadGPImage() {
  TBaseSkinItem::LoadGPImage();
  if (FFileStoredPosition == fspFile) {
    if (FileExists(FPictureFile)) FGPImage = TSkinHelper::CreateBitmap(FPictureFile);
  } else if (FFileStoredPosition == fspInSkinFile) {
    FGPImage = Source().GetSkinImageByName(FPictureFile);
  }
}

void TSkinBackGroundFileItem::LoadGPPreviewImage() {
  TBaseSkinItem::LoadGPPreviewImage();
  if (FFileStoredPosition == fspFile) {
    FGPPreviewImage = TSkinHelper::CreateBitmapBySize(FPictureFile, PreviewWidth(), PreviewHeight());
  } else if (FFileStoredPosition == fspInSkinFile) {
    std::vector<uint8_t> bytes;
    if (Source().GetSkinStreamByName(FPictureFile, bytes))
      FGPPreviewImage = TSkinHelper::CreateBitmapBySize(bytes, PreviewWidth(), PreviewHeight());
  }
}

TGPColor TSkinBackGroundFileItem::CalcAverageGPColor() {
  const IGPBitmap& image = GPImage();
  if (!image) return kOpaqueWhite;
  // Every second pixel in both directions.
  return GetAverageColorOfBitmap(image, 0, 2, 2, image->Height(), image->Width(), 0);
}

// TSkinBackGroundColorItem

TSkinBackGroundColorItem::TSkinBackGroundColorItem() {
  FNodeType = L"SkinBackColor";
}

bool TSkinBackGroundColorItem::IsEqual(const TBaseSkinItem* AItem) const {
  if (!TBaseSkinItem::IsEqual(AItem)) return false;
  auto* other = static_cast<const TSkinBackGroundColorItem*>(AItem);
  return other->IsCustom() == FIsCustom && (other->BackGroundColor() & 0x00FFFFFFu) == (FBackGroundColor & 0x00FFFFFFu);
}

void TSkinBackGroundColorItem::LoadGPImage() {
  TBaseSkinItem::LoadGPImage();
  FGPImage = FilledBitmap(ColorImageSize, ColorImageSize, FBackGroundColor);
}

void TSkinBackGroundColorItem::LoadGPPreviewImage() {
  TBaseSkinItem::LoadGPPreviewImage();
  FGPPreviewImage = FilledBitmap(PreviewWidth(), PreviewHeight(), FBackGroundColor);
}

} // namespace qelvane
