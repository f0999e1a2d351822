#pragma once
// The wizard's prompt for an install folder it cannot use: the skinned
// message box with an error icon and an OK button, saying why.
#include <string>

namespace qelvane {

// Shows Reason (the folder the user gave is in the path edit behind it);
// returns when it is answered.
void ShowFolderRefusedDialog(const std::wstring& Reason);

} // namespace qelvane
