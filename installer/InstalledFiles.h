#pragma once
// The list of files an installation wrote, kept in its product folder, so that
// a later upgrade removes exactly those and never a file the user put there.
// Format (docs/installed-files.md): UTF-8 text, CR LF line ends; the first
// line is the header below, each further line one path relative to the install
// folder (InstallLocation of the record), backslashes as separators.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qelvane {

inline constexpr std::string_view InstalledFilesHeader = "Qelvane installed files 1";

// The list's path for an install folder (ends in a backslash).
std::wstring InstalledFilesPath(const std::wstring& InstallDir);

// Writes the list of Files (full paths below InstallDir) and returns the
// list's path; throws when it cannot be written.
std::wstring WriteInstalledFiles(const std::wstring& InstallDir, const std::vector<std::wstring>& Files);

// The list's paths below InstallDir, as full paths; nothing when there is no
// list (an installation made before lists were kept) or its header is not
// this format's. Lines that are not plain relative paths (a drive, a leading
// separator, an empty, "." or ".." part) are left out.
std::optional<std::vector<std::wstring>> ReadInstalledFiles(const std::wstring& InstallDir);

} // namespace qelvane
