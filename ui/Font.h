#pragma once
// TFont: a control's font (face, size in points or height in pixels, style
// bits, colour) with a change notice and the GDI font made from it on demand.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/gfx/FontDesc.h"
#include "core/gfx/Geometry.h"
#include "ui/GdiHandles.h"

namespace qelvane {

class TFont {
public:
  TFont();
  TFont(const TFont& o) : TFont() { Assign(o); }
  TFont& operator=(const TFont& o) {
    Assign(o);
    return *this;
  }

  const std::wstring& Name() const { return FName; }
  // Size in points; Height in pixels, negative for the character height
  // (the size in points at the screen's resolution).
  int32_t Size() const;
  int32_t Height() const { return FHeight; }
  TFontStyles Style() const { return FStyle; }
  TColor Color() const { return FColor; }
  void SetName(const std::wstring& Value);
  void SetSize(int32_t Value);
  void SetHeight(int32_t Value);
  void SetStyle(TFontStyles Value);
  void SetColor(TColor Value);

  // Copies everything and notifies once.
  void Assign(const TFont& Source);
  // Takes a skin font description (name, points, style, colour).
  void Assign(const TFontDesc& Source);
  TFontDesc ToDesc() const;

  // The GDI font for these settings (made on first use after a change).
  HFONT Handle() const;

  // Called after every change.
  std::function<void()> OnChange;

  static int32_t ScreenPixelsPerInch();

private:
  void Changed();

  std::wstring FName;
  int32_t FHeight;
  TFontStyles FStyle = 0;
  TColor FColor = 0;
  mutable TFontHandle FHandle;
};

} // namespace qelvane
