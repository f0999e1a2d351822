#pragma once
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "winbase/Exception.h"
#include "winbase/Guard.h"

namespace qelvane {

// Appends one line to "InstallLog.log" beside the installer.
void WriteInstallLog(std::wstring_view Message);

// Runs Body; an error it raises becomes one install-log line, Prefix followed
// by the error text, and false is returned.
template <class F> bool InstallLogGuard(const std::wstring& Prefix, F&& Body) {
  return GuardAndLog(std::forward<F>(Body), [&](const std::exception& e) { WriteInstallLog(Prefix + ErrorText(e)); });
}

// Makes the install log the application-wide handler: an error that no
// operation caught is written there as its text alone.
void SetInstallLogAppExceptionHandler();

} // namespace qelvane
