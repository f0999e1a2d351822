// Upgrade over an installed version of the benchmark payload (about 110 MB in
// 40 files), timed two ways in the same run, interleaved:
//   delete first: the previous version removed (files, shortcuts, record),
//     then the payload inflated and written, then shortcuts and record, as
//     the install sequence did before it kept the previous version;
//   move aside: TInstaller::DoInstall, which inflates and checks the payload
//     first, moves the previous version aside, writes the new one and deletes
//     the moved files at the end.
// Prints the median of each, their ratio (the target is at most 1.10x) and
// the medians of their parts: what happens to the previous version (deleted,
// or moved aside and deleted at the end), inflating and writing the payload,
// and the rest (components, shortcuts, record).
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

#include "bench/BenchFiles.h"
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

// The parts of one run, in seconds.
struct TParts {
  double Previous = 0; // deleting, or moving aside and deleting at the end
  double Payload = 0;  // inflating, checking and writing the payload
  double Rest = 0;     // components, shortcuts, record
  double Total() const { return Previous + Payload + Rest; }
};

class TBenchView : public TInstallView {
public:
  std::wstring Path;
  // When each step's status text was first shown.
  std::vector<std::pair<std::wstring, double>> Steps;
  // Unless == 0: the time when the step is not shown.
  double StepTime(TInstallStep Step, double Unless = 0) const {
    for (const auto& [text, time] : Steps)
      if (text == StepText(Step)) return time;
    if (Unless > 0) return Unless;
    throw Exception(L"step not shown: " + StepText(Step));
  }
  std::wstring InstallPathText() override { return Path; }
  void SetStatus(const std::wstring& Text) override { Steps.emplace_back(Text, Now()); }
  void SetProgressRange(int, int) override {}
  void SetProgress(int) override {}
  bool ProcessMessages() override {
    MSG msg;
    bool any = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&msg);
      any = true;
    }
    return any;
  }
  void ShowCopyFailure(const std::wstring& Text, const std::wstring&) override {
    std::fprintf(stderr, "copy failure: %s\n", WideToAnsi(Text, CP_UTF8).c_str());
  }
};

// The parts of a run, told apart by its status texts: the removal step, the
// copy step (inflating and writing, and the components), and the shortcut to
// record steps; what follows the record step is the deletion of the moved
// files, which counts with the previous version.
TParts PartsOf(const TBenchView& View, double Start, double End) {
  const double copy = View.StepTime(TInstallStep::Copy);
  const double remove = View.StepTime(TInstallStep::RemoveOld, copy); // not shown on a first installation
  const double shortcut = View.StepTime(TInstallStep::Shortcut), record = View.StepTime(TInstallStep::Register);
  TParts parts;
  parts.Previous = (copy - remove) + (End - record);
  parts.Payload = (remove - Start) + (shortcut - copy); // the new sequence inflates before the removal step
  parts.Rest = record - shortcut;
  return parts;
}

// The upgrade as the install sequence made it before: removal, then copy,
// with the same status texts.
TParts DeleteFirstUpgrade(TBenchView& View, const std::string& Payload) {
  View.Steps.clear();
  const double start = Now();
  TInstallerState& s = Installer();
  s.InstallDir = IncludeTrailingBackslash(View.Path);
  s.ProductDir = s.InstallDir + std::wstring(ProductFolderName);
  ProcessPendingMessages(View, 1000);
  if (CheckIsHasLastVer()) {
    View.SetStatus(StepText(TInstallStep::RemoveOld));
    std::wstring errors;
    UninstallLastVersion(errors);
  }
  View.SetStatus(StepText(TInstallStep::Copy));
  ProcessPendingMessages(View, 1000);
  TInstaller installer(View);
  if (!installer.ExtractPayloadFrom(Payload.data(), Payload.size(), s.InstallDir)) throw Exception(L"copy failed");
  RegisterComponents(s.LastInstallLocation);
  TInstallRecordState& r = s.InstallRecordState;
  View.SetStatus(StepText(TInstallStep::Shortcut));
  ProcessPendingMessages(View, 1000);
  r.IsCreateDeskTopShortCut = true;
  CreateShortcut(s.ProductDir + std::wstring(MainExeName), r.ShortcutFileName, ProductTag(), L"", -1);
  View.SetStatus(StepText(TInstallStep::StartMenu));
  ProcessPendingMessages(View, 1000);
  r.IsCreateProgramsShortCut = true;
  CreateLinkToProgramsStartUp(s.ProductDir + std::wstring(MainExeName), s.ProductDir, ProductTag(), true, ProductTag(),
                              r.ProgramsStartUpFileName);
  CreateLinkToProgramsStartUp(s.ProductDir + std::wstring(UninstallExeName), s.ProductDir, L"卸载" + ProductTag(), true,
                              ProductTag(), r.ProgramsStartUpUnInstallFileName);
  View.SetStatus(StepText(TInstallStep::Register));
  ProcessPendingMessages(View, 1000);
  RegisterSoftwareInfoToRegistry();
  return PartsOf(View, start, Now());
}

TParts MoveAsideUpgrade(TBenchView& View, const std::string& Payload) {
  View.Steps.clear();
  TInstaller installer(View);
  installer.UsePayload(Payload.data(), Payload.size());
  const double start = Now();
  if (!installer.DoInstall()) throw Exception(L"the upgrade failed");
  return PartsOf(View, start, Now());
}

// Writes the installed files' data to the disk, as it long is for a version
// that was installed some time ago; otherwise the benchmark's quick
// succession would let one flow throw away pages the other has to write.
void FlushTree(const std::wstring& Folder) {
  WIN32_FIND_DATAW f;
  HANDLE find = FindFirstFileW((Folder + L"*").c_str(), &f);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = f.cFileName, path = Folder + name;
    if (name == L"." || name == L"..") continue;
    if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      FlushTree(path + L"\\");
    } else {
      UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
      if (file) FlushFileBuffers(file.get());
    }
  } while (FindNextFileW(find, &f));
  FindClose(find);
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
    // More runs than the other benchmarks: each is seconds long and disk bound.
    const int reps = std::max(1, repsText ? std::atoi(repsText) : 11);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    TBenchView view;
    view.Path = L"C:\\qelvane-bench\\Norventa";
    auto run = [&](bool MoveAside) {
      FlushTree(IncludeTrailingBackslash(view.Path));
      ResetInstallerState(); // each installer run is a new process
      return MoveAside ? MoveAsideUpgrade(view, payload) : DeleteFirstUpgrade(view, payload);
    };
    run(true); // the first installation, and a warm-up
    std::vector<TParts> deleteFirst, moveAside;
    // In the order ABBA, so that a drift of the machine's load or of the
    // disk's state weighs on both the same.
    for (int i = 0; i < reps; ++i) {
      if (i % 2 == 0) deleteFirst.push_back(run(false));
      moveAside.push_back(run(true));
      if (i % 2 == 1) deleteFirst.push_back(run(false));
    }

    std::wstring errors;
    ResetInstallerState();
    UninstallLastVersion(errors);
    RemoveDirectoryW(L"C:\\qelvane-bench");

    auto part = [](const std::vector<TParts>& Runs, double (*Of)(const TParts&)) {
      std::vector<double> v;
      for (const TParts& p : Runs)
        v.push_back(Of(p));
      return v;
    };
    auto total = [](const TParts& p) { return p.Total(); };
    const std::vector<double> beforeRuns = part(deleteFirst, total), afterRuns = part(moveAside, total);
    const double before = Median(beforeRuns), after = Median(afterRuns), ratio = after / before;
    std::printf("upgrade of the benchmark payload (%.1f MB compressed), median of %d runs each, interleaved\n",
                payload.size() / 1e6, reps);
    std::printf("%-28s %9s %9s %9s %10s %9s %9s\n", "", "total s", "min", "max", "previous", "payload", "rest");
    auto row = [&](const char* Label, const std::vector<TParts>& Runs, const std::vector<double>& Totals) {
      std::printf("%-28s %9.3f %9.3f %9.3f %10.3f %9.3f %9.3f\n", Label, Median(Totals),
                  *std::min_element(Totals.begin(), Totals.end()), *std::max_element(Totals.begin(), Totals.end()),
                  Median(part(Runs, [](const TParts& p) { return p.Previous; })),
                  Median(part(Runs, [](const TParts& p) { return p.Payload; })),
                  Median(part(Runs, [](const TParts& p) { return p.Rest; })));
    };
    row("delete first (before)", deleteFirst, beforeRuns);
    row("move aside, check first", moveAside, afterRuns);
    std::printf("time: move aside / delete first = %.2fx (target at most 1.10x): %s\n", ratio,
                ratio <= 1.10 ? "met" : "MISSED");
    return ratio <= 1.10 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_upgrade: %s\n", WideToAnsi(ErrorText(e), CP_UTF8).c_str());
    return 1;
  }
}
