// One scroll step of a 300 x 400 zone view drawn by the skin's default
// zone-view style: a wheel message and the paint it causes, with 100 zones
// and with 10,000 zones. The work must follow the zones in the viewport, not
// the zones in the view: prints the median per step for both and the ratio
// (target at most 1.5).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "drawing/GdiBitmap.h"
#include "skin/SkinMng.h"
#include "skinui/SkinFormBuffer.h"
#include "skinui/SkinZoneView.h"
#include "skinui/SkinZoneViewStyle.h"
#include "ui/Application.h"
#include "ui/Form.h"

using namespace qelvane;

namespace {

constexpr int kW = 300, kH = 400;

class THostForm : public TForm, public ISkinFormBuffer {
public:
  explicit THostForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
    SetBounds(20, 20, kW + 40, kH + 40);
    FBuffer.SetSize(kW + 40, kH + 40);
    const TPixelView v = FBuffer.Pixels();
    for (int y = 0; y < kH + 40; ++y)
      for (int x = 0; x < kW + 40; ++x)
        v.At(x, y) = 0xFFF4F6F9;
  }
  const TGdiBitmap& FormBufferBitmap() const override { return FBuffer; }
  const TGdiBitmap* BackgroundBufferBitmap() const override { return nullptr; }

private:
  TGdiBitmap FBuffer;
};

// A median scroll step of a view holding AZones zones (a group header every
// 50 zones, each with two collapsed members).
double ScrollStepMicros(int AZones) {
  THostForm& form = Application().CreateForm<THostForm>();
  TSkinZoneView& view = TComponent::Create<TSkinZoneView>(form);
  view.SetBounds(20, 20, kW, kH);
  view.SetParent(&form);
  TBaseZoneViewStyle& style = TComponent::Create<TBaseZoneViewStyle>(form);
  style.SetZoneView(&view);
  view.BeginUpdate();
  for (int i = 0; i < AZones; ++i) {
    TZone& z = view.Zones().Add();
    if (i % 50 == 0) {
      z.SetHeight(26);
      z.SetZoneName(L"分组 " + std::to_wstring(i / 50));
      for (int k = 0; k < 2; ++k)
        z.ChildZones().Add().SetZoneName(L"成员");
    } else {
      z.SetHeight(40);
      z.SetZoneName(L"联系人 " + std::to_wstring(i) + L"\n今天天气不错");
    }
  }
  view.EndUpdate();
  form.FinishCreation();
  form.Show();
  UpdateWindow(form.Handle());
  Application().ProcessMessages();
  view.SetVertScrollPosition(view.Scroll().VertMax / 2);
  UpdateWindow(view.Handle());

  HWND h = view.Handle();
  POINT centre{kW / 2, kH / 2};
  ClientToScreen(h, &centre);
  // Fifty steps down, fifty up, and so on: always mid-list.
  const double micros = MedianMicros(400, [&](int i) {
    const int delta = (i / 50) % 2 ? WHEEL_DELTA : -WHEEL_DELTA;
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(centre.x, centre.y));
    UpdateWindow(h);
  });
  form.Hide();
  Application().ProcessMessages();
  return micros;
}

} // namespace

int main() {
  if (!SkinMng().ChangeSkinRes(L"SKIN", false)) {
    std::printf("the skin did not load\n");
    return 1;
  }
  const double small = ScrollStepMicros(100);
  const double large = ScrollStepMicros(10000);
  std::printf("%-50s %9.1f us\n", "one scroll step, 100 zones", small);
  std::printf("%-50s %9.1f us\n", "one scroll step, 10,000 zones", large);
  const double ratio = large / small;
  std::printf("ratio 10,000 / 100 zones %.2f, target at most 1.5: %s\n", ratio, ratio <= 1.5 ? "met" : "MISSED");
  return ratio <= 1.5 ? 0 : 1;
}
