// The form pictures: decoded on the first use of their pixels, into what a
// decode at once gives.
#include <gtest/gtest.h>

#include <vector>

#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"
#include "drawing/tests/PixelList.h"
#include "wizard/FormPictures.h"

using namespace qelvane;
using qelvane::test::Pixels;

TEST(FormPictures, DecodeOnFirstUseIntoWhatADecodeAtOnceGives) {
  for (const wchar_t* name : {L"LOGO", L"BTN_CONFIRM_HOVER", L"ICON_STOP", L"LICENCE"}) {
    IGPBitmap now = GdiSkinHelper::TSkinHelper::CreateBitmap(name, L"FORMPIC");
    IGPBitmap later = FormPicture(name);
    ASSERT_TRUE(later);
    EXPECT_FALSE(later->Decoded());
    EXPECT_EQ(later->Width(), now->Width());
    EXPECT_EQ(later->Height(), now->Height());
    EXPECT_EQ(Pixels(later), Pixels(now));
  }
  EXPECT_THROW(FormPicture(L"NO_SUCH_PICTURE"), EResNotFound);
}
