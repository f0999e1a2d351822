#pragma once
// Owners for GDI handles and device contexts.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace qelvane {

// A GDI object (font, brush, pen, bitmap, region) deleted with DeleteObject.
template <class H> class TGdiObject {
public:
  TGdiObject() = default;
  explicit TGdiObject(H AHandle) : FHandle(AHandle) {}
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  TGdiObject(TGdiObject&& o) noexcept : FHandle(o.Release()) {}
  TGdiObject& operator=(TGdiObject&& o) noexcept {
    if (this != &o) Reset(o.Release());
    return *this;
  }
  ~TGdiObject() { Reset(); }
  H Get() const { return FHandle; }
  H Release() {
    H h = FHandle;
    FHandle = nullptr;
    return h;
  }
  void Reset(H AHandle = nullptr) {
    if (FHandle) DeleteObject(FHandle);
    FHandle = AHandle;
  }
  explicit operator bool() const { return FHandle != nullptr; }

private:
  H FHandle = nullptr;
};
using TFontHandle = TGdiObject<HFONT>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TBitmapHandle = TGdiObject<HBITMAP>;
using TRegionHandle = TGdiObject<HRGN>;

// A window's device context from GetDC, released on scope exit.
class TWindowDC {
public:
  explicit TWindowDC(HWND AWnd) : FWnd(AWnd), FDC(GetDC(AWnd)) {}
  ~TWindowDC() {
    if (FDC) ReleaseDC(FWnd, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Get() const { return FDC; }

private:
  HWND FWnd;
  HDC FDC;
};

// SaveDC / RestoreDC around a block.
class TSavedDC {
public:
  explicit TSavedDC(HDC ADC) : FDC(ADC), FState(SaveDC(ADC)) {}
  ~TSavedDC() {
    if (FState) RestoreDC(FDC, FState);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FState;
};

// Selects an object into a DC for the scope.
class TSelectObject {
public:
  TSelectObject(HDC ADC, HGDIOBJ AObject) : FDC(ADC), FOld(SelectObject(ADC, AObject)) {}
  ~TSelectObject() { SelectObject(FDC, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

private:
  HDC FDC;
  HGDIOBJ FOld;
};

} // namespace qelvane
