#include "core/gfx/PixelOps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/gfx/ColorRules.h"

namespace qelvane {

std::vector<int32_t> GaussianKernel(uint32_t s) {
  const int32_t r = static_cast<int32_t>(s > kMaxShadowSize + 1 ? kMaxShadowSize + 1 : s);
  double sigma = r / 2.0;
  if (sigma == 0) sigma = 0.1;
  const double twoSigma2 = 2 * sigma * sigma;
  const int32_t n = 2 * r + 1;
  std::vector<int32_t> k(static_cast<size_t>(n) * n);
  for (int32_t y = -r; y <= r; ++y)
    for (int32_t x = -r; x <= r; ++x) {
      double v = std::exp(-(x * x + y * y) / twoSigma2) / (std::numbers::pi * twoSigma2) * 1000;
      k[static_cast<size_t>(y + r) * n + (x + r)] = static_cast<int32_t>(std::nearbyint(v));
    }
  return k;
}

void GaussianBlurAlpha(const TPixelView& APixels, uint32_t s, TGPColor AColor) {
  if (!APixels.Bits || APixels.Width <= 0 || APixels.Height <= 0) return;
  if (static_cast<uint64_t>(s) * 2 >= static_cast<uint64_t>(APixels.Width) ||
      static_cast<uint64_t>(s) * 2 >= static_cast<uint64_t>(APixels.Height))
    return; // no pixel lies s away from every edge
  const int32_t r = static_cast<int32_t>(s);
  const uint32_t rgb = AColor & 0x00FFFFFFu;
  if (s > kMaxShadowSize) {
    for (int32_t py = r; py < APixels.Height - r; ++py)
      for (int32_t px = r; px < APixels.Width - r; ++px)
        APixels.At(px, py) = rgb;
    return;
  }
  const std::vector<int32_t> k = GaussianKernel(s);
  int64_t sum = 0;
  for (int32_t w : k)
    sum += w;
  // The kernel reads a copy of the alpha channel, never pixels already blurred.
  std::vector<uint8_t> alpha(static_cast<size_t>(APixels.Width) * APixels.Height);
  for (int32_t y = 0; y < APixels.Height; ++y) {
    const uint32_t* row = APixels.Row(y);
    for (int32_t x = 0; x < APixels.Width; ++x)
      alpha[static_cast<size_t>(y) * APixels.Width + x] = row[x] >> 24;
  }
  const int32_t n = 2 * r + 1;
  for (int32_t py = r; py < APixels.Height - r; ++py) {
    uint32_t* row = APixels.Row(py);
    for (int32_t px = r; px < APixels.Width - r; ++px) {
      int64_t acc = 0;
      for (int32_t y = 0; y < n; ++y) {
        const uint8_t* a = &alpha[static_cast<size_t>(py - r + y) * APixels.Width + (px - r)];
        const int32_t* kw = &k[static_cast<size_t>(y) * n];
        for (int32_t x = 0; x < n; ++x)
          acc += static_cast<int64_t>(kw[x]) * a[x];
      }
      uint32_t A = sum > 0 ? static_cast<uint32_t>(acc / sum) : 0;
      if (A > 255) A = 255;
      row[px] = (A << 24) | rgb;
    }
  }
}

std::array<float, 26> FadeFactors() {
  std::array<float, 26> f{};
  float v = 1.0f;
  for (float& x : f) {
    x = v;
    if (v >= 0.04) v = static_cast<float>(static_cast<double>(v) - 0.04);
  }
  return f;
}

namespace {
uint32_t ScaleAlpha(uint32_t px, float f) {
  uint32_t a = static_cast<uint32_t>(std::trunc(static_cast<double>(px >> 24) * static_cast<double>(f)));
  return (a << 24) | (px & 0x00FFFFFFu);
}
} // namespace

void FadeRightEdge(const TPixelView& APixels) {
  static const std::array<float, 26> f = FadeFactors();
  for (int32_t i = 0; i < 26; ++i) {
    int32_t x = APixels.Width - 26 + i;
    if (x < 0) continue;
    for (int32_t y = 0; y < APixels.Height; ++y)
      APixels.At(x, y) = ScaleAlpha(APixels.At(x, y), f[i]);
  }
}

void FadeBottomEdge(const TPixelView& APixels) {
  static const std::array<float, 26> f = FadeFactors();
  for (int32_t i = 0; i < 26; ++i) {
    int32_t y = APixels.Height - 26 + i;
    if (y < 0) continue;
    uint32_t* row = APixels.Row(y);
    for (int32_t x = 0; x < APixels.Width; ++x)
      row[x] = ScaleAlpha(row[x], f[i]);
  }
}

TGPColor AverageColor(const TPixelView& APixels, int32_t AX0, int32_t AX1, int32_t AStepX, int32_t AY0, int32_t AY1,
                      int32_t AStepY) {
  if (AStepX <= 0 || AStepY <= 0) return 0;
  uint64_t r = 0, g = 0, b = 0, count = 0;
  for (int64_t x = AX0; x < AX1; x += AStepX) {
    if (x < 0 || x >= APixels.Width) continue;
    for (int64_t y = AY0; y < AY1; y += AStepY) {
      if (y < 0 || y >= APixels.Height) continue;
      uint32_t px = APixels.At(static_cast<int32_t>(x), static_cast<int32_t>(y));
      r += RedOf(px);
      g += GreenOf(px);
      b += BlueOf(px);
      ++count;
    }
  }
  if (count == 0) return 0;
  return MakeGPColor(255, static_cast<uint8_t>(r / count), static_cast<uint8_t>(g / count),
                     static_cast<uint8_t>(b / count));
}

void FillPixels(const TPixelView& APixels, const TRect& ARect, uint32_t AValue) {
  int32_t l = ARect.Left < 0 ? 0 : ARect.Left;
  int32_t t = ARect.Top < 0 ? 0 : ARect.Top;
  int32_t r = ARect.Right > APixels.Width ? APixels.Width : ARect.Right;
  int32_t b = ARect.Bottom > APixels.Height ? APixels.Height : ARect.Bottom;
  for (int32_t y = t; y < b; ++y) {
    uint32_t* row = APixels.Row(y);
    for (int32_t x = l; x < r; ++x)
      row[x] = AValue;
  }
}

bool AllTransparent(const TPixelView& APixels) {
  for (int32_t y = 0; y < APixels.Height; ++y) {
    const uint32_t* row = APixels.Row(y);
    for (int32_t x = 0; x < APixels.Width; ++x)
      if (row[x] >> 24) return false;
  }
  return true;
}

void StretchOverPremultiplied(const TPixelView& ASrc, const TGPRect& ASrcRect, const TPixelView& ADst,
                              const TGPRect& ADstRect) {
  const TGPRect &s = ASrcRect, &d = ADstRect;
  if (!ASrc.Bits || !ADst.Bits || s.Width <= 0 || s.Height <= 0 || d.Width <= 0 || d.Height <= 0) return;
  if (s.X < 0 || s.Y < 0 || s.X > ASrc.Width - s.Width || s.Y > ASrc.Height - s.Height) return;
  const int64_t x0 = std::max<int64_t>(d.X, 0), x1 = std::min<int64_t>(int64_t{d.X} + d.Width, ADst.Width);
  const int64_t y0 = std::max<int64_t>(d.Y, 0), y1 = std::min<int64_t>(int64_t{d.Y} + d.Height, ADst.Height);
  // The source column of every destination column, sampled at its centre.
  std::vector<int32_t> columns;
  for (int64_t x = x0; x < x1; ++x)
    columns.push_back(s.X + static_cast<int32_t>(((x - d.X) * 2 + 1) * s.Width / (int64_t{d.Width} * 2)));
  for (int64_t y = y0; y < y1; ++y) {
    const uint32_t* src =
        ASrc.Row(s.Y + static_cast<int32_t>(((y - d.Y) * 2 + 1) * s.Height / (int64_t{d.Height} * 2)));
    uint32_t* dst = ADst.Row(static_cast<int32_t>(y)) + x0;
    for (const int32_t column : columns) {
      const uint32_t p = src[column], a = p >> 24;
      const uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
      uint32_t q = *dst;
      if (a == 255 || q == 0) {
        q = 0;
      } else {
        const uint32_t keep = 255 - a;
        q = (((q >> 24) * keep / 255) << 24) | ((((q >> 16) & 0xFF) * keep / 255) << 16) |
            ((((q >> 8) & 0xFF) * keep / 255) << 8) | ((q & 0xFF) * keep / 255);
      }
      *dst++ = q + ((a << 24) | (r << 16) | (g << 8) | b);
    }
  }
}

} // namespace qelvane
