#include "installer/tests/TestSupport.h"

#include <objbase.h>

#include <fstream>
#include <sstream>

#include "installer/Profile.h"
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
