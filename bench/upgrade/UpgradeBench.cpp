// Upgrade over an installed version of the benchmark payload (about 110 MB in
// 40 files), timed two ways in the same run, alternating:
//   delete first: the previous version removed (files, shortcuts, record),
//     then the payload inflated and written, then shortcuts and record, as
//     the install sequence did before it kept the previous version;
//   move aside: TInstaller::DoInstall, which inflates and checks the payload
//     first, moves the previous version aside, writes the new one and deletes
//     the moved files at the end.
// Prints the median of each and their ratio; the target is at most 1.10x.
//
//   bench_upgrade [PAYLOAD]   PAYLOAD: a zlib payload stream (default: the
//                              extraction benchmark's payload.bin)
#include <objbase.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "installer/InstallRecord.h"
#include "installer/InstallSequence.h"
#include "installer/Profile.h"
#include "installer/Shell.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/WinText.h"

using namespace qelvane;

namespace {

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

class TBenchView : public TInstallView {
public:
  std::wstring Path;
  std::wstring InstallPathText() override { return Path; }
  void SetStatus(const std::wstring&) override {}
  void SetProgressRange(int, int) override {}
  void SetProgress(int) override {}
  void ProcessMessages() override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageW(&msg);
  }
  void ShowCopyFailure(const std::wstring& Text, const std::wstring&) override {
    std::fprintf(stderr, "copy failure: %s\n", WideToAnsi(Text, CP_UTF8).c_str());
  }
};

std::string ReadWholeFile(const std::wstring& Path) {
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

// The upgrade as the install sequence made it before: removal, then copy.
bool DeleteFirstUpgrade(TBenchView& View, const std::string& Payload) {
  TInstallerState& s = Installer();
  s.InstallDir = IncludeTrailingBackslash(View.Path);
  s.ProductDir = s.InstallDir + std::wstring(ProductFolderName);
  ProcessPendingMessages(View, 1000);
  if (CheckIsHasLastVer()) {
    std::wstring errors;
    UninstallLastVersion(errors);
  }
  ProcessPendingMessages(View, 1000);
  TInstaller installer(View);
  if (!installer.ExtractPayloadFrom(Payload.data(), Payload.size(), s.InstallDir)) return false;
  RegisterComponents(s.LastInstallLocation);
  TInstallRecordState& r = s.InstallRecordState;
  ProcessPendingMessages(View, 1000);
  r.IsCreateDeskTopShortCut = true;
  CreateShortcut(s.ProductDir + std::wstring(MainExeName), r.ShortcutFileName, ProductTag(), L"", -1);
  ProcessPendingMessages(View, 1000);
  r.IsCreateProgramsShortCut = true;
  CreateLinkToProgramsStartUp(s.ProductDir + std::wstring(MainExeName), s.ProductDir, ProductTag(), true, ProductTag(),
                              r.ProgramsStartUpFileName);
  CreateLinkToProgramsStartUp(s.ProductDir + std::wstring(UninstallExeName), s.ProductDir, L"卸载" + ProductTag(), true,
                              ProductTag(), r.ProgramsStartUpUnInstallFileName);
  ProcessPendingMessages(View, 1000);
  RegisterSoftwareInfoToRegistry();
  return true;
}

bool MoveAsideUpgrade(TBenchView& View, const std::string& Payload) {
  TInstaller installer(View);
  installer.UsePayload(Payload.data(), Payload.size());
  return installer.DoInstall();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    std::string unixPayload = QELVANE_BENCH_PAYLOAD;
    std::replace(unixPayload.begin(), unixPayload.end(), '/', '\\');
    const std::wstring payloadPath = argc > 1 ? argv[1] : AnsiToWide("Z:" + unixPayload, CP_UTF8);
    if (!FileExists(payloadPath)) {
      std::fprintf(stderr, "no payload at %s (scripts/bench prepares it)\n", WideToAnsi(payloadPath, CP_UTF8).c_str());
      return 1;
    }
    const std::string payload = ReadWholeFile(payloadPath);
    const char* repsText = std::getenv("BENCH_REPS");
    const int reps = std::max(1, repsText ? std::atoi(repsText) : 5);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    TBenchView view;
    view.Path = L"C:\\qelvane-bench\\Norventa";
    auto run = [&](bool MoveAside) {
      ResetInstallerState(); // each installer run is a new process
      const double start = Now();
      const bool ok = MoveAside ? MoveAsideUpgrade(view, payload) : DeleteFirstUpgrade(view, payload);
      const double seconds = Now() - start;
      if (!ok) throw Exception(L"the upgrade failed");
      return seconds;
    };
    run(true); // the first installation, and a warm-up
    std::vector<double> deleteFirst, moveAside;
    for (int i = 0; i < reps; ++i) {
      deleteFirst.push_back(run(false));
      moveAside.push_back(run(true));
    }

    std::wstring errors;
    ResetInstallerState();
    UninstallLastVersion(errors);
    RemoveDirectoryW(L"C:\\qelvane-bench");

    const double before = Median(deleteFirst), after = Median(moveAside), ratio = after / before;
    std::printf("upgrade of the benchmark payload (%.1f MB compressed), median of %d runs each, alternating\n",
                payload.size() / 1e6, reps);
    std::printf("  delete first (before):       %.3f s (min %.3f, max %.3f)\n", before,
                *std::min_element(deleteFirst.begin(), deleteFirst.end()),
                *std::max_element(deleteFirst.begin(), deleteFirst.end()));
    std::printf("  move aside, check first:     %.3f s (min %.3f, max %.3f)\n", after,
                *std::min_element(moveAside.begin(), moveAside.end()),
                *std::max_element(moveAside.begin(), moveAside.end()));
    std::printf("time: move aside / delete first = %.2fx (target at most 1.10x): %s\n", ratio,
                ratio <= 1.10 ? "met" : "MISSED");
    return ratio <= 1.10 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_upgrade: %s\n", WideToAnsi(ErrorText(e), CP_UTF8).c_str());
    return 1;
  }
}
