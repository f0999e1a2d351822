#include "skin/SkinFile.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <optional>

#include "core/gfx/PngCheck.h"
#include "core/text/TextConvert.h"
#include "winbase/Handles.h"

namespace qelvane {

namespace {

constexpr const wchar_t* FileClass = L"TSkinFile";
std::atomic<uint64_t> GImageDecodes{0};
TSkinFile::TDecodeObserver GDecodeObserver = nullptr;
void* GDecodeContext = nullptr;

std::u16string_view U16(std::wstring_view s) {
  return {reinterpret_cast<const char16_t*>(s.data()), s.size()};
}

} // namespace

TSkinFile::TSkinFile() = default;

TSkinFile::~TSkinFile() = default;

uint64_t TSkinFile::ImageDecodeCount() {
  return GImageDecodes.load();
}

void TSkinFile::SetDecodeObserver(TDecodeObserver AObserver, void* AContext) {
  GDecodeObserver = AObserver;
  GDecodeContext = AContext;
}

void TSkinFile::LoadDocument(const void* ABytes, size_t ACount) {
  // Read into a scratch document first: bytes that are not a skin document
  // must not destroy the skin loaded before.
  TBinaryTreeDocument100 probe;
  probe.WriteBuffer(ABytes, ACount);
  LoadSkinDocument(ABytes, ACount);
}

bool TSkinFile::LoadSkinRes(std::wstring_view AResName) {
  FLoaded = false;
  SkinGuard(ClassSubject(FileClass), L"LoadSkinFile", [&] {
    const std::wstring name(AResName);
    HRSRC res = FindResourceW(nullptr, name.c_str(), L"DATA");
    HGLOBAL data = res ? LoadResource(nullptr, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) throw EResNotFound(name);
    LoadDocument(bytes, SizeofResource(nullptr, res));
    FLoaded = true;
    FResName = FromWide(name);
  });
  return FLoaded;
}

bool TSkinFile::LoadSkinFile(std::wstring_view AFileName) {
  FLoaded = false;
  const std::wstring name(AFileName);
  UniqueHandle file(
      CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    // The skin loaded before stays in use and counts as loaded.
    FLoaded = true;
    return false;
  }
  bool result = false;
  SkinGuard(ClassSubject(FileClass), L"LoadSkinFile", [&] {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) throw EFOpenError(name, GetLastError());
    if (size.QuadPart > std::numeric_limits<DWORD>::max()) throw EDrawingError(L"Skin file too large: " + name);
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()))
      throw EFOpenError(name, GetLastError());
    LoadDocument(bytes.data(), bytes.size());
    result = true;
    FFileName = FromWide(name);
  });
  FLoaded = result;
  return result;
}

bool TSkinFile::GetSkinStringByName(std::wstring_view AName, std::wstring& AValue, std::wstring_view ADefault) const {
  std::u16string value;
  bool found = GetSkinStringByName(U16(AName), value, U16(ADefault));
  AValue = ToWide(value);
  return found;
}

bool TSkinFile::GetSkinInt32ByName(std::wstring_view AName, int32_t& AValue, int32_t ADefault) const {
  return GetSkinInt32ByName(U16(AName), AValue, ADefault);
}

bool TSkinFile::GetSkinBoolByName(std::wstring_view AName, bool& AValue, bool ADefault) const {
  return GetSkinBoolByName(U16(AName), AValue, ADefault);
}

bool TSkinFile::GetSkinFloatByName(std::wstring_view AName, float& AValue, float ADefault) const {
  return GetSkinFloatByName(U16(AName), AValue, ADefault);
}

bool TSkinFile::GetSkinDoubleByName(std::wstring_view AName, double& AValue, double ADefault) const {
  return GetSkinDoubleByName(U16(AName), AValue, ADefault);
}

bool TSkinFile::GetSkinGuidByName(std::wstring_view AName, GUID& AValue) const {
  TGUID value;
  if (!TSkinFileBase::GetSkinGuidByName(U16(AName), value)) return false;
  AValue.Data1 = value.D1;
  AValue.Data2 = value.D2;
  AValue.Data3 = value.D3;
  std::copy(value.D4.begin(), value.D4.end(), AValue.Data4);
  return true;
}

bool TSkinFile::GetSkinStreamByName(std::wstring_view AName, std::vector<uint8_t>& AStream) const {
  return GetSkinStreamByName(U16(AName), AStream);
}

std::vector<std::wstring> TSkinFile::GetSkinNodesByName(std::wstring_view AName) const {
  std::vector<std::wstring> names;
  for (const std::u16string& name : GetSkinNodesByName(U16(AName)))
    names.push_back(ToWide(name));
  return names;
}

std::span<const uint8_t> TSkinFile::NodeBytes(std::wstring_view AName) const {
  auto* node = dynamic_cast<const TBufferNode100*>(FindSkinNode(U16(AName)));
  if (!node || !node->DataBuf()) return {};
  return {node->DataBuf(), node->DataSize()};
}

IGPBitmap TSkinFile::GetSkinImageByName(std::wstring_view AName) const {
  return (FImageSource ? *FImageSource : *this).FetchSkinImageByName(AName);
}

IGPBitmap TSkinFile::FetchSkinImageByName(std::wstring_view AName) const {
  std::span<const uint8_t> bytes = NodeBytes(AName);
  std::vector<uint8_t> value;
  if (bytes.empty()) {
    // Not an image node: its value bytes, which will hardly decode.
    const TBinTreeNode100* node = FindSkinNode(U16(AName));
    if (!node || node->DataSize() == 0) return {};
    value = node->ValueBytes();
    bytes = value;
  }
  auto decode = [](std::wstring_view APath, std::span<const uint8_t> ABytes) {
    ++GImageDecodes;
    if (GDecodeObserver) GDecodeObserver(APath, GDecodeContext);
    return TSkinHelper::CreateBitmap(ABytes);
  };
  // A PNG that checks out is decoded when its pixels are first needed, from
  // a copy of its bytes: a reload of the skin frees the document. Anything
  // else is decoded now, so its failure is logged here.
  const std::optional<TPngSize> png = CheckPng(bytes);
  if (!png) return decode(AName, bytes);
  return TGPBitmap::Deferred(png->Width, png->Height,
                             [decode, path = std::wstring(AName),
                              copy = std::vector<uint8_t>(bytes.begin(), bytes.end())] { return decode(path, copy); });
}

} // namespace qelvane
