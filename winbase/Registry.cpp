#include "winbase/Registry.h"

#include <vector>

#include "winbase/Exception.h"

namespace qelvane {

bool TRegistry::OpenKey(const std::wstring& Key, bool CanCreate) {
  HKEY key = nullptr;
  LONG rc;
  if (CanCreate)
    rc = RegCreateKeyExW(FRoot, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | FView, nullptr, &key, nullptr);
  else
    rc = RegOpenKeyExW(FRoot, Key.c_str(), 0, KEY_ALL_ACCESS | FView, &key);
  if (rc != ERROR_SUCCESS) return false;
  FKey.reset(key);
  return true;
}

bool TRegistry::KeyExists(const std::wstring& Key) const {
  HKEY key = nullptr;
  if (RegOpenKeyExW(FRoot, Key.c_str(), 0, KEY_READ | FView, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void TRegistry::DeleteKey(const std::wstring& Key) {
  // Empty the key in the chosen view first, then remove the key itself.
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExW(FRoot, Key.c_str(), 0, KEY_ALL_ACCESS | FView, &key);
  if (rc == ERROR_FILE_NOT_FOUND) return;
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to delete key " + Key);
  UniqueRegKey owner(key);
  rc = RegDeleteTreeW(key, nullptr);
  owner.reset();
  if (rc == ERROR_SUCCESS) rc = RegDeleteKeyExW(FRoot, Key.c_str(), FView, 0);
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
    throw EOSError(static_cast<unsigned long>(rc), L"Failed to delete key " + Key);
}

HKEY TRegistry::Current() const {
  if (!FKey) throw Exception(L"No registry key is open");
  return FKey.get();
}

bool TRegistry::ValueExists(const std::wstring& Name) const {
  return RegQueryValueExW(Current(), Name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::wstring TRegistry::ReadString(const std::wstring& Name) const {
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExW(Current(), Name.c_str(), nullptr, &type, nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return {};
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to get data for '" + Name + L"'");
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw Exception(L"Invalid data type for '" + Name + L"'");
  std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
  rc = RegQueryValueExW(Current(), Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &bytes);
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to get data for '" + Name + L"'");
  std::wstring value(buf.data(), bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0')
    value.pop_back();
  return value;
}

bool TRegistry::ReadBool(const std::wstring& Name) const {
  DWORD type = 0, value = 0, size = sizeof(value);
  LONG rc = RegQueryValueExW(Current(), Name.c_str(), nullptr, &type, nullptr, nullptr);
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to get data for '" + Name + L"'");
  if (type != REG_DWORD) throw Exception(L"Invalid data type for '" + Name + L"'");
  rc = RegQueryValueExW(Current(), Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to get data for '" + Name + L"'");
  return value != 0;
}

void TRegistry::WriteString(const std::wstring& Name, const std::wstring& Value) {
  LONG rc = RegSetValueExW(Current(), Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                           static_cast<DWORD>((Value.size() + 1) * sizeof(wchar_t)));
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to set data for '" + Name + L"'");
}

void TRegistry::WriteInteger(const std::wstring& Name, DWORD Value) {
  LONG rc = RegSetValueExW(Current(), Name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Value), sizeof(Value));
  if (rc != ERROR_SUCCESS) throw EOSError(static_cast<unsigned long>(rc), L"Failed to set data for '" + Name + L"'");
}

bool TRegistry::DeleteValue(const std::wstring& Name) {
  return RegDeleteValueW(Current(), Name.c_str()) == ERROR_SUCCESS;
}

} // namespace qelvane
