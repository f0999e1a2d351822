#pragma once
// The skin manager: owns the skin file, the skin font, the user skin
// configuration, the listener windows and every style collection. It loads a
// skin, refills every collection from it and tells skinned controls and
// skinned forms that the skin or the background changed. Everything else
// reads skin data and style items through it.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/gfx/Anchors.h"
#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"
#include "core/text/TextConvert.h"
#include "skin/ButtonStyles.h"
#include "skin/DropDownButtonStyles.h"
#include "skin/FormStyles.h"
#include "skin/HeadFrameStyles.h"
#include "skin/PageControlStyles.h"
#include "skin/PanelStyles.h"
#include "skin/PopupMenuSkin.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinFile.h"
#include "skin/SkinListeners.h"
#include "skin/UserSkinConfig.h"
#include "skin/ZoneViewScrollBarStyles.h"
#include "skin/ZoneViewStyles.h"

namespace qelvane {

// A control's placement read from a skin node: left, top, width and height
// (kept in a margin record: left, top, right = width, bottom = height) and
// how they are anchored (AnchorMarginType).
struct TSkinBounds {
  TMargin AnchorMargin;
  int32_t AnchorMarginType = 0;
};

// One image setting of a control read from a skin node: the image's name
// below the node and the part of it to use.
struct TSkinImageSetting {
  std::wstring Image;
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  int32_t StretchMode = 0;
};

class TSkinMng {
public:
  TSkinMng();
  ~TSkinMng();
  TSkinMng(const TSkinMng&) = delete;
  TSkinMng& operator=(const TSkinMng&) = delete;

  // Loading a skin. Returns True when a new skin was loaded: every collection
  // is refilled, the skinned control classes are told, the skin's default
  // background becomes the item in use and every listener gets its
  // skin-file message. Without Reload the skin in use is not loaded again:
  // the resource (file) name it came from, letter case ignored, is refused.
  bool ChangeSkinRes(std::wstring_view AResName, bool Reload);
  bool ChangeSkinFile(std::wstring_view AFileName, bool Reload);

  // Background changes.
  void ChangeSkinBackGround(TBaseSkinItem* AItem);
  void ChangeSkinBackGroundFile(TBaseSkinItem* AItem);
  void ChangeSkinBackGroundColor(TBaseSkinItem* AItem);
  void ChangeSkinBackGroundCustomColor(TBaseSkinItem* AItem);

  // Listener windows. Register returns -1 (True), or 0 when the window is
  // already registered (its first message numbers stay).
  int32_t RegisterSkinListener(HWND hListenerWindow, UINT dwChangeSkinFileMsg, UINT dwChangeSkinBackGroundColorMsg,
                               UINT dwChangeSkinBackGroundFileMsg, UINT dwChangeSkinBackGroundCustomColorMsg);
  void UnRegisterSkinListener(HWND hListenerWindow);
  const TSkinListeners& SkinListeners() const { return FSkinListeners; }

  // Reading the skin (forwarded to the skin file).
  bool GetSkinStringByName(std::wstring_view AName, std::wstring& AValue, const std::wstring& ADefault) const;
  bool GetSkinInt32ByName(std::wstring_view AName, int32_t& AValue, int32_t ADefault) const;
  bool GetSkinBoolByName(std::wstring_view AName, bool& AValue, bool ADefault) const;
  bool GetSkinFloatByName(std::wstring_view AName, float& AValue, float ADefault) const;
  bool GetSkinDoubleByName(std::wstring_view AName, double& AValue, double ADefault) const;
  bool GetSkinGuidByName(std::wstring_view AName, GUID& AValue) const;
  bool GetSkinStreamByName(std::wstring_view AName, std::vector<uint8_t>& AStream) const;
  std::wstring GetSkinStringByName(std::wstring_view AName) const;
  int32_t GetSkinInt32ByName(std::wstring_view AName) const;
  bool GetSkinBoolByName(std::wstring_view AName) const;
  float GetSkinFloatByName(std::wstring_view AName) const;
  double GetSkinDoubleByName(std::wstring_view AName) const;
  GUID GetSkinGuidByName(std::wstring_view AName) const;
  IGPBitmap GetSkinImageByName(std::wstring_view AName) const;
  std::vector<std::wstring> GetSkinNodesByName(std::wstring_view AName) const;
  // Margin text at a skin path ("left,top,right,bottom"); margins without an
  // item keep their values.
  void GetMarginByString(std::wstring_view AString, int32_t& ALeftMargin, int32_t& ATopMargin, int32_t& ARightMargin,
                         int32_t& ABottomMargin) const;
  void GetMarginByString(std::wstring_view AString, TMargin& AMargin) const;
  // Low byte of the integer at the path (0 when missing).
  TStretchMode GetStretchModeByString(std::wstring_view AString) const;

  // Layout values read from skin nodes, for controls placed by the skin.
  // "left,top,width,height,mode" at the path; values without an item keep theirs.
  void GetBoundsByString(std::wstring_view AString, TSkinBounds& ABounds) const;
  // The anchors named in the text at the path (letter case ignored); False,
  // with AAnchors untouched, when the text is empty.
  bool GetAnchorsByString(std::wstring_view AString, TAnchors& AAnchors) const;
  // "image,left,top,width,height,stretch mode" at the path.
  void GetImageSettingByString(std::wstring_view AString, TSkinImageSetting& ASetting) const;
  // A new bitmap of AWidth x AHeight holding that part of ABitmap; nothing on failure.
  IGPBitmap GetPartOfImage(const IGPBitmap& ABitmap, int32_t ALeft, int32_t ATop, int32_t AWidth,
                           int32_t AHeight) const;

  // Trims the process's working set.
  static void ClearMemory();

  TButtonStyles& SkinButtonStyles() { return *FSkinButtonStyles; }
  TButtonStyles& SkinBitButtonStyles() { return *FSkinBitButtonStyles; }
  TButtonStyles& SkinSpeedButtonStyles() { return *FSkinSpeedButtonStyles; }
  TDropDownButtonStyles& SkinDropDownButtonStyles() { return *FSkinDropDownButtonStyles; }
  TSkinPageControlStyles& HorzPageControlStyles() { return *FHorzPageControlStyles; }
  TSkinFormStyles& SkinFormStyles() { return *FSkinFormStyles; }
  TSkinZoneViewStyles& SkinZoneViewStyles() { return *FSkinZoneViewStyles; }
  TSkinZoneViewScrollBarStyles& SkinZoneViewItems() { return *FSkinZoneViewItems; }
  TSkinPanelStyles& SkinPanelStyles() { return *FSkinPanelStyles; }
  TSkinHeadFrameStyles& SkinHeadFrameStyles() { return *FSkinHeadFrameStyles; }
  TPopupMenuSkin& PopupMenuSkin() { return *FPopupMenuSkin; }
  TUserSkinConfig& UserSkinConfig() { return *FUserSkinConfig; }
  const TFontDesc& SkinFont() const { return FSkinFont; }
  void SetSkinFont(const TFontDesc& Value) { FSkinFont = Value; }
  bool IsPrepareBuildBackGndImage() const { return FIsPrepareBuildBackGndImage; }
  void SetIsPrepareBuildBackGndImage(bool Value) { FIsPrepareBuildBackGndImage = Value; }

  TSkinFile& SkinFile() { return *FSkinFile; }
  const TSkinFile& SkinFile() const { return *FSkinFile; }
  std::wstring FileName() const { return ToWide(FSkinFile->FileName()); }
  bool Loaded() const { return FSkinFile->Loaded(); }
  std::wstring SkinName() const { return ToWide(FSkinFile->SkinName()); }
  std::wstring SkinVersion() const { return ToWide(FSkinFile->SkinVersion()); }

private:
  // Refills every collection and the popup-menu settings from the loaded skin.
  void LoadAllSkinStyles();
  // Makes a collection with its node name and appends it to the collections.
  template <class T> T* AddStyleCollection(const wchar_t* AStyleNodeName);
  void LoadPopupMenuSkin();
  // Everything that follows a successful load.
  void SkinLoaded();

  TGdiPlusLease FLease; // first: GDI+ outlives everything below
  TFontDesc FSkinFont;
  std::unique_ptr<TSkinFile> FSkinFile;
  std::unique_ptr<TUserSkinConfig> FUserSkinConfig;
  TSkinListeners FSkinListeners;
  // Every style collection, in load order; the fields below point into it.
  std::vector<std::unique_ptr<TSkinStyleCollectionBase>> FStyleCollections;
  TButtonStyles* FSkinButtonStyles = nullptr;
  TButtonStyles* FSkinBitButtonStyles = nullptr;
  TButtonStyles* FSkinSpeedButtonStyles = nullptr;
  TDropDownButtonStyles* FSkinDropDownButtonStyles = nullptr;
  TSkinPageControlStyles* FHorzPageControlStyles = nullptr;
  TSkinFormStyles* FSkinFormStyles = nullptr;
  TSkinZoneViewStyles* FSkinZoneViewStyles = nullptr;
  TSkinZoneViewScrollBarStyles* FSkinZoneViewItems = nullptr;
  TSkinPanelStyles* FSkinPanelStyles = nullptr;
  TSkinHeadFrameStyles* FSkinHeadFrameStyles = nullptr;
  std::unique_ptr<TPopupMenuSkin> FPopupMenuSkin;
  bool FIsPrepareBuildBackGndImage = true;
  // Where the skin in use came from.
  enum TSkinSource : uint8_t { ssNone, ssResource, ssFile } FSkinSource = ssNone;
};

// The process-wide skin manager, made on first use (before any form) and
// freed at the end of the process.
TSkinMng& SkinMng();

} // namespace qelvane
