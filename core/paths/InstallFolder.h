#pragma once
// The rules a typed install folder must pass before anything is written below
// it, and the rules for which folders a removal may ever walk. Portable: the
// machine's facts (its system and profile folders, which drives exist) come
// in as TFolderFacts, so the rules are tested natively.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace qelvane {

enum class TFolderProblem {
  None,
  Relative,          // not a full path with a drive ("Apps", "C:Apps", "\Apps")
  InvalidCharacters, // < > : " | ? * or control characters, a reserved device
                     // name, a name ending in a dot or space
  DriveRoot,         // "C:\", "\\server\share\"
  SystemFolder,      // a system or profile folder, a folder holding one, or a
                     // folder inside the system's own tree
  MissingDrive,
  TooLong, // the longest file of the payload would not fit below it
};

struct TFolderFacts {
  // Folders that must never be the install folder nor lie below it: the
  // profile and its known folders, the program folders themselves.
  std::vector<std::wstring> ProtectedFolders;
  // Folders nothing may be installed into at any depth: the system folder.
  std::vector<std::wstring> ProtectedTrees;
  // Whether a drive ("C:\") or share ("\\server\share\") root exists; an
  // empty function counts every root as existing.
  std::function<bool(const std::wstring& Root)> RootExists;
  // Characters of the longest path the install writes below the folder
  // (entry name and the room an upgrade needs to move it aside); 0: unknown.
  size_t LongestEntry = 0;
  // Longest full file path that may be written (without terminator).
  size_t MaxPath = 259;
};

struct TFolderCheck {
  TFolderProblem Problem = TFolderProblem::None;
  // The folder as it will be used and recorded: backslashes only, "." and
  // ".." resolved, no doubled separators, ending in a backslash. Empty when
  // the text is not a full path.
  std::wstring Folder;
};

// Checks an install folder text against the rules, in the order of the enum.
TFolderCheck CheckInstallFolder(const std::wstring& Text, const TFolderFacts& Facts);

// The normalized form of a full path ("C:\a\b\", "\\server\share\a\"), or
// empty when Text is not a full path.
std::wstring NormalizeFullPath(const std::wstring& Text);

// Whether a removal may walk Folder's files: a full path, not a drive root,
// not a protected folder nor one holding one nor one inside a protected tree.
bool MayRemoveBelow(const std::wstring& Folder, const TFolderFacts& Facts);

// True when A and B name the same folder or Inner lies below Outer, letter
// case of ASCII letters ignored (both normalized full paths).
bool SameOrBelow(const std::wstring& Inner, const std::wstring& Outer);

} // namespace qelvane
