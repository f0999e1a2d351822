#pragma once
// Owners for Win32 handles.
#include <windows.h>

#include <memory>

namespace qelvane {

// A kernel handle closed with CloseHandle; INVALID_HANDLE_VALUE and null both
// mean "no handle".
class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : FHandle(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : FHandle(o.release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }
  HANDLE get() const { return FHandle; }
  HANDLE release() {
    HANDLE h = FHandle;
    FHandle = nullptr;
    return h;
  }
  void reset(HANDLE h = nullptr) {
    if (FHandle) CloseHandle(FHandle);
    FHandle = (h == INVALID_HANDLE_VALUE) ? nullptr : h;
  }
  explicit operator bool() const { return FHandle != nullptr; }

private:
  HANDLE FHandle = nullptr;
};

// A registry key closed with RegCloseKey.
struct RegKeyCloser {
  void operator()(HKEY k) const { RegCloseKey(k); }
};
using UniqueRegKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegKeyCloser>;

} // namespace qelvane
