// Writing the payload archive into the install folder on Windows.
#include <windows.h>

#include "core/payload/Payload.h"
#include "installer/InstallLog.h"
#include "installer/InstallSequence.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {

// Entry names are GBK text; they are decoded with code page 936 whatever the
// system's code page, and joined to the install folder as UTF-16, so the
// user's folder never goes through a lossy 8-bit conversion.
constexpr UINT PayloadCodePage = 936;

// Creates each missing folder along Path (which ends in a backslash).
bool CreateDirChain(const std::wstring& Path) {
  for (size_t p = Path.find(L'\\'); p != std::wstring::npos; p = Path.find(L'\\', p + 1)) {
    std::wstring part = Path.substr(0, p);
    if (part.empty() || (part.size() == 2 && part[1] == L':')) continue;
    if (!DirectoryExists(part) && !CreateDirectoryW(part.c_str(), nullptr)) return false;
  }
  return true;
}

class TWindowsPayloadTarget : public TPayloadTarget {
public:
  TWindowsPayloadTarget(TInstallView& View, std::wstring Folder, size_t PrefixBytes)
      : FView(View), FFolder(std::move(Folder)), FPrefixBytes(PrefixBytes) {}

  void SetProgressRange(uint32_t Count) override {
    FView.SetProgressRange(0, static_cast<int>(Count));
    FView.SetProgress(0);
  }
  void ShowEntry(uint32_t, std::string_view Name) override {
    FView.SetStatus(L"正在复制文件: " + AnsiToWide(Name, PayloadCodePage));
    FView.ProcessMessages();
  }
  void EntryDone(uint32_t Index) override {
    FView.SetProgress(static_cast<int>(Index + 1));
    FView.ProcessMessages();
  }
  bool ForceFolder(const std::string& Folder) override {
    std::wstring path = Wide(Folder);
    ForceDirectories(path);
    OutputDebugStringW(path.c_str());
    if (DirectoryExists(path)) return true;
    return CreateDirChain(IncludeTrailingBackslash(path));
  }
  bool FileExists(const std::string& Path) override { return qelvane::FileExists(Wide(Path)); }
  void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) override {
    std::wstring path = Wide(Path);
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw EOSError(GetLastError(), L"Cannot create file \"" + path + L"\"");
    while (Size > 0) {
      DWORD chunk = static_cast<DWORD>(Size > (1u << 30) ? (1u << 30) : Size);
      DWORD written = 0;
      if (!::WriteFile(file.get(), Data, chunk, &written, nullptr) || written != chunk)
        throw EOSError(GetLastError(), L"Cannot write file \"" + path + L"\"");
      Data += chunk;
      Size -= chunk;
    }
  }

private:
  // The install folder (given in UTF-16) followed by the entry's part.
  std::wstring Wide(const std::string& Path) const {
    return FFolder + AnsiToWide(std::string_view(Path).substr(FPrefixBytes), PayloadCodePage);
  }
  TInstallView& FView;
  std::wstring FFolder;
  size_t FPrefixBytes;
};

} // namespace

bool TInstaller::ExtractPayloadFrom(const void* Stream, size_t Size, const std::wstring& Folder) {
  TChunkedMemory archive;
  try {
    TMemorySource source(Stream, Size);
    ZDecompressStream(source, archive);
  } catch (const std::exception& e) {
    WriteInstallLog(L"ZDecompressStream:提取安装包出错!\r\n" + ErrorText(e));
    return false;
  }
  // The portable extractor joins 8-bit paths; the target maps them back to
  // the UTF-16 folder by this prefix.
  const std::string prefix = "<install>\\";
  TWindowsPayloadTarget target(FView, IncludeTrailingBackslash(Folder), prefix.size());
  try {
    return ExtractArchive(archive, prefix, target);
  } catch (const EPayloadRefused& e) {
    WriteInstallLog(L"ExtractPayload:安装包已损坏,拒绝安装\r\n" + ErrorText(e));
    return false;
  }
}

bool TInstaller::ExtractPayload(const std::wstring& Folder) {
  HRSRC info = FindResourceW(nullptr, L"RESOURCES", L"DATA");
  HGLOBAL res = info ? LoadResource(nullptr, info) : nullptr;
  const void* data = res ? LockResource(res) : nullptr;
  if (!data) throw Exception(L"Resource RESOURCES not found");
  return ExtractPayloadFrom(data, SizeofResource(nullptr, info), Folder);
}

} // namespace qelvane
