#pragma once
// A plain window (status line and progress bar) that runs the install
// sequence with the default folder as soon as it is shown, then closes.
// It stands in for the skinned wizard.
#include <windows.h>

#include <string>

namespace qelvane {

// Creates and shows the window; returns it (null on failure). The message
// loop ends when it closes; InterimInstallSucceeded tells the outcome.
HWND CreateInterimWindow(HINSTANCE Instance);
bool InterimInstallSucceeded();

// The wizard's default path: the registry's program folder (or the shell's)
// followed by the publisher folder.
std::wstring DefaultInstallPath();

} // namespace qelvane
