#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "winbase/Log.h"
#include "winbase/WinText.h"

using namespace qelvane;

namespace {
std::string ReadAll(const std::wstring& path) {
  std::ifstream f(WideToAnsi(path), std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}
} // namespace

TEST(WriteLog, CreatesAppendsAndKeepsContinuationLinesWithoutTimestamp) {
  const std::wstring name = L"LogTest.log";
  const std::wstring path = LogFolder() + name;
  DeleteFileW(path.c_str());
  ASSERT_EQ(GetACP(), 936u) << "tests expect the Simplified-Chinese code page";

  WriteLog(L"第一行", name);
  WriteLog(L"CheckIsHasLastVer:检查是否已经安装了软件\r\nerror text", name);
  std::string text = ReadAll(path);

  // "YYYY-MM-DD HH:MM:SS  " is 21 bytes.
  std::string first = WideToAnsi(L"第一行", 936);
  ASSERT_GE(text.size(), 21u);
  EXPECT_EQ(text[4], '-');
  EXPECT_EQ(text[10], ' ');
  EXPECT_EQ(text[13], ':');
  EXPECT_EQ(text.substr(19, 2), "  ");
  EXPECT_EQ(text.substr(21, first.size() + 2), first + "\r\n");
  size_t second = 21 + first.size() + 2;
  EXPECT_EQ(text.substr(second + 19, 2), "  ");
  EXPECT_EQ(text.substr(second + 21),
            WideToAnsi(L"CheckIsHasLastVer:检查是否已经安装了软件", 936) + "\r\nerror text\r\n");
  DeleteFileW(path.c_str());
}

TEST(WriteLog, EmptyFileNameOnlyGoesToDebugger) {
  WriteLog(L"nothing written", L"");
  SUCCEED();
}

TEST(WriteLog, TimestampFormat) {
  EXPECT_EQ(FormatLogTimestamp(2026, 1, 2, 3, 4, 5), L"2026-01-02 03:04:05");
}

TEST(WriteLog, UnwritableLogIsSkippedSilently) {
  // A folder that does not exist and a name that is a folder: neither can be
  // opened for appending; the caller goes on.
  WriteLog(L"lost", L"no-such-folder\\x.log");
  CreateDirectoryW((LogFolder() + L"log-is-a-folder").c_str(), nullptr);
  WriteLog(L"lost", L"log-is-a-folder");
  RemoveDirectoryW((LogFolder() + L"log-is-a-folder").c_str());
  SUCCEED();
}
