#include <gtest/gtest.h>

#include <new>

#include "drawing/DrawingErrors.h"
#include "drawing/SkinEngineLog.h"
#include "drawing/tests/TestSupport.h"

using namespace qelvane;
using namespace qelvane::test;

TEST(SkinEngineLog, FiveFieldsWithTheirSeparators) {
  EResNotFound e(L"SKIN");
  struct {
    TLogSubject subject;
    const std::exception* ex;
    std::wstring op, expected;
  } cases[] = {
      {{L"TSkinFile", std::nullopt},
       &e,
       L"LoadSkinFile",
       L"ClassName:TSkinFile      ExceptionName:EResNotFound   ExceptionMsg:Resource SKIN not found   "
       L"AdditionalMsg:LoadSkinFile"},
      {{L"TGDIText", L"标题"},
       &e,
       L"Draw",
       L"ClassName:TGDIText   ObjectName:标题   ExceptionName:EResNotFound   ExceptionMsg:Resource SKIN not found   "
       L"AdditionalMsg:Draw"},
      {{L"TSkinButton", L""}, nullptr, L"", L"ClassName:TSkinButton   ObjectName:         "},
      {{},
       &e,
       L"DrawShadowStringInRect",
       L"      ExceptionName:EResNotFound   ExceptionMsg:Resource SKIN not found   "
       L"AdditionalMsg:DrawShadowStringInRect"},
  };
  for (auto& c : cases)
    EXPECT_EQ(FormatExceptionLogMessage(c.subject, c.ex, c.op), c.expected);
}

TEST(SkinEngineLog, ExceptionNamesAreUnqualifiedClassNames) {
  EXPECT_EQ(ExceptionClassName(EGdiPlusError(Gdiplus::InvalidParameter, "x")), L"EGdiPlusError");
  EXPECT_EQ(ExceptionClassName(std::bad_alloc()), L"bad_alloc");
  EXPECT_EQ(ExceptionClassName(std::runtime_error("x")), L"runtime_error");
}

TEST(SkinGuard, LogsOneLineAndReturnsNormally) {
  TSkinLog::Reset();
  bool reached = false;
  bool ok = SkinGuard({L"TSkinHelper", std::nullopt}, L"CreateBitmapThrough Stream", [&] {
    reached = true;
    throw EGdiPlusError(Gdiplus::UnknownImageFormat, "Bitmap(stream)");
  });
  EXPECT_TRUE(reached);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(SkinGuard(L"Nothing", [] {}));
  // A message with a line break is written as is.
  SkinGuard(L"ClearMemory", [] { throw EDrawingError(std::string("first\r\nsecond")); });
  auto lines = TSkinLog::Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], L"ClassName:TSkinHelper      ExceptionName:EGdiPlusError   "
                      L"ExceptionMsg:GDI+ error UnknownImageFormat in Bitmap(stream)   "
                      L"AdditionalMsg:CreateBitmapThrough Stream");
  EXPECT_EQ(lines[1], L"      ExceptionName:EDrawingError   ExceptionMsg:first");
  EXPECT_EQ(lines[2], L"second   AdditionalMsg:ClearMemory");
  TSkinLog::Reset();
}

TEST(SkinGuard, ForeignExceptionsPassOn) {
  TSkinLog::Reset();
  EXPECT_THROW(SkinGuard(L"Draw", [] { throw 42; }), int);
  EXPECT_TRUE(TSkinLog::Lines().empty());
}
