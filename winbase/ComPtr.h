#pragma once
// Owner of one COM interface reference.
#include <unknwn.h>

namespace qelvane {

template <class T> class ComPtr {
public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }
  T* get() const { return FPtr; }
  T* operator->() const { return FPtr; }
  explicit operator bool() const { return FPtr != nullptr; }
  // Address for an out-parameter; releases what was held.
  T** put() {
    reset();
    return &FPtr;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (FPtr) FPtr->Release();
    FPtr = nullptr;
  }

private:
  T* FPtr = nullptr;
};

} // namespace qelvane
