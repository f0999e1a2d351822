#pragma once
// The system's folder picker, opened over the wizard for the path page's
// browse button.
#include <string>

namespace qelvane {

// Shows the picker titled ATitle, starting at Folder when it exists. The
// thread's other windows take no input while it is open. Returns true and
// sets Folder when the user chose a file-system folder.
bool SelectFolder(const std::wstring& Title, std::wstring& Folder);

} // namespace qelvane
