#include <gtest/gtest.h>

#include <stdexcept>

#include "installer/InstallLog.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Guard.h"

using namespace qelvane;
using namespace qelvane::test;

TEST(InstallLog, GuardWritesPrefixAndErrorText) {
  ClearInstallLog();
  EXPECT_TRUE(InstallLogGuard(L"CreateShortcut:创建快捷方式\r\n", [] {}));
  EXPECT_TRUE(InstallLogText().empty());
  EXPECT_FALSE(InstallLogGuard(L"CreateShortcut:创建快捷方式\r\n", [] { throw Exception(L"找不到文件"); }));
  const std::wstring log = InstallLogText();
  ASSERT_GE(log.size(), 21u);
  EXPECT_EQ(log.substr(21), L"CreateShortcut:创建快捷方式\r\n找不到文件\r\n");
  ClearInstallLog();
}

TEST(InstallLog, AppExceptionsGoToTheLogAsTheirTextAlone) {
  ClearInstallLog();
  TAppExceptionHandler saved = SetAppExceptionHandler(nullptr);
  SetInstallLogAppExceptionHandler();
  EXPECT_FALSE(GuardAppException([] { throw Exception(L"未处理的错误"); }));
  SetAppExceptionHandler(saved);
  const std::wstring log = InstallLogText();
  ASSERT_GE(log.size(), 21u);
  EXPECT_EQ(log.substr(19), L"  未处理的错误\r\n");
  ClearInstallLog();
}
