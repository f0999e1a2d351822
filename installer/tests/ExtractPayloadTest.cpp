#include <gtest/gtest.h>
#include <windows.h>

#include "core/payload/Payload.h"
#include "installer/InstallSequence.h"
#include "installer/tests/TestSupport.h"
#include "winbase/Files.h"
#include "winbase/WinText.h"

using namespace qelvane;
using namespace qelvane::test;

namespace {
std::string Gbk(const std::wstring& s) {
  return WideToAnsi(s, 936);
}

class ExtractPayload : public ::testing::Test {
protected:
  void SetUp() override { ClearInstallLog(); }
  TScratchDir Dir{L"extract"};
  TRecordingView View;
  TInstaller Installer{View};

  bool Extract(const std::string& Stream) {
    return Installer.ExtractPayloadFrom(Stream.data(), Stream.size(), Dir.Path());
  }
};
} // namespace

TEST_F(ExtractPayload, WritesEveryEntryWithProgressAndChineseNames) {
  std::string big(300000, '\0');
  for (size_t i = 0; i < big.size(); ++i)
    big[i] = static_cast<char>(i * 7 % 251);
  std::vector<PayloadFile> files = {
      {Gbk(L"Qelvane\\Lumox.exe"), "MZ demo"},
      {Gbk(L"Qelvane\\说明.txt"), Gbk(L"中文内容")},
      {Gbk(L"Qelvane\\empty.dat"), ""},
      {Gbk(L"Qelvane\\a\\b\\c\\d\\deep.bin"), big},
  };
  // An existing file of the same name is truncated and rewritten.
  CreateDirectoryW((Dir.Path() + L"Qelvane").c_str(), nullptr);
  WriteTextFile(Dir.Path() + L"Qelvane\\Lumox.exe", std::string(5000, 'o'));

  ASSERT_TRUE(Extract(ZCompress(BuildPayloadArchive(files))));
  EXPECT_EQ(ReadFileBytes(Dir.Path() + L"Qelvane\\Lumox.exe"), "MZ demo");
  EXPECT_EQ(ReadFileBytes(Dir.Path() + L"Qelvane\\说明.txt"), Gbk(L"中文内容"));
  EXPECT_TRUE(FileExists(Dir.Path() + L"Qelvane\\empty.dat"));
  EXPECT_EQ(ReadFileBytes(Dir.Path() + L"Qelvane\\empty.dat"), "");
  EXPECT_EQ(ReadFileBytes(Dir.Path() + L"Qelvane\\a\\b\\c\\d\\deep.bin"), big);

  EXPECT_EQ(View.RangeMin, 0);
  EXPECT_EQ(View.RangeMax, 4);
  EXPECT_EQ(View.Position, 4);
  ASSERT_EQ(View.Statuses.size(), 4u);
  EXPECT_EQ(View.Statuses[1], L"正在复制文件: Qelvane\\说明.txt");
  EXPECT_EQ(View.MessageCalls, 8) << "messages are processed twice per entry";
  EXPECT_TRUE(InstallLogText().empty());
}

TEST_F(ExtractPayload, EmptyArchiveWritesNothing) {
  ASSERT_TRUE(Extract(ZCompress(BuildPayloadArchive({}))));
  EXPECT_EQ(View.RangeMax, 0);
  EXPECT_TRUE(View.Statuses.empty());
}

TEST_F(ExtractPayload, UserListIsKeptOnlyWhenItExists) {
  const std::wstring users = Dir.Path() + L"Qelvane\\Config\\LogedinUsers.XML";
  std::vector<PayloadFile> files = {{"Qelvane\\Config\\LogedinUsers.XML", "<shipped/>"}};
  const std::string stream = ZCompress(BuildPayloadArchive(files));
  ASSERT_TRUE(Extract(stream));
  EXPECT_EQ(ReadFileBytes(users), "<shipped/>") << "written when absent";
  WriteTextFile(users, "<user data/>");
  ASSERT_TRUE(Extract(stream));
  EXPECT_EQ(ReadFileBytes(users), "<user data/>") << "the user's list survives a reinstall";
}

TEST_F(ExtractPayload, DamagedStreamsGiveOneLogLineAndFalse) {
  std::string good = ZCompress(BuildPayloadArchive({{"Qelvane\\a.txt", std::string(100000, 'a')}}));
  std::string damaged = good;
  damaged[damaged.size() / 2] ^= 0x55;
  damaged[damaged.size() / 2 + 1] ^= 0x55;
  const std::string streams[] = {damaged, good.substr(0, good.size() / 2), "not zlib at all"};
  for (const std::string& s : streams) {
    ClearInstallLog();
    EXPECT_FALSE(Extract(s));
    std::wstring log = InstallLogText();
    EXPECT_EQ(log.find(L"ZDecompressStream:提取安装包出错!\r\n"), 21u) << log;
    EXPECT_FALSE(DirectoryExists(Dir.Path() + L"Qelvane"));
  }
}

namespace {
// An archive with the given raw names (the packer refuses unsafe ones).
std::string RawArchive(const std::vector<std::string>& Names) {
  std::string out;
  auto put = [&](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
      out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  put(static_cast<uint32_t>(Names.size()), 2);
  uint32_t offset = static_cast<uint32_t>(2 + 14 * Names.size());
  uint32_t dataStart = offset;
  for (const std::string& n : Names)
    dataStart += static_cast<uint32_t>(n.size());
  for (const std::string& n : Names) {
    put(static_cast<uint32_t>(n.size()), 2);
    put(offset, 4);
    put(2, 4);
    put(dataStart, 4);
    offset += static_cast<uint32_t>(n.size());
  }
  for (const std::string& n : Names)
    out += n;
  return out + "ok";
}
} // namespace

TEST_F(ExtractPayload, HostileNamesAreRefusedBeforeAnythingIsWritten) {
  for (const char* name : {"Qelvane\\..\\..\\evil.txt", "C:\\evil.txt", "\\evil.txt", "Qelvane\\..\\evil.txt"}) {
    ClearInstallLog();
    EXPECT_FALSE(Extract(ZCompress(RawArchive({"Qelvane\\fine.txt", name})))) << name;
    EXPECT_FALSE(FileExists(Dir.Path() + L"Qelvane\\fine.txt")) << "nothing is written: " << name;
    EXPECT_NE(InstallLogText().find(L"ExtractPayload:"), std::wstring::npos) << name;
  }
  // The same archive with safe names extracts, so the refusal is the names'.
  EXPECT_TRUE(Extract(ZCompress(RawArchive({"Qelvane\\fine.txt", "Qelvane\\ok.txt"}))));
  EXPECT_EQ(ReadFileBytes(Dir.Path() + L"Qelvane\\ok.txt"), "ok");
}

TEST(ProcessPendingMessages, PassesRepeatWhileMessagesKeepComingUpToTheCount) {
  // {passes that find messages, count} -> passes made
  struct TCase {
    int Pending, Count, Calls;
  } cases[] = {{0, 1000, 1}, {3, 1000, 4}, {5000, 1000, 1001}, {5, -1, 0}};
  for (const TCase& c : cases) {
    TRecordingView view;
    view.PendingPasses = c.Pending;
    ProcessPendingMessages(view, c.Count);
    EXPECT_EQ(view.MessageCalls, c.Calls) << c.Pending << " pending, count " << c.Count;
  }
}
