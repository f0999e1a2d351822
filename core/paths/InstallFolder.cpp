#include "core/paths/InstallFolder.h"

#include <algorithm>

namespace qelvane {

namespace {

bool IsSpace(wchar_t c) {
  return c == L' ' || c == L'\t';
}

wchar_t FoldAscii(wchar_t c) {
  return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool EqualFolded(const std::wstring& A, size_t Count, const std::wstring& B) {
  if (A.size() < Count || B.size() < Count) return false;
  for (size_t i = 0; i < Count; ++i)
    if (FoldAscii(A[i]) != FoldAscii(B[i])) return false;
  return true;
}

std::vector<std::wstring> Split(const std::wstring& Text, size_t From) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (size_t i = From; i <= Text.size(); ++i) {
    if (i == Text.size() || Text[i] == L'\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += Text[i];
    }
  }
  return parts;
}

// A name the file system would refuse, alter or read as a device.
bool BadName(const std::wstring& Name) {
  for (wchar_t c : Name)
    if (c < 0x20 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) return true;
  if (Name.back() == L'.' || Name.back() == L' ') return true;
  std::wstring base = Name.substr(0, Name.find(L'.'));
  while (!base.empty() && base.back() == L' ')
    base.pop_back();
  std::transform(base.begin(), base.end(), base.begin(), FoldAscii);
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (base == device) return true;
  return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) && base[3] >= L'1' &&
         base[3] <= L'9';
}

struct TParsed {
  std::wstring Root; // "C:\" or "\\server\share\"; empty: not a full path
  std::vector<std::wstring> Names;
  bool Bad = false;
};

TParsed Parse(std::wstring Text) {
  std::replace(Text.begin(), Text.end(), L'/', L'\\');
  while (!Text.empty() && IsSpace(Text.front()))
    Text.erase(Text.begin());
  while (!Text.empty() && IsSpace(Text.back()))
    Text.pop_back();
  TParsed p;
  size_t rest = 0;
  if (Text.size() >= 3 && Text[1] == L':' && Text[2] == L'\\' &&
      ((Text[0] >= L'A' && Text[0] <= L'Z') || (Text[0] >= L'a' && Text[0] <= L'z'))) {
    p.Root = std::wstring(1, FoldAscii(Text[0])) + L":\\";
    rest = 3;
  } else if (Text.starts_with(L"\\\\")) {
    // A share: the server and share names are its root.
    const std::vector<std::wstring> names = Split(Text, 2);
    if (names.size() < 2 || Text.find(L"\\\\", 2) != std::wstring::npos) return p;
    p.Bad = BadName(names[0]) || BadName(names[1]) || names[0] == L"." || names[0] == L"..";
    p.Root = L"\\\\" + names[0] + L"\\" + names[1] + L"\\";
    rest = 2 + names[0].size() + 1 + names[1].size();
  } else {
    return p;
  }
  for (const std::wstring& name : Split(Text, rest)) {
    if (name == L".") continue;
    if (name == L"..") {
      if (!p.Names.empty()) p.Names.pop_back();
      continue;
    }
    p.Bad |= BadName(name);
    p.Names.push_back(name);
  }
  return p;
}

std::wstring Join(const TParsed& P) {
  std::wstring out = P.Root;
  for (const std::wstring& n : P.Names)
    out += n + L"\\";
  return out;
}

// Whether Folder is, holds or lies in a protected folder of the facts.
bool Protected(const std::wstring& Folder, const TFolderFacts& Facts) {
  for (const std::wstring& f : Facts.ProtectedFolders) {
    const std::wstring p = NormalizeFullPath(f);
    if (!p.empty() && SameOrBelow(p, Folder)) return true;
  }
  for (const std::wstring& t : Facts.ProtectedTrees) {
    const std::wstring p = NormalizeFullPath(t);
    if (!p.empty() && SameOrBelow(Folder, p)) return true;
  }
  return false;
}

} // namespace

std::wstring NormalizeFullPath(const std::wstring& Text) {
  const TParsed p = Parse(Text);
  return p.Root.empty() ? std::wstring() : Join(p);
}

bool SameOrBelow(const std::wstring& Inner, const std::wstring& Outer) {
  return !Outer.empty() && EqualFolded(Inner, Outer.size(), Outer);
}

TFolderCheck CheckInstallFolder(const std::wstring& Text, const TFolderFacts& Facts) {
  const TParsed p = Parse(Text);
  TFolderCheck check;
  if (p.Root.empty()) {
    check.Problem = TFolderProblem::Relative;
    return check;
  }
  check.Folder = Join(p);
  if (p.Bad)
    check.Problem = TFolderProblem::InvalidCharacters;
  else if (p.Names.empty())
    check.Problem = TFolderProblem::DriveRoot;
  else if (Protected(check.Folder, Facts))
    check.Problem = TFolderProblem::SystemFolder;
  else if (Facts.RootExists && !Facts.RootExists(p.Root))
    check.Problem = TFolderProblem::MissingDrive;
  else if (check.Folder.size() + Facts.LongestEntry > Facts.MaxPath)
    check.Problem = TFolderProblem::TooLong;
  return check;
}

bool MayRemoveBelow(const std::wstring& Folder, const TFolderFacts& Facts) {
  const TParsed p = Parse(Folder);
  return !p.Root.empty() && !p.Bad && !p.Names.empty() && !Protected(Join(p), Facts);
}

} // namespace qelvane
