#pragma once
// Owner of one COM interface reference.
#include <unknwn.h>

#include <utility>

namespace qelvane {

template <class T> class TComPtr {
public:
  TComPtr() = default;
  // Takes over a reference the caller owns.
  static TComPtr Attach(T* p) {
    TComPtr r;
    r.FPtr = p;
    return r;
  }
  TComPtr(const TComPtr& o) : FPtr(o.FPtr) {
    if (FPtr) FPtr->AddRef();
  }
  TComPtr(TComPtr&& o) noexcept : FPtr(std::exchange(o.FPtr, nullptr)) {}
  TComPtr& operator=(TComPtr o) noexcept {
    std::swap(FPtr, o.FPtr);
    return *this;
  }
  ~TComPtr() {
    if (FPtr) FPtr->Release();
  }
  T* get() const { return FPtr; }
  // Address for an out-parameter; releases what was held.
  T** put() {
    if (FPtr) FPtr->Release();
    FPtr = nullptr;
    return &FPtr;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  T* operator->() const { return FPtr; }
  explicit operator bool() const { return FPtr != nullptr; }

private:
  T* FPtr = nullptr;
};

} // namespace qelvane
