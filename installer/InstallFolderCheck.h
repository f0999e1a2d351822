#pragma once
// The install folder rules (core/paths/InstallFolder.h) with this machine's
// facts: its system, program and profile folders, and which drives exist.
#include <string>

#include "core/paths/InstallFolder.h"

namespace qelvane {

// The machine's protected folders and drives. LongestEntry: characters the
// install writes below the folder at most (0 when the payload is not known).
TFolderFacts MachineFolderFacts(size_t LongestEntry = 0);

// Checks an install folder text on this machine. An existing folder's short
// (8.3) names are expanded first, so "C:\PROGRA~1" is seen as what it is.
TFolderCheck CheckInstallFolderHere(const std::wstring& Text, size_t LongestEntry = 0);

// Whether a removal may walk Folder's files on this machine.
bool MayRemoveBelowHere(const std::wstring& Folder);

// Why the wizard refuses a folder, as the user reads it: one short line that
// fits the prompt (empty for None).
std::wstring FolderProblemText(TFolderProblem Problem);

} // namespace qelvane
