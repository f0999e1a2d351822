#pragma once
// Background items: what lies behind a skinned form. A picture (from the
// skin or from a file) or a plain colour, with the margins, clip margins and
// stretch mode used to draw it, and two colours derived from it: its average
// colour and a text colour readable on it.
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "skin/SkinDrawing.h"

namespace qelvane {

class TSkinMng;

// Where a picture item's picture is.
enum TFileStoredPosition : uint8_t { fspFile = 0, fspInSkinFile = 1 };

class TBaseSkinItem {
public:
  TBaseSkinItem();
  virtual ~TBaseSkinItem();
  TBaseSkinItem(const TBaseSkinItem&) = delete;
  TBaseSkinItem& operator=(const TBaseSkinItem&) = delete;

  // The full picture, made on first request (and again on a request while it
  // is empty).
  const IGPBitmap& GPImage();
  // A small preview (PreviewWidth x PreviewHeight), made on first request.
  const IGPBitmap& GPPreviewImage();
  // Average colour of the picture, computed once and cached (opaque ARGB).
  TGPColor AverageGPColor();
  // The same as 0x00BBGGRR.
  uint32_t AverageColor();
  // Opaque black on a light average colour, opaque white on a dark one.
  TGPColor TextGPColor();
  uint32_t TextColor();
  // The picture as a texture element with the item's margins, clip margins
  // and stretch mode; it receives the picture on the first request.
  TGDIBIGIMGPro* TextureGdiImage();

  // Drops the picture and frees the texture element's drawing buffer; the
  // element keeps its picture. The next GPImage request makes it anew.
  void FreeImage();
  // Same class; subclasses compare further.
  virtual bool IsEqual(const TBaseSkinItem* AItem) const;

  const TMargin& Margin() const { return FMargin; }
  void SetMargin(const TMargin& Value);
  const TMargin& ClipMargin() const { return FClipMargin; }
  void SetClipMargin(const TMargin& Value);
  TStretchMode StretchMode() const { return FStretchMode; }
  void SetStretchMode(TStretchMode Value);

  bool IsUsed() const { return FIsUsed; }
  // Setting it True stamps LastUsedTime with the current time.
  void SetIsUsed(bool Value);
  double LastUsedTime() const { return FLastUsedTime; }
  void SetLastUsedTime(double Value) { FLastUsedTime = Value; }
  double CreateTime() const { return FCreateTime; }
  void SetCreateTime(double Value) { FCreateTime = Value; }
  const std::wstring& SkinName() const { return FSkinName; }
  void SetSkinName(std::wstring Value) { FSkinName = std::move(Value); }
  bool IsSystemSkin() const { return FIsSystemSkin; }
  void SetIsSystemSkin(bool Value) { FIsSystemSkin = Value; }
  bool IsDefaultSkin() const { return FIsDefaultSkin; }
  void SetIsDefaultSkin(bool Value) { FIsDefaultSkin = Value; }
  bool IsDeleted() const { return FIsDeleted; }
  void SetIsDeleted(bool Value) { FIsDeleted = Value; }
  bool IsCurrentSkin() const { return FIsCurrentSkin; }
  void SetIsCurrentSkin(bool Value) { FIsCurrentSkin = Value; }
  const std::wstring& NodeType() const { return FNodeType; }
  int32_t PreviewWidth() const { return FGPPreviewImageWidth; }
  int32_t PreviewHeight() const { return FGPPreviewImageHeight; }

  // Whether the picture is currently made (GPImage was requested and not freed).
  bool HasGPImage() const { return FGettedGPImage; }

  // Forgets the picture, the preview, both colours and the texture's picture,
  // so that every one of them is made anew from the item's current settings.
  void ResetPicture();

protected:
  virtual TGPColor CalcAverageGPColor();
  // Base: drops the picture and both colour caches.
  virtual void LoadGPImage();
  // Base: drops the preview.
  virtual void LoadGPPreviewImage();

  IGPBitmap FGPImage;
  IGPBitmap FGPPreviewImage;
  std::wstring FNodeType;

private:
  TMargin FMargin;
  TMargin FClipMargin;
  TStretchMode FStretchMode = smAvgColor;
  bool FIsUsed = false;
  std::wstring FSkinName = L"皮肤项";
  bool FIsSystemSkin = false;
  double FCreateTime = 0;
  double FLastUsedTime = 0;
  bool FIsDefaultSkin = false, FIsDeleted = false, FIsCurrentSkin = false;
  bool FIsGettedAverageGPColor = false, FIsGettedTextGPColor = false;
  TGPColor FAverageGPColor = 0xFFFFFFFFu;
  TGPColor FTextGPColor = 0xFF000000u;
  uint32_t FAverageColor = 0xFFFFFF;
  uint32_t FTextColor = 0;
  bool FGettedGPImage = false, FGettedGPPreviewImage = false;
  int32_t FGPPreviewImageWidth = 40, FGPPreviewImageHeight = 60;
  std::unique_ptr<TGDIBIGIMGPro> FTextureGdiImage;
};

// A picture, from a file or from an image node of the skin.
class TSkinBackGroundFileItem : public TBaseSkinItem {
public:
  // ASkinSource: the manager whose skin holds in-skin pictures; nothing means
  // the process-wide manager.
  explicit TSkinBackGroundFileItem(TSkinMng* ASkinSource = nullptr);

  const std::wstring& PictureFile() const { return FPictureFile; }
  void SetPictureFile(std::wstring Value) { FPictureFile = std::move(Value); }
  TFileStoredPosition FileStoredPosition() const { return FFileStoredPosition; }
  void SetFileStoredPosition(TFileStoredPosition Value) { FFileStoredPosition = Value; }
  const std::wstring& FileRootPath() const { return FFileRootPath; }
  void SetFileRootPath(std::wstring Value) { FFileRootPath = std::move(Value); }

  bool IsEqual(const TBaseSkinItem* AItem) const override;

protected:
  TGPColor CalcAverageGPColor() override;
  void LoadGPImage() override;
  void LoadGPPreviewImage() override;

private:
  TSkinMng& Source() const;

  TSkinMng* FSkinSource;
  TFileStoredPosition FFileStoredPosition = fspFile;
  std::wstring FPictureFile;
  std::wstring FFileRootPath;
};

// A plain colour.
class TSkinBackGroundColorItem : public TBaseSkinItem {
public:
  TSkinBackGroundColorItem();

  // A colour the user mixed (True) rather than one of the default colours.
  bool IsCustom() const { return FIsCustom; }
  void SetIsCustom(bool Value) { FIsCustom = Value; }
  TGPColor BackGroundColor() const { return FBackGroundColor; }
  void SetBackGroundColor(TGPColor Value) { FBackGroundColor = Value; }

  bool IsEqual(const TBaseSkinItem* AItem) const override;

protected:
  TGPColor CalcAverageGPColor() override { return FBackGroundColor; }
  void LoadGPImage() override;
  void LoadGPPreviewImage() override;

private:
  bool FIsCustom = true;
  TGPColor FBackGroundColor = 0;
};

// The current local time as a date-time: days since 1899-12-30, the time of
// day as the fraction.
double NowAsDateTime();

} // namespace qelvane
