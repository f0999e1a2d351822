#pragma once
#include <exception>
#include <string>
#include <string_view>

#include "winbase/Exception.h"

namespace qelvane {

// Appends one line to "InstallLog.log" beside the installer.
void WriteInstallLog(std::wstring_view Message);

// Runs Body; an error it raises becomes one install-log line, Prefix followed
// by the error text, and false is returned.
template <class F> bool InstallLogGuard(const std::wstring& Prefix, F&& Body) {
  try {
    Body();
    return true;
  } catch (const std::exception& e) {
    WriteInstallLog(Prefix + ErrorText(e));
    return false;
  }
}

} // namespace qelvane
