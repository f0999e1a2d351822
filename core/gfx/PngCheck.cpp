#include "core/gfx/PngCheck.h"

#include <zlib.h>

#include <algorithm>
#include <array>

namespace qelvane {

namespace {

constexpr std::array<uint8_t, 8> Signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

bool IsType(const uint8_t* p, const char (&AType)[5]) {
  return std::equal(p, p + 4, AType);
}

bool ValidDepth(uint8_t AColourType, uint8_t ADepth) {
  switch (AColourType) {
  case 0: // grey
    return ADepth == 1 || ADepth == 2 || ADepth == 4 || ADepth == 8 || ADepth == 16;
  case 3: // palette
    return ADepth == 1 || ADepth == 2 || ADepth == 4 || ADepth == 8;
  case 2: // RGB
  case 4: // grey and alpha
  case 6: // RGBA
    return ADepth == 8 || ADepth == 16;
  default:
    return false;
  }
}

} // namespace

std::optional<TPngSize> CheckPng(std::span<const uint8_t> ABytes) {
  if (ABytes.size() < Signature.size() || !std::equal(Signature.begin(), Signature.end(), ABytes.begin())) return {};
  TPngSize size{};
  uint8_t colourType = 0;
  bool header = false, palette = false, pixelsStarted = false, pixelsEnded = false;
  size_t pos = Signature.size();
  while (ABytes.size() - pos >= 12) {
    const uint8_t* chunk = ABytes.data() + pos;
    const uint32_t length = BigEndian32(chunk);
    if (length > 0x7FFFFFFF || length > ABytes.size() - pos - 12) return {};
    const uint8_t* type = chunk + 4;
    const uint8_t* data = chunk + 8;
    if (!std::all_of(type, type + 4, [](uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }))
      return {};
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), type, static_cast<uInt>(length + 4));
    if (crc != BigEndian32(data + length)) return {};
    pos += 12 + size_t(length);

    if (!header) {
      // IHDR: width, height, depth, colour type, compression, filter, interlace.
      if (!IsType(type, "IHDR") || length != 13) return {};
      const uint32_t w = BigEndian32(data), h = BigEndian32(data + 4);
      if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF || int64_t(w) * h > PngCheckMaxPixels) return {};
      colourType = data[9];
      if (!ValidDepth(colourType, data[8]) || data[10] != 0 || data[11] != 0 || data[12] > 1) return {};
      size = {int32_t(w), int32_t(h)};
      header = true;
      continue;
    }
    if (pixelsStarted && !IsType(type, "IDAT")) pixelsEnded = true;
    if (IsType(type, "IDAT")) {
      if (pixelsEnded) return {};
      if (!pixelsStarted) {
        // The zlib header: deflate, a window of at most 32 KiB, no preset
        // dictionary, check bits right.
        if (length < 2 || (data[0] & 0x0F) != 8 || (data[0] >> 4) > 7 || (data[1] & 0x20) ||
            ((data[0] << 8) | data[1]) % 31 != 0)
          return {};
        if (colourType == 3 && !palette) return {};
      }
      pixelsStarted = true;
    } else if (IsType(type, "PLTE")) {
      if (palette || pixelsStarted || colourType == 0 || colourType == 4 || length == 0 || length % 3 != 0 ||
          length > 3 * 256)
        return {};
      palette = true;
    } else if (IsType(type, "IEND")) {
      if (length != 0 || !pixelsStarted || pos != ABytes.size()) return {};
      return size;
    } else if (type[0] >= 'A' && type[0] <= 'Z') {
      return {}; // a critical chunk no decoder may skip (IHDR again, or one unknown)
    }
  }
  return {};
}

} // namespace qelvane
