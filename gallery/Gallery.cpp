// Gallery.exe: the skinned form and controls in each of their states on one
// window. Started with a form name ("gallery" by default) it shows that
// form at a fixed place, so that screenshots can be cut around it.
#include <objbase.h>
#include <windows.h>

#include <string>

#include "gallery/GalleryForm.h"
#include "skin/SkinStartup.h"
#include "skinui/HintWindow.h"
#include "ui/Application.h"

using namespace qelvane;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  InitSkinEngineAtStartup();
  InstallGDIHintWindows();
  Application().OnException = [](const std::exception& e) { OutputDebugStringA(e.what()); };
  TGalleryForm& form = Application().CreateForm<TGalleryForm>();
  form.Show();
  Application().Run();
  CoUninitialize();
  return 0;
}
