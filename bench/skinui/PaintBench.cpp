// One paint of an unchanged 562 x 371 skinned control (its whole paint
// pipeline with nothing to redraw) beside a plain BitBlt of a bitmap of the
// same size onto a window, both through the paint message and both drawn at
// once; prints the median per paint and the ratio.
#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "drawing/GdiBitmap.h"
#include "skinui/SkinControl.h"
#include "skinui/SkinFormBuffer.h"
#include "ui/Application.h"
#include "ui/Form.h"

using namespace qelvane;

namespace {
constexpr int kW = 562, kH = 371;

double MedianMicros(int AIterations, const std::function<void()>& ACall) {
  LARGE_INTEGER freq, a, b;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < 5; ++i)
    ACall();
  std::vector<double> samples;
  for (int i = 0; i < AIterations; ++i) {
    QueryPerformanceCounter(&a);
    ACall();
    QueryPerformanceCounter(&b);
    samples.push_back(static_cast<double>(b.QuadPart - a.QuadPart) * 1e6 / static_cast<double>(freq.QuadPart));
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

class THostForm : public TForm, public ISkinFormBuffer {
public:
  explicit THostForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
    SetBounds(20, 20, kW + 40, kH + 40);
    FBuffer.SetSize(kW + 40, kH + 40);
  }
  const TGdiBitmap& FormBufferBitmap() const override { return FBuffer; }
  const TGdiBitmap* BackgroundBufferBitmap() const override { return nullptr; }

private:
  TGdiBitmap FBuffer;
};

// Something to compose: a gradient with text.
class TPainted : public TSkinCustomControl {
public:
  using TSkinCustomControl::TSkinCustomControl;
  int CustomPaints = 0;

protected:
  void CustomPaint(Gdiplus::Graphics& G, const TGPRect& R) override {
    ++CustomPaints;
    TSkinCustomControl::CustomPaint(G, R);
    Gdiplus::LinearGradientBrush b(Gdiplus::Point(0, 0), Gdiplus::Point(R.Width, R.Height), Gdiplus::Color(0xC02060A0),
                                   Gdiplus::Color(0x40F0F0FF));
    G.FillRectangle(&b, 0, 0, R.Width, R.Height);
  }
};

// A plain window whose paint is one BitBlt of a bitmap of the control's size.
TGdiBitmap* GPlainBitmap = nullptr;
LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    BitBlt(dc, 0, 0, kW, kH, GPlainBitmap->DC(), 0, 0, SRCCOPY);
    EndPaint(w, &ps);
    return 0;
  }
  if (m == WM_ERASEBKGND) return 1;
  return DefWindowProcW(w, m, wp, lp);
}
} // namespace

int main() {
  THostForm& form = Application().CreateForm<THostForm>();
  TPainted& control = TComponent::Create<TPainted>(form);
  control.SetBounds(20, 20, kW, kH);
  control.SetParent(&form);
  form.Show();
  UpdateWindow(form.Handle());
  Application().ProcessMessages();

  TGdiBitmap plainBitmap(kW, kH);
  GPlainBitmap = &plainBitmap;
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PlainBench";
  RegisterClassW(&wc);
  HWND plain = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 700, 20, kW, kH, nullptr, nullptr,
                               wc.hInstance, nullptr);
  UpdateWindow(plain);

  const int before = control.CustomPaints;
  HWND skinned = control.Handle();
  const int n = 400;
  const double skinMsg = MedianMicros(n, [&] {
    control.Invalidate();
    UpdateWindow(skinned);
  });
  const double plainMsg = MedianMicros(n, [&] {
    InvalidateRect(plain, nullptr, FALSE);
    UpdateWindow(plain);
  });
  const double skinNow = MedianMicros(n, [&] { control.PaintNow(); });
  const double plainNow = MedianMicros(n, [&] {
    HDC dc = GetDC(plain);
    BitBlt(dc, 0, 0, kW, kH, plainBitmap.DC(), 0, 0, SRCCOPY);
    ReleaseDC(plain, dc);
  });
  const int redraws = control.CustomPaints - before;

  std::printf("%-58s %9.1f us\n", "unchanged skinned control, paint message", skinMsg);
  std::printf("%-58s %9.1f us\n", "plain BitBlt window, paint message", plainMsg);
  std::printf("%-58s %9.1f us\n", "unchanged skinned control, painted at once", skinNow);
  std::printf("%-58s %9.1f us\n", "plain BitBlt onto the window's DC", plainNow);
  const double ratio = skinMsg / plainMsg;
  std::printf("ratio (paint message) %.2f, target at most 1.5; own drawing re-run %d times (target 0)\n", ratio,
              redraws);
  DestroyWindow(plain);
  return ratio <= 1.5 && redraws == 0 ? 0 : 1;
}
