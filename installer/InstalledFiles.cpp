#include "installer/InstalledFiles.h"

#include <windows.h>

#include "installer/Profile.h"
#include "installer/WriteAll.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {

// A path below the install folder that stays below it.
bool PlainRelative(const std::wstring& Path) {
  if (Path.empty() || Path.front() == L'\\' || Path.find(L':') != std::wstring::npos ||
      Path.find(L'/') != std::wstring::npos)
    return false;
  size_t start = 0;
  for (;;) {
    const size_t end = Path.find(L'\\', start);
    const std::wstring part = Path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (part.empty() || part == L"." || part == L"..") return false;
    if (end == std::wstring::npos) return true;
    start = end + 1;
  }
}

std::string ReadWholeFile(const std::wstring& Path) {
  UniqueHandle file(
      CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw EOSError(GetLastError(), L"Cannot open file \"" + Path + L"\"");
  std::string out;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
    out.append(buffer, read);
  return out;
}

} // namespace

std::wstring InstalledFilesPath(const std::wstring& InstallDir) {
  return IncludeTrailingBackslash(InstallDir) + std::wstring(ProductFolderName) + L"InstalledFiles.lst";
}

std::wstring WriteInstalledFiles(const std::wstring& InstallDir, const std::vector<std::wstring>& Files) {
  const std::wstring base = IncludeTrailingBackslash(InstallDir);
  std::string text = std::string(InstalledFilesHeader) + "\r\n";
  for (const std::wstring& f : Files)
    if (f.size() > base.size() && CompareStringOrdinal(f.c_str(), static_cast<int>(base.size()), base.c_str(),
                                                       static_cast<int>(base.size()), TRUE) == CSTR_EQUAL)
      text += WideToAnsi(f.substr(base.size()), CP_UTF8) + "\r\n";
  const std::wstring path = InstalledFilesPath(base);
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw EOSError(GetLastError(), L"Cannot create file \"" + path + L"\"");
  try {
    WriteAll(file.get(), reinterpret_cast<const uint8_t*>(text.data()), text.size(), path);
  } catch (...) {
    file.reset();
    DeleteFileW(path.c_str());
    throw;
  }
  return path;
}

std::optional<std::vector<std::wstring>> ReadInstalledFiles(const std::wstring& InstallDir) {
  const std::wstring base = IncludeTrailingBackslash(InstallDir);
  const std::wstring path = InstalledFilesPath(base);
  if (!FileExists(path)) return std::nullopt;
  const std::string text = ReadWholeFile(path);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (lines.empty() || lines.front() != InstalledFilesHeader) return std::nullopt;
  std::vector<std::wstring> files;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::wstring relative = AnsiToWide(lines[i], CP_UTF8);
    if (PlainRelative(relative)) files.push_back(base + relative);
  }
  return files;
}

} // namespace qelvane
