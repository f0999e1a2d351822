// Helper program for the start-up check tests.
//   probe mutex        exit code 1 when another process holds the installer mutex
//   probe sleep <ms>   stays alive for a while (found by its file name)
#include <windows.h>

#include <string>

#include "installer/StartupChecks.h"

int wmain(int argc, wchar_t** argv) {
  std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"mutex") return qelvane::IsInstallerRunning() ? 1 : 0;
  if (mode == L"sleep") {
    Sleep(argc > 2 ? static_cast<DWORD>(std::stoul(argv[2])) : 10000);
    return 0;
  }
  return 2;
}
