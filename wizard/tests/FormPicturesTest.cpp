// The form pictures: decoded on the first use of their pixels, into what a
// decode at once gives.
#include <gtest/gtest.h>

#include <vector>

#include "drawing/DrawingErrors.h"
#include "drawing/GdiSkinHelper.h"
#include "wizard/FormPictures.h"

using namespace qelvane;

namespace {

std::vector<uint32_t> Pixels(const IGPBitmap& b) {
  TBitmapBits bits(b->Native(), Gdiplus::ImageLockModeRead);
  std::vector<uint32_t> px;
  for (int32_t y = 0; y < b->Height(); ++y)
    for (int32_t x = 0; x < b->Width(); ++x)
      px.push_back(bits.View().At(x, y));
  return px;
}

} // namespace

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
