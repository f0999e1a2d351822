#include "installer/tests/TestSupport.h"

#include <objbase.h>

#include <fstream>
#include <sstream>

#include "installer/InstallRecord.h"
#include "installer/Profile.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/Log.h"
#include "winbase/WinText.h"

namespace qelvane::test {

void UseCom() {
  // Once per process, only in the tests that make shell calls: starting COM
  // under Wine costs most of a second.
  static const HRESULT once = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)once;
}

TScratchDir::TScratchDir(const std::wstring& Name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  FPath = std::wstring(temp) + L"qelvane-test-" + Name + L"\\";
  RemoveTree(FPath);
  CreateDirectoryW(FPath.c_str(), nullptr);
}

TScratchDir::~TScratchDir() {
  RemoveTree(FPath);
}

void RemoveTree(const std::wstring& Path) {
  std::wstring base = Path;
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  WIN32_FIND_DATAW f;
  HANDLE h = FindFirstFileW((base + L"\\*").c_str(), &f);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring n = f.cFileName;
      if (n == L"." || n == L"..") continue;
      std::wstring p = base + L"\\" + n;
      SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(p);
      else
        DeleteFileW(p.c_str());
    } while (FindNextFileW(h, &f));
    FindClose(h);
  }
  RemoveDirectoryW(base.c_str());
}

void WriteTextFile(const std::wstring& Path, const std::string& Bytes) {
  UniqueHandle f(CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(f) << "cannot create test file " << WideToAnsi(Path, CP_UTF8) << " error " << GetLastError();
  DWORD written = 0;
  WriteFile(f.get(), Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr);
}

std::string ReadFileBytes(const std::wstring& Path) {
  UniqueHandle f(
      CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) return {};
  std::string out;
  char buf[65536];
  DWORD n = 0;
  while (ReadFile(f.get(), buf, sizeof(buf), &n, nullptr) && n > 0)
    out.append(buf, n);
  return out;
}

std::wstring InstallLogPath() {
  return LogFolder() + std::wstring(LogFileName);
}
void ClearInstallLog() {
  DeleteFileW(InstallLogPath().c_str());
}
std::wstring InstallLogText() {
  return AnsiToWide(ReadFileBytes(InstallLogPath()));
}

namespace {

void ReadTree(const std::wstring& Base, const std::wstring& Relative, std::map<std::wstring, std::string>& Out) {
  WIN32_FIND_DATAW f;
  HANDLE h = FindFirstFileW((Base + Relative + L"*").c_str(), &f);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring n = f.cFileName;
    if (n == L"." || n == L"..") continue;
    const std::wstring rel = Relative + n;
    if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      Out[rel + L"\\"] = "<folder>";
      ReadTree(Base, rel + L"\\", Out);
    } else {
      Out[rel] = ReadFileBytes(Base + rel);
    }
  } while (FindNextFileW(h, &f));
  FindClose(h);
}

std::string Utf8(const std::wstring& s) {
  return WideToAnsi(s, CP_UTF8);
}

} // namespace

TInstallState ReadInstallState(const std::wstring& Folder) {
  TInstallState state;
  ReadTree(IncludeTrailingBackslash(Folder), L"", state.Files);
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, InstallRecordKey().c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) ==
      ERROR_SUCCESS) {
    for (DWORD i = 0;; ++i) {
      wchar_t name[512];
      BYTE data[4096];
      DWORD nameLen = 512, type = 0, size = sizeof(data);
      if (RegEnumValueW(key, i, name, &nameLen, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
      state.Record[name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), size);
    }
    for (const wchar_t* link : {L"ShortcutFileName", L"ProgramsStartUpFileName", L"ProgramsStartUpUnInstallFileName"}) {
      wchar_t path[MAX_PATH] = {};
      DWORD size = sizeof(path) - sizeof(wchar_t);
      if (RegQueryValueExW(key, link, nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size) == ERROR_SUCCESS &&
          path[0])
        state.Shortcuts[path] = FileExists(path) ? ReadFileBytes(path) : "<missing>";
    }
    RegCloseKey(key);
  }
  return state;
}

std::string Differences(const TInstallState& Before, const TInstallState& After) {
  std::string out;
  auto compare = [&](const char* What, const std::map<std::wstring, std::string>& A,
                     const std::map<std::wstring, std::string>& B) {
    for (const auto& [k, v] : A) {
      auto it = B.find(k);
      if (it == B.end())
        out += std::string(What) + " gone: " + Utf8(k) + "\n";
      else if (it->second != v)
        out += std::string(What) + " changed: " + Utf8(k) + " (" + std::to_string(v.size()) + " -> " +
               std::to_string(it->second.size()) + " bytes)\n";
    }
    for (const auto& [k, v] : B)
      if (!A.count(k)) out += std::string(What) + " new: " + Utf8(k) + "\n";
  };
  compare("file", Before.Files, After.Files);
  compare("record value", Before.Record, After.Record);
  compare("shortcut", Before.Shortcuts, After.Shortcuts);
  return out;
}

DWORD RunAndWait(const std::wstring& CommandLine, DWORD TimeoutMs) {
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cmd = CommandLine;
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return DWORD(-1);
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  if (WaitForSingleObject(pi.hProcess, TimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 99);
    return DWORD(-1);
  }
  DWORD code = DWORD(-1);
  GetExitCodeProcess(pi.hProcess, &code);
  return code;
}

std::wstring TestExeFolder() {
  return LogFolder();
}

} // namespace qelvane::test
