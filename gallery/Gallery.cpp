// Gallery.exe: the skinned form and controls in each of their states on one
// window, at a fixed place so that screenshots can be cut around it.
// "--sheet 2" shows the second sheet (zone view, edits, memo, hot keys);
// "--popup skin" and "--popup builtin" open the popup menu in that look over
// the first sheet. "--first-frame" prints the start-up breakdown up to the first painted
// frame (milliseconds since process start) and ends. "--prompt cancel",
// "--prompt installer" and "--prompt product" show that installer prompt.
#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "winbase/StartupClock.h"
#include "gallery/GalleryForm.h"
#include "gallery/GalleryPopup.h"
#include "gallery/GallerySheet2.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"
#include "ui/Application.h"
#include "ui/Timer.h"
#include "wizard/Prompts.h"
#include "winbase/Guard.h"

using namespace qelvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR ACmdLine, int) {
  const bool firstFrame = std::wstring(ACmdLine).find(L"--first-frame") != std::wstring::npos;
  const double started = MillisSinceProcessStart();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  InitSkinEngineAtStartup();
  InstallGDIHintWindows();
  const double skinLoaded = MillisSinceProcessStart();
  SetAppExceptionHandler([](const std::exception& e) { OutputDebugStringA(e.what()); });
  const std::wstring cmd(ACmdLine);
  int prompt = -1;
  if (cmd.find(L"--prompt cancel") != std::wstring::npos) prompt = ShowCancelInstallDialog();
  if (cmd.find(L"--prompt installer") != std::wstring::npos) prompt = ShowInstallerRunningDialog();
  if (cmd.find(L"--prompt product") != std::wstring::npos) prompt = ShowInstanceRunningDialog();
  if (prompt >= 0) {
    Application().DestroyComponents();
    return prompt;
  }
  if (cmd.find(L"--sheet 2") != std::wstring::npos) {
    TGallerySheet2Form& sheet = Application().CreateForm<TGallerySheet2Form>();
    sheet.Show();
    sheet.FocusEdit();
    Application().Run();
    Application().DestroyComponents();
    CoUninitialize();
    return 0;
  }
  TGalleryForm& form = Application().CreateForm<TGalleryForm>();
  const double built = MillisSinceProcessStart();
  if (firstFrame) {
    form.OnFirstFrame = [&] {
      const double painted = MillisSinceProcessStart();
      std::printf("process-start %.1f skin-load %.1f form-build %.1f first-composition %.1f first-frame %.1f\n",
                  started, skinLoaded - started, built - skinLoaded, painted - built, painted);
      std::fflush(stdout);
      Application().Terminate();
    };
  }
  form.Show();
  const bool popupSkin = cmd.find(L"--popup skin") != std::wstring::npos;
  if (popupSkin || cmd.find(L"--popup builtin") != std::wstring::npos) {
    // After the form's delayed show, so the menu opens over a painted form.
    TTimer& open = TComponent::Create<TTimer>(form);
    open.SetInterval(700);
    open.OnTimer = [&](TObject*) {
      open.SetEnabled(false);
      ShowGalleryPopup(form, popupSkin);
    };
    open.SetEnabled(true);
  }
  Application().Run();
  Application().DestroyComponents();
  CoUninitialize();
  return 0;
}
