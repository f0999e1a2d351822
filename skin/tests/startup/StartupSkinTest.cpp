// Start-up of a program whose "SKIN" resource is missing (or, built with
// SKIN_RESOURCE_DAMAGED, is not a skin document): one log line, no skin, and
// the program goes on.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "skin/SkinMng.h"
#include "skin/SkinStartup.h"
#include "winbase/Log.h"
#include "winbase/WinText.h"

using namespace qelvane;

#ifdef SKIN_RESOURCE_DAMAGED
#define STARTUP_TEST_NAME ADamagedSkinResourceLogsOneLineAndGoesOn
#else
#define STARTUP_TEST_NAME AMissingSkinResourceLogsOneLineAndGoesOn
#endif

TEST(SkinStartup, STARTUP_TEST_NAME) {
  const std::wstring log = LogFolder() + L"SkinEngine.log";
  DeleteFileW(log.c_str());

  EXPECT_FALSE(InitSkinEngineAtStartup());

  EXPECT_FALSE(SkinMng().Loaded());
  EXPECT_FALSE(SkinMng().IsPrepareBuildBackGndImage());
  EXPECT_EQ(SkinMng().SkinButtonStyles().StyleList.size(), 0u);
  EXPECT_EQ(SkinMng().SkinFormStyles().FormStyleItem(), nullptr);

  std::ifstream f(WideToAnsi(log), std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  const std::string text = ss.str();
  size_t lines = 0;
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
    ++lines;
  EXPECT_EQ(lines, 1u) << text;
  EXPECT_NE(text.find("ClassName:TSkinFile      ExceptionName:"), std::string::npos) << text;
  EXPECT_NE(text.find("   AdditionalMsg:LoadSkinFile\r\n"), std::string::npos) << text;
#ifdef SKIN_RESOURCE_DAMAGED
  EXPECT_NE(text.find("ExceptionMsg:Unknown Version"), std::string::npos) << text;
#else
  EXPECT_NE(text.find("ExceptionMsg:Resource SKIN not found"), std::string::npos) << text;
#endif
  DeleteFileW(log.c_str());
}
