// The wizard's picture buttons on screen: without the agreement the two
// install buttons look disabled (their art has no disabled picture, so the
// normal one shows greyed), and they look as before once it is ticked again.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "drawing/GdiBitmap.h"
#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "ui/Application.h"
#include "ui/tests/UiTestSupport.h"
#include "wizard/InstallerMain.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {

// Pixels of AImage as its parent window shows them now whose colour is
// clearly not grey (the buttons' art is blue).
int ColouredPixels(const TImage& AImage) {
  const int32_t w = AImage.Width(), h = AImage.Height();
  TGdiBitmap shown(w, h);
  HWND parent = AImage.Parent()->Handle();
  HDC dc = GetDC(parent);
  BitBlt(shown.DC(), 0, 0, w, h, dc, AImage.Left(), AImage.Top(), SRCCOPY);
  ReleaseDC(parent, dc);
  GdiFlush();
  int coloured = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t p = shown.Pixels().At(x, y);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      coloured += std::max({r, g, b}) - std::min({r, g, b}) > 40;
    }
  return coloured;
}

} // namespace

TEST(WizardPictureButtons, WithoutTheAgreementTheInstallButtonsLookDisabled) {
  ASSERT_TRUE(SkinMng().Loaded() || InitSkinEngineAtStartup());
  ParkPointer();
  auto& wizard = Application().CreateForm<TfrmInstallerMain>();
  wizard.SetAlphaBlend(false);
  wizard.Show();
  struct {
    int32_t Page;
    TImage* Button;
  } rows[] = {{1, wizard.imgFastButtom}, {2, wizard.imgOkInstall}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "page " << row.Page);
    while (wizard.PageIndex() < row.Page)
      wizard.NextPage();
    const auto shownNow = [&] {
      UpdateWindow(wizard.Handle());
      Pump();
      return ColouredPixels(*row.Button);
    };
    const int enabled = shownNow();
    EXPECT_GT(enabled, row.Button->Width() * row.Button->Height() / 3);

    wizard.ToggleReadedAnnounce();
    ASSERT_FALSE(row.Button->Enabled());
    EXPECT_EQ(shownNow(), 0) << "a disabled button shows no colour";

    wizard.ToggleReadedAnnounce();
    ASSERT_TRUE(row.Button->Enabled());
    EXPECT_EQ(shownNow(), enabled);
  }
  Application().FreeComponent(&wizard);
}
