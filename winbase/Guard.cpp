#include "winbase/Guard.h"

namespace qelvane {

namespace {
// Only the user-interface thread installs and calls the handler.
TAppExceptionHandler& AppExceptionHandler() {
  static TAppExceptionHandler handler;
  return handler;
}
} // namespace

TAppExceptionHandler SetAppExceptionHandler(TAppExceptionHandler AHandler) {
  return std::exchange(AppExceptionHandler(), std::move(AHandler));
}

void HandleAppException(const std::exception& AException) noexcept {
  try {
    // A copy: the handler may install another one while it runs.
    const TAppExceptionHandler handler = AppExceptionHandler();
    if (handler) handler(AException);
  } catch (...) {
    // The handler's own failure has nowhere left to go.
  }
}

} // namespace qelvane
