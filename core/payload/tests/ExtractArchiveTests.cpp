#include "core/payload/Payload.h"
#include "core/payload/tests/PayloadTestSupport.h"
#include "core/text/TextConvert.h"

#include <gtest/gtest.h>

namespace qelvane {
namespace {

using test::RawArchive;
using test::TestBytes;
using test::TFakeTarget;
using test::ToMemory;

std::string Gbk(std::u16string_view Text) {
  return Utf16ToGbk(Text);
}

// "乗" in GBK is 81 5C: its second byte is a backslash.
const std::string Trail5C = "\x81\x5C";

const std::string Folder = "C:\\Program Files\\Norventa\\";

TEST(ExtractArchive, EmptyArchiveSetsRangeZeroAndWritesNothing) {
  TChunkedMemory archive = ToMemory(BuildPayloadArchive({}));
  ASSERT_EQ(archive.Size(), 2u);
  TFakeTarget target;
  EXPECT_TRUE(ExtractArchive(archive, Folder, target));
  EXPECT_EQ(target.Calls, std::vector<std::string>{"range 0"});
}

TEST(ExtractArchive, WritesEveryEntryBelowTheFolderWithProgress) {
  const std::string readme = "Qelvane\\readme.txt";
  const std::string empty = "Qelvane\\empty.dat";
  const std::string deep = "Qelvane\\a\\b\\c\\d\\deep.bin";
  const std::string chinese = Gbk(u"Qelvane\\文档\\说明.txt");
  const std::string trail = "Qelvane\\" + Trail5C + "\\x.txt";
  TChunkedMemory archive = ToMemory(
      BuildPayloadArchive({{readme, "read me"}, {empty, ""}, {deep, "deep"}, {chinese, "说明"}, {trail, "trail"}}));
  TFakeTarget target;
  ASSERT_TRUE(ExtractArchive(archive, Folder, target));

  const std::vector<std::string> calls = {"range 5",
                                          "show 0 " + readme,
                                          "folder " + Folder + "Qelvane\\",
                                          "write " + Folder + readme,
                                          "done 0",
                                          "show 1 " + empty,
                                          "folder " + Folder + "Qelvane\\",
                                          "write " + Folder + empty,
                                          "done 1",
                                          "show 2 " + deep,
                                          "folder " + Folder + "Qelvane\\a\\b\\c\\d\\",
                                          "write " + Folder + deep,
                                          "done 2",
                                          "show 3 " + chinese,
                                          "folder " + Folder + Gbk(u"Qelvane\\文档\\"),
                                          "write " + Folder + chinese,
                                          "done 3",
                                          "show 4 " + trail,
                                          "folder " + Folder + "Qelvane\\" + Trail5C + "\\",
                                          "write " + Folder + trail,
                                          "done 4"};
  EXPECT_EQ(target.Calls, calls);
  EXPECT_EQ(target.Files[Folder + readme], "read me");
  EXPECT_EQ(target.Files[Folder + empty], "");
  EXPECT_EQ(target.Files[Folder + chinese], "说明");
}

// The user's list of logged-in users survives a reinstall; anything else,
// including the same name in another letter case, is replaced.
TEST(ExtractArchive, KeepsAnExistingLogedinUsersFileOnly) {
  struct TCase {
    std::string Name;
    bool Exists;
    bool Written;
  };
  const TCase cases[] = {
      {"Qelvane\\Config\\LogedinUsers.XML", true, false},
      {"Qelvane\\Config\\LogedinUsers.XML", false, true},
      {"Config\\LogedinUsers.XML", true, false},
      {"Config\\LogedinUsers.XML", false, true},
      {"Qelvane\\Config\\LogedinUsers.xml", true, true},
      {"Qelvane\\config\\LogedinUsers.XML", true, true},
      {"Qelvane\\Config\\LogedinUsers.XML.bak", true, true},
      {"Qelvane\\Other\\Config\\LogedinUsers.XML", true, true},
      {"Qelvane\\Config\\Settings.xml", true, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name + (c.Exists ? " (exists)" : ""));
    TChunkedMemory archive = ToMemory(BuildPayloadArchive({{c.Name, "<shipped/>"}}));
    TFakeTarget target;
    if (c.Exists) target.Files[Folder + c.Name] = "<user's/>";
    ASSERT_TRUE(ExtractArchive(archive, Folder, target));
    EXPECT_EQ(target.Files[Folder + c.Name], c.Written ? "<shipped/>" : "<user's/>");
    EXPECT_EQ(target.Calls.back(), "done 0");
  }
}

TEST(ExtractArchive, StopsWhenAFolderCannotBeCreated) {
  TChunkedMemory archive = ToMemory(
      BuildPayloadArchive({{"Qelvane\\a.txt", "a"}, {"Qelvane\\Locked\\b.txt", "b"}, {"Qelvane\\c.txt", "c"}}));
  TFakeTarget target;
  target.FailFolder = Folder + "Qelvane\\Locked\\";
  EXPECT_FALSE(ExtractArchive(archive, Folder, target));
  EXPECT_EQ(target.Files.size(), 1u);
  EXPECT_EQ(target.Files.count(Folder + "Qelvane\\a.txt"), 1u);
  EXPECT_EQ(target.Calls.back(), "folder " + target.FailFolder);
}

// Packed, compressed, inflated and extracted: every byte comes back, also of
// files larger than a memory chunk or lying across a chunk border.
TEST(ExtractArchive, RoundTripsThroughCompression) {
  const size_t chunk = TChunkedMemory::ChunkSize;
  std::vector<PayloadFile> files = {
      {"Qelvane\\Lumox.exe", TestBytes(chunk + 4321, 1, false)},
      {"Qelvane\\Data\\small.txt", TestBytes(1000, 2)},
      {"Qelvane\\Data\\across.bin", TestBytes(chunk - 3000, 3, false)},
      {"Qelvane\\Data\\big.dat", TestBytes(2 * chunk + 17, 4)},
      {"Qelvane\\Data\\zero", ""},
      {Gbk(u"Qelvane\\说明.txt"), "说明"},
  };
  std::string compressed = ZCompress(BuildPayloadArchive(files));
  TMemorySource source(compressed.data(), compressed.size());
  TChunkedMemory archive;
  ZDecompressStream(source, archive);
  TFakeTarget target;
  ASSERT_TRUE(ExtractArchive(archive, Folder, target));
  ASSERT_EQ(target.Files.size(), files.size());
  for (const PayloadFile& f : files)
    EXPECT_TRUE(target.Files[Folder + f.Name] == f.Data) << f.Name;
}

TEST(PayloadNameFault, AcceptsRelativeGbkNames) {
  for (const std::string& name : {std::string("Qelvane\\Lumox.exe"), std::string("readme"),
                                  Gbk(u"Qelvane\\文档\\说明.txt"), "Qelvane\\" + Trail5C, "Qelvane\\" + Trail5C + "\\x",
                                  std::string("Qelvane\\.hidden\\a..b"), std::string("Qelvane\\x.")}) {
    EXPECT_EQ(PayloadNameFault(name), "") << name;
  }
}

// Archives that would write outside the folder or read outside the stream
// are refused before the target sees a single call.
TEST(ExtractArchive, RefusesHostileArchivesBeforeWriting) {
  const test::TRawEntry ok = {"Qelvane\\ok.txt", "fine"};
  struct TCase {
    const char* What;
    std::string Archive;
    const char* Message;
  };
  auto named = [&](std::string name) { return RawArchive({ok, {std::move(name), "bad"}}); };
  const TCase cases[] = {
      {"no count", "", "too short"},
      {"half a count", std::string(1, '\1'), "too short"},
      {"directory past the end", RawArchive({ok}, 3).substr(0, 2 + 14 * 2), "directory of 3 entries runs past the end"},
      {"name past the end", RawArchive({ok, {"Qelvane\\b", "b", 1000}}), "entry 1: name (9 bytes at 1000) runs past"},
      {"name offset wrapping", RawArchive({ok, {"Qelvane\\b", "b", 0xFFFFFFFF}}), "entry 1: name"},
      {"data past the end", RawArchive({ok, {"Qelvane\\b", "b", -1, -1, 5000}}), "entry 1 \"Qelvane\\b\": data (5000"},
      {"data offset past the end", RawArchive({ok, {"Qelvane\\b", "b", -1, 0xFFFFFFF0}}),
       "entry 1 \"Qelvane\\b\": data"},
      {"empty name", named(""), "entry 1 \"\" refused: empty name"},
      {"absolute name", named("\\Windows\\evil.dll"), "refused: absolute path"},
      {"network name", named("\\\\server\\share\\evil"), "refused: absolute path"},
      {"drive prefix", named("C:\\Windows\\evil.dll"), "refused: drive prefix"},
      {"drive-relative", named("C:evil.dll"), "refused: drive prefix"},
      {"stream name", named("Qelvane\\a.txt:stream"), "refused: colon"},
      {"parent component", named("Qelvane\\..\\..\\evil.dll"), "entry 1 \"Qelvane\\..\\..\\evil.dll\" refused: \"..\""},
      {"leading parent", named("..\\evil.dll"), "refused: \"..\""},
      {"parent at the end", named("Qelvane\\.."), "refused: \"..\""},
      {"dots and spaces", named("Qelvane\\. .\\evil"), "refused: component of only dots"},
      {"current folder", named("Qelvane\\.\\a"), "refused: component of only dots"},
      {"empty component", named("Qelvane\\\\a"), "refused: empty path component"},
      {"ends in a separator", named("Qelvane\\a\\"), "refused: name ends in a separator"},
      {"forward slash", named("Qelvane/../evil"), "refused: forward slash"},
      {"control character", named(std::string("Qelvane\\a\0b", 11)), "refused: control character"},
      {"invalid GBK", named("Qelvane\\\xFF\xFF"), "entry 1 \"Qelvane\\\\xFF\\xFF\" refused: name is not valid GBK"},
      {"lone lead byte", named("Qelvane\\\x81"), "refused: name is not valid GBK"},
      {"device file", named("Qelvane\\nul.txt"), "refused: Windows device name"},
      {"device folder", named("Qelvane\\Con \\a"), "refused: Windows device name"},
      {"serial port", named("Qelvane\\COM1"), "refused: Windows device name"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TChunkedMemory archive = ToMemory(c.Archive);
    TFakeTarget target;
    try {
      ExtractArchive(archive, Folder, target);
      ADD_FAILURE() << "not refused";
    } catch (const EPayloadRefused& e) {
      EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(target.Calls.empty());
  }
}

TEST(BuildPayloadHeader, RefusesWhatTheReaderWouldRefuse) {
  EXPECT_THROW(BuildPayloadHeader({{"Qelvane\\..\\x", 1}}), EPayloadBuild);
  EXPECT_THROW(BuildPayloadHeader(std::vector<PayloadFileInfo>(65536, {"a", 0})), EPayloadBuild);
  EXPECT_THROW(BuildPayloadHeader({{"a", 0xFFFFFFF0}}), EPayloadBuild);
  EXPECT_NO_THROW(BuildPayloadHeader(std::vector<PayloadFileInfo>(65535, {"a", 0})));
}

} // namespace
} // namespace qelvane
