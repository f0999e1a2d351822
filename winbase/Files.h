#pragma once
// File-system helpers on wide paths.
#include <string>

namespace qelvane {

// Full path of the running executable.
std::wstring ExeFileName();
bool FileExists(const std::wstring& Path);
bool DirectoryExists(const std::wstring& Path);
// Creates Folder with all missing parents; true when it exists afterwards.
bool ForceDirectories(const std::wstring& Folder);
// Folder part of a path, with its trailing backslash ("C:\a\b.txt" -> "C:\a\").
std::wstring ExtractFilePath(const std::wstring& Path);
// File name part of a path ("C:\a\b.txt" -> "b.txt").
std::wstring ExtractFileName(const std::wstring& Path);
// Path with a trailing backslash.
std::wstring IncludeTrailingBackslash(const std::wstring& Path);
std::wstring ExcludeTrailingBackslash(const std::wstring& Path);

} // namespace qelvane
