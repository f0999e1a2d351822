#pragma once
// Running the built Install.exe from end-to-end tests: answering its message
// box, killing it at a chosen archive entry, damaging its payload, pointing
// its default folder elsewhere, and shell commands on the Unix side of Wine.
#include <windows.h>

#include <string>
#include <vector>

namespace qelvane::test {

// Folder of the Windows build (Install.exe, its log), ending in a backslash.
std::wstring BuildFolder();
std::wstring InstallExe();
// The demo payload's files as packed: build/win/installer/demo-payload\.
std::wstring DemoPayloadFolder();

struct TInstallerRun {
  DWORD ExitCode = DWORD(-1);
  // Each message box shown: caption + "|" + text. Each is answered with OK.
  std::vector<std::wstring> Boxes;
};
TInstallerRun RunInstaller(const std::wstring& Exe = InstallExe());

// Runs the installer under the debugger and kills it when its debug output
// (one line per archive entry) first names Entry. False when it never did.
bool RunInstallerKilledAt(const std::string& Entry);

// A copy of Install.exe beside it whose payload stream has flipped bytes.
std::wstring DamagedInstaller();

// Sets the program folder the installer defaults to (restored by the
// destructor).
class TProgramFilesDir {
public:
  explicit TProgramFilesDir(const std::wstring& Folder);
  ~TProgramFilesDir();

private:
  std::wstring FSaved;
};

// Runs a shell command on the Unix side and returns its exit status (-1 when
// it did not run). Wine starts Unix programs without a handle to wait on, so
// the command reports its status through a file.
int RunUnix(const std::string& Command);
// The Unix path of a Windows path ('' when Wine does not say).
std::string UnixPath(const std::wstring& Path);

} // namespace qelvane::test
