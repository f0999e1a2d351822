#include "installer/InstallLog.h"

#include "installer/Profile.h"
#include "winbase/Log.h"

namespace qelvane {

void WriteInstallLog(std::wstring_view Message) {
  WriteLog(Message, LogFileName);
}

void SetInstallLogAppExceptionHandler() {
  SetAppExceptionHandler([](const std::exception& e) { WriteInstallLog(ErrorText(e)); });
}

} // namespace qelvane
