#pragma once
// Guarded operations: a body runs inside a handler that catches every error
// derived from std::exception and hands it to a logging callable; the
// operation then returns normally. Anything else passes on unchanged. The
// skin engine log (SkinGuard) and the install log (InstallLogGuard) are thin
// uses of it, and the application-wide handler catches what nothing else did.
#include <exception>
#include <functional>
#include <utility>

namespace qelvane {

// Runs ABody; an exception derived from std::exception goes to ALog and is
// swallowed. Returns true when the body completed.
template <class F, class L> bool GuardAndLog(F&& ABody, L&& ALog) {
  try {
    std::forward<F>(ABody)();
    return true;
  } catch (const std::exception& e) {
    std::forward<L>(ALog)(e);
    return false;
  }
}

// The application-wide handler of errors that no operation caught itself.
// None is installed at first: such errors are then dropped without a trace.
using TAppExceptionHandler = std::function<void(const std::exception&)>;

// Installs AHandler (an empty one removes the handler) and returns the one
// installed before.
TAppExceptionHandler SetAppExceptionHandler(TAppExceptionHandler AHandler);

// Hands AException to the installed handler. An error raised by the handler
// itself is dropped: nothing is left to report it to.
void HandleAppException(const std::exception& AException) noexcept;

// Runs ABody; an exception derived from std::exception goes to the
// application-wide handler and is swallowed, so it never reaches the message
// loop. Returns true when the body completed.
template <class F> bool GuardAppException(F&& ABody) {
  return GuardAndLog(std::forward<F>(ABody), [](const std::exception& e) { HandleAppException(e); });
}

} // namespace qelvane
