#include "tests/e2e/InstallerRuns.h"
#include "tests/e2e/WizardDriver.h"

#include <algorithm>
#include <set>

#include "installer/Shell.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Handles.h"
#include "winbase/Registry.h"
#include "winbase/WinText.h"

namespace qelvane::test {

namespace {

std::wstring WindowsPath(std::string Unix) {
  std::replace(Unix.begin(), Unix.end(), '/', '\\');
  return AnsiToWide("Z:" + Unix, CP_UTF8);
}

struct TBoxSearch {
  DWORD ProcessId;
  std::set<HWND>* Answered;
  std::vector<std::wstring>* Boxes;
};

BOOL CALLBACK AnswerBox(HWND Wnd, LPARAM Data) {
  auto& search = *reinterpret_cast<TBoxSearch*>(Data);
  DWORD pid = 0;
  GetWindowThreadProcessId(Wnd, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(Wnd, cls, 64);
  if (pid != search.ProcessId || std::wstring(cls) != L"#32770" || !IsWindowVisible(Wnd)) return TRUE;
  if (search.Answered->insert(Wnd).second) {
    wchar_t caption[256] = {}, text[1024] = {};
    GetWindowTextW(Wnd, caption, 256);
    GetDlgItemTextW(Wnd, 0xFFFF, text, 1024); // the message box's text control
    search.Boxes->push_back(std::wstring(caption) + L"|" + text);
  }
  PostMessageW(Wnd, WM_COMMAND, IDOK, 0);
  return TRUE;
}

} // namespace

std::wstring BuildFolder() {
  return WindowsPath(std::string(QELVANE_BINARY_DIR) + "/");
}
std::wstring InstallExe() {
  return BuildFolder() + L"Install.exe";
}
std::wstring DemoPayloadFolder() {
  return BuildFolder() + L"installer\\demo-payload\\";
}

TInstallerRun RunInstaller(const std::wstring& Exe) {
  TInstallerRun run;
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cmd = L"\"" + Exe + L"\"";
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return run;
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  std::set<HWND> answered;
  TBoxSearch search{pi.dwProcessId, &answered, &run.Boxes};
  TWizardAutopilot wizard(pi.dwProcessId);
  for (int waited = 0; WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT; waited += 100) {
    if (waited > 240000) {
      TerminateProcess(pi.hProcess, 99);
      return run;
    }
    EnumWindows(&AnswerBox, reinterpret_cast<LPARAM>(&search));
    wizard.Step();
  }
  GetExitCodeProcess(pi.hProcess, &run.ExitCode);
  return run;
}

bool RunInstallerKilledAt(const std::string& Entry) {
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  std::wstring cmd = L"\"" + InstallExe() + L"\"";
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr, &si,
                      &pi))
    return false;
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  bool killed = false;
  DEBUG_EVENT ev;
  TWizardAutopilot wizard(pi.dwProcessId);
  const DWORD start = GetTickCount();
  for (;;) {
    if (!WaitForDebugEvent(&ev, 100)) {
      if (GetTickCount() - start > 240000) break;
      if (!killed) wizard.Step();
      continue;
    }
    DWORD status = DBG_CONTINUE;
    switch (ev.dwDebugEventCode) {
    case OUTPUT_DEBUG_STRING_EVENT: {
      const OUTPUT_DEBUG_STRING_INFO& s = ev.u.DebugString;
      const size_t unit = s.fUnicode ? 2 : 1;
      std::string bytes(s.nDebugStringLength * unit, '\0');
      SIZE_T read = 0;
      ReadProcessMemory(pi.hProcess, s.lpDebugStringData, bytes.data(), bytes.size(), &read);
      bytes.resize(read);
      const std::string text =
          s.fUnicode ? WideToAnsi(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), read / 2)) : bytes;
      if (!killed && text.find(Entry) != std::string::npos) {
        TerminateProcess(pi.hProcess, 9);
        killed = true;
      }
      break;
    }
    case EXCEPTION_DEBUG_EVENT:
      if (ev.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) status = DBG_EXCEPTION_NOT_HANDLED;
      break;
    case CREATE_PROCESS_DEBUG_EVENT:
      if (ev.u.CreateProcessInfo.hFile) CloseHandle(ev.u.CreateProcessInfo.hFile);
      break;
    case LOAD_DLL_DEBUG_EVENT:
      if (ev.u.LoadDll.hFile) CloseHandle(ev.u.LoadDll.hFile);
      break;
    }
    ContinueDebugEvent(ev.dwProcessId, ev.dwThreadId, status);
    if (ev.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) break;
  }
  WaitForSingleObject(pi.hProcess, 10000);
  return killed;
}

std::wstring DamagedInstaller() {
  const std::string exe = ReadFileBytes(InstallExe());
  const std::string payload = ReadFileBytes(BuildFolder() + L"installer\\payload.bin");
  const size_t at = exe.find(payload.substr(0, 256));
  if (payload.size() < 4096 || at == std::string::npos) return {};
  std::string damaged = exe;
  for (size_t i = at + payload.size() / 2; i < at + payload.size() / 2 + 16; ++i)
    damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
  const std::wstring copy = BuildFolder() + L"InstallDamaged.exe";
  WriteTextFile(copy, damaged);
  return copy;
}

TProgramFilesDir::TProgramFilesDir(const std::wstring& Folder) {
  TRegistry reg;
  if (!reg.OpenKey(CurrentVersionKey, false)) return;
  FSaved = reg.ReadString(L"ProgramFilesDir");
  reg.WriteString(L"ProgramFilesDir", Folder);
}

TProgramFilesDir::~TProgramFilesDir() {
  TRegistry reg;
  if (reg.OpenKey(CurrentVersionKey, false)) reg.WriteString(L"ProgramFilesDir", FSaved);
}

int RunUnix(const std::string& Command) {
  static int runs = 0;
  const std::string status =
      "/tmp/qelvane-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(runs++) + ".status";
  std::wstring cmd = L"/bin/sh -c \"" + AnsiToWide(Command + "; echo $? > " + status, CP_UTF8) + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  const std::wstring file = WindowsPath(status);
  for (int waited = 0; waited < 20000; waited += 50) {
    const std::string text = ReadFileBytes(file);
    if (!text.empty() && text.back() == '\n') {
      DeleteFileW(file.c_str());
      return std::atoi(text.c_str());
    }
    Sleep(50);
  }
  return -1;
}

std::string UnixPath(const std::wstring& Path) {
  using TGetUnixName = char*(CDECL*)(const wchar_t*);
  auto get = reinterpret_cast<TGetUnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  char* name = get ? get(Path.c_str()) : nullptr;
  if (!name) return {};
  std::string out = name;
  HeapFree(GetProcessHeap(), 0, name);
  return out;
}

} // namespace qelvane::test
