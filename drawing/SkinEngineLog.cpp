#include "drawing/SkinEngineLog.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "core/text/TextConvert.h"
#include "winbase/Log.h"
#include "winbase/WinText.h"

namespace qelvane {

namespace {
// Exception texts are UTF-8; a text that is not is taken as ANSI.
std::wstring MessageText(const char* what) {
  if (!what) return {};
  try {
    return ToWide(Utf8ToUtf16(what));
  } catch (const ETextConvert&) {
    return AnsiToWide(what);
  }
}
} // namespace

std::wstring ExceptionClassName(const std::exception& AException) {
  const char* mangled = typeid(AException).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : mangled;
  std::free(demangled);
  // Drop namespaces, keeping any template arguments intact.
  size_t end = name.find('<');
  size_t colon = name.rfind("::", end);
  if (colon != std::string::npos) name.erase(0, colon + 2);
  return AnsiToWide(name);
}

std::wstring FormatExceptionLogMessage(const TLogSubject& ASubject, const std::exception* AException,
                                       std::wstring_view AAdditionalMsg) {
  std::wstring msg;
  if (!ASubject.ClassName.empty()) msg.append(L"ClassName:").append(ASubject.ClassName);
  msg += L"   ";
  if (ASubject.ObjectName) msg.append(L"ObjectName:").append(*ASubject.ObjectName);
  msg += L"   ";
  if (AException) msg.append(L"ExceptionName:").append(ExceptionClassName(*AException));
  msg += L"   ";
  if (AException) msg.append(L"ExceptionMsg:").append(MessageText(AException->what()));
  msg += L"   ";
  if (!AAdditionalMsg.empty()) msg.append(L"AdditionalMsg:").append(AAdditionalMsg);
  return msg;
}

void WriteExceptionLog(const TLogSubject& ASubject, const std::exception* AException, std::wstring_view AFileName,
                       std::wstring_view AAdditionalMsg) noexcept {
  try {
    WriteLog(FormatExceptionLogMessage(ASubject, AException, AAdditionalMsg), AFileName);
  } catch (...) {
    // Logging never breaks the operation that failed (e.g. out of memory here).
  }
}

} // namespace qelvane
