#pragma once
// A cheap structural check of PNG bytes, far cheaper than decoding them: the
// signature, a sound header, the chunks in an order a decoder accepts, and
// every chunk's CRC. Bytes that pass are worth decoding later, when their
// pixels are needed; anything else should be decoded at once, so that a
// failure shows where it always did. Passing the check does not prove the
// compressed pixel data inflates.
#include <cstdint>
#include <optional>
#include <span>

namespace qelvane {

struct TPngSize {
  int32_t Width;
  int32_t Height;
};

// Largest picture (in pixels) the check passes: a bigger one is left to the
// decoder at once, which may refuse it for its size.
constexpr int64_t PngCheckMaxPixels = 4096 * 4096;

// The size in the header when the bytes pass the check, else nothing. Passing
// needs: the signature; IHDR first, with a size of 1 to PngCheckMaxPixels
// pixels and a valid depth, colour type, compression, filter and interlace;
// PLTE at most once, before the pixel data, where the colour type allows or
// needs it; one unbroken run of IDAT chunks whose stream starts with a valid
// zlib header; IEND last, empty, at the very end; no other critical chunk;
// every chunk's CRC right.
std::optional<TPngSize> CheckPng(std::span<const uint8_t> ABytes);

} // namespace qelvane
