// The demo product's uninstaller entry; removal itself is done by the next
// installer from the install record.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"请在“控制面板”中卸载 Qelvane 3.0。", L"Qelvane 3.0", MB_ICONINFORMATION | MB_OK);
  return 0;
}
