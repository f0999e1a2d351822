#include "core/gfx/TextLayout.h"

#include <cmath>
#include <numbers>

namespace qelvane {

int32_t CenterStart(int32_t ALow, int32_t AHigh, float AMeasured) {
  int64_t w = static_cast<int64_t>(std::floor(static_cast<double>(AMeasured)));
  return static_cast<int32_t>(ALow + (static_cast<int64_t>(AHigh) - ALow - w) / 2);
}

int32_t CeilExtent(double v) {
  double r = std::round(v);
  if (std::fabs(v - r) < 1e-9) return static_cast<int32_t>(r);
  return static_cast<int32_t>(std::ceil(v));
}

TOffset ShadowOffset(uint32_t ADistance, double AAngleDeg) {
  double a = AAngleDeg * std::numbers::pi / 180;
  return {CeilExtent(ADistance * std::cos(a)), CeilExtent(ADistance * std::sin(a))};
}

std::u16string CutOffText(const std::u16string& AText, float ARectWidth,
                          const std::function<int32_t(const std::u16string&)>& AWidthOf) {
  if (ARectWidth - 10 >= static_cast<float>(AWidthOf(AText))) return AText;
  const int32_t limit = static_cast<int32_t>(std::ceil(ARectWidth)) - AWidthOf(u"...") - 10;
  std::u16string t;
  for (size_t i = 0; i < AText.size();) {
    size_t take = (AText[i] > 128 && i + 1 < AText.size()) ? 2 : 1;
    std::u16string next = t + AText.substr(i, take);
    if (AWidthOf(next) > limit) break;
    t = std::move(next);
    i += take;
    if (AWidthOf(t) >= limit) break;
  }
  return t + u"...";
}

TRect HintRect(int32_t AX, int32_t AY, int32_t ATextWidth, int32_t ATextHeight) {
  const int32_t w = ATextWidth + 10;
  TRect r{AX, AY, AX + (w < 240 ? w : 240), AY + ATextHeight};
  if (w > 240) r.Bottom = AY + ATextHeight * (w / 240 + 1);
  return r;
}

int32_t MulDiv32(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t p = static_cast<int64_t>(a) * b;
  bool negative = (p < 0) != (c < 0);
  int64_t ap = p < 0 ? -p : p, ac = c < 0 ? -static_cast<int64_t>(c) : c;
  int64_t q = (ap + ac / 2) / ac;
  if (q > INT32_MAX) return -1;
  return static_cast<int32_t>(negative ? -q : q);
}

int32_t SkinFontSizeFromCaptionFont(int32_t ALogFontHeight, int32_t ADpi) {
  if (ADpi <= 0) return 9;
  int32_t size = -MulDiv32(ALogFontHeight, 72, ADpi);
  if (size <= 0) size = 9;
  if (size > 12) size = 12;
  return size;
}

} // namespace qelvane
