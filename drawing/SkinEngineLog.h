#pragma once
// The skin engine's failure log ("SkinEngine.log" beside the executable) and
// the guard that every fallible skin-engine operation runs its body in.
//
// A message has five fields joined by three blanks, each empty when absent:
//   "ClassName:<class>", "ObjectName:<name>", "ExceptionName:<exception class>",
//   "ExceptionMsg:<message>", "AdditionalMsg:<operation>".
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "winbase/Guard.h"

namespace qelvane {

inline constexpr std::wstring_view kSkinEngineLogFile = L"SkinEngine.log";

// Who logs: a class name (empty: no class field) and, for a named object (a
// component), its name, which may be empty.
struct TLogSubject {
  std::wstring_view ClassName;
  std::optional<std::wstring> ObjectName;
};

// Class name of an exception as the log shows it: the dynamic type,
// demangled, without namespaces ("EGdiPlusError", "bad_alloc").
std::wstring ExceptionClassName(const std::exception& AException);

// The five-field message.
std::wstring FormatExceptionLogMessage(const TLogSubject& ASubject, const std::exception* AException,
                                       std::wstring_view AAdditionalMsg);

// Writes the message as one line of AFileName through WriteLog. Never throws.
void WriteExceptionLog(const TLogSubject& ASubject, const std::exception* AException, std::wstring_view AFileName,
                       std::wstring_view AAdditionalMsg) noexcept;

// Runs ABody; an exception derived from std::exception is logged to
// "SkinEngine.log" with the subject and AOperation and swallowed. Anything
// else passes on. Returns true when the body completed.
template <class F> bool SkinGuard(const TLogSubject& ASubject, std::wstring_view AOperation, F&& ABody) {
  return GuardAndLog(std::forward<F>(ABody),
                     [&](const std::exception& e) { WriteExceptionLog(ASubject, &e, kSkinEngineLogFile, AOperation); });
}

// For routines that log neither class nor object.
template <class F> bool SkinGuard(std::wstring_view AOperation, F&& ABody) {
  return SkinGuard(TLogSubject{}, AOperation, std::forward<F>(ABody));
}

} // namespace qelvane
