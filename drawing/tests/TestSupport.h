#pragma once
// Fixtures for the drawing tests: hand-made BMP files, solid and patterned
// bitmaps, pixel reads and the log file.
#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drawing/GPBitmap.h"

namespace qelvane::test {

// An uncompressed BMP file, 24-bit, top row first in the callback's terms.
std::vector<uint8_t> Bmp24(int w, int h, const std::function<uint32_t(int x, int y)>& rgb);
// An 8-bit palette BMP whose pixel (x, y) uses palette index idx(x, y).
std::vector<uint8_t> Bmp8(int w, int h, const std::vector<uint32_t>& paletteRgb,
                          const std::function<uint8_t(int x, int y)>& idx);
// A 32 bpp ARGB bitmap filled by a function of the position.
IGPBitmap Pattern(int w, int h, const std::function<uint32_t(int x, int y)>& argb);
inline IGPBitmap Solid(int w, int h, uint32_t argb) {
  return Pattern(w, h, [=](int, int) { return argb; });
}
// PNG bytes of a bitmap.
std::vector<uint8_t> EncodePng(const IGPBitmap& b);
// The ARGB value of one pixel.
uint32_t Px(const IGPBitmap& b, int x, int y);
// True when every pixel of the rectangle (right/bottom exclusive) equals argb.
bool AllPx(const IGPBitmap& b, int l, int t, int r, int bottom, uint32_t argb);
// Count of pixels of the bitmap with alpha above 0 inside a rectangle.
int Inked(const IGPBitmap& b, int l, int t, int r, int bottom);

// The skin engine log beside the test exe: removed by Reset, read by Lines.
struct TSkinLog {
  static void Reset();
  static std::vector<std::wstring> Lines(); // messages without the timestamp
};

// A temporary file name beside the test exe.
std::wstring TempPath(const std::wstring& name);
void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);

} // namespace qelvane::test
