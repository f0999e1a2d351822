#pragma once
// Windows-side helpers shared by the drawing toolkit: colour resolution, the
// picture-object interface and graphics objects over device contexts.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/gfx/ColorRules.h"
#include "core/gfx/Geometry.h"

namespace qelvane {

// Window-toolkit colour to opaque ARGB; a system colour is first resolved
// with GetSysColor.
TGPColor ColorToGPColor(TColor AColor);

// A picture object of the user-interface toolkit that can save itself in its
// own format (PNG, JPEG, ...), as the bitmap factories take it.
class TGraphic {
public:
  virtual ~TGraphic() = default;
  virtual bool Empty() const = 0;
  virtual std::vector<uint8_t> SaveToBytes() const = 0;
};

// A picture held as the bytes of its file.
class TEncodedGraphic final : public TGraphic {
public:
  explicit TEncodedGraphic(std::vector<uint8_t> ABytes) : FBytes(std::move(ABytes)) {}
  bool Empty() const override { return FBytes.empty(); }
  std::vector<uint8_t> SaveToBytes() const override { return FBytes; }

private:
  std::vector<uint8_t> FBytes;
};

// A new GDI+ graphics object over a device context; throws on failure.
std::unique_ptr<Gdiplus::Graphics> CanvasToGPGraphics(HDC ADC);

} // namespace qelvane
