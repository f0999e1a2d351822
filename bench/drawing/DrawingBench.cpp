// Measures the drawing toolkit at installer window size (562 x 371): building
// and drawing a nine-piece frame element, repainting it with nothing changed
// (served from the element's cached composition), the window background
// texture, and the glow and drop shadow of a caption. Prints the median time
// per call of many calls.
#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "drawing/GdiBigImagePro.h"
#include "drawing/GdiImageAdv.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/GdiText.h"
#include "drawing/SkinHelper.h"

using namespace qelvane;

namespace {
constexpr int kW = 562, kH = 371;

double Ticks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart);
}

// Median microseconds per call of AIterations calls (after a few warm-ups).
double MedianMicros(int AIterations, const std::function<void()>& ACall) {
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < 3; ++i)
    ACall();
  std::vector<double> samples;
  samples.reserve(static_cast<size_t>(AIterations));
  for (int i = 0; i < AIterations; ++i) {
    double start = Ticks();
    ACall();
    samples.push_back((Ticks() - start) * 1e6 / static_cast<double>(freq.QuadPart));
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

void Report(const char* AWhat, int AIterations, double AMicros) {
  std::printf("%-58s %9.1f us/call  (median of %d)\n", AWhat, AMicros, AIterations);
}

// A 60 x 60 frame image: 8-pixel border with a light gradient, plain inside.
IGPBitmap FrameImage() {
  IGPBitmap b = TGPBitmap::Create(60, 60);
  TBitmapBits bits(b->Native());
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      bool border = x < 8 || y < 8 || x >= 52 || y >= 52;
      bits.View().At(x, y) = border ? 0xFF2060A0u + static_cast<uint32_t>(x + y) : 0xF0F4F8FCu;
    }
  return b;
}

IGPBitmap TextureImage() {
  IGPBitmap b = TGPBitmap::Create(400, 300);
  TBitmapBits bits(b->Native());
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x)
      bits.View().At(x, y) = 0xFF000000u | static_cast<uint32_t>((x * 255 / 400) << 16 | (y * 255 / 300) << 8 | 0x80);
  return b;
}
} // namespace

int main() {
  IGPBitmap window = TGPBitmap::Create(kW, kH);
  auto g = NewGraphics(window);
  std::printf("Drawing toolkit at window size %d x %d\n", kW, kH);

  // Nine-piece frame: a fresh element per call builds clip image, nine parts
  // and composition, then draws.
  IGPBitmap frameImage = FrameImage();
  const int buildIterations = 200;
  double build = MedianMicros(buildIterations, [&] {
    TGDIIMGADV frame;
    TSkinHelper::InitGdiImgAdv(frame, frameImage, 8, 8);
    TSkinHelper::DrawButtonFrame(*g, frame, {0, 0, kW, kH});
  });
  Report("nine-piece frame: build and draw", buildIterations, build);

  // The same element repainted with nothing changed: one bitmap draw.
  TGDIIMGADV frame;
  TSkinHelper::InitGdiImgAdv(frame, frameImage, 8, 8);
  TSkinHelper::DrawButtonFrame(*g, frame, {0, 0, kW, kH});
  IGPBitmap cachedBitmap = frame.Bitmap();
  const int repaintIterations = 2000;
  double repaint = MedianMicros(repaintIterations, [&] { TSkinHelper::DrawButtonFrame(*g, frame, {0, 0, kW, kH}); });
  Report("nine-piece frame: repaint, nothing changed (cached)", repaintIterations, repaint);
  std::printf("  cache kept across repaints: %s\n", frame.Bitmap() == cachedBitmap ? "yes" : "NO");

  // Same image, new size each call: parts kept, composition redone.
  int toggle = 0;
  double resize = MedianMicros(buildIterations, [&] {
    toggle ^= 1;
    TSkinHelper::DrawButtonFrame(*g, frame, {0, 0, kW - toggle, kH - toggle});
  });
  Report("nine-piece frame: resize by one pixel (recompose)", buildIterations, resize);

  // Window background: average-colour texture, parts at screen size.
  IGPBitmap texture = TextureImage();
  const int textureIterations = 20;
  double textureBuild = MedianMicros(textureIterations, [&] {
    TGDIBIGIMGPro background;
    background.SetStretch(true);
    background.SetStrecthMode(smAvgColor);
    background.SetImage(texture);
    background.SetBounds(0, 0, kW, kH);
    background.Paint(g.get(), 0, 0);
  });
  Report("background texture (avg colour, screen-size parts): build", textureIterations, textureBuild);
  TGDIBIGIMGPro background;
  background.SetStretch(true);
  background.SetStrecthMode(smAvgColor);
  background.SetImage(texture);
  background.SetBounds(0, 0, kW, kH);
  background.Paint(g.get(), 0, 0);
  double textureRepaint = MedianMicros(repaintIterations, [&] { background.Paint(g.get(), 0, 0); });
  Report("background texture: repaint, nothing changed (cached)", repaintIterations, textureRepaint);

  // Caption: the form title's glow (print style 1, blur radius 6) and the
  // helper's drop shadow.
  TGDIText caption;
  caption.PrintStyle = 1;
  caption.IsDrawShadow = true;
  caption.SetFont({u"微软雅黑", 9, 0, 0x000000});
  caption.SetBounds(10, 6, 300, 24);
  caption.SetText(L"Qelvane 3.0 安装向导");
  const int textIterations = 300;
  double glow = MedianMicros(textIterations, [&] { caption.Paint(g.get(), 0, 0); });
  Report("caption with glow (text element, radius 6)", textIterations, glow);
  caption.IsDrawShadow = false;
  double plain = MedianMicros(textIterations, [&] { caption.Paint(g.get(), 0, 0); });
  Report("caption without glow (text element)", textIterations, plain);
  const TFontDesc font{u"微软雅黑", 9, 0, 0x000000};
  double shadow = MedianMicros(textIterations, [&] {
    GdiSkinHelper::TSkinHelper::DrawShadowText(*g, L"Qelvane 3.0 安装向导", font, 10, 6, 3, 2, 0xFF000000);
  });
  Report("caption with drop shadow (helper, radius 3, distance 2)", textIterations, shadow);
  return 0;
}
