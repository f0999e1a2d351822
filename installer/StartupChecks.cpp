#include "installer/StartupChecks.h"

// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include "installer/Profile.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"

namespace qelvane {

bool IsInstallerRunning() {
  std::wstring name = ProductTag();
  // Deliberately never closed: the mutex marks this process until it ends.
  HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
  (void)mutex;
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

namespace {
std::wstring UpperAscii(std::wstring s) {
  for (wchar_t& c : s)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return s;
}
} // namespace

bool ExeNameMatches(const std::wstring& SnapshotExeFile, const std::wstring& ExeName) {
  std::wstring wanted = UpperAscii(ExeName);
  return UpperAscii(ExtractFileName(SnapshotExeFile)) == wanted || UpperAscii(SnapshotExeFile) == wanted;
}

bool FindProcessByExeName(const std::wstring& ExeName) {
  // The tool-help entry points are looked up at run time; without them
  // nothing is found.
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return false;
  using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
  using WalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);
  auto snapshot =
      reinterpret_cast<SnapshotFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
  auto first = reinterpret_cast<WalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32FirstW")));
  auto next = reinterpret_cast<WalkFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "Process32NextW")));
  if (!snapshot || !first || !next) return false;
  UniqueHandle snap(snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snap) return false;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = first(snap.get(), &entry); more; more = next(snap.get(), &entry)) {
    entry.szExeFile[MAX_PATH - 1] = L'\0';
    if (ExeNameMatches(entry.szExeFile, ExeName)) return true;
  }
  return false;
}

bool IsProgramRunning(const std::wstring& ExeName) {
  return FindProcessByExeName(ExeName);
}

void StopInstaller() {
  Installer().ContinueStartup = false;
  PostQuitMessage(0);
}

} // namespace qelvane
