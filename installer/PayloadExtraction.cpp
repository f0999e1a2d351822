// Writing the payload archive into the install folder on Windows.
#include <windows.h>

#include <algorithm>
#include <unordered_set>

#include "core/payload/Payload.h"
#include "installer/InstallLog.h"
#include "installer/InstallSequence.h"
#include "installer/StagingArea.h"
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

class TWindowsPayloadTarget : public TPayloadTarget {
public:
  TWindowsPayloadTarget(TInstallView& View, std::wstring Folder, size_t PrefixBytes, TStagingArea* Replaced,
                        const TWriteCall& WriteCall, std::vector<std::wstring>& CreatedFiles,
                        std::vector<std::wstring>& CreatedFolders, std::vector<std::wstring>& WrittenFiles,
                        std::wstring& FolderFailure)
      : FView(View), FFolder(std::move(Folder)), FPrefixBytes(PrefixBytes), FReplaced(Replaced), FWriteCall(WriteCall),
        FCreatedFiles(CreatedFiles), FCreatedFolders(CreatedFolders), FWrittenFiles(WrittenFiles),
        FFolderFailure(FolderFailure) {}

  void SetProgressRange(uint32_t Count) override {
    FView.SetProgressRange(0, static_cast<int>(Count));
    FView.SetProgress(0);
  }
  void ShowEntry(uint32_t, std::string_view Name) override {
    const std::wstring name = AnsiToWide(Name, PayloadCodePage);
    FView.SetStatus(L"正在复制文件: " + name);
    OutputDebugStringW((FFolder + name).c_str());
    FView.ProcessMessages();
  }
  // A cancel asked for while the messages were processed stops the copy
  // here, between two files.
  void EntryDone(uint32_t Index) override {
    FView.SetProgress(static_cast<int>(Index + 1));
    FView.ProcessMessages();
    if (FView.CancelRequested()) throw EInstallCancelled();
  }

  // Creates each missing folder along the path, noting the ones it made. A
  // folder that cannot be made gets a log line naming it and the reason, and
  // is kept as the extraction's folder failure.
  bool ForceFolder(const std::string& Folder) override {
    const std::wstring path = IncludeTrailingBackslash(Wide(Folder));
    if (DirectoryExists(path)) return true;
    std::vector<size_t> separators;
    for (size_t p = path.find(L'\\'); p != std::wstring::npos; p = path.find(L'\\', p + 1))
      separators.push_back(p);
    // Below the deepest folder that exists (a drive or share is never made).
    size_t first = separators.size();
    for (; first > 0; --first) {
      const std::wstring part = path.substr(0, separators[first - 1]);
      if (part.empty() || (part.size() == 2 && part[1] == L':') || DirectoryExists(part)) break;
    }
    for (size_t i = first; i < separators.size(); ++i) {
      const std::wstring part = path.substr(0, separators[i]);
      if (CreateDirectoryW(part.c_str(), nullptr)) {
        FCreatedFolders.push_back(part);
      } else if (DWORD error = GetLastError(); !DirectoryExists(part)) {
        FFolderFailure = part + L": " + SysErrorMessage(error);
        WriteInstallLog(L"CreateDirChain:创建安装目录失败\r\n" + FFolderFailure);
        return false;
      }
    }
    return true;
  }

  bool FileExists(const std::string& Path) override { return qelvane::FileExists(Wide(Path)); }

  // Creates the file, or replaces an existing one, and writes all its bytes.
  // An existing file is checked the way creating over it checks it (a
  // read-only, locked or protected file refuses), then moved aside so that a
  // failed installation can put it back. A file left incomplete by a failed
  // write is deleted.
  void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) override {
    const std::wstring path = Wide(Path);
    if (FReplaced && qelvane::FileExists(path) && !IsCreated(path)) {
      UniqueHandle check(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
      if (!check) throw EOSError(GetLastError(), L"Cannot create file \"" + path + L"\"");
      check.reset();
      if (DWORD error = FReplaced->MoveAside(path)) throw EOSError(error, L"Cannot replace file \"" + path + L"\"");
    }
    const bool existed = qelvane::FileExists(path);
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw EOSError(GetLastError(), L"Cannot create file \"" + path + L"\"");
    if (!existed) {
      FCreatedFiles.push_back(path);
      FCreatedSet.insert(path);
    }
    try {
      WriteAll(file.get(), Data, Size, path, FWriteCall);
    } catch (...) {
      file.reset();
      DeleteFileW(path.c_str());
      throw;
    }
    FWrittenFiles.push_back(path);
  }

private:
  // The install folder (given in UTF-16) followed by the entry's part.
  std::wstring Wide(const std::string& Path) const {
    return FFolder + AnsiToWide(std::string_view(Path).substr(FPrefixBytes), PayloadCodePage);
  }
  // A file this extraction made (an archive may name a file twice).
  bool IsCreated(const std::wstring& Path) const { return FCreatedSet.count(Path) != 0; }

  TInstallView& FView;
  std::wstring FFolder;
  size_t FPrefixBytes;
  TStagingArea* FReplaced;
  const TWriteCall& FWriteCall;
  std::vector<std::wstring>& FCreatedFiles;
  std::vector<std::wstring>& FCreatedFolders;
  std::vector<std::wstring>& FWrittenFiles;
  std::wstring& FFolderFailure;
  std::unordered_set<std::wstring> FCreatedSet;
};

} // namespace

void TInstaller::UsePayload(const void* Stream, size_t Size) {
  FPayload = Stream;
  FPayloadSize = Size;
}

bool TInstaller::LoadPayload() {
  const void* data = FPayload;
  size_t size = FPayloadSize;
  if (!data) {
    HRSRC info = FindResourceW(nullptr, L"RESOURCES", L"DATA");
    HGLOBAL res = info ? LoadResource(nullptr, info) : nullptr;
    data = res ? LockResource(res) : nullptr;
    if (!data) throw Exception(L"Resource RESOURCES not found");
    size = SizeofResource(nullptr, info);
  }
  FArchive.Clear();
  try {
    TMemorySource source(data, size);
    ZDecompressStream(source, FArchive);
  } catch (const std::exception& e) {
    FArchive.Clear();
    WriteInstallLog(L"ZDecompressStream:提取安装包出错!\r\n" + ErrorText(e));
    return false;
  }
  try {
    ReadPayloadDirectory(FArchive);
  } catch (const EPayloadRefused& e) {
    FArchive.Clear();
    WriteInstallLog(L"ExtractPayload:安装包已损坏,拒绝安装\r\n" + ErrorText(e));
    return false;
  }
  return true;
}

size_t TInstaller::LongestEntry() const {
  size_t longest = 0;
  for (const PayloadEntry& e : ReadPayloadDirectory(FArchive))
    longest = std::max(longest, AnsiToWide(PayloadEntryName(FArchive, e), PayloadCodePage).size());
  // An upgrade moves a replaced file into the staging folder below the
  // install folder.
  return longest + StagingFolderName().size() + 1;
}

bool TInstaller::ExtractLoaded(const std::wstring& Folder, TStagingArea* Replaced) {
  // The portable extractor joins 8-bit paths; the target maps them back to
  // the UTF-16 folder by this prefix.
  const std::string prefix = "<install>\\";
  TWindowsPayloadTarget target(FView, IncludeTrailingBackslash(Folder), prefix.size(), Replaced, FWriteCall,
                               FCreatedFiles, FCreatedFolders, FWrittenFiles, FFolderFailure);
  try {
    return ExtractArchive(FArchive, prefix, target);
  } catch (const EPayloadRefused& e) {
    WriteInstallLog(L"ExtractPayload:安装包已损坏,拒绝安装\r\n" + ErrorText(e));
    return false;
  }
}

void TInstaller::RemoveCreated() {
  for (auto f = FCreatedFiles.rbegin(); f != FCreatedFiles.rend(); ++f)
    DeleteFileW(f->c_str());
  for (auto d = FCreatedFolders.rbegin(); d != FCreatedFolders.rend(); ++d)
    RemoveDirectoryW(d->c_str());
  FCreatedFiles.clear();
  FCreatedFolders.clear();
}

bool TInstaller::ExtractPayload(const std::wstring& Folder) {
  if (!LoadPayload()) return false;
  struct TRelease {
    TInstaller& Self;
    ~TRelease() {
      Self.FArchive.Clear();
      Self.FCreatedFiles.clear();
      Self.FCreatedFolders.clear();
      Self.FWrittenFiles.clear();
    }
  } release{*this};
  return ExtractLoaded(Folder, nullptr);
}

bool TInstaller::ExtractPayloadFrom(const void* Stream, size_t Size, const std::wstring& Folder) {
  UsePayload(Stream, Size);
  return ExtractPayload(Folder);
}

} // namespace qelvane
