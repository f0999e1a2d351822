#pragma once
// The one log writer. The installer and the skin engine append failure lines
// through it, each to its own file beside the executable.
#include <string>
#include <string_view>

namespace qelvane {

// Appends "YYYY-MM-DD HH:MM:SS  <Message>\r\n" in the system ANSI code page to
// FileName in the executable's folder (nothing when FileName is empty) and
// sends Message to the debugger output. A log that cannot be opened or written
// is skipped silently: logging never stops or breaks the caller.
void WriteLog(std::wstring_view Message, std::wstring_view FileName);

// Folder the log files go to: the executable's folder (ending in a backslash).
std::wstring LogFolder();

// The timestamp text written before each line, for the given local time.
std::wstring FormatLogTimestamp(int year, int month, int day, int hour, int minute, int second);

} // namespace qelvane
