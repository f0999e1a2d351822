// url_log.exe LOG ADDRESS: what the wizard tests register in their Wine
// prefix as the program that opens web addresses. Appends ADDRESS and a line
// end to the file LOG (UTF-8), so a test can tell which address was opened,
// and how often.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "winbase/Handles.h"

using namespace qelvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 3) return 2;
  const std::wstring address = argv[2];
  UniqueHandle log(
      CreateFileW(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr));
  LocalFree(argv);
  if (!log) return 1;
  std::string line(address.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, address.c_str(), static_cast<int>(address.size()), line.data(),
                                    static_cast<int>(line.size()), nullptr, nullptr);
  line.resize(static_cast<size_t>(n));
  line += '\n';
  DWORD written = 0;
  return WriteFile(log.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ? 0 : 1;
}
