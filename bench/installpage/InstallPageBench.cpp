// The installing page's wall time against extraction alone, for the
// benchmark payload (about 110 MB in 40 files), timed three ways in one run,
// interleaved, each a fresh installation into an empty folder:
//   installing page: the real wizard (TfrmInstallerMain) on screen, its quick
//     install button's handler run as a click runs it: the installing page
//     shows, the install sequence reports every file to it, the finished page
//     follows;
//   sequence, no window: the same install sequence (TInstaller::DoInstall)
//     reporting to a view that shows nothing;
//   extraction alone: the same inflating, checking and writing of the payload
//     (TInstaller::ExtractPayloadFrom) with no window.
// Prints the median, minimum and maximum of each, the medians of its parts
// (up to the first file written: inflating and checking the payload; writing
// the files; the rest: shortcuts and record), the ratio of the page to
// extraction alone (the target is at most 1.20x: showing the progress must
// not slow the copy), and of the page to the windowless sequence.
//
//   bench_install_page [PAYLOAD]   PAYLOAD: a zlib payload stream (default:
//                                   the extraction benchmark's payload.bin)
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
#include "installer/StartupChecks.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"
#include "ui/Application.h"
#include "winbase/Exception.h"
#include "winbase/Files.h"
#include "winbase/Handles.h"
#include "winbase/WinText.h"
#include "wizard/InstallerMain.h"

using namespace qelvane;

namespace {

// QELVANE_BENCH_DIR (a Windows folder path ending in a backslash) moves the
// installations elsewhere; scripts/bench points it at a memory-backed drive.
const std::wstring BenchRoot = [] {
  const char* dir = std::getenv("QELVANE_BENCH_DIR");
  return dir && *dir ? AnsiToWide(dir, CP_UTF8) : std::wstring(L"C:\\qelvane-page-bench\\");
}();
const std::wstring InstallPath = BenchRoot + L"Norventa";
const std::wstring ExtractFolder = BenchRoot + L"extract\\";

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
  double Load = 0;  // inflating and checking the payload, up to the first file
  double Write = 0; // writing the files
  double Rest = 0;  // shortcuts and record
  double Total() const { return Load + Write + Rest; }
};

// Tells the parts of a run apart by the status texts shown.
class TStepClock {
public:
  void Start() {
    FStart = Now();
    FFirstFile = FShortcut = 0;
  }
  void Status(const std::wstring& Text) {
    if (FFirstFile == 0 && Text.starts_with(L"正在复制文件: ")) FFirstFile = Now();
    if (FShortcut == 0 && Text == StepText(TInstallStep::Shortcut)) FShortcut = Now();
  }
  TParts Stop() const {
    const double end = Now();
    if (FFirstFile == 0) throw Exception(L"no file was shown");
    const double shortcut = FShortcut > 0 ? FShortcut : end;
    return {FFirstFile - FStart, shortcut - FFirstFile, end - shortcut};
  }

private:
  double FStart = 0, FFirstFile = 0, FShortcut = 0;
};

// The real wizard, its status line timed.
class TTimedWizard : public TfrmInstallerMain {
public:
  using TfrmInstallerMain::TfrmInstallerMain;
  TStepClock Clock;
  void SetStatus(const std::wstring& Text) override {
    Clock.Status(Text);
    TfrmInstallerMain::SetStatus(Text);
  }
};

// A view that shows nothing.
class TNoWindowView : public TInstallView {
public:
  TStepClock Clock;
  std::wstring InstallPathText() override { return InstallPath; }
  void SetStatus(const std::wstring& Text) override { Clock.Status(Text); }
  void SetProgressRange(int, int) override {}
  void SetProgress(int) override {}
  bool ProcessMessages() override { return false; }
  void ShowCopyFailure(const std::wstring& Text, const std::wstring&) override {
    std::fprintf(stderr, "copy failure: %s\n", WideToAnsi(Text, CP_UTF8).c_str());
  }
};

void PumpFor(DWORD AMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < AMs) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

void DeleteTree(const std::wstring& Folder) {
  WIN32_FIND_DATAW f;
  HANDLE find = FindFirstFileW((Folder + L"*").c_str(), &f);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = f.cFileName, path = Folder + name;
      if (name == L"." || name == L"..") continue;
      if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(path + L"\\");
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(find, &f));
    FindClose(find);
  }
  RemoveDirectoryW(Folder.c_str());
}

// Removes what an installation left (files, shortcuts, record) and the
// extraction folder, outside the timed part.
void CleanUp() {
  ResetInstallerState();
  if (CheckIsHasLastVer()) {
    std::wstring errors;
    UninstallLastVersion(errors);
  }
  DeleteTree(BenchRoot);
  // The install and the removal start regsvr32 without waiting for it; its
  // processes (slow to start under Wine) would still be running in the next
  // timed install and take the machine's time from it.
  const DWORD start = GetTickCount();
  while (IsProgramRunning(L"regsvr32.exe") && GetTickCount() - start < 20000)
    Sleep(50);
}

class TBench {
public:
  TBench(TTimedWizard& AForm, const std::string& APayload) : FForm(AForm), FPayload(APayload) {}

  // The wizard on its options page, the quick install clicked.
  TParts Page() {
    CleanUp();
    FForm.edtInstallPath->SetText(InstallPath);
    while (FForm.PageIndex() > 1)
      FForm.PriorPage();
    PumpFor(200);
    FForm.Clock.Start();
    FForm.imgFastButtom->Click();
    Application().ProcessMessages(); // the finished page's paint
    const TParts parts = FForm.Clock.Stop();
    if (!FForm.InstallSuccess() || FForm.PageIndex() != 4) throw Exception(L"the wizard's install failed");
    return parts;
  }

  TParts Sequence() {
    CleanUp();
    ResetInstallerState();
    TNoWindowView view;
    TInstaller installer(view);
    installer.UsePayload(FPayload.data(), FPayload.size());
    view.Clock.Start();
    if (!installer.DoInstall()) throw Exception(L"the windowless install failed");
    return view.Clock.Stop();
  }

  TParts Extract() {
    CleanUp();
    TNoWindowView view;
    TInstaller installer(view);
    view.Clock.Start();
    if (!installer.ExtractPayloadFrom(FPayload.data(), FPayload.size(), ExtractFolder))
      throw Exception(L"the extraction failed");
    return view.Clock.Stop();
  }

private:
  TTimedWizard& FForm;
  const std::string& FPayload;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  int status = 1;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
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
    const int reps = std::max(1, repsText ? std::atoi(repsText) : 7);

    InitSkinEngineAtStartup();
    InstallGDIHintWindows();
    TTimedWizard& form = Application().CreateForm<TTimedWizard>();
    form.UsePayload(payload.data(), payload.size());
    form.Show();
    // Faded in, past the notice.
    const DWORD shown = GetTickCount();
    while (form.AlphaBlendValue() < 255 && GetTickCount() - shown < 10000)
      PumpFor(20);
    form.NextPage();

    TBench bench(form, payload);
    // Two warm-up rounds: on a virtual machine the first runs touch memory
    // the host has not handed out yet and come out far slower.
    for (int i = 0; i < 2; ++i) {
      bench.Page();
      bench.Sequence();
      bench.Extract();
    }
    std::vector<TParts> page, sequence, extract;
    // The order turns each round, so that a drift of the machine's load or
    // of the disk's state weighs on all three alike.
    for (int i = 0; i < reps; ++i) {
      for (int k = 0; k < 3; ++k) {
        switch ((i + k) % 3) {
        case 0:
          page.push_back(bench.Page());
          break;
        case 1:
          sequence.push_back(bench.Sequence());
          break;
        default:
          extract.push_back(bench.Extract());
          break;
        }
      }
    }
    CleanUp();

    std::printf("installing page for the benchmark payload (%.1f MB compressed), median of %d runs each, interleaved,\n"
                "installed into %s\n",
                payload.size() / 1e6, reps, WideToAnsi(BenchRoot, CP_UTF8).c_str());
    std::printf("%-36s %9s %9s %9s %9s %9s %9s\n", "", "median s", "min", "max", "load", "write", "rest");
    auto part = [](const std::vector<TParts>& Runs, double (*Of)(const TParts&)) {
      std::vector<double> v;
      for (const TParts& p : Runs)
        v.push_back(Of(p));
      return v;
    };
    auto total = [&](const std::vector<TParts>& Runs) { return part(Runs, [](const TParts& p) { return p.Total(); }); };
    auto row = [&](const char* Label, const std::vector<TParts>& Runs) {
      const std::vector<double> t = total(Runs);
      std::printf("%-36s %9.3f %9.3f %9.3f %9.3f %9.3f %9.3f\n", Label, Median(t),
                  *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()),
                  Median(part(Runs, [](const TParts& p) { return p.Load; })),
                  Median(part(Runs, [](const TParts& p) { return p.Write; })),
                  Median(part(Runs, [](const TParts& p) { return p.Rest; })));
    };
    row("installing page (wizard on screen)", page);
    row("install sequence, no window", sequence);
    row("extraction alone, no window", extract);
    const double ratio = Median(total(page)) / Median(total(extract));
    std::printf("time: page / sequence without a window = %.2fx\n", Median(total(page)) / Median(total(sequence)));
    std::printf("time: page / extraction alone = %.2fx (target at most 1.20x): %s\n", ratio,
                ratio <= 1.20 ? "met" : "MISSED");
    status = ratio <= 1.20 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_install_page: %s\n", WideToAnsi(ErrorText(e), CP_UTF8).c_str());
    status = 1;
  }
  Application().DestroyComponents();
  CoUninitialize();
  return status;
}
