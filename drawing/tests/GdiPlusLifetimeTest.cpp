#include <gtest/gtest.h>

#include "drawing/GdiImageAdv.h"
#include "drawing/GdiPlusSession.h"
#include "drawing/GdiText.h"
#include "drawing/tests/TestSupport.h"

using namespace qelvane;

namespace {
// Constructed before anything draws, filled later, destroyed after the
// process-wide lease: the bitmaps it holds keep GDI+ up until they go.
std::vector<IGPBitmap> gEarlyHolder;
// Uses GDI+ during static initialisation, as the skin manager does.
TGDIText gStaticCaption;
TGDIIMGADV gStaticFrame;
} // namespace

TEST(GdiPlusLifetime, UsableDuringStaticInitialisationAndAfterTheLease) {
  EXPECT_TRUE(GdiPlusRunning());
  EXPECT_NE(gStaticCaption.GPFont(), nullptr);
  gStaticFrame.SetImage(test::Solid(10, 10, 0xFF0000FF));
  gStaticFrame.SetBounds(0, 0, 20, 20);
  gStaticFrame.Build();
  ASSERT_NE(gStaticFrame.Bitmap(), nullptr);
  gEarlyHolder.push_back(gStaticFrame.Bitmap());
  gEarlyHolder.push_back(TGPBitmap::Create(5, 5));
  // The process exits cleanly after this test: the static objects release
  // their GDI+ objects before GdiplusShutdown runs.
}

TEST(GdiPlusLifetime, LeasesNest) {
  {
    TGdiPlusLease a;
    TGdiPlusLease b(a);
    EXPECT_TRUE(GdiPlusRunning());
  }
  EXPECT_TRUE(GdiPlusRunning()) << "the process lease keeps GDI+ up";
}
