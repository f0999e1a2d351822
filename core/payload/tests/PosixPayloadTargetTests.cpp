#ifndef _WIN32
#include "core/payload/PosixPayloadTarget.h"
#include "core/payload/tests/PayloadTestSupport.h"
#include "core/text/TextConvert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qelvane {
namespace {

namespace fs = std::filesystem;

class TTempFolder {
public:
  TTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "payload-test-XXXXXX").string();
    Path = mkdtemp(pattern.data());
  }
  ~TTempFolder() { fs::remove_all(Path); }
  fs::path Path;
};

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const fs::path& p, const std::string& data) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << data;
}

TEST(TPosixPayloadTarget, ExtractsOntoDisk) {
  TTempFolder tmp;
  const fs::path product = tmp.Path / "Qelvane";
  WriteAll(product / "Data" / "old.bin", std::string(5000, 'o'));
  WriteAll(product / "Config" / "LogedinUsers.XML", "<users>mine</users>");
  const std::string big = test::TestBytes(TChunkedMemory::ChunkSize + 99, 9, false);
  TChunkedMemory archive = test::ToMemory(BuildPayloadArchive({
      {"Qelvane\\Data\\old.bin", "new"},
      {"Qelvane\\Config\\LogedinUsers.XML", "<users/>"},
      {"Qelvane\\Users\\default.ini", "[user]"},
      {Utf16ToGbk(u"Qelvane\\文档\\说明.txt"), "说明"},
      {"Qelvane\\\x81\x5C\\x.txt", "trail"},
      {"Qelvane\\a\\b\\c\\empty", ""},
      {"Qelvane\\big.bin", big},
  }));
  TPosixPayloadTarget target(tmp.Path.string());
  ASSERT_TRUE(ExtractArchive(archive, "", target));

  EXPECT_EQ(ReadAll(product / "Data" / "old.bin"), "new"); // truncated, not overlaid
  EXPECT_EQ(ReadAll(product / "Config" / "LogedinUsers.XML"), "<users>mine</users>");
  EXPECT_EQ(ReadAll(product / "Users" / "default.ini"), "[user]");
  EXPECT_EQ(ReadAll(product / "文档" / "说明.txt"), "说明");
  EXPECT_EQ(ReadAll(product / "乗" / "x.txt"), "trail");
  EXPECT_TRUE(fs::is_regular_file(product / "a" / "b" / "c" / "empty"));
  EXPECT_EQ(fs::file_size(product / "a" / "b" / "c" / "empty"), 0u);
  EXPECT_TRUE(ReadAll(product / "big.bin") == big);
}

TEST(TPosixPayloadTarget, ReportsFoldersAndFilesItCannotCreate) {
  TTempFolder tmp;
  WriteAll(tmp.Path / "Qelvane" / "blocked", "a file where a folder belongs");
  TPosixPayloadTarget target(tmp.Path.string());
  TChunkedMemory folderBlocked = test::ToMemory(BuildPayloadArchive({{"Qelvane\\blocked\\x.txt", "x"}}));
  EXPECT_FALSE(ExtractArchive(folderBlocked, "", target));

  fs::create_directories(tmp.Path / "Qelvane" / "dir");
  TChunkedMemory fileBlocked = test::ToMemory(BuildPayloadArchive({{"Qelvane\\dir", "x"}}));
  EXPECT_THROW(ExtractArchive(fileBlocked, "", target), std::runtime_error);
}

} // namespace
} // namespace qelvane
#endif
