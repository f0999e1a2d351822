#include "winbase/Files.h"

#include <windows.h>

namespace qelvane {

bool FileExists(const std::wstring& Path) {
  DWORD a = GetFileAttributesW(Path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::wstring& Path) {
  DWORD a = GetFileAttributesW(Path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::wstring& Folder) {
  std::wstring dir = ExcludeTrailingBackslash(Folder);
  if (dir.empty()) return false;
  if (DirectoryExists(dir)) return true;
  if (dir.size() <= 3 && dir.size() >= 2 && dir[1] == L':') return DirectoryExists(dir + L"\\");
  std::wstring parent = ExtractFilePath(dir);
  if (parent.empty() || parent == dir || parent == dir + L"\\") return CreateDirectoryW(dir.c_str(), nullptr) != 0;
  if (!ForceDirectories(parent)) return false;
  return CreateDirectoryW(dir.c_str(), nullptr) != 0 || DirectoryExists(dir);
}

std::wstring ExtractFilePath(const std::wstring& Path) {
  size_t p = Path.find_last_of(L"\\:");
  return p == std::wstring::npos ? std::wstring() : Path.substr(0, p + 1);
}

std::wstring ExtractFileName(const std::wstring& Path) {
  size_t p = Path.find_last_of(L"\\:");
  return p == std::wstring::npos ? Path : Path.substr(p + 1);
}

std::wstring IncludeTrailingBackslash(const std::wstring& Path) {
  return (!Path.empty() && Path.back() == L'\\') ? Path : Path + L"\\";
}

std::wstring ExcludeTrailingBackslash(const std::wstring& Path) {
  return (!Path.empty() && Path.back() == L'\\') ? Path.substr(0, Path.size() - 1) : Path;
}

std::wstring ExeFileName() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.resize(buf.size() * 2);
  }
}

} // namespace qelvane
