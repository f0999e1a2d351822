// Program entry of the installer: the skin is loaded before any window; a
// second copy of the installer and a running product are each answered by
// their prompt (both, one after the other, when both apply); then the wizard
// runs as the main form until it closes.
#include <objbase.h>
#include <windows.h>

#include "installer/Profile.h"
#include "installer/StartupChecks.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"
#include "ui/Application.h"
#include "wizard/Agreement.h"
#include "wizard/InstallerMain.h"
#include "wizard/Prompts.h"

using namespace qelvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Installer().ContinueStartup = true;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The skin manager loads the embedded skin before any window exists.
  InitSkinEngineAtStartup();
  // Drawing elements show their hints in the skinned hint window.
  InstallGDIHintWindows();

  if (IsInstallerRunning()) {
    ShowInstallerRunningDialog();
    StopInstaller();
  }
  // A terminate request never ends a prompt's modal loop, so this prompt is
  // answered even after the one above.
  if (IsProgramRunning(std::wstring(MainExeName)) && ShowInstanceRunningDialog() != mrRetry) StopInstaller();

  bool success = false;
  if (Installer().ContinueStartup) {
    TfrmInstallerMain& main = Application().CreateForm<TfrmInstallerMain>();
    TfrmAgreement& agreement = Application().CreateForm<TfrmAgreement>();
    main.OnShowAgreement = [&agreement] { agreement.ShowModal(); };
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
