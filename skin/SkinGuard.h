#pragma once
// The guard of skin operations: runs a body, and when it throws, writes one
// line to the skin engine log naming the class, the failure and the operation,
// then returns normally. Returns whether the body completed.
// (Temporary stand-alone form until the drawing toolkit's log lands.)
#include <exception>
#include <string>
#include <typeinfo>

#include "winbase/Log.h"
#include "winbase/WinText.h"

namespace qelvane {

inline void LogSkinException(const wchar_t* AClassName, const std::exception& E, const wchar_t* AOperation) {
  std::wstring msg;
  if (AClassName) msg = std::wstring(L"ClassName:") + AClassName;
  msg += L"   ";
  msg += L"   ExceptionName:" + AnsiToWide(typeid(E).name());
  msg += L"   ExceptionMsg:" + AnsiToWide(E.what());
  msg += L"   ";
  if (AOperation && *AOperation) msg += std::wstring(L"AdditionalMsg:") + AOperation;
  WriteLog(msg, L"SkinEngine.log");
}

template <class F>
bool SkinGuard(const wchar_t* AClassName, const void* /*AObject*/, const wchar_t* AOperation, F&& Body) {
  try {
    Body();
    return true;
  } catch (const std::exception& e) {
    LogSkinException(AClassName, e, AOperation);
    return false;
  }
}

} // namespace qelvane
