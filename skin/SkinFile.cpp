#include "skin/SkinFile.h"

#include <atomic>
#include <limits>

#include "drawing/DrawingErrors.h"
#include "skin/SkinMng.h"
#include "winbase/Handles.h"

namespace qelvane {

namespace {
constexpr const wchar_t* FileClass = L"TSkinFile";
std::atomic<uint64_t> GImageDecodes{0};
TSkinFile::TDecodeObserver GDecodeObserver = nullptr;
void* GDecodeContext = nullptr;
} // namespace

TSkinFile::TSkinFile() = default;

TSkinFile::~TSkinFile() {
  SkinGuard(ClassSubject(FileClass), L"Destroy", [&] { ClearDocument(); });
}

uint64_t TSkinFile::ImageDecodeCount() {
  return GImageDecodes.load();
}

void TSkinFile::SetDecodeObserver(TDecodeObserver AObserver, void* AContext) {
  GDecodeObserver = AObserver;
  GDecodeContext = AContext;
}

void TSkinFile::LoadDocument(const void* ABytes, uint64_t ACount) {
  // Read into a new document first: a damaged one must not destroy the skin
  // loaded before.
  ReplaceDocument(ABytes, ACount);
  std::wstring text;
  if (GetSkinStringByName(L"SkinInfo\\SkinName", text, L"")) FSkinName = text;
  if (GetSkinStringByName(L"SkinInfo\\SkinVersion", text, L"")) FSkinVersion = text;
}

bool TSkinFile::LoadSkinRes(std::wstring_view AResName) {
  FLoaded = false;
  SkinGuard(ClassSubject(FileClass), L"LoadSkinFile", [&] {
    const std::wstring name(AResName);
    HRSRC res = FindResourceW(nullptr, name.c_str(), L"DATA");
    if (!res) throw EResNotFound(name);
    HGLOBAL data = LoadResource(nullptr, res);
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) throw EResNotFound(name);
    LoadDocument(bytes, SizeofResource(nullptr, res));
    FLoaded = true;
    FResName = name;
  });
  return FLoaded;
}

bool TSkinFile::LoadSkinFile(std::wstring_view AFileName) {
  FLoaded = false;
  const std::wstring name(AFileName);
  UniqueHandle file(
      CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    // Kept as the engine always did: the skin loaded before stays in use.
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
    FFileName = name;
  });
  FLoaded = result;
  return result;
}

IGPBitmap TSkinFile::GetSkinImageByName(std::wstring_view AName) const {
  return SkinMng().SkinFile().FetchSkinImageByName(AName);
}

IGPBitmap TSkinFile::FetchSkinImageByName(std::wstring_view AName) const {
  std::span<const uint8_t> bytes = NodeBytes(AName);
  if (bytes.empty()) return {};
  ++GImageDecodes;
  if (GDecodeObserver) GDecodeObserver(AName, GDecodeContext);
  return TSkinHelper::CreateBitmap(bytes);
}

} // namespace qelvane
