#pragma once
// The overlay background of skinned forms: a second picture from the skin
// drawn over the background item's texture, combined into one pre-built
// background image sized to the window or standing for one of the screen's
// size.
#include <memory>
#include <string>

#include "core/gfx/Geometry.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinStyleCollection.h"

namespace qelvane {

class TSkinMng;

class TSufferBackGroundItem : public TBaseSkinStyleItem {
public:
  TSufferBackGroundItem();
  ~TSufferBackGroundItem() override;

  // True: built at the window's size on every call; False: built once at the
  // screen's size.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value) { FStretch = Value; }
  const IGPBitmap& Image() const { return FImage; }
  void SetImage(const IGPBitmap& Value);
  TStretchMode StretchMode() const { return FStretchMode; }
  void SetStretchMode(TStretchMode Value);
  const TMargin& Margin() const { return FMargin; }
  void SetMargin(const TMargin& Value);
  const TMargin& ClipMargin() const { return FClipMargin; }
  void SetClipMargin(const TMargin& Value);

  // The background item's texture drawn beneath the overlay (not owned).
  // A different element marks the background for rebuilding.
  TGDIBIGIMGPro* TextureGdiImage() const { return FTextureGdiImage; }
  void SetTextureGdiImage(TGDIBIGIMGPro* Value);
  TGDIBIGIMGPro* SufferTextureGdiImage() const { return FSufferTextureGdiImage.get(); }
  TGDIBIGIMGPro* BackgroundGdiImage() const { return FBackgroundGdiImage.get(); }
  const IGPBitmap& BackgroundImage() const { return FBackgroundImage; }
  bool RebuildBackgroundImage() const { return FRebuildBackgroundImage; }

  // Composes texture and overlay into the background image and gives it to
  // BackgroundGdiImage. With Stretch on every call at the window's size.
  // Without Stretch the background is the screen-sized composition, built
  // once until UnBuildBackgroundImage or a new texture. When neither picture
  // has margins or stretches (each is then drawn at its own size from the
  // top-left corner) only its top-left part as large as the windows asked
  // for is built, and grown (rebuilt) when a larger window asks; its pixels
  // are those of the screen-sized build. Nothing without a texture.
  void BuildBackgroundImage(int32_t AWindowWidth, int32_t AWindowHeight);
  // Size of the built background; 0 x 0 before the first build.
  int32_t BuiltWidth() const { return FBuiltWidth; }
  int32_t BuiltHeight() const { return FBuiltHeight; }
  void UnBuildBackgroundImage();

private:
  struct TExtent {
    int32_t Width, Height;
  };
  // The size the next build without Stretch makes for a window of this size.
  TExtent BuildSize(int32_t AWindowWidth, int32_t AWindowHeight) const;

  IGPBitmap FImage;
  TStretchMode FStretchMode = smStretchBoth;
  TMargin FMargin;
  TMargin FClipMargin;
  bool FStretch = false;
  std::unique_ptr<TGDIBIGIMGPro> FSufferTextureGdiImage;
  std::unique_ptr<TGDIBIGIMGPro> FBackgroundGdiImage;
  IGPBitmap FBackgroundImage;
  bool FRebuildBackgroundImage = true;
  TGDIBIGIMGPro* FTextureGdiImage = nullptr;
  int32_t FBuiltWidth = 0, FBuiltHeight = 0;
};

// The overlay backgrounds of the form style. There is one item, whatever name
// is asked for.
class TSufferBackGrounds {
public:
  TSufferBackGrounds();
  ~TSufferBackGrounds();
  TSufferBackGroundItem* DefaultPngBkg() const { return FDefaultPngBkg.get(); }
  TSufferBackGroundItem* GetItem(const std::wstring& /*AName*/) const { return FDefaultPngBkg.get(); }
  // Fills the item from the skin folder ASkinNodeName of AMng's skin.
  void LoadSufferBackGroundItem(TSkinMng& AMng, const std::wstring& AName, const std::wstring& ASkinNodeName);

private:
  std::unique_ptr<TSufferBackGroundItem> FDefaultPngBkg;
};

} // namespace qelvane
