#include "winbase/Log.h"

#include <windows.h>

#include <cstdio>

#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/WinText.h"

namespace qelvane {

std::wstring LogFolder() {
  std::wstring path = ExeFileName();
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring FormatLogTimestamp(int year, int month, int day, int hour, int minute, int second) {
  wchar_t buf[32];
  swprintf(buf, 32, L"%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
  return buf;
}

void WriteLog(std::wstring_view Message, std::wstring_view FileName) {
  if (!FileName.empty()) {
    std::wstring path = LogFolder() + std::wstring(FileName);
    UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
      SYSTEMTIME t;
      GetLocalTime(&t);
      std::wstring line = FormatLogTimestamp(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
      line += L"  ";
      line += Message;
      line += L"\r\n";
      std::string bytes = WideToAnsi(line);
      DWORD written = 0;
      WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
  }
  std::wstring debug(Message);
  OutputDebugStringW(debug.c_str());
}

} // namespace qelvane
