#pragma once
#include <string_view>

namespace qelvane {

// Appends one line to "InstallLog.log" beside the installer.
void WriteInstallLog(std::wstring_view Message);

} // namespace qelvane
