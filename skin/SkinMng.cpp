#include "skin/SkinMng.h"

#include <windows.h>

#include "core/skinfile/CommaText.h"
#include "core/skinfile/Margin.h"
#include "core/text/TextConvert.h"
#include "skin/SkinClassMembers.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {

constexpr const wchar_t* MngClass = L"TSkinMng";

std::wstring Lower(std::wstring_view AText) {
  std::wstring text(AText);
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// A text at a skin path that does not parse: one log line naming the operation.
void LogParseFailure(std::wstring_view AOperation, std::wstring_view APath) {
  const EDrawingError error(L"Invalid number in the text at " + std::wstring(APath));
  WriteExceptionLog(ClassSubject(MngClass), &error, kSkinEngineLogFile, AOperation);
}

} // namespace

TSkinMng& SkinMng() {
  static TSkinMng manager;
  return manager;
}

template <class T> T* TSkinMng::AddStyleCollection(const wchar_t* AStyleNodeName) {
  auto collection = std::make_unique<T>(*this);
  collection->SetStyleNodeName(AStyleNodeName);
  T* result = collection.get();
  FStyleCollections.push_back(std::move(collection));
  return result;
}

TSkinMng::TSkinMng() {
  SkinGuard(ClassSubject(MngClass), L"Create", [&] {
    FSkinFont.Name = FromWide(DefaultSkinFontName());
    FSkinFont.Size = DefaultSkinFontSize();
    FSkinFile = std::make_unique<TSkinFile>();
    FUserSkinConfig = std::make_unique<TUserSkinConfig>(*this);
    // The one list of the collections: this order is the load order.
    FSkinButtonStyles = AddStyleCollection<TButtonStyles>(L"Button");
    FSkinBitButtonStyles = AddStyleCollection<TButtonStyles>(L"BitButton");
    FSkinSpeedButtonStyles = AddStyleCollection<TButtonStyles>(L"SpeedButton");
    FSkinDropDownButtonStyles = AddStyleCollection<TDropDownButtonStyles>(L"DropDownButton");
    FHorzPageControlStyles = AddStyleCollection<TSkinPageControlStyles>(L"Horizontal");
    FSkinFormStyles = AddStyleCollection<TSkinFormStyles>(L"SkinForm");
    FSkinZoneViewStyles = AddStyleCollection<TSkinZoneViewStyles>(L"ZoneViewStyle");
    FSkinZoneViewItems = AddStyleCollection<TSkinZoneViewScrollBarStyles>(L"ZoneViewScrollBar");
    FSkinPanelStyles = AddStyleCollection<TSkinPanelStyles>(L"Panel");
    FSkinHeadFrameStyles = AddStyleCollection<TSkinHeadFrameStyles>(L"HeadFrame");
    FPopupMenuSkin = std::make_unique<TPopupMenuSkin>();
  });
}

TSkinMng::~TSkinMng() {
  SkinGuard(ClassSubject(MngClass), L"Destroy", [&] {
    // Items first: the in-use item may be one of the configuration's.
    FUserSkinConfig.reset();
    FSkinFile.reset();
    FStyleCollections.clear();
    FPopupMenuSkin.reset();
  });
}

// A name equal to the last resource (file) loaded is refused only while the
// skin in use came from that resource (file): after a file was loaded, the
// resource loaded before can be loaded again.
bool TSkinMng::ChangeSkinRes(std::wstring_view AResName, bool Reload) {
  if (!Reload && FSkinSource == ssResource && Lower(AResName) == Lower(ToWide(FSkinFile->ResName()))) return false;
  if (!FSkinFile->LoadSkinRes(AResName)) return false;
  FSkinSource = ssResource;
  SkinLoaded();
  return true;
}

bool TSkinMng::ChangeSkinFile(std::wstring_view AFileName, bool Reload) {
  if (!Reload && FSkinSource == ssFile && Lower(AFileName) == Lower(ToWide(FSkinFile->FileName()))) return false;
  if (!FSkinFile->LoadSkinFile(AFileName)) return false;
  FSkinSource = ssFile;
  SkinLoaded();
  return true;
}

void TSkinMng::SkinLoaded() {
  LoadAllSkinStyles();
  TSkinClassRegistry::NotifySkinClasses();
  FUserSkinConfig->LoadDefaultSkinItem();
  FUserSkinConfig->SetAppUsedSkinItem(FUserSkinConfig->DefaultSkinItem());
  FSkinListeners.SendToAll(&TSkinListenerItem::ChangeSkinFileMsg, 0, 0);
  ClearMemory();
}

void TSkinMng::LoadAllSkinStyles() {
  for (const auto& collection : FStyleCollections)
    collection->LoadStyles();
  LoadPopupMenuSkin();
}

void TSkinMng::LoadPopupMenuSkin() {
  FPopupMenuSkin->Load(*this);
}

void TSkinMng::ChangeSkinBackGround(TBaseSkinItem* AItem) {
  TBaseSkinItem* used = FUserSkinConfig->AppUsedSkinItem();
  if (used && used != AItem) used->FreeImage();
  if (dynamic_cast<TSkinBackGroundFileItem*>(AItem)) {
    ChangeSkinBackGroundFile(AItem);
  } else if (auto* color = dynamic_cast<TSkinBackGroundColorItem*>(AItem)) {
    if (color->IsCustom())
      ChangeSkinBackGroundCustomColor(AItem);
    else
      ChangeSkinBackGroundColor(AItem);
  }
}

void TSkinMng::ChangeSkinBackGroundFile(TBaseSkinItem* AItem) {
  if (!Loaded()) return;
  FSkinListeners.SendToAll(&TSkinListenerItem::ChangeSkinBackGroundFileMsg, reinterpret_cast<WPARAM>(AItem), 0);
  ClearMemory();
}

void TSkinMng::ChangeSkinBackGroundColor(TBaseSkinItem* AItem) {
  if (!Loaded()) return;
  FSkinListeners.SendToAll(&TSkinListenerItem::ChangeSkinBackGroundColorMsg, reinterpret_cast<WPARAM>(AItem), 0);
  ClearMemory();
}

void TSkinMng::ChangeSkinBackGroundCustomColor(TBaseSkinItem* AItem) {
  if (!Loaded()) return;
  FSkinListeners.SendToAll(&TSkinListenerItem::ChangeSkinBackGroundCustomColorMsg, reinterpret_cast<WPARAM>(AItem), 0);
  ClearMemory();
}

int32_t TSkinMng::RegisterSkinListener(HWND hListenerWindow, UINT dwChangeSkinFileMsg,
                                       UINT dwChangeSkinBackGroundColorMsg, UINT dwChangeSkinBackGroundFileMsg,
                                       UINT dwChangeSkinBackGroundCustomColorMsg) {
  return FSkinListeners.Register({hListenerWindow, dwChangeSkinFileMsg, dwChangeSkinBackGroundColorMsg,
                                  dwChangeSkinBackGroundFileMsg, dwChangeSkinBackGroundCustomColorMsg})
             ? -1
             : 0;
}

void TSkinMng::UnRegisterSkinListener(HWND hListenerWindow) {
  FSkinListeners.UnRegister(hListenerWindow);
}

void TSkinMng::ClearMemory() {
  SkinGuard(L"ClearMemory", [] {
    if (!SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)))
      throw EDrawingError(L"SetProcessWorkingSetSize: " + SysErrorMessage(GetLastError()));
  });
}

} // namespace qelvane

namespace qelvane {

// Reading the skin: forwarded to the skin file.

bool TSkinMng::GetSkinStringByName(std::wstring_view AName, std::wstring& AValue, const std::wstring& ADefault) const {
  return FSkinFile->GetSkinStringByName(AName, AValue, ADefault);
}
bool TSkinMng::GetSkinInt32ByName(std::wstring_view AName, int32_t& AValue, int32_t ADefault) const {
  return FSkinFile->GetSkinInt32ByName(AName, AValue, ADefault);
}
bool TSkinMng::GetSkinBoolByName(std::wstring_view AName, bool& AValue, bool ADefault) const {
  return FSkinFile->GetSkinBoolByName(AName, AValue, ADefault);
}
bool TSkinMng::GetSkinFloatByName(std::wstring_view AName, float& AValue, float ADefault) const {
  return FSkinFile->GetSkinFloatByName(AName, AValue, ADefault);
}
bool TSkinMng::GetSkinDoubleByName(std::wstring_view AName, double& AValue, double ADefault) const {
  return FSkinFile->GetSkinDoubleByName(AName, AValue, ADefault);
}
bool TSkinMng::GetSkinGuidByName(std::wstring_view AName, GUID& AValue) const {
  return FSkinFile->GetSkinGuidByName(AName, AValue);
}
bool TSkinMng::GetSkinStreamByName(std::wstring_view AName, std::vector<uint8_t>& AStream) const {
  return FSkinFile->GetSkinStreamByName(AName, AStream);
}
std::wstring TSkinMng::GetSkinStringByName(std::wstring_view AName) const {
  std::wstring value;
  GetSkinStringByName(AName, value, L"");
  return value;
}
int32_t TSkinMng::GetSkinInt32ByName(std::wstring_view AName) const {
  int32_t value = 0;
  GetSkinInt32ByName(AName, value, 0);
  return value;
}
bool TSkinMng::GetSkinBoolByName(std::wstring_view AName) const {
  bool value = false;
  GetSkinBoolByName(AName, value, false);
  return value;
}
float TSkinMng::GetSkinFloatByName(std::wstring_view AName) const {
  float value = 0;
  GetSkinFloatByName(AName, value, 0);
  return value;
}
double TSkinMng::GetSkinDoubleByName(std::wstring_view AName) const {
  double value = 0;
  GetSkinDoubleByName(AName, value, 0);
  return value;
}
GUID TSkinMng::GetSkinGuidByName(std::wstring_view AName) const {
  GUID value{};
  GetSkinGuidByName(AName, value);
  return value;
}
IGPBitmap TSkinMng::GetSkinImageByName(std::wstring_view AName) const {
  return FSkinFile->GetSkinImageByName(AName);
}
std::vector<std::wstring> TSkinMng::GetSkinNodesByName(std::wstring_view AName) const {
  return FSkinFile->GetSkinNodesByName(AName);
}

TStretchMode TSkinMng::GetStretchModeByString(std::wstring_view AString) const {
  return static_cast<TStretchMode>(static_cast<uint8_t>(GetSkinInt32ByName(AString)));
}

} // namespace qelvane

namespace qelvane {

void TSkinMng::GetMarginByString(std::wstring_view AString, int32_t& ALeftMargin, int32_t& ATopMargin,
                                 int32_t& ARightMargin, int32_t& ABottomMargin) const {
  if (!ParseMarginText(FromWide(GetSkinStringByName(AString)), ALeftMargin, ATopMargin, ARightMargin, ABottomMargin))
    LogParseFailure(L"GetMarginByString", AString);
}

void TSkinMng::GetMarginByString(std::wstring_view AString, TMargin& AMargin) const {
  GetMarginByString(AString, AMargin.LeftMargin, AMargin.TopMargin, AMargin.RightMargin, AMargin.BottomMargin);
}

} // namespace qelvane

namespace qelvane {

// Layout values read from skin nodes.

void TSkinMng::GetBoundsByString(std::wstring_view AString, TSkinBounds& ABounds) const {
  // "left,top,width,height,mode"; the size travels in the right and bottom margins.
  TMargin& m = ABounds.AnchorMargin;
  int32_t* const targets[] = {&m.LeftMargin, &m.TopMargin, &m.RightMargin, &m.BottomMargin, &ABounds.AnchorMarginType};
  if (!ParseIntegerItems(FromWide(GetSkinStringByName(AString)), targets))
    LogParseFailure(L"GetBoundsByString", AString);
}

bool TSkinMng::GetAnchorsByString(std::wstring_view AString, TAnchors& AAnchors) const {
  const std::wstring text = GetSkinStringByName(AString);
  if (text.empty()) return false;
  TAnchors anchors = 0;
  for (const std::u16string& item : SplitCommaText(FromWide(text))) {
    const std::wstring name = Lower(ToWide(item));
    if (name == L"akleft") anchors |= akLeft;
    if (name == L"aktop") anchors |= akTop;
    if (name == L"akright") anchors |= akRight;
    if (name == L"akbottom") anchors |= akBottom;
  }
  AAnchors = anchors;
  return true;
}

void TSkinMng::GetImageSettingByString(std::wstring_view AString, TSkinImageSetting& ASetting) const {
  // "image,left,top,width,height,stretch mode": the first item is a name.
  const std::vector<std::u16string> items = SplitCommaText(FromWide(GetSkinStringByName(AString)));
  if (items.empty()) return;
  ASetting.Image = ToWide(items[0]);
  int32_t* const targets[] = {&ASetting.Left, &ASetting.Top, &ASetting.Width, &ASetting.Height, &ASetting.StretchMode};
  for (size_t i = 1; i < items.size() && i <= std::size(targets); ++i) {
    if (!TryStrToInt32(items[i], *targets[i - 1])) {
      LogParseFailure(L"GetImageSettingByString", AString);
      return;
    }
  }
}

IGPBitmap TSkinMng::GetPartOfImage(const IGPBitmap& ABitmap, int32_t ALeft, int32_t ATop, int32_t AWidth,
                                   int32_t AHeight) const {
  IGPBitmap part;
  if (!ABitmap) return part;
  SkinGuard(ClassSubject(MngClass), L"GetPartOfImage", [&] {
    IGPBitmap result = TGPBitmap::Create(AWidth, AHeight);
    auto graphics = NewGraphics(result);
    DrawImagePiece(*graphics, ABitmap->Native(), {0, 0, AWidth, AHeight}, {ALeft, ATop, AWidth, AHeight});
    part = result;
  });
  return part;
}

} // namespace qelvane
