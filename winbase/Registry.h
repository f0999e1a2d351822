#pragma once
// A registry key under one root, in the 32-bit programs' view, opened with
// full access. Reads and writes throw Exception with a message naming the
// value; a missing key is reported by OpenKey's result, not by an error.
#include <windows.h>

#include <string>

#include "winbase/Handles.h"

namespace qelvane {

class TRegistry {
public:
  explicit TRegistry(HKEY Root = HKEY_LOCAL_MACHINE, REGSAM View = KEY_WOW64_32KEY) : FRoot(Root), FView(View) {}

  // Opens Key (creating it when CanCreate); false when it cannot be opened.
  bool OpenKey(const std::wstring& Key, bool CanCreate);
  void CloseKey() { FKey.reset(); }
  bool KeyExists(const std::wstring& Key) const;
  // Deletes Key with everything below it; throws on failure.
  void DeleteKey(const std::wstring& Key);

  bool ValueExists(const std::wstring& Name) const;
  std::wstring ReadString(const std::wstring& Name) const;
  // A REG_DWORD; non-zero is true. Any other stored type is an error.
  bool ReadBool(const std::wstring& Name) const;
  void WriteString(const std::wstring& Name, const std::wstring& Value);
  void WriteInteger(const std::wstring& Name, DWORD Value);
  void WriteBool(const std::wstring& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  // Deletes a value; false when there was none.
  bool DeleteValue(const std::wstring& Name);

private:
  HKEY Current() const;
  HKEY FRoot;
  REGSAM FView;
  UniqueRegKey FKey;
};

} // namespace qelvane
