#pragma once
// A plain window (status line and progress bar) that runs the install
// sequence with the default folder as soon as it is shown, then closes.
// It stands in for the skinned wizard.
#include <windows.h>

namespace qelvane {

// Creates and shows the window; returns it (null on failure). The message
// loop ends when it closes; InterimInstallSucceeded tells the outcome.
HWND CreateInterimWindow(HINSTANCE Instance);
bool InterimInstallSucceeded();

} // namespace qelvane
