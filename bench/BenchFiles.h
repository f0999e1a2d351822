#pragma once
// Files the Windows benchmarks read whole (a payload prepared by another
// benchmark, say).
#include <windows.h>

#include <string>

#include "winbase/Exception.h"
#include "winbase/Handles.h"

namespace qelvane {

inline std::string ReadWholeFile(const std::wstring& Path) {
  UniqueHandle f(CreateFileW(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) throw EOSError(GetLastError(), L"Cannot open \"" + Path + L"\"");
  LARGE_INTEGER size;
  GetFileSizeEx(f.get(), &size);
  std::string data(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(f.get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr) || read != data.size())
    throw EOSError(GetLastError(), L"Cannot read \"" + Path + L"\"");
  return data;
}

} // namespace qelvane
