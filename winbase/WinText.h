#pragma once
// Conversions between UTF-16 and 8-bit text in a Windows code page.
#include <windows.h>

#include <string>
#include <string_view>

namespace qelvane {

// Characters the code page cannot represent are replaced, as the system does.
std::string WideToAnsi(std::wstring_view text, UINT codePage = CP_ACP);
std::wstring AnsiToWide(std::string_view text, UINT codePage = CP_ACP);

// Message text of a Win32 error code.
std::wstring SysErrorMessage(DWORD code);

} // namespace qelvane
