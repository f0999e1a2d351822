#pragma once
// TDibSection: a 32 bpp DIB section selected into its own memory device
// context; the GDI part shared by TGdiBitmap and TGdipCanvas.
#include <windows.h>

#include <cstdint>

namespace qelvane {

class TDibSection {
public:
  TDibSection() = default;
  ~TDibSection() { Release(); }
  TDibSection(const TDibSection&) = delete;
  TDibSection& operator=(const TDibSection&) = delete;

  // Creates a new AWidth x AHeight section (releasing the old one), rows top
  // down or bottom up. Returns null on success, else the name of the GDI call
  // that failed ("CreateCompatibleDC", "CreateDIBSection"); then it is empty.
  const char* Create(int32_t AWidth, int32_t AHeight, bool ATopDown);
  void Release();

  HDC DC() const { return FDC; }
  HBITMAP Handle() const { return FBitmap; }
  void* Bits() const { return FBits; }

private:
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FPrevious = nullptr;
  void* FBits = nullptr;
};

} // namespace qelvane
