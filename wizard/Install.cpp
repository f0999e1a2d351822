// Program entry of the installer: the skin is loaded before any window; a
// second copy of the installer and a running product are each answered by
// their prompt (both, one after the other, when both apply); then the wizard
// runs as the main form until it closes.
// "--first-frame" prints the start-up breakdown when the wizard's first frame
// is painted (milliseconds since process start) and ends; scripts/bench uses it.
#include <objbase.h>
#include <windows.h>

#include <string_view>

#include "winbase/StartupBreakdown.h"
#include "installer/Profile.h"
#include "installer/StartupChecks.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"
#include "ui/Application.h"
#include "wizard/Agreement.h"
#include "wizard/InstallerMain.h"
#include "wizard/Prompts.h"

using namespace qelvane;

namespace {

// Chains the wizard's message handling: after its first paint the windows
// inside it are painted at once too (the whole first frame), then the
// breakdown is printed and the message loop ends.
void ReportFirstFrame(TfrmInstallerMain& AMain, TStartupBreakdown& AStartup) {
  AMain.WindowProc = [&AMain, &AStartup, inner = AMain.WindowProc, done = false](TMessage& m) mutable {
    inner(m);
    if (m.Msg != WM_PAINT || done) return;
    done = true;
    RedrawWindow(AMain.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    AStartup.PrintFirstFrame("first-composition");
    Application().Terminate();
  };
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR ACmdLine, int) {
  TStartupBreakdown startup;
  const bool firstFrame = std::wstring_view(ACmdLine).find(L"--first-frame") != std::wstring_view::npos;
  Installer().ContinueStartup = true;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The skin manager loads the embedded skin before any window exists.
  InitSkinEngineAtStartup();
  // Drawing elements show their hints in the skinned hint window.
  InstallGDIHintWindows();
  startup.Mark("skin-load");

  if (IsInstallerRunning()) {
    ShowInstallerRunningDialog();
    StopInstaller();
  }
  // A terminate request never ends a prompt's modal loop, so this prompt is
  // answered even after the one above.
  if (IsProgramRunning(std::wstring(MainExeName)) && ShowInstanceRunningDialog() != mrRetry) StopInstaller();
  startup.Mark("start-checks");

  bool success = false;
  if (Installer().ContinueStartup) {
    TfrmInstallerMain& main = Application().CreateForm<TfrmInstallerMain>();
    startup.Mark("wizard-build");
    TfrmAgreement& agreement = Application().CreateForm<TfrmAgreement>();
    main.OnShowAgreement = [&agreement] { agreement.ShowModal(); };
    startup.Mark("agreement-build");
    if (firstFrame) ReportFirstFrame(main, startup);
    main.Show();
    Application().Run();
    success = main.InstallSuccess();
  } else {
    Application().Run(); // returns at once: termination was requested
    Application().Terminate();
  }
  // Forms (a released prompt too) go while everything they use still exists.
  Application().DestroyComponents();
  CoUninitialize();
  return Installer().ContinueStartup && success ? 0 : 1;
}
